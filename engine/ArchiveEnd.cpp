#include "engine/ArchiveEnd.h"
#include "engine/RarFormat.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace marrowick {

namespace {

using u64 = std::uint64_t;

// The library looks for the signature this far into a file, past a
// self-extracting stub.
constexpr u64 SignatureEnd = rar::SignatureSearch - 16;
// Every block takes at least 7 bytes, so the file size bounds the walk; this
// bounds it on any file.
constexpr u64 MaxBlocks = u64(1) << 26;
constexpr std::size_t Chunk = 64 * 1024;

using namespace rar;

// RAR 5 blocks.
constexpr u64 Rar5Main = 1;
constexpr u64 Rar5Encryption = 4;
constexpr u64 Rar5End = 5;
constexpr u64 Rar5HasExtra = 0x01;
constexpr u64 Rar5HasData = 0x02;
constexpr u64 Rar5SplitAfter = 0x10;
constexpr u64 Rar5NextVolume = 0x01;
constexpr u64 Rar5Locator = 1;         // a record of the main header's extra area
constexpr u64 Rar5HasQuickOpen = 0x01; // ... which gives the quick-open record's offset
// Encrypted RAR 5 headers: a 16-byte IV, then the header in whole AES blocks.
constexpr u64 AesBlock = 16;
// rar keeps the recovery record in the clear even when the headers are
// encrypted; each piece of it starts with this and gives its own length at
// RecoveryLengthAt.
constexpr unsigned char RecoveryMark[] = {'{', 'R', 'B', '}'};
constexpr u64 RecoveryLengthAt = 12;

class ByteSource
{
  public:
    virtual ~ByteSource() = default;
    u64 size() const { return m_size; }
    // Copies count bytes at offset; the caller keeps the range inside size().
    // False when they could not be read, which is remembered: an answer that
    // went without some bytes says nothing.
    bool read(u64 offset, unsigned char* out, std::size_t count)
    {
        m_failed = m_failed || !readBytes(offset, out, count);
        return !m_failed;
    }
    bool failed() const { return m_failed; }

  protected:
    virtual bool readBytes(u64 offset, unsigned char* out, std::size_t count) = 0;
    u64 m_size = 0;

  private:
    bool m_failed = false;
};

class MemorySource final : public ByteSource
{
  public:
    MemorySource(const unsigned char* data, std::size_t size) : m_data(data) { m_size = size; }
    bool readBytes(u64 offset, unsigned char* out, std::size_t count) override
    {
        if (count != 0)
            std::memcpy(out, m_data + offset, count);
        return true;
    }

  private:
    const unsigned char* m_data;
};

// Reads through a window, so a walk over many small headers costs few calls.
class FileSource final : public ByteSource
{
  public:
    explicit FileSource(int fd, u64 size) : m_fd(fd), m_window(Chunk) { m_size = size; }
    bool readBytes(u64 offset, unsigned char* out, std::size_t count) override
    {
        if (count > Chunk)
            return readAt(offset, out, count);
        if (offset < m_start || offset - m_start + count > m_length) {
            m_length = 0;
            const std::size_t want = std::min<u64>(Chunk, m_size - offset);
            if (!readAt(offset, m_window.data(), want))
                return false;
            m_start = offset;
            m_length = want;
        }
        std::memcpy(out, m_window.data() + (offset - m_start), count);
        return true;
    }

  private:
    bool readAt(u64 offset, unsigned char* out, std::size_t count)
    {
        while (count > 0) {
            const ssize_t got = ::pread(m_fd, out, count, static_cast<off_t>(offset));
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                return false; // an error, or the file shrank under us
            out += got;
            offset += static_cast<u64>(got);
            count -= static_cast<std::size_t>(got);
        }
        return true;
    }

    int m_fd;
    std::vector<unsigned char> m_window;
    u64 m_start = 0;
    std::size_t m_length = 0;
};

std::uint32_t Crc32(const unsigned char* data, std::size_t size)
{
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

unsigned Le16(const unsigned char* p)
{
    return p[0] | unsigned(p[1]) << 8;
}

std::uint32_t Le32(const unsigned char* p)
{
    return p[0] | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

// A RAR 5 variable-length number; false when it runs past end.
bool Vint(const unsigned char*& p, const unsigned char* end, u64& value)
{
    value = 0;
    for (int shift = 0; p < end && shift < 64; shift += 7) {
        const unsigned char byte = *p++;
        value |= u64(byte & 0x7F) << shift;
        if (!(byte & 0x80))
            return true;
    }
    return false;
}

// Where pattern starts in [from, to), first or last; nullopt when nowhere or
// unreadable. Reads one chunk at a time.
std::optional<u64> Find(ByteSource& in, u64 from, u64 to, const unsigned char* pattern,
                        std::size_t length, bool last)
{
    std::vector<unsigned char> buffer(Chunk + length);
    const u64 chunks = to > from ? (to - from + Chunk - 1) / Chunk : 0;
    for (u64 i = 0; i < chunks; ++i) {
        const u64 start = from + (last ? chunks - 1 - i : i) * Chunk;
        const std::size_t count = std::min<u64>(Chunk + length - 1, in.size() - start);
        if (!in.read(start, buffer.data(), count))
            return std::nullopt;
        // Only matches that start inside this chunk and before to.
        const std::size_t starts = std::min<u64>(Chunk, to - start);
        const auto begin = buffer.begin();
        const auto end = begin + static_cast<std::ptrdiff_t>(std::min(count, starts + length - 1));
        const auto found = last ? std::find_end(begin, end, pattern, pattern + length)
                                : std::search(begin, end, pattern, pattern + length);
        if (found != end)
            return start + static_cast<u64>(found - begin);
    }
    return std::nullopt;
}

// After the encryption header only lengths can be seen. Every encrypted
// header and every data area is a whole number of AES blocks; the recovery
// record, in the clear, is the one thing that is not, and it ends right
// before the end-of-archive record.
ArchiveEnd EncryptedRar5(ByteSource& in, u64 start)
{
    const u64 left = in.size() - start;
    if (left % AesBlock == 0)
        return left >= 2 * AesBlock ? ArchiveEnd::Whole : ArchiveEnd::Cut; // IV and main header
    const std::optional<u64> mark =
        Find(in, start, in.size(), RecoveryMark, sizeof RecoveryMark, true);
    if (!mark)
        return ArchiveEnd::Cut;
    unsigned char length[4];
    if (in.size() - *mark < RecoveryLengthAt + sizeof length)
        return ArchiveEnd::Cut;
    if (!in.read(*mark + RecoveryLengthAt, length, sizeof length))
        return ArchiveEnd::Whole;
    const u64 piece = Le32(length);
    if (piece > in.size() - *mark)
        return ArchiveEnd::Cut;
    return (in.size() - *mark - piece) % AesBlock == 0 ? ArchiveEnd::Whole : ArchiveEnd::Cut;
}

// At the end of the file on a block boundary: whole, as `unrar t` says, but
// not after a signature alone, nor when something still to come was announced
// (an entry that goes on in the next volume, a quick-open record).
ArchiveEnd EndsOnBlock(u64 blocks, bool announced)
{
    return blocks == 0 || announced ? ArchiveEnd::Cut : ArchiveEnd::Whole;
}

// The quick-open record's offset from the main header's extra area; 0 when
// there is none. `unrar t` reads that record first, so a copy that ends
// before it is cut, even on a block boundary.
u64 QuickOpenOffset(const unsigned char* extra, const unsigned char* end)
{
    while (extra < end) {
        u64 size = 0, type = 0, flags = 0, offset = 0;
        if (!Vint(extra, end, size) || size > static_cast<u64>(end - extra))
            return 0;
        const unsigned char* next = extra + size;
        if (Vint(extra, next, type) && type == Rar5Locator)
            return Vint(extra, next, flags) && (flags & Rar5HasQuickOpen) &&
                           Vint(extra, next, offset)
                       ? offset
                       : 0;
        extra = next;
    }
    return 0;
}

ArchiveEnd Rar5(ByteSource& in, u64 pos)
{
    std::vector<unsigned char> header;
    bool continued = false;
    u64 quickOpen = 0; // where it starts in the file
    for (u64 blocks = 0; blocks < MaxBlocks; ++blocks) {
        const u64 left = in.size() - pos;
        if (left == 0)
            return EndsOnBlock(blocks, continued || (quickOpen != 0 && quickOpen >= in.size()));
        // CRC32, then the header size in at most 3 bytes (headers stay under 2 MiB).
        unsigned char first[7];
        const std::size_t got = std::min<u64>(left, sizeof first);
        if (!in.read(pos, first, got))
            return ArchiveEnd::Whole;
        const unsigned char* p = first + 4;
        u64 size = 0;
        if (got <= 4 || !Vint(p, first + got, size))
            return got < sizeof first ? ArchiveEnd::Cut : ArchiveEnd::Whole;
        if (size == 0)
            return ArchiveEnd::Whole;
        const u64 sizeBytes = static_cast<u64>(p - (first + 4));
        const u64 total = 4 + sizeBytes + size;
        if (total > left)
            return ArchiveEnd::Cut;
        header.resize(total);
        if (!in.read(pos, header.data(), total))
            return ArchiveEnd::Whole;
        if (Crc32(header.data() + 4, total - 4) != Le32(header.data()))
            return ArchiveEnd::Whole; // damaged, not short: its sizes mean nothing
        const unsigned char* q = header.data() + 4 + sizeBytes;
        const unsigned char* end = header.data() + total;
        u64 type = 0, flags = 0, extra = 0, data = 0;
        if (!Vint(q, end, type) || !Vint(q, end, flags) ||
            ((flags & Rar5HasExtra) && !Vint(q, end, extra)) ||
            ((flags & Rar5HasData) && !Vint(q, end, data)))
            return ArchiveEnd::Whole;
        const u64 next = pos + total;
        if (data > in.size() - next)
            return ArchiveEnd::Cut;
        if (type == Rar5End) {
            u64 endFlags = 0;
            if (!Vint(q, end, endFlags))
                return ArchiveEnd::Whole;
            return (endFlags & Rar5NextVolume) ? ArchiveEnd::Cut : ArchiveEnd::Whole;
        }
        if (type == Rar5Encryption)
            return EncryptedRar5(in, next);
        if (type == Rar5Main && extra <= static_cast<u64>(end - q)) {
            const u64 offset = QuickOpenOffset(end - extra, end);
            if (offset != 0)
                quickOpen = offset < in.size() - pos ? pos + offset : in.size(); // from this header
        }
        continued = continued || (flags & Rar5SplitAfter) != 0;
        pos = next + data;
    }
    return ArchiveEnd::Whole;
}

ArchiveEnd Rar4(ByteSource& in, u64 pos)
{
    std::vector<unsigned char> header;
    bool continued = false;
    for (u64 blocks = 0; blocks < MaxBlocks; ++blocks) {
        const u64 left = in.size() - pos;
        if (left == 0)
            return EndsOnBlock(blocks, continued);
        // CRC16, type, flags, header size.
        if (left < 7)
            return ArchiveEnd::Cut;
        unsigned char fixed[7];
        if (!in.read(pos, fixed, sizeof fixed))
            return ArchiveEnd::Whole;
        const unsigned type = fixed[2];
        const unsigned flags = Le16(fixed + 3);
        const unsigned size = Le16(fixed + 5);
        if (size < sizeof fixed)
            return ArchiveEnd::Whole;
        if (size > left)
            return ArchiveEnd::Cut;
        header.resize(size);
        if (!in.read(pos, header.data(), size))
            return ArchiveEnd::Whole;
        if ((Crc32(header.data() + 2, size - 2) & 0xFFFF) != Le16(header.data()))
            return ArchiveEnd::Whole;
        u64 data = 0;
        const bool entry = type == Rar4File || type == Rar4Service;
        if (flags & Rar4LongBlock) {
            if (size < 11)
                return ArchiveEnd::Whole;
            data = Le32(header.data() + 7);
            if (entry && (flags & Rar4LargeFile)) {
                if (size < 36)
                    return ArchiveEnd::Whole;
                data |= u64(Le32(header.data() + 32)) << 32;
            }
        }
        const u64 next = pos + size;
        if (data > in.size() - next)
            return ArchiveEnd::Cut;
        if (type == Rar4End)
            return (flags & Rar4NextVolume) ? ArchiveEnd::Cut : ArchiveEnd::Whole;
        if (type == Rar4Main && (flags & Rar4HeadersEncrypted))
            return ArchiveEnd::Whole; // each header behind a salt, in AES blocks: nothing to go by
        continued = continued || (entry && (flags & Rar4SplitAfter));
        pos = next + data;
    }
    return ArchiveEnd::Whole;
}

ArchiveEnd Walk(ByteSource& in)
{
    // A file shorter than a signature: cut if it is the start of one.
    if (in.size() < Rar5SignatureSize) {
        unsigned char bytes[Rar5SignatureSize];
        const auto count = static_cast<std::size_t>(in.size());
        if (!in.read(0, bytes, count))
            return ArchiveEnd::Whole;
        static constexpr unsigned char Start5[] = {'R', 'a', 'r', '!', 0x1A, 0x07, 0x01};
        static constexpr unsigned char Start4[] = {'R', 'a', 'r', '!', 0x1A, 0x07, 0x00};
        const bool start =
            std::equal(bytes, bytes + count, Start5) || std::equal(bytes, bytes + count, Start4);
        return start ? ArchiveEnd::Cut : ArchiveEnd::Whole;
    }
    // The signature: at the start, or behind a self-extracting stub.
    const u64 limit = std::min(in.size(), SignatureEnd);
    for (u64 from = 0; from < limit;) {
        const std::optional<u64> at =
            Find(in, from, limit, SignaturePrefix, sizeof SignaturePrefix, false);
        if (!at)
            return ArchiveEnd::Whole;
        unsigned char version[2] = {0xFF, 0xFF};
        const std::size_t count = std::min<u64>(2, in.size() - *at - sizeof SignaturePrefix);
        if (!in.read(*at + sizeof SignaturePrefix, version, count))
            return ArchiveEnd::Whole;
        // A stub that ends inside the signature is no archive to the library.
        if (count == 0)
            return ArchiveEnd::Whole;
        if (version[0] == 0)
            return Rar4(in, *at + Rar4SignatureSize);
        if (version[0] == 1)
            return count < 2 ? ArchiveEnd::Whole : Rar5(in, *at + Rar5SignatureSize);
        if (version[0] < 5)
            return ArchiveEnd::Whole; // a later format
        from = *at + 1;
    }
    return ArchiveEnd::Whole;
}

ArchiveEnd Check(ByteSource& in)
{
    const ArchiveEnd answer = Walk(in);
    return in.failed() ? ArchiveEnd::Whole : answer;
}

} // namespace

ArchiveEnd CheckArchiveEnd(int fd)
{
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0)
        return ArchiveEnd::Whole;
    FileSource in(fd, static_cast<u64>(st.st_size));
    return Check(in);
}

ArchiveEnd CheckArchiveEnd(const unsigned char* data, std::size_t size)
{
    MemorySource in(data, data ? size : 0);
    return Check(in);
}

} // namespace marrowick
