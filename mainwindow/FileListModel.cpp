#include "mainwindow/FileListModel.h"

#include "engine/EntryDetails.h"
#include "engine/EntryProperties.h"
#include "engine/Formats.h"
#include "engine/Messages.h"

#include <QFont>

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

FileListModel::FileListModel(QObject* parent) : QAbstractTableModel(parent)
{
    // The headers in the order of Column, translated once.
    static const char* const headers[ColumnCount] = {
        QT_TR_NOOP("Name"),     QT_TR_NOOP("Size"),       QT_TR_NOOP("Packed"),
        QT_TR_NOOP("Ratio"),    QT_TR_NOOP("CRC32"),      QT_TR_NOOP("Modified"),
        QT_TR_NOOP("Attributes"), QT_TR_NOOP("Method"),   QT_TR_NOOP("Encrypted")};
    m_headers.reserve(ColumnCount);
    for (const char* header : headers)
        m_headers.append(tr(header));
    //: What a screen reader says for the empty Encrypted cell of a file that is not encrypted
    m_notEncrypted = tr("No");
}

int FileListModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return static_cast<int>(m_partial ? m_items.size() : m_rows.size());
}

const FileRow& FileListModel::itemRow(std::uint32_t item) const
{
    return item & FolderItem ? m_madeFolders[item & ~FolderItem] : m_rows[item];
}

const FileRow& FileListModel::row(int index) const
{
    return m_partial ? itemRow(m_items[static_cast<std::size_t>(index)]) : m_rows[stored(index)];
}

std::vector<std::uint32_t> FileListModel::folderItems(std::uint32_t folder) const
{
    const FolderTree::Folder& inside = m_tree.folder(folder);
    std::vector<std::uint32_t> items;
    items.reserve(inside.folders.size() + inside.files.size());
    for (const std::uint32_t sub : inside.folders) {
        const std::uint32_t row = m_tree.folder(sub).row;
        items.push_back(row != FolderTree::None ? row : FolderItem | sub);
    }
    items.insert(items.end(), inside.files.begin(), inside.files.end());
    return items;
}

void FileListModel::showItems(std::vector<std::uint32_t> items, std::uint32_t depth)
{
    beginResetModel();
    m_madeFolders.clear();
    for (std::uint32_t& item : items) {
        if (!(item & FolderItem))
            continue;
        FileRow made;
        made.name = m_tree.path(item & ~FolderItem);
        made.isFolder = true;
        item = FolderItem | static_cast<std::uint32_t>(m_madeFolders.size());
        m_madeFolders.push_back(std::move(made));
    }
    m_items = std::move(items);
    m_depth = depth;
    m_partial = true;
    endResetModel();
    if (m_sortColumn >= 0)
        sort(m_sortColumn, m_sortOrder);
}

void FileListModel::showAll()
{
    if (!m_partial)
        return;
    beginResetModel();
    m_partial = false;
    m_items.clear();
    m_items.shrink_to_fit();
    m_madeFolders.clear();
    m_depth = 0;
    endResetModel();
    if (m_sortColumn >= 0)
        sort(m_sortColumn, m_sortOrder);
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
    const FileRow& r = this->row(row);
    if (column == Name)
        return m_partial ? NameBelow(r.name, m_depth).toString() : r.name;
    return cellTextOf(r, column);
}

QString FileListModel::cellTextOf(const FileRow& r, int column) const
{
    switch (column) {
    case Name:
        // A link or file reference shows where it leads.
        return r.linkTarget.isEmpty() ? r.name : r.name + QStringLiteral(" -> ") + r.linkTarget;
    case Size:
        return m_sizes.text(r.unpSize);
    case Packed:
        return m_sizes.text(r.packSize);
    case Ratio:
        return FormatRatio(r.packSize, r.unpSize);
    case Crc32:
        return ChecksumCell(r);
    case Modified:
        return FormatModified(r.mtime, m_locale);
    case Attributes:
        return FormatAttributes(r);
    case Method:
        return FormatMethod(r);
    case Encrypted:
        return FormatEncrypted(r);
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
        return cellText(index.row(), index.column());
    case Qt::AccessibleTextRole: {
        // A screen reader reads every cell of a row; an empty Encrypted cell
        // says so in words.
        const QString text = cellText(index.row(), index.column());
        return text.isEmpty() && index.column() == Encrypted ? m_notEncrypted : text;
    }
    case Qt::ToolTipRole:
        // A BLAKE2sp hash in full, named as such.
        if (index.column() == Crc32)
            return ChecksumToolTip(m_rows[stored(index.row())]);
        if (index.column() != Name)
            return {};
        if (m_rows[stored(index.row())].beginsEarlier)
            return cellText(index.row(), Name) + QLatin1Char('\n') + BeginsEarlierText();
        return cellText(index.row(), Name);
    case Qt::FontRole:
        // An entry whose start is in a volume that is not there.
        if (m_rows[stored(index.row())].beginsEarlier) {
            QFont font;
            font.setItalic(true);
            return font;
        }
        return {};
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
    if (section < 0 || section >= ColumnCount)
        return {};
    return m_headers[section];
}

void FileListModel::appendRows(std::vector<FileRow>&& rows)
{
    if (rows.empty())
        return;
    for (const FileRow& row : rows)
        m_tree.add(row);
    if (m_partial) {
        // A part is shown: the new rows wait in the index until it changes.
        if (!m_order.empty())
            for (std::size_t i = 0; i < rows.size(); ++i)
                m_order.push_back(static_cast<std::uint32_t>(m_rows.size() + i));
        m_rows.insert(m_rows.end(), std::make_move_iterator(rows.begin()),
                      std::make_move_iterator(rows.end()));
        return;
    }
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
    m_tree.clear();
    if (m_rows.empty() && !m_partial)
        return;
    beginResetModel();
    m_partial = false;
    m_items.clear();
    m_madeFolders.clear();
    m_depth = 0;
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
    if (rowCount() > 0)
        emit dataChanged(index(0, Name), index(rowCount() - 1, Name), {Qt::DecorationRole});
}

QIcon FileListModel::iconOfRow(int index) const
{
    // Rows added after the icons were given (a listing still running) have none yet.
    if (index < 0 || index >= rowCount())
        return {};
    std::size_t at = stored(index);
    if (m_partial) {
        const std::uint32_t item = m_items[static_cast<std::size_t>(index)];
        if (item & FolderItem)
            return m_folderIcon;
        at = item;
    }
    if (at >= m_rowIcons.size())
        return {};
    const quint16 slot = m_rowIcons[at];
    return slot < m_iconTable.size() ? m_iconTable[slot] : QIcon();
}

void FileListModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    // The subjects: every row in the archive's order, or the items shown.
    const std::size_t count = m_partial ? m_items.size() : m_rows.size();
    const auto subject = [this](std::size_t i) -> const FileRow& {
        return m_partial ? itemRow(m_items[i]) : m_rows[i];
    };
    std::vector<std::uint32_t> sorted(count);
    std::iota(sorted.begin(), sorted.end(), 0U);
    const bool descending = order == Qt::DescendingOrder;
    // A folder's contents keep its folders first, whatever the order.
    std::vector<bool> folder(count, false);
    if (m_partial)
        for (std::size_t i = 0; i < count; ++i)
            folder[i] = subject(i).isFolder;
    // One key per row, made once: a comparison is then a few instructions
    // (a compare of code units for names).
    const auto byKey = [&](const auto& keys) {
        std::stable_sort(sorted.begin(), sorted.end(), [&](std::uint32_t a, std::uint32_t b) {
            if (folder[a] != folder[b])
                return bool(folder[a]);
            return descending ? keys[b] < keys[a] : keys[a] < keys[b];
        });
    };
    if (column == Name || column == Attributes || column == Method) {
        std::vector<std::string> keys;
        keys.reserve(count);
        for (std::size_t i = 0; i < count; ++i)
            keys.push_back(column == Name ? NaturalKey(m_partial ? NameBelow(subject(i).name, m_depth).toString()
                                                                 : subject(i).name)
                                          : NaturalKey(cellTextOf(subject(i), column)));
        byKey(keys);
    } else if (column == Ratio) {
        std::vector<double> keys;
        keys.reserve(count);
        // Rows without a ratio (nothing unpacked) come before every ratio.
        for (std::size_t i = 0; i < count; ++i) {
            const FileRow& row = subject(i);
            keys.push_back(row.unpSize ? static_cast<double>(row.packSize) /
                                             static_cast<double>(row.unpSize)
                                       : -1.0);
        }
        byKey(keys);
    } else {
        std::vector<std::int64_t> keys;
        keys.reserve(count);
        for (std::size_t i = 0; i < count; ++i) {
            const FileRow& row = subject(i);
            keys.push_back(column == Size       ? static_cast<std::int64_t>(row.unpSize)
                           : column == Packed   ? static_cast<std::int64_t>(row.packSize)
                           : column == Crc32    ? std::int64_t(ChecksumKey(row))
                           : column == Modified ? row.mtime
                                                : std::int64_t(row.isEncrypted));
        }
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
    for (const QModelIndex& old : before) {
        const std::size_t from = m_partial ? static_cast<std::size_t>(old.row()) : stored(old.row());
        after << index(static_cast<int>(shownAt[from]), old.column());
    }
    if (m_partial) {
        std::vector<std::uint32_t> items(count);
        for (std::size_t i = 0; i < count; ++i)
            items[i] = m_items[sorted[i]];
        m_items = std::move(items);
    } else {
        m_order = std::move(sorted);
    }
    m_sortColumn = column;
    m_sortOrder = order;
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void FileListModel::setLocale(const QLocale& locale)
{
    m_locale = locale;
    m_sizes = SizeFormat(locale);
    if (rowCount() > 0)
        emit dataChanged(index(0, Size), index(rowCount() - 1, Modified));
}

} // namespace marrowick
