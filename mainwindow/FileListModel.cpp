#include "mainwindow/FileListModel.h"

#include "engine/Formats.h"


#include <algorithm>
#include <numeric>
#include <string>

namespace marrowick {

namespace {

// A name as it sorts: case folded, in UTF-8 (whose bytes keep the order of
// the characters), with every run of digits as one number ("file2" before
// "file10"): a '0' that puts numbers before letters, two bytes for the count
// of digits without leading zeros, then the digits. Keys compare as plain
// bytes, so 100,000 of them sort in tens of milliseconds, where QCollator's
// keys took several hundred.
std::string NaturalKey(const QString& name)
{
    const QString folded = name.toCaseFolded();
    const QStringView text(folded);
    const auto digit = [&text](qsizetype i) { return text[i] >= u'0' && text[i] <= u'9'; };
    std::string key;
    key.reserve(static_cast<std::size_t>(text.size()) + 8);
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size;) {
        qsizetype end = i;
        if (!digit(i)) {
            while (end < size && !digit(end))
                ++end;
            const QByteArray bytes = text.mid(i, end - i).toUtf8();
            key.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
            i = end;
            continue;
        }
        while (i + 1 < size && text[i] == u'0' && digit(i + 1))
            ++i;
        end = i;
        while (end < size && digit(end))
            ++end;
        const auto digits = static_cast<std::size_t>(std::min<qsizetype>(end - i, 0xFFFF));
        key += '0';
        key += static_cast<char>(digits >> 8);
        key += static_cast<char>(digits & 0xFF);
        for (; i < end; ++i)
            key += static_cast<char>(text[i].unicode());
    }
    return key;
}

} // namespace

FileListModel::FileListModel(QObject* parent) : QAbstractTableModel(parent) {}

int FileListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int FileListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

Qt::ItemFlags FileListModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags base = QAbstractTableModel::flags(index);
    return index.isValid() ? base | Qt::ItemIsDragEnabled : base;
}

QString FileListModel::cellText(int row, int column) const
{
    const FileRow& r = m_rows[stored(row)];
    switch (column) {
    case Name:
        // A link or file reference shows where it leads.
        return r.linkTarget.isEmpty() ? r.name : r.name + QStringLiteral(" -> ") + r.linkTarget;
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
    // Sorted: new rows show at the end until the next sort.
    if (!m_order.empty())
        for (std::size_t i = 0; i < rows.size(); ++i)
            m_order.push_back(static_cast<std::uint32_t>(m_rows.size() + i));
    m_rows.insert(m_rows.end(), std::make_move_iterator(rows.begin()),
                  std::make_move_iterator(rows.end()));
    endInsertRows();
}

void FileListModel::clear()
{
    // New rows start without a picture until the next icons are given; the
    // icon table itself stays, it is shared by type and costs little.
    m_rowIcons.clear();
    m_sortColumn = -1;
    if (m_rows.empty())
        return;
    beginResetModel();
    m_order.clear();
    m_order.shrink_to_fit();
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
    if (index < 0 || index >= rowCount())
        return {};
    const std::size_t at = stored(index);
    if (at >= m_rowIcons.size())
        return {};
    const quint16 slot = m_rowIcons[at];
    return slot < m_iconTable.size() ? m_iconTable[slot] : QIcon();
}

void FileListModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    const std::size_t count = m_rows.size();
    std::vector<std::uint32_t> sorted(count);
    std::iota(sorted.begin(), sorted.end(), 0U);
    const bool descending = order == Qt::DescendingOrder;
    // One key per row, made once: a comparison is then a few instructions
    // (a compare of code units for names).
    const auto byKey = [&](const auto& keys) {
        std::stable_sort(sorted.begin(), sorted.end(), [&](std::uint32_t a, std::uint32_t b) {
            return descending ? keys[b] < keys[a] : keys[a] < keys[b];
        });
    };
    if (column == Name) {
        std::vector<std::string> keys;
        keys.reserve(count);
        for (const FileRow& row : m_rows)
            keys.push_back(NaturalKey(row.name));
        byKey(keys);
    } else if (column == Ratio) {
        std::vector<double> keys;
        keys.reserve(count);
        // Rows without a ratio (nothing unpacked) come before every ratio.
        for (const FileRow& row : m_rows)
            keys.push_back(row.unpSize ? static_cast<double>(row.packSize) /
                                             static_cast<double>(row.unpSize)
                                       : -1.0);
        byKey(keys);
    } else {
        std::vector<std::uint64_t> keys;
        keys.reserve(count);
        for (const FileRow& row : m_rows)
            keys.push_back(column == Size ? row.unpSize : column == Packed ? row.packSize : row.crc);
        byKey(keys);
    }

    // Selected and current rows follow their rows to where they now show.
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<std::uint32_t> shownAt(count);
    for (std::size_t i = 0; i < count; ++i)
        shownAt[sorted[i]] = static_cast<std::uint32_t>(i);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before)
        after << index(static_cast<int>(shownAt[stored(old.row())]), old.column());
    m_order = std::move(sorted);
    m_sortColumn = column;
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void FileListModel::setLocale(const QLocale& locale)
{
    m_locale = locale;
    if (!m_rows.empty())
        emit dataChanged(index(0, Size), index(static_cast<int>(m_rows.size()) - 1, Packed));
}

} // namespace marrowick
