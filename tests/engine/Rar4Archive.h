#pragma once

#include <QByteArray>
#include <QList>

namespace marrowick::test {

inline quint32 Crc32(const QByteArray& bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char ch : bytes) {
        crc ^= quint8(ch);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

inline QByteArray Le(quint64 value, int bytes)
{
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out.append(char(value >> (8 * i)));
    return out;
}

// RAR 4 by hand (rar 7 writes RAR 5 only), remembering where each block ends.
struct Rar4
{
    QByteArray bytes = QByteArray("Rar!\x1a\x07\x00", 7);
    QList<int> ends;

    Rar4& block(int type, int flags, const QByteArray& body, const QByteArray& data = {})
    {
        const QByteArray head = Le(type, 1) + Le(flags, 2) + Le(7 + body.size(), 2) + body;
        bytes += Le(Crc32(head), 2) + head + data;
        ends.append(int(bytes.size()));
        return *this;
    }
    // A stored entry; with 0x100 the header carries the high halves of the
    // sizes (packed, then unpacked). attr: the Unix mode (the host is Unix).
    Rar4& entry(const QByteArray& name, const QByteArray& data, int flags = 0, int type = 0x74,
                quint32 attr = 0x81A40020, quint32 highPacked = 0, quint32 highUnpacked = 0)
    {
        QByteArray body = Le(data.size(), 4) + Le(data.size(), 4) + Le(3, 1) + Le(Crc32(data), 4) +
                          Le(0x58212862, 4) + Le(29, 1) + Le(0x30, 1) + Le(name.size(), 2) +
                          Le(type == 0x74 ? attr : 0, 4);
        if (flags & 0x100)
            body += Le(highPacked, 4) + Le(highUnpacked, 4);
        return block(type, flags | 0x8000, body + name, data);
    }
};

} // namespace marrowick::test
