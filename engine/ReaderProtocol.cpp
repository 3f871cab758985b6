#include "engine/ReaderProtocol.h"

#include <cerrno>
#include <cstring>

#include <sys/socket.h>

namespace marrowick::reader {

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

FrameWriter& FrameWriter::header(const HeaderRecord& r)
{
    text(r.arcName).text(r.fileName);
    u32(static_cast<std::uint32_t>(r.narrowName.size())).bytes(r.narrowName.data(), r.narrowName.size());
    text(r.redirName);
    for (std::uint32_t v : {r.flags, r.packSize, r.packSizeHigh, r.unpSize, r.unpSizeHigh, r.hostOS,
                            r.fileCRC, r.fileTime, r.unpVer, r.method, r.fileAttr, r.dictSize,
                            r.hashType, r.redirType, r.dirTarget, r.mtimeLow, r.mtimeHigh,
                            r.ctimeLow, r.ctimeHigh, r.atimeLow, r.atimeHigh})
        u32(v);
    return bytes(r.hash, sizeof r.hash);
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

bool FrameReader::text(std::u32string& value, std::uint32_t maxLength)
{
    std::uint32_t length = 0;
    if (!u32(length) || length > maxLength) {
        m_ok = false;
        return false;
    }
    value.resize(length);
    return take(value.data(), std::size_t(length) * sizeof(char32_t));
}

bool FrameReader::bytes(std::string& value, std::uint32_t maxLength)
{
    std::uint32_t length = 0;
    if (!u32(length) || length > maxLength) {
        m_ok = false;
        return false;
    }
    value.resize(length);
    return take(value.data(), length);
}

bool FrameReader::header(HeaderRecord& r, std::uint32_t maxRedirName)
{
    text(r.arcName, kNameCapacity);
    text(r.fileName, kNameCapacity);
    bytes(r.narrowName, kNameCapacity);
    text(r.redirName, maxRedirName);
    for (std::uint32_t* v : {&r.flags, &r.packSize, &r.packSizeHigh, &r.unpSize, &r.unpSizeHigh,
                             &r.hostOS, &r.fileCRC, &r.fileTime, &r.unpVer, &r.method, &r.fileAttr,
                             &r.dictSize, &r.hashType, &r.redirType, &r.dirTarget, &r.mtimeLow,
                             &r.mtimeHigh, &r.ctimeLow, &r.ctimeHigh, &r.atimeLow, &r.atimeHigh})
        u32(*v);
    return take(r.hash, sizeof r.hash);
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
