// What the window does with the rows: the selection, Open on a row, Extract
// Selected To..., the row menu, and the private folder opened entries go to.
#include "mainwindow/fMain.h"

#include "engine/ComponentError.h"
#include "engine/Messages.h"
#include "engine/Paths.h"
#include "engine/modRAR.h"
#include "mainwindow/FileListModel.h"
#include "mainwindow/StatusBarPanel.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QTableView>
#include <QTemporaryDir>
#include <QUrl>

#include <algorithm>

namespace marrowick {

bool fMain::entriesReady() const
{
    // Listed by any way in (the command line too), and no run going on.
    return !m_running && !m_archivePath.isEmpty() && m_model->rowCount() > 0;
}

QStringList fMain::selectedEntryNames() const
{
    QModelIndexList rows = m_lvFiles->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList names;
    for (const QModelIndex& index : rows)
        names << m_model->row(index.row()).name;
    return names;
}

void fMain::extractSelected_Click()
{
    if (!entriesReady())
        return;
    const QStringList names = selectedEntryNames();
    if (names.isEmpty()) {
        m_panels[1]->setText(tr("Select the entries to extract"));
        return;
    }
    const QString folder = chooseExtractFolder();
    if (folder.isEmpty())
        return;
    m_extractFolder = AddBackslash(folder);
    runSelection(m_extractFolder, names, OverwritePolicy::Ask);
}

bool fMain::runSelection(const QString& folder, const QStringList& names,
                         OverwritePolicy overwrite)
{
    m_refusedInRun.clear();
    QString password;
    RunContext context{*this, *m_prompts, m_api, folder, overwrite, names, extractLinks()};
    try {
        ProcessArchive(OP_EXTRACT, m_archivePath, password, context);
    } catch (const ComponentError& error) {
        showComponentError(error.number(), error.description());
        return false;
    }
    return context.passed;
}

QString fMain::newPrivateRun()
{
    if (!m_privateFolder) {
        // QTemporaryDir makes its folder with mode 0700: ours alone.
        m_privateFolder = std::make_unique<QTemporaryDir>(QDir::tempPath() +
                                                          QStringLiteral("/marrowick-XXXXXX"));
        if (!m_privateFolder->isValid()) {
            m_privateFolder.reset();
            return {};
        }
    }
    // A folder of its own for every run: a file still open in another
    // program from an earlier run is never replaced under it.
    const QString folder = m_privateFolder->filePath(QString::number(++m_privateRuns));
    return QDir().mkpath(folder) ? folder + QLatin1Char('/') : QString();
}

void fMain::releasePrivateFolder()
{
    // Archives opened from this one's entries live in its private folder.
    for (fMain* nested : nestedWindows())
        nested->close();
    for (const QString& file : m_openedFiles.changed()) {
        const QString name = QFileInfo(file).fileName();
        const QString question = tr("%1 was changed after it was opened. Save a copy?").arg(name);
        for (;;) {
            const QString destination = m_saveCopy(question, name);
            if (destination.isEmpty() || SaveCopy(file, destination))
                break;
            ShowErrorBox(*m_prompts, tr("Cannot save a copy to %1").arg(destination));
        }
    }
    m_openedFiles.clear();
    m_privateFolder.reset();
}

QString fMain::privateFolder() const
{
    return m_privateFolder ? m_privateFolder->path() : QString();
}

void fMain::openEntry(int row)
{
    if (!entriesReady() || row < 0 || row >= m_model->rowCount())
        return;
    const FileRow entry = m_model->row(row);
    if (entry.isFolder) {
        m_panels[1]->setText(tr("Not opened: %1 is a folder").arg(entry.name));
        return;
    }
    const QString folder = newPrivateRun();
    if (folder.isEmpty()) {
        m_panels[1]->setText(tr("Not opened: no temporary folder"));
        return;
    }
    const bool extracted = runSelection(folder, {entry.name}, OverwritePolicy::Always);
    const QString file = folder + entry.name;
    if (!extracted || !QFileInfo(file).isFile()) {
        m_panels[1]->setText(m_refusedInRun.isEmpty()
                                 ? tr("Not opened: %1 was not extracted").arg(entry.name)
                                 //: %1: the entry's name and why it was not written.
                                 : tr("Not opened: %1").arg(m_refusedInRun.first()));
        return;
    }
    // An archive within the archive opens here, not in another program.
    if (QFileInfo(file).suffix().compare(QLatin1String("rar"), Qt::CaseInsensitive) == 0) {
        openNested(file);
        return;
    }
    m_openedFiles.add(file);
    if (m_opener(QUrl::fromLocalFile(file)))
        m_panels[1]->setText(tr("Opened %1").arg(entry.name));
    else
        m_panels[1]->setText(tr("No application opens %1").arg(entry.name));
}

void fMain::showRowMenu(const QPoint& position)
{
    const QModelIndex index = m_lvFiles->indexAt(position);
    if (!index.isValid())
        return;
    // A click outside the selection selects that row alone, as file managers do.
    if (!m_lvFiles->selectionModel()->isRowSelected(index.row(), {}))
        m_lvFiles->selectionModel()->select(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_lvFiles->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    const bool ready = entriesReady();
    m_openEntry->setEnabled(ready && !m_model->row(index.row()).isFolder);
    m_extractSelected->setEnabled(ready);
    m_rowMenu->popup(m_lvFiles->viewport()->mapToGlobal(position));
}

} // namespace marrowick
