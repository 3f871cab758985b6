#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <deque>
#include <memory>

namespace marrowick {

// What few entries carry: a BLAKE2sp hash instead of a CRC32, creation and
// access times. Kept apart from the row so that the rows without them (most
// of a large listing) pay one null pointer.
struct EntryExtras
{
    std::array<std::uint8_t, 32> blake2{};
    bool hasBlake2 = false;
    // Windows file time (100 ns units since 1601); 0 when not stored.
    std::uint64_t ctime = 0;
    std::uint64_t atime = 0;
};

// An owning pointer to a row's extras that copies them with the row.
class RowExtras
{
public:
    RowExtras() = default;
    RowExtras(const RowExtras& other)
        : m_extras(other.m_extras ? std::make_unique<EntryExtras>(*other.m_extras) : nullptr)
    {
    }
    RowExtras(RowExtras&&) noexcept = default;
    RowExtras& operator=(const RowExtras& other)
    {
        if (this != &other)
            m_extras = other.m_extras ? std::make_unique<EntryExtras>(*other.m_extras) : nullptr;
        return *this;
    }
    RowExtras& operator=(RowExtras&&) noexcept = default;

    // Null when the entry has none.
    const EntryExtras* get() const { return m_extras.get(); }
    EntryExtras& make()
    {
        if (!m_extras)
            m_extras = std::make_unique<EntryExtras>();
        return *m_extras;
    }

private:
    std::unique_ptr<EntryExtras> m_extras;
};

// One archive entry as the file list shows it. The sizes are the library's full
// 64-bit values; the cells are formatted from them when the list asks.
struct FileRow
{
    QString name;          // stored name, "/" separated, folder parts included
    std::uint64_t unpSize = 0;
    std::uint64_t packSize = 0;
    std::uint32_t crc = 0;
    bool isFolder = false;
    bool isEncrypted = false;
    bool continuesAfter = false; // its data goes on in the next volume
    bool isLink = false;         // a symbolic link, hard link or junction
    std::int64_t mtime = 0;  // seconds since 1970 UTC; 0 when the header has none
    std::uint32_t attributes = 0; // as the system it was packed on keeps them
    std::uint8_t hostOs = 0;      // that system: 0 MS-DOS, 2 Windows, 3 Unix ...
    std::uint8_t version = 0;     // the format needed to unpack it: 29 (RAR 4), 50 (RAR 5)
    std::uint8_t method = 0;      // 0x30 stored to 0x35 best
    std::uint8_t dictionaryLog = 0; // dictionary of 2^n KB; 0 when the header has none
    // Continued from a volume before the one the run began with (that
    // volume is missing): its data cannot be read from here.
    bool beginsEarlier = false;
    std::uint32_t mtimeFraction = 0; // 100 ns units past mtime's second
    // Links and file references: the target as stored (a symbolic link's
    // relative to its folder, a hard link's or a reference's an entry name).
    QString linkTarget;
    RowExtras extras;
};

// The rows of a listing in stored order. Appending never moves the rows
// already kept: a list of a million entries grows without copying itself.
using FileRowList = std::deque<FileRow>;

} // namespace marrowick
