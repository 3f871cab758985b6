#include "mainwindow/OpenedFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>

namespace marrowick {

SaveCopyChooser DialogSaveCopyChooser(QWidget* parent)
{
    return [parent](const QString& question, const QString& fileName) {
        for (;;) {
            QMessageBox box(QMessageBox::Warning, QStringLiteral("Marrowick"), question,
                            QMessageBox::NoButton, parent);
            QPushButton* save =
                box.addButton(QCoreApplication::translate("OpenedFiles", "Save As"), QMessageBox::AcceptRole);
            box.addButton(QCoreApplication::translate("OpenedFiles", "Discard"), QMessageBox::DestructiveRole);
            box.setDefaultButton(save);
            box.exec();
            if (box.clickedButton() != save)
                return QString();
            const QString destination = QFileDialog::getSaveFileName(
                parent, QCoreApplication::translate("OpenedFiles", "Save a Copy"),
                QDir::home().filePath(fileName));
            if (!destination.isEmpty())
                return destination;
        }
    };
}

void OpenedFiles::add(const QString& path)
{
    const QFileInfo info(path);
    m_files.push_back({path, info.size(), info.lastModified()});
}

QStringList OpenedFiles::changed() const
{
    QStringList files;
    for (const Opened& opened : m_files) {
        const QFileInfo info(opened.path);
        if (info.isFile() &&
            (info.size() != opened.size || info.lastModified() != opened.modified))
            files << opened.path;
    }
    files.removeDuplicates();
    return files;
}

bool SaveCopy(const QString& file, const QString& destination)
{
    QFile source(file);
    QSaveFile copy(destination);
    if (!source.open(QIODevice::ReadOnly) || !copy.open(QIODevice::WriteOnly))
        return false;
    char buffer[64 * 1024];
    for (qint64 got; (got = source.read(buffer, sizeof buffer)) > 0;)
        if (copy.write(buffer, got) != got)
            return false;
    return source.error() == QFile::NoError && copy.commit();
}

} // namespace marrowick
