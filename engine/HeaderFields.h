#pragma once

#include "engine/FileRow.h"
#include "engine/UnrarLibrary.h"

#include <QString>

#include <cstddef>
#include <cstdint>

namespace marrowick {

// A fixed-size wide field of the library (UTF-32 here), up to its first NUL or
// to its end when it has none.
QString WideField(const wchar_t* field, std::size_t capacity);

// An 8-bit field in the system's encoding, up to its first NUL or its end.
QString NarrowField(const char* field, std::size_t capacity);

inline std::uint64_t Join64(unsigned int low, unsigned int high)
{
    return (static_cast<std::uint64_t>(high) << 32) | low;
}

// The list row of the entry the record holds.
FileRow RowFromHeader(const RARHeaderDataEx& header);

// Forget the previous entry before the next read, so that a field the library
// leaves alone for some entry reads as empty rather than as the last entry's.
void ClearEntryFields(RARHeaderDataEx& header);

} // namespace marrowick
