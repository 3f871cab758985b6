#include "engine/HeaderFields.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

namespace marrowick {

// A million rows are kept for a large listing: what few entries have lives
// in the extras, not in every row.
static_assert(sizeof(void*) != 8 || sizeof(FileRow) <= 104, "FileRow grew");

namespace {

// The library gives Windows file time: 100 ns units since 1601.
constexpr std::uint64_t kTicksPerSecond = 10000000;
constexpr std::uint64_t kSecondsFrom1601To1970 = 11644473600;

// A time the header holds; the library reports one it has none of as 1970.
std::uint64_t StoredTime(unsigned int low, unsigned int high)
{
    const std::uint64_t ticks = Join64(low, high);
    return ticks / kTicksPerSecond > kSecondsFrom1601To1970 ? ticks : 0;
}

} // namespace

QString WideField(const wchar_t* field, std::size_t capacity)
{
    static_assert(sizeof(wchar_t) == 4, "the library's wide texts are UTF-32 on this platform");
    const std::size_t length = wcsnlen(field, capacity);
    // Names are almost always within the first 65,536 code points, one
    // UTF-16 unit each, which Qt's decoder copies as they are (a lone
    // surrogate too): copied here. Anything else (a pair of units, a value
    // beyond Unicode, the byte-order mark that decoder drops) goes through it.
    QString text(static_cast<qsizetype>(length), Qt::Uninitialized);
    char16_t* const units = reinterpret_cast<char16_t*>(text.data());
    for (std::size_t i = 0; i < length; ++i) {
        const auto c = static_cast<std::uint32_t>(field[i]);
        if (c == 0xfeff || c > 0xffff)
            return QString::fromWCharArray(field, static_cast<qsizetype>(length));
        units[i] = static_cast<char16_t>(c);
    }
    return text;
}

QString NarrowField(const char* field, std::size_t capacity)
{
    const std::size_t length = strnlen(field, capacity);
    return QString::fromLocal8Bit(field, static_cast<qsizetype>(length));
}

FileRow RowFromHeader(const RARHeaderDataEx& header)
{
    FileRow row;
    row.name = WideField(header.FileNameW, std::size(header.FileNameW));
    if (row.name.isEmpty())
        row.name = NarrowField(header.FileName, sizeof(header.FileName));
    row.unpSize = Join64(header.UnpSize, header.UnpSizeHigh);
    row.packSize = Join64(header.PackSize, header.PackSizeHigh);
    // Folders have no CRC, yet the library hands over the previous file's
    // (it keeps it in its own state, so clearing the record does not help):
    // only a CRC the header says it carries is one.
    row.crc = header.HashType == RAR_HASH_CRC32 ? header.FileCRC : 0;
    row.isFolder = (header.Flags & RHDF_DIRECTORY) != 0;
    row.isEncrypted = (header.Flags & RHDF_ENCRYPTED) != 0;
    row.continuesAfter = (header.Flags & RHDF_SPLITAFTER) != 0;
    row.attributes = header.FileAttr;
    row.hostOs = static_cast<std::uint8_t>(header.HostOS);
    row.version = static_cast<std::uint8_t>(std::min(header.UnpVer, 255U));
    row.method = static_cast<std::uint8_t>(header.Method);
    for (unsigned kb = header.DictSize; kb > 1 && row.dictionaryLog < 63; kb >>= 1)
        ++row.dictionaryLog;
    // RedirType: 1 and 2 symbolic links, 3 junction, 4 hard link, 5 file
    // reference; RAR 4 links come with 1 as well.
    // Other values are not shown as anything.
    if (header.RedirType >= 1 && header.RedirType <= 5 && header.RedirName != nullptr)
        row.linkTarget = WideField(header.RedirName, header.RedirNameSize);
    row.isLink = header.RedirType >= 1 && header.RedirType <= 4;
    if (const std::uint64_t ticks = StoredTime(header.MtimeLow, header.MtimeHigh)) {
        row.mtime = static_cast<std::int64_t>(ticks / kTicksPerSecond - kSecondsFrom1601To1970);
        row.mtimeFraction = static_cast<std::uint32_t>(ticks % kTicksPerSecond);
    }
    const std::uint64_t ctime = StoredTime(header.CtimeLow, header.CtimeHigh);
    const std::uint64_t atime = StoredTime(header.AtimeLow, header.AtimeHigh);
    const bool blake2 = header.HashType == RAR_HASH_BLAKE2 && !row.isFolder;
    if (ctime != 0 || atime != 0 || blake2) {
        EntryExtras& extras = row.extras.make();
        extras.ctime = ctime;
        extras.atime = atime;
        extras.hasBlake2 = blake2;
        if (blake2)
            std::memcpy(extras.blake2.data(), header.Hash, extras.blake2.size());
    }
    return row;
}

void ClearEntryFields(RARHeaderDataEx& header)
{
    // Only the fields a row is made of: clearing the whole 14 KB record for
    // every entry would cost more than the read itself on large archives.
    header.FileName[0] = '\0';
    header.FileNameW[0] = L'\0';
    header.Flags = 0;
    header.PackSize = header.PackSizeHigh = 0;
    header.UnpSize = header.UnpSizeHigh = 0;
    header.FileCRC = 0;
    header.HashType = RAR_HASH_NONE;
    header.RedirType = 0;
    if (header.RedirName != nullptr && header.RedirNameSize != 0)
        header.RedirName[0] = L'\0';
    header.MtimeLow = header.MtimeHigh = 0;
    header.CtimeLow = header.CtimeHigh = header.AtimeLow = header.AtimeHigh = 0;
    header.FileAttr = header.HostOS = header.UnpVer = header.Method = header.DictSize = 0;
}

} // namespace marrowick
