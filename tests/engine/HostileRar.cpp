#include "HostileRar.h"

#include <QFile>

#include <array>

namespace marrowick::test {

namespace {

constexpr std::uint64_t HeaderFile = 2;
constexpr std::uint64_t FlagExtra = 0x01;
constexpr std::uint64_t FlagData = 0x02;
constexpr std::uint64_t FileHasTime = 0x02;
constexpr std::uint64_t FileHasCrc = 0x04;
constexpr std::uint64_t ExtraRedirection = 5;

std::uint32_t Crc32(const QByteArray& bytes)
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
    for (const char ch : bytes)
        crc = table[(crc ^ static_cast<std::uint8_t>(ch)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

QByteArray Vint(std::uint64_t value)
{
    QByteArray out;
    do {
        std::uint8_t byte = value & 0x7F;
        value >>= 7;
        if (value != 0)
            byte |= 0x80;
        out.append(static_cast<char>(byte));
    } while (value != 0);
    return out;
}

QByteArray Le32(std::uint32_t value)
{
    QByteArray out;
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    return out;
}

// Reads forward through a byte array; any overrun makes it fail for good.
class Reader
{
  public:
    Reader(const QByteArray& bytes, qsizetype pos) : m_bytes(bytes), m_pos(pos) {}

    std::uint64_t vint()
    {
        std::uint64_t value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            if (m_pos >= m_bytes.size()) {
                m_ok = false;
                return 0;
            }
            const auto byte = static_cast<std::uint8_t>(m_bytes[m_pos++]);
            value |= std::uint64_t(byte & 0x7F) << shift;
            if (!(byte & 0x80))
                return value;
        }
        m_ok = false;
        return 0;
    }
    QByteArray take(std::uint64_t count)
    {
        if (count > std::uint64_t(m_bytes.size() - m_pos)) {
            m_ok = false;
            return {};
        }
        const QByteArray out = m_bytes.mid(m_pos, qsizetype(count));
        m_pos += qsizetype(count);
        return out;
    }
    qsizetype pos() const { return m_pos; }
    bool ok() const { return m_ok; }

  private:
    const QByteArray& m_bytes;
    qsizetype m_pos;
    bool m_ok = true;
};

} // namespace

std::optional<HostileRar> HostileRar::load(const QString& path)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = in.readAll();
    static const QByteArray signature("Rar!\x1A\x07\x01\x00", 8);
    if (!bytes.startsWith(signature))
        return std::nullopt;

    HostileRar archive;
    archive.m_signature = signature;
    qsizetype pos = signature.size();
    while (pos < bytes.size()) {
        Reader r(bytes, pos + 4);
        const std::uint64_t size = r.vint();
        const qsizetype bodyStart = r.pos();
        const std::uint64_t type = r.vint();
        Block block;
        block.flags = r.vint();
        const std::uint64_t extraSize = (block.flags & FlagExtra) ? r.vint() : 0;
        const std::uint64_t dataSize = (block.flags & FlagData) ? r.vint() : 0;
        if (!r.ok() || size > std::uint64_t(bytes.size() - bodyStart))
            break;
        const qsizetype end = bodyStart + qsizetype(size);
        if (type == HeaderFile) {
            block.isFile = true;
            block.fileFlags = r.vint();
            block.unpSize = r.vint();
            block.attributes = r.vint();
            const int fixed = ((block.fileFlags & FileHasTime) ? 4 : 0) +
                              ((block.fileFlags & FileHasCrc) ? 4 : 0);
            block.mtimeAndCrc = r.take(fixed);
            block.compression = r.vint();
            block.hostOS = r.vint();
            block.name = r.take(r.vint());
            block.extra = bytes.mid(end - qsizetype(extraSize), qsizetype(extraSize));
            if (!r.ok() || r.pos() != end - qsizetype(extraSize))
                return std::nullopt;
        }
        block.raw = bytes.mid(pos, end - pos);
        Reader d(bytes, end);
        block.data = d.take(dataSize);
        if (!d.ok())
            return std::nullopt;
        archive.m_blocks.push_back(block);
        pos = d.pos();
    }
    archive.m_tail = bytes.mid(pos);
    return archive;
}

HostileRar::Block* HostileRar::file(int index)
{
    for (Block& block : m_blocks) {
        if (block.isFile && index-- == 0)
            return &block;
    }
    return nullptr;
}

const HostileRar::Block* HostileRar::file(int index) const
{
    return const_cast<HostileRar*>(this)->file(index);
}

int HostileRar::fileCount() const
{
    int count = 0;
    for (const Block& block : m_blocks)
        count += block.isFile ? 1 : 0;
    return count;
}

QString HostileRar::fileName(int index) const
{
    const Block* block = file(index);
    return block ? QString::fromUtf8(block->name) : QString();
}

void HostileRar::setFileName(int index, const QString& name)
{
    Block* block = file(index);
    block->name = name.toUtf8();
    block->changed = true;
}

void HostileRar::setAttributes(int index, std::uint64_t attributes)
{
    Block* block = file(index);
    block->attributes = attributes;
    block->changed = true;
}

void HostileRar::setUnpackedSize(int index, std::uint64_t size)
{
    Block* block = file(index);
    block->unpSize = size;
    block->changed = true;
}

void HostileRar::setRedirName(int index, const QString& name)
{
    Block* block = file(index);
    QByteArray extra;
    Reader r(block->extra, 0);
    while (r.ok() && r.pos() < block->extra.size()) {
        const QByteArray record = r.take(r.vint());
        Reader rec(record, 0);
        if (rec.vint() != ExtraRedirection) {
            extra += Vint(std::uint64_t(record.size())) + record;
            continue;
        }
        const std::uint64_t redirType = rec.vint();
        const std::uint64_t redirFlags = rec.vint();
        const QByteArray target = name.toUtf8();
        const QByteArray body = Vint(ExtraRedirection) + Vint(redirType) + Vint(redirFlags) +
                                Vint(std::uint64_t(target.size())) + target;
        extra += Vint(std::uint64_t(body.size())) + body;
    }
    block->extra = extra;
    block->changed = true;
}

void HostileRar::flipDataByte(int index, int offset)
{
    Block* block = file(index);
    block->data[offset] = static_cast<char>(block->data[offset] ^ 0x55);
}

QByteArray HostileRar::serialize(const Block& block) const
{
    if (!block.changed)
        return block.raw;
    QByteArray body = Vint(HeaderFile) + Vint(block.flags);
    if (block.flags & FlagExtra)
        body += Vint(std::uint64_t(block.extra.size()));
    if (block.flags & FlagData)
        body += Vint(std::uint64_t(block.data.size()));
    body += Vint(block.fileFlags) + Vint(block.unpSize) + Vint(block.attributes) +
            block.mtimeAndCrc + Vint(block.compression) + Vint(block.hostOS) +
            Vint(std::uint64_t(block.name.size())) + block.name + block.extra;
    const QByteArray sized = Vint(std::uint64_t(body.size())) + body;
    return Le32(Crc32(sized)) + sized;
}

bool HostileRar::save(const QString& path) const
{
    QByteArray out = m_signature;
    for (const Block& block : m_blocks)
        out += serialize(block) + block.data;
    out += m_tail;
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(out) == out.size();
}

} // namespace marrowick::test
