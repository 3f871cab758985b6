#include "engine/ReaderProtocol.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cwchar>
#include <cstring>

#include <sys/socket.h>

namespace marrowick::reader {

namespace {

// The numbers of a header, in the order they travel.
template <typename Header>
auto Numbers(Header& h)
{
    return std::array{&h.Flags,     &h.PackSize,  &h.PackSizeHigh, &h.UnpSize,   &h.UnpSizeHigh,
                      &h.HostOS,    &h.FileCRC,   &h.FileTime,     &h.UnpVer,    &h.Method,
                      &h.FileAttr,  &h.DictSize,  &h.HashType,     &h.RedirType, &h.DirTarget,
                      &h.MtimeLow,  &h.MtimeHigh, &h.CtimeLow,     &h.CtimeHigh, &h.AtimeLow,
                      &h.AtimeHigh};
}

} // namespace

FrameWriter::FrameWriter(Frame type)
{
    m_bytes.reserve(64);
    u32(static_cast<std::uint32_t>(type));
    u32(0);
}

FrameWriter& FrameWriter::u32(std::uint32_t value)
{
    return bytes(&value, sizeof value);
}

FrameWriter& FrameWriter::u64(std::uint64_t value)
{
    return bytes(&value, sizeof value);
}

FrameWriter& FrameWriter::text(const std::u32string& value)
{
    u32(static_cast<std::uint32_t>(value.size()));
    return bytes(value.data(), value.size() * sizeof(char32_t));
}

FrameWriter& FrameWriter::bytes(const void* data, std::size_t size)
{
    const auto* from = static_cast<const unsigned char*>(data);
    m_bytes.insert(m_bytes.end(), from, from + size);
    return *this;
}

FrameWriter& FrameWriter::wide(const wchar_t* text, std::size_t capacity)
{
    static_assert(sizeof(wchar_t) == sizeof(char32_t), "the library's wide texts are UTF-32 here");
    const std::size_t length = text ? wcsnlen(text, capacity) : 0;
    u32(static_cast<std::uint32_t>(length));
    return bytes(text, length * sizeof(wchar_t));
}

FrameWriter& FrameWriter::header(const RARHeaderDataEx& h)
{
    // Room for the usual names and the numbers at once, not by doubling.
    m_bytes.reserve(m_bytes.size() + 512);
    wide(h.ArcNameW, std::size(h.ArcNameW)).wide(h.FileNameW, std::size(h.FileNameW));
    // The 8-bit name only stands in for a missing wide one.
    const std::size_t narrow = h.FileNameW[0] ? 0 : strnlen(h.FileName, sizeof h.FileName);
    u32(static_cast<std::uint32_t>(narrow)).bytes(h.FileName, narrow);
    wide(h.RedirType != 0 ? h.RedirName : nullptr, h.RedirNameSize);
    for (const unsigned int* number : Numbers(h))
        u32(*number);
    return bytes(h.Hash, sizeof h.Hash);
}
const std::vector<unsigned char>& FrameWriter::finish()
{
    const auto length = static_cast<std::uint32_t>(m_bytes.size() - 8);
    std::memcpy(m_bytes.data() + 4, &length, sizeof length);
    return m_bytes;
}

bool FrameReader::take(void* out, std::size_t size)
{
    if (!m_ok || size > m_size - m_at) {
        m_ok = false;
        return false;
    }
    std::memcpy(out, m_data + m_at, size);
    m_at += size;
    return true;
}

bool FrameReader::u32(std::uint32_t& value)
{
    return take(&value, sizeof value);
}

bool FrameReader::u64(std::uint64_t& value)
{
    return take(&value, sizeof value);
}

bool FrameReader::length(std::uint32_t& value, std::size_t maxLength)
{
    if (!u32(value) || value > maxLength) {
        m_ok = false;
        return false;
    }
    return true;
}

bool FrameReader::text(std::u32string& value, std::uint32_t maxLength)
{
    std::uint32_t length = 0;
    if (!this->length(length, maxLength))
        return false;
    value.resize(length);
    return take(value.data(), std::size_t(length) * sizeof(char32_t));
}

bool FrameReader::bytes(std::string& value, std::uint32_t maxLength)
{
    std::uint32_t length = 0;
    if (!this->length(length, maxLength))
        return false;
    value.resize(length);
    return take(value.data(), length);
}

bool FrameReader::wide(wchar_t* into, std::size_t capacity)
{
    std::uint32_t length = 0;
    if (!this->length(length, std::min<std::size_t>(capacity, kNameCapacity)))
        return false;
    if (!into) {
        wchar_t unused[kNameCapacity];
        return take(unused, length * sizeof(wchar_t));
    }
    if (!take(into, length * sizeof(wchar_t)))
        return false;
    if (length < capacity)
        into[length] = L'\0';
    return true;
}

bool FrameReader::header(RARHeaderDataEx& h)
{
    wide(h.ArcNameW, std::size(h.ArcNameW));
    wide(h.FileNameW, std::size(h.FileNameW));
    h.ArcName[0] = '\0';
    std::uint32_t narrow = 0;
    if (u32(narrow) && narrow < sizeof h.FileName && take(h.FileName, narrow))
        h.FileName[narrow] = '\0';
    else
        m_ok = false;
    wide(h.RedirName, h.RedirName ? h.RedirNameSize : kNameCapacity);
    for (unsigned int* number : Numbers(h))
        u32(*number);
    return take(h.Hash, sizeof h.Hash);
}
bool WriteAll(int fd, const void* data, std::size_t size)
{
    const auto* at = static_cast<const unsigned char*>(data);
    while (size > 0) {
        // send, not write: a reader that is gone is an error here, not SIGPIPE.
        const ssize_t written = ::send(fd, at, size, MSG_NOSIGNAL);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        at += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace marrowick::reader
