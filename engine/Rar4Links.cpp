#include "engine/Rar4Links.h"
#include "engine/RarFormat.h"

#include <cerrno>
#include <cstring>
#include <vector>

#include <unistd.h>

namespace marrowick {

namespace {

using namespace rar;
constexpr unsigned char Signature[] = {'R', 'a', 'r', '!', 0x1A, 0x07, 0x00};
static_assert(sizeof Signature == Rar4SignatureSize);
constexpr std::size_t MaxTarget = 4095;

bool ReadAt(int fd, std::uint64_t offset, unsigned char* out, std::size_t count)
{
    while (count > 0) {
        const ssize_t got = ::pread(fd, out, count, static_cast<off_t>(offset));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        out += got;
        offset += static_cast<std::uint64_t>(got);
        count -= static_cast<std::size_t>(got);
    }
    return true;
}

std::uint32_t Le(const unsigned char* p, int bytes)
{
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | p[i];
    return value;
}

std::uint32_t Crc32(const unsigned char* data, std::size_t size)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

bool FindSignature(int fd, Rar4Cursor& cursor)
{
    std::vector<unsigned char> head(SignatureSearch);
    const ssize_t got = ::pread(fd, head.data(), head.size(), 0);
    for (ssize_t at = 0; at + ssize_t(sizeof Signature) <= got; ++at)
        if (std::memcmp(head.data() + at, Signature, sizeof Signature) == 0) {
            cursor.offset = std::uint64_t(at) + sizeof Signature;
            return true;
        }
    return false;
}

} // namespace

std::string Rar4LinkTarget(int fd, Rar4Cursor& cursor, std::uint32_t entry, std::uint32_t crc)
{
    if (entry < cursor.entry)
        cursor = Rar4Cursor{};
    if (cursor.failed || (cursor.offset == 0 && !FindSignature(fd, cursor)))
        return cursor.failed = true, std::string();
    // Bounded by the file: every block moves the walk forward by 7 bytes or more.
    for (;;) {
        unsigned char block[32] = {};
        if (!ReadAt(fd, cursor.offset, block, 7))
            break;
        const unsigned type = block[2], flags = Le(block + 3, 2), headSize = Le(block + 5, 2);
        if (headSize < 7 || (type == Rar4Main && (flags & Rar4HeadersEncrypted)) || type == Rar4End)
            break;
        std::uint64_t dataSize = 0;
        const bool file = type == Rar4File;
        if ((flags & Rar4LongBlock) || file) {
            if (headSize < (file ? 32 : 11) || !ReadAt(fd, cursor.offset, block, file ? 32 : 11))
                break;
            dataSize = Le(block + 7, 4);
            if (file && (flags & Rar4LargeFile)) {
                unsigned char high[4];
                if (headSize < 36 || !ReadAt(fd, cursor.offset + 32, high, 4))
                    break;
                dataSize |= std::uint64_t(Le(high, 4)) << 32;
            }
        }
        const std::uint64_t dataAt = cursor.offset + headSize;
        cursor.offset = dataAt + dataSize;
        if (!file || (flags & Rar4SplitBefore))
            continue;
        if (cursor.entry++ != entry)
            continue;
        std::string target(dataSize <= MaxTarget ? std::size_t(dataSize) : 0, '\0');
        const bool usable = !(flags & (Rar4SplitAfter | Rar4FileEncrypted)) && dataSize <= MaxTarget &&
                            ReadAt(fd, dataAt, reinterpret_cast<unsigned char*>(target.data()), target.size()) &&
                            Crc32(reinterpret_cast<const unsigned char*>(target.data()), target.size()) == crc &&
                            Le(block + 16, 4) == crc;
        return usable ? target : std::string();
    }
    cursor.failed = true;
    return {};
}

} // namespace marrowick
