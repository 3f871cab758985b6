#pragma once

#include <QByteArray>
#include <QFile>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace marrowick::test {

// Rewrites the file headers of a real RAR5 archive so tests can make entries
// that `rar` itself would never write (names with "..", absolute names,
// setuid modes, lying sizes). Every changed header gets its size
// and CRC32 recomputed, so the library reads it as sound.
class HostileRar final
{
public:
    static std::optional<HostileRar> load(const QString& path)
    {
        QFile in(path);
        const QByteArray bytes = in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
        HostileRar archive;
        archive.m_head = bytes.left(8);
        if (archive.m_head != QByteArray("Rar!\x1A\x07\x01\x00", 8))
            return std::nullopt;
        qsizetype pos = 8;
        while (pos < bytes.size()) {
            Reader r{bytes, pos + 4};
            const std::uint64_t size = r.vint();
            const qsizetype end = r.pos + qsizetype(size);
            Block b;
            b.isFile = r.vint() == 2;
            b.flags = r.vint();
            const std::uint64_t extraSize = (b.flags & 1) ? r.vint() : 0;
            const std::uint64_t dataSize = (b.flags & 2) ? r.vint() : 0;
            if (!r.ok || end > bytes.size())
                break;
            if (b.isFile) {
                for (std::uint64_t* field : {&b.fileFlags, &b.unpSize, &b.attributes})
                    *field = r.vint();
                // The optional time and CRC fields, kept as they are.
                b.fixed = r.take(((b.fileFlags & 2) ? 4 : 0) + ((b.fileFlags & 4) ? 4 : 0));
                b.compression = r.vint();
                b.hostOS = r.vint();
                b.name = r.take(r.vint());
                b.extra = bytes.mid(end - qsizetype(extraSize), qsizetype(extraSize));
                if (!r.ok || r.pos != end - qsizetype(extraSize))
                    return std::nullopt;
            }
            b.raw = bytes.mid(pos, end - pos);
            b.data = bytes.mid(end, qsizetype(dataSize));
            archive.m_blocks.push_back(b);
            pos = end + qsizetype(dataSize);
        }
        archive.m_tail = bytes.mid(pos);
        return archive;
    }

    void setName(int file, const QString& name) { edit(file).name = name.toUtf8(); }
    void setAttributes(int file, std::uint64_t attributes) { edit(file).attributes = attributes; }
    void setUnpackedSize(int file, std::uint64_t size) { edit(file).unpSize = size; }
    // The size of the data the header claims; the data stays as it is.
    void setPackedSize(int file, std::uint64_t size) { edit(file).packSize = size; }
    // Damages the packed data without touching the header.
    void flipDataByte(int file) { block(file).data[0] ^= 0x55; }

    bool save(const QString& path) const
    {
        QByteArray out = m_head;
        for (const Block& b : m_blocks) {
            QByteArray body = Vint(2) + Vint(b.flags) + ((b.flags & 1) ? Vint(b.extra.size()) : QByteArray()) +
                              ((b.flags & 2) ? Vint(b.packSize.value_or(b.data.size())) : QByteArray()) + Vint(b.fileFlags) +
                              Vint(b.unpSize) + Vint(b.attributes) + b.fixed + Vint(b.compression) +
                              Vint(b.hostOS) + Vint(b.name.size()) + b.name + b.extra;
            body.prepend(Vint(body.size()));
            const std::uint32_t crc = Crc32(body);
            out += (b.changed ? QByteArray(reinterpret_cast<const char*>(&crc), 4) + body : b.raw) + b.data;
        }
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(out + m_tail) > 0;
    }

private:
    struct Block
    {
        QByteArray raw, data, fixed, name, extra; // raw: the whole header as read
        bool isFile = false, changed = false;
        std::uint64_t flags = 0, fileFlags = 0, unpSize = 0, attributes = 0, compression = 0, hostOS = 0;
        std::optional<std::uint64_t> packSize;
    };
    // Reads forward; any overrun clears ok for good.
    struct Reader
    {
        const QByteArray& bytes;
        qsizetype pos;
        bool ok = true;
        std::uint64_t vint()
        {
            std::uint64_t value = 0;
            for (int shift = 0; shift < 64 && pos < bytes.size(); shift += 7) {
                const auto byte = std::uint8_t(bytes[pos++]);
                value |= std::uint64_t(byte & 0x7F) << shift;
                if (!(byte & 0x80))
                    return value;
            }
            return ok = false, 0;
        }
        QByteArray take(std::uint64_t count)
        {
            ok = ok && count <= std::uint64_t(bytes.size() - pos);
            pos += ok ? qsizetype(count) : 0;
            return ok ? bytes.mid(pos - qsizetype(count), qsizetype(count)) : QByteArray();
        }
    };
    static QByteArray Vint(std::uint64_t value)
    {
        QByteArray out;
        for (; value > 0x7F; value >>= 7)
            out.append(char((value & 0x7F) | 0x80));
        return out.append(char(value));
    }
    static std::uint32_t Crc32(const QByteArray& bytes)
    {
        std::uint32_t crc = 0xFFFFFFFFu;
        for (const char ch : bytes) {
            crc ^= std::uint8_t(ch);
            for (int k = 0; k < 8; ++k)
                crc = (crc & 1) ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
        }
        return ~crc;
    }
    Block& block(int file)
    {
        for (Block& b : m_blocks)
            if (b.isFile && file-- == 0)
                return b;
        return m_blocks.at(m_blocks.size());
    }
    Block& edit(int file) { return block(file).changed = true, block(file); }

    QByteArray m_head, m_tail;
    std::vector<Block> m_blocks;
};

} // namespace marrowick::test
