#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

class QFileDialog;
class QWidget;

namespace marrowick {

// What cFileDialog asks of the platform's file chooser, already in Qt's terms.
// The NUL-separated forms stay inside cFileDialog; a chooser never sees them.
struct FileChooserRequest
{
    bool save = false;        // save dialog instead of open dialog
    bool multiSelect = false; // several existing files may be chosen
    QWidget* owner = nullptr; // modal over this window; none when null
    QString title;            // empty: the platform's own title
    QStringList nameFilters;  // "RAR Archive Files (*.rar)"; empty: no filter list
    int filterIndex = 1;      // 1-based, into nameFilters
    QString initialDir;       // empty: the platform's default folder
    QString initialFile;      // the name the dialog starts with
    QString defaultSuffix;    // appended to a typed name without one; empty: none
    std::int32_t flags = 0;   // the option bits handed to the platform
    int bufferSize = 1024;    // room for the answer, in characters
};

// The chooser's answer: no paths means no choice (cancel or failure).
// filterIndex is the filter the user left selected, 1-based; 0 when unknown.
struct FileChooserOutcome
{
    QStringList paths;
    int filterIndex = 0;
};

using FileChooser = std::function<FileChooserOutcome(const FileChooserRequest&)>;

// The default chooser: a modal QFileDialog.
FileChooserOutcome ShowQtFileDialog(const FileChooserRequest& request);

// The two halves of ShowQtFileDialog, apart so they can be checked without
// anybody closing a dialog.
void ConfigureFileDialog(QFileDialog& dialog, const FileChooserRequest& request);
FileChooserOutcome ReadFileDialog(const QFileDialog& dialog, bool accepted);

} // namespace marrowick
