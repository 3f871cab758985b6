// Kept apart from SafeWriter.cpp so only this file sees the library header
// and its macros.
#include "engine/SafeWriter.h"

#define _UNIX
#include <unrar/dll.hpp>

#include <cwchar>

namespace marrowick {

namespace {

// The library's wide fields are fixed arrays that need not end in a NUL.
QString BoundedWide(const wchar_t* text, std::size_t capacity)
{
    if (text == nullptr)
        return {};
    std::size_t length = 0;
    while (length < capacity && text[length] != L'\0')
        ++length;
    return QString::fromWCharArray(text, static_cast<qsizetype>(length));
}

} // namespace

EntryHeader EntryHeaderFrom(const RARHeaderDataEx& header)
{
    EntryHeader entry;
    entry.name = BoundedWide(header.FileNameW, std::size(header.FileNameW));
    entry.isFolder = (header.Flags & RHDF_DIRECTORY) != 0;
    entry.hostOS = header.HostOS;
    entry.fileAttr = header.FileAttr;
    entry.redirType = header.RedirType;
    if (header.RedirType != 0)
        entry.redirName = BoundedWide(header.RedirName, header.RedirNameSize);
    entry.unpSize = (std::uint64_t(header.UnpSizeHigh) << 32) | header.UnpSize;
    entry.mtime = (std::uint64_t(header.MtimeHigh) << 32) | header.MtimeLow;
    return entry;
}

} // namespace marrowick
