#pragma once

#include "engine/FileRow.h"
#include "engine/FolderTree.h"
#include "engine/Formats.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QLocale>
#include <QStringList>

#include <vector>

namespace marrowick {

// The rows of the file list. Rows are kept as the engine reports them and
// their cells formatted only when the view asks, so a listing of 100,000
// entries costs one small record per row. The list shows every row (the
// archive as a whole) or a chosen part of them: a folder's contents, the
// rows a filter kept. The folders of the rows are indexed as they arrive.
class FileListModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The first five always show; the others are the user's to turn on.
    enum Column { Name = 0, Size, Packed, Ratio, Crc32, Modified, Attributes, Method, Encrypted,
                  ColumnCount };
    static constexpr int FirstOptional = Modified;

    explicit FileListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // Rows can be dragged out (the window extracts them first).
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void appendRows(std::vector<FileRow>&& rows);
    void clear();
    // A row where the list shows it (sorted or not). A folder that has no
    // entry of its own shows as a row made for it.
    const FileRow& row(int index) const;
    // Every row in the archive's order.
    const FileRowList& rows() const { return m_rows; }
    const FolderTree& folders() const { return m_tree; }

    // One shown item: a row of the archive, or (with FolderItem set) a
    // folder of the tree without an entry of its own.
    static constexpr std::uint32_t FolderItem = 0x80000000U;
    // Shows these items, names relative to a folder depth parts deep.
    void showItems(std::vector<std::uint32_t> items, std::uint32_t depth);
    // Shows every row, as listed (the whole archive).
    void showAll();
    bool showsAll() const { return !m_partial; }
    // The items of a folder: its folders first, then its other entries.
    std::vector<std::uint32_t> folderItems(std::uint32_t folder) const;
    // The picture of folders made without an entry.
    void setFolderIcon(const QIcon& icon) { m_folderIcon = icon; }

    // Orders the rows by a column: names naturally ("file2" before "file10"),
    // the other columns by their numbers. Rows that compare equal keep the
    // archive's order. The rows themselves stay where they are; only the
    // order the list shows them in changes.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    // The column the rows are sorted by; -1 while they are in the archive's order.
    int sortColumn() const { return m_sortColumn; }

    // One icon per row, given as an index into a shared table of icons, so rows
    // of the same type share one picture. An empty table removes the icons.
    void setIcons(std::vector<QIcon> table, std::vector<quint16> rowIcons);
    bool hasIcons() const { return !m_iconTable.empty(); }
    QIcon iconOfRow(int index) const;

    // The locale that formats the size cells (the system's by default).
    void setLocale(const QLocale& locale);

    QString cellText(int row, int column) const;

private:
    std::size_t stored(int index) const
    {
        return m_order.empty() ? static_cast<std::size_t>(index)
                               : m_order[static_cast<std::size_t>(index)];
    }
    const FileRow& itemRow(std::uint32_t item) const;
    QString cellTextOf(const FileRow& row, int column) const;

    FileRowList m_rows;
    FolderTree m_tree;
    bool m_partial = false;               // shows m_items, not every row
    std::vector<std::uint32_t> m_items;   // in the order shown
    std::uint32_t m_depth = 0;            // of the folder names are shown below
    mutable std::vector<FileRow> m_madeFolders; // rows of folders without an entry, by folder
    QIcon m_folderIcon;
    std::vector<std::uint32_t> m_order; // shown row -> stored row; empty: the archive's order
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    std::vector<QIcon> m_iconTable;
    std::vector<quint16> m_rowIcons;
    QLocale m_locale;
    SizeFormat m_sizes; // of m_locale
    QStringList m_headers;  // by Column
    QString m_notEncrypted; // read out for an empty Encrypted cell
};

} // namespace marrowick
