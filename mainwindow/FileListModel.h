#pragma once

#include "engine/FileRow.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QLocale>

#include <vector>

namespace marrowick {

// The rows of the file list. Rows are kept as the engine reports them and
// their cells formatted only when the view asks, so a listing of 100,000
// entries costs one small record per row.
class FileListModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Name = 0, Size, Packed, Ratio, Crc32, ColumnCount };

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
    // A row where the list shows it (sorted or not).
    const FileRow& row(int index) const { return m_rows[stored(index)]; }
    // Every row in the archive's order.
    const FileRowList& rows() const { return m_rows; }

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

    FileRowList m_rows;
    std::vector<std::uint32_t> m_order; // shown row -> stored row; empty: the archive's order
    int m_sortColumn = -1;
    std::vector<QIcon> m_iconTable;
    std::vector<quint16> m_rowIcons;
    QLocale m_locale;
};

} // namespace marrowick
