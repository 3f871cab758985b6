#pragma once

#include <QString>

#include <functional>
#include <memory>

class QFileDialog;
class QLabel;
class QWidget;

namespace marrowick {

struct FolderChooserRequest
{
    QString startFolder;      // the folder the chooser opens on
    QWidget* owner = nullptr; // modal over this window; none when null
    QString title;            // the prompt, e.g. "Extract Archive to ..."
};

// Returns the chosen folder's path, or "" when the user cancelled.
using FolderChooser = std::function<QString(const FolderChooserRequest&)>;

// Lets the user pick a folder, opening on startFolder. Returns the path as the
// chooser gives it, without adding or removing a trailing "/"; "" on cancel.
QString BrowseForFolder(const QString& startFolder, QWidget* owner, const QString& title);

// Replaces the chooser that BrowseForFolder shows (tests answer it from a
// script); an empty one brings back the Qt folder dialog. Returns the one it
// replaced.
FolderChooser SetFolderChooser(FolderChooser chooser);

// The default chooser: a modal Qt folder dialog with a status line that shows
// the path of the selected folder.
QString ShowQtFolderDialog(const FolderChooserRequest& request);

// The Qt folder dialog, set up but not shown, and how its answer is read.
std::unique_ptr<QFileDialog> CreateFolderDialog(const FolderChooserRequest& request);
QString ReadFolderDialog(const QFileDialog& dialog, bool accepted);

// Keeps the chooser's status line on the selected folder: a selection that is
// not a folder on disk leaves it as it was.
void BrowseCallback(QLabel* statusLine, const QString& selected);

} // namespace marrowick
