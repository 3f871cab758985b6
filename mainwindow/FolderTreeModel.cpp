#include "mainwindow/FolderTreeModel.h"

namespace marrowick {

FolderTreeModel::FolderTreeModel(QObject* parent) : QAbstractItemModel(parent) {}

void FolderTreeModel::setTree(const FolderTree* tree, const QString& archiveName)
{
    beginResetModel();
    m_tree = tree;
    m_archiveName = archiveName;
    //: The folder pane's top node, the whole archive; %1 is the archive's name
    m_topText = tr("All entries  %1").arg(archiveName);
    endResetModel();
}

QModelIndex FolderTreeModel::indexOf(std::uint32_t folder) const
{
    if (!m_tree || folder >= m_tree->folderCount())
        return {};
    const int row = folder == FolderTree::Top ? 0 : static_cast<int>(m_tree->folder(folder).index);
    return createIndex(row, 0, quintptr(folder));
}

QModelIndex FolderTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (!m_tree || column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row == 0 ? createIndex(0, 0, quintptr(FolderTree::Top)) : QModelIndex();
    const std::vector<std::uint32_t>& folders = m_tree->folder(folderOf(parent)).folders;
    if (static_cast<std::size_t>(row) >= folders.size())
        return {};
    return createIndex(row, 0, quintptr(folders[static_cast<std::size_t>(row)]));
}

QModelIndex FolderTreeModel::parent(const QModelIndex& child) const
{
    if (!m_tree || !child.isValid() || folderOf(child) == FolderTree::Top)
        return {};
    return indexOf(m_tree->folder(folderOf(child)).parent);
}

int FolderTreeModel::rowCount(const QModelIndex& parent) const
{
    if (!m_tree)
        return 0;
    if (!parent.isValid())
        return 1;
    return static_cast<int>(m_tree->folder(folderOf(parent)).folders.size());
}

int FolderTreeModel::columnCount(const QModelIndex&) const
{
    return 1;
}

QVariant FolderTreeModel::data(const QModelIndex& index, int role) const
{
    if (!m_tree || !index.isValid())
        return {};
    const std::uint32_t folder = folderOf(index);
    switch (role) {
    case Qt::DisplayRole:
        return folder == FolderTree::Top ? m_topText : m_tree->folder(folder).name;
    case Qt::ToolTipRole:
        return folder == FolderTree::Top ? m_archiveName : m_tree->path(folder);
    case Qt::DecorationRole:
        return m_icon;
    default:
        return {};
    }
}

} // namespace marrowick
