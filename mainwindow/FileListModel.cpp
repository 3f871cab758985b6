#include "mainwindow/FileListModel.h"

#include "engine/Formats.h"

namespace marrowick {

FileListModel::FileListModel(QObject* parent) : QAbstractTableModel(parent) {}

int FileListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int FileListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString FileListModel::cellText(int row, int column) const
{
    const FileRow& r = m_rows[static_cast<size_t>(row)];
    switch (column) {
    case Name:
        return r.name;
    case Size:
        return FormatSize(r.unpSize, m_locale);
    case Packed:
        return FormatSize(r.packSize, m_locale);
    case Ratio:
        return FormatRatio(r.packSize, r.unpSize);
    case Crc32:
        return FormatCrc(r.crc);
    default:
        return {};
    }
}

QVariant FileListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        if (role == Qt::ToolTipRole && index.column() != Name)
            return {};
        return cellText(index.row(), index.column());
    case Qt::DecorationRole:
        if (index.column() == Name && hasIcons())
            return iconOfRow(index.row());
        return {};
    default:
        return {};
    }
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const headers[ColumnCount] = {"Name", "Size", "Packed", "Ratio", "CRC32"};
    if (section < 0 || section >= ColumnCount)
        return {};
    return QString::fromLatin1(headers[section]);
}

void FileListModel::appendRows(std::vector<FileRow>&& rows)
{
    if (rows.empty())
        return;
    const int first = static_cast<int>(m_rows.size());
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    m_rows.insert(m_rows.end(), std::make_move_iterator(rows.begin()),
                  std::make_move_iterator(rows.end()));
    endInsertRows();
}

void FileListModel::clear()
{
    // New rows start without a picture until the next icons are given; the
    // icon table itself stays, it is shared by type and costs little.
    m_rowIcons.clear();
    if (m_rows.empty())
        return;
    beginResetModel();
    m_rows.clear();
    m_rows.shrink_to_fit();
    endResetModel();
}

void FileListModel::setIcons(std::vector<QIcon> table, std::vector<quint16> rowIcons)
{
    m_iconTable = std::move(table);
    m_rowIcons = std::move(rowIcons);
    if (!m_rows.empty())
        emit dataChanged(index(0, Name), index(static_cast<int>(m_rows.size()) - 1, Name),
                         {Qt::DecorationRole});
}

QIcon FileListModel::iconOfRow(int index) const
{
    // Rows added after the icons were given (a listing still running) have none yet.
    if (index < 0 || static_cast<size_t>(index) >= m_rowIcons.size())
        return {};
    const quint16 slot = m_rowIcons[static_cast<size_t>(index)];
    return slot < m_iconTable.size() ? m_iconTable[slot] : QIcon();
}

void FileListModel::setLocale(const QLocale& locale)
{
    m_locale = locale;
    if (!m_rows.empty())
        emit dataChanged(index(0, Size), index(static_cast<int>(m_rows.size()) - 1, Packed));
}

} // namespace marrowick
