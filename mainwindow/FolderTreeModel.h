#pragma once

#include "engine/FolderTree.h"

#include <QAbstractItemModel>
#include <QIcon>

namespace marrowick {

// The folder pane's model over a listing's folder tree: one top node for the
// whole archive ("All entries", the archive's name beside it), the folders
// below it. A node's children are the tree's own list: expanding one costs
// nothing at any size. Detached while a listing adds to the tree.
class FolderTreeModel final : public QAbstractItemModel
{
    Q_OBJECT

public:
    explicit FolderTreeModel(QObject* parent = nullptr);

    // Shows the tree (null: nothing, as while a listing runs).
    void setTree(const FolderTree* tree, const QString& archiveName);
    void setFolderIcon(const QIcon& icon) { m_icon = icon; }

    QModelIndex indexOf(std::uint32_t folder) const;
    static std::uint32_t folderOf(const QModelIndex& index)
    {
        return static_cast<std::uint32_t>(index.internalId());
    }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const FolderTree* m_tree = nullptr;
    QString m_archiveName;
    QString m_topText; // the top node's, made once per tree
    QIcon m_icon;
};

} // namespace marrowick
