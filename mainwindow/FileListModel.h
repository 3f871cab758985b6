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
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void appendRows(std::vector<FileRow>&& rows);
    void clear();
    const FileRow& row(int index) const { return m_rows[static_cast<size_t>(index)]; }
    const FileRowList& rows() const { return m_rows; }

    // One icon per row, given as an index into a shared table of icons, so rows
    // of the same type share one picture. An empty table removes the icons.
    void setIcons(std::vector<QIcon> table, std::vector<quint16> rowIcons);
    bool hasIcons() const { return !m_iconTable.empty(); }
    QIcon iconOfRow(int index) const;

    // The locale that formats the size cells (the system's by default).
    void setLocale(const QLocale& locale);

    QString cellText(int row, int column) const;

private:
    FileRowList m_rows;
    std::vector<QIcon> m_iconTable;
    std::vector<quint16> m_rowIcons;
    QLocale m_locale;
};

} // namespace marrowick
