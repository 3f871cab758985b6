#include "engine/ArchiveSignature.h"
#include "engine/RarFormat.h"

#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>

namespace marrowick {

namespace {

// A RAR 5 variable-length number: 7 bits a byte, low bits first.
bool ReadVint(const QByteArray& bytes, qsizetype& at, quint64& value)
{
    value = 0;
    for (int shift = 0; shift < 64 && at < bytes.size(); shift += 7) {
        const auto byte = static_cast<unsigned char>(bytes[at++]);
        value |= quint64(byte & 0x7F) << shift;
        if (!(byte & 0x80))
            return true;
    }
    return false;
}

// The volume number of a RAR 5 main header that starts at at (its CRC).
int Rar5VolumeNumber(const QByteArray& bytes, qsizetype at)
{
    constexpr quint64 MainHeader = 1, EncryptionHeader = 4;
    constexpr quint64 HasExtra = 0x01, HasData = 0x02;
    constexpr quint64 VolumeNumberField = 0x0002;
    at += 4; // header CRC
    quint64 size = 0, type = 0, flags = 0, skipped = 0, archiveFlags = 0, number = 0;
    if (!ReadVint(bytes, at, size) || !ReadVint(bytes, at, type) || type == EncryptionHeader ||
        type != MainHeader || !ReadVint(bytes, at, flags))
        return 0;
    if ((flags & HasExtra) && !ReadVint(bytes, at, skipped))
        return 0;
    if ((flags & HasData) && !ReadVint(bytes, at, skipped))
        return 0;
    if (!ReadVint(bytes, at, archiveFlags))
        return 0;
    // Only volumes after the first carry the field.
    if (!(archiveFlags & VolumeNumberField))
        return 1;
    if (!ReadVint(bytes, at, number) || number > 1000000)
        return 0;
    // Stored as 1 for the second volume.
    return static_cast<int>(number) + 1;
}

} // namespace

ArchiveHead ReadArchiveHead(const QString& path)
{
    ArchiveHead head;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return head;
    const QByteArray bytes = file.read(qint64(rar::SignatureSearch));
    const QByteArrayView prefix(rar::SignaturePrefix, sizeof rar::SignaturePrefix);
    for (qsizetype at = bytes.indexOf(prefix); at >= 0; at = bytes.indexOf(prefix, at + 1)) {
        const qsizetype version = at + prefix.size();
        if (version < bytes.size() && bytes[version] == 0x00) {
            head.format = 4;
            return head;
        }
        if (version + 1 < bytes.size() && bytes[version] == 0x01 && bytes[version + 1] == 0x00) {
            head.format = 5;
            head.volumeNumber = Rar5VolumeNumber(bytes, at + qsizetype(rar::Rar5SignatureSize));
            return head;
        }
    }
    return head;
}

bool HasRarSignature(const QString& path)
{
    return QFileInfo(path).isFile() && ReadArchiveHead(path).format != 0;
}

} // namespace marrowick
