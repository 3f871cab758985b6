#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

namespace marrowick {

// Bytes an ordinary user may still write in the file system of a folder;
// std::nullopt when that cannot be told.
using FreeSpaceProvider = std::function<std::optional<std::uint64_t>(const QString& folder)>;

// statvfs() of the folder, or of its nearest existing parent while the
// folder itself is not there yet.
std::optional<std::uint64_t> StatvfsFreeSpace(const QString& folder);

// What extraction asks: the file system's own answer unless a test put a
// provider of its own in place (ScopedFreeSpaceProvider).
std::optional<std::uint64_t> FreeSpaceAt(const QString& folder);

// The error text when an archive that states it unpacks to `needed` bytes
// does not fit in the free space of `folder`; std::nullopt when it fits or
// the free space is unknown (a run is not refused on a guess).
std::optional<QString> CheckFreeSpace(const QString& folder, std::uint64_t needed);

// Writing an entry of unknown size stops when less than this would be left
// free: such an entry cannot be checked before the run.
inline constexpr std::uint64_t FreeSpaceReserve = 64ull << 20;

// Replaces the provider for as long as it lives (tests only).
class ScopedFreeSpaceProvider final
{
public:
    explicit ScopedFreeSpaceProvider(FreeSpaceProvider provider);
    ~ScopedFreeSpaceProvider();
    ScopedFreeSpaceProvider(const ScopedFreeSpaceProvider&) = delete;
    ScopedFreeSpaceProvider& operator=(const ScopedFreeSpaceProvider&) = delete;

private:
    FreeSpaceProvider m_previous;
};

} // namespace marrowick
