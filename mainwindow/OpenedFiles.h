#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QWidget;

namespace marrowick {

// Asked before a changed opened file is removed: the question ("notes.txt was
// changed after it was opened. Save a copy?", Save As / Discard) and the
// file's own name. Returns where to save a copy; empty for Discard.
using SaveCopyChooser = std::function<QString(const QString& question, const QString& fileName)>;

// A message box with Save As and Discard, then a save dialog (cancelling it
// asks again).
SaveCopyChooser DialogSaveCopyChooser(QWidget* parent);

// The entries handed to their applications from the private folder, as they
// were when handed over. Changes made to them are never written back into
// the archive; the window offers to save a copy before it removes them.
class OpenedFiles
{
public:
    void add(const QString& path);
    // Those whose size or time of change differ from when they were opened.
    QStringList changed() const;
    void clear() { m_files.clear(); }

private:
    struct Opened
    {
        QString path;
        qint64 size = 0;
        QDateTime modified;
    };
    std::vector<Opened> m_files;
};

// Saves a copy of the file at destination, replacing what is there only once
// the whole copy is written. False when that failed.
bool SaveCopy(const QString& file, const QString& destination);

} // namespace marrowick
