// View > Preview: the pane beside the list, the keys that show it, and what
// it is given for the current row.
#include "mainwindow/fMain.h"

#include "engine/UnrarLibrary.h"
#include "engine/UserPrompts.h"
#include "mainwindow/FileListModel.h"
#include "mainwindow/PreviewPane.h"

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QSplitter>
#include <QTableView>
#include <QTimer>

namespace marrowick {

void fMain::buildPreview()
{
    m_preview = new PreviewPane(m_browse);
    m_browse->addWidget(m_preview);
    m_browse->setStretchFactor(2, 0);
    m_preview->hide();
    m_preview->setPasswordAsker([this] {
        return m_prompts->askPassword(tr("Enter password for the encrypted file:"),
                                      tr("Enter password"));
    });
    connect(m_preview, &PreviewPane::openRequested, this, [this] {
        if (m_lvFiles->currentIndex().isValid())
            openEntry(m_lvFiles->currentIndex().row());
    });

    m_mnupreview = makeAction("mnupreview", tr("&Preview"), QKeySequence(Qt::Key_F3));
    m_mnupreview->setCheckable(true);
    m_mnuview->addAction(m_mnupreview);
    addAction(m_mnupreview);
    connect(m_mnupreview, &QAction::toggled, this, [this](bool on) {
        m_preview->setVisible(on);
        if (!on) {
            m_preview->clear();
            return;
        }
        // Shown for the first time: two fifths of the room, the list keeps
        // the rest (once the window is laid out, when it is turned on before).
        QTimer::singleShot(0, this, [this] {
            QList<int> sizes = m_browse->sizes();
            if (sizes.size() == 3 && sizes[2] < 160) {
                const int room = sizes[1] + sizes[2];
                sizes[2] = room * 2 / 5;
                sizes[1] = room - sizes[2];
                m_browse->setSizes(sizes);
            }
        });
        previewRow(m_lvFiles->currentIndex().row(), true);
    });

    // Space on a row: the pane for that row, shown if it was not.
    QAction* space = makeAction("previewRow", tr("Preview"), QKeySequence(Qt::Key_Space));
    space->setShortcutContext(Qt::WidgetShortcut);
    m_lvFiles->addAction(space);
    connect(space, &QAction::triggered, this, [this] {
        if (!m_mnupreview->isChecked())
            m_mnupreview->setChecked(true); // previews the row itself
        else
            previewRow(m_lvFiles->currentIndex().row(), true);
    });

    connect(m_lvFiles->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { previewRow(current.row(), false); });
    connect(m_model, &QAbstractItemModel::modelReset, m_preview, &PreviewPane::clear);
}

void fMain::previewRow(int row, bool now)
{
    if (!m_mnupreview->isChecked())
        return;
    if (m_running || m_archivePath.isEmpty() || row < 0 || row >= m_model->rowCount()) {
        m_preview->clear();
        return;
    }
    PreviewItem item;
    item.row = m_model->row(row);
    if (item.row.isFolder) {
        const FolderTree& tree = m_model->folders();
        const std::uint32_t folder = tree.find(item.row.name);
        if (folder != FolderTree::None) {
            item.files = tree.folder(folder).filesBelow;
            item.folders = tree.folder(folder).foldersBelow;
            item.bytes = tree.folder(folder).bytesBelow;
        }
    } else if (m_listing.openFlags & ROADF_SOLID) {
        // Only the first file of a solid archive is decoded on its own.
        for (const FileRow& stored : m_model->rows())
            if (!stored.isFolder) {
                item.afterOthersInSolid = stored.name != item.row.name;
                break;
            }
    }
    m_preview->setArchive(m_archivePath, m_api);
    if (now)
        m_preview->showItemNow(item);
    else
        m_preview->showItem(item);
}

} // namespace marrowick
