#include "engine/ArchiveSignature.h"
#include "engine/RarFormat.h"

#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>

namespace marrowick {

bool HasRarSignature(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(qint64(rar::SignatureSearch));
    const QByteArrayView prefix(rar::SignaturePrefix, sizeof rar::SignaturePrefix);
    for (qsizetype at = head.indexOf(prefix); at >= 0; at = head.indexOf(prefix, at + 1)) {
        const qsizetype version = at + prefix.size();
        if (version < head.size() && head[version] == 0x00)
            return true; // RAR 4 (and 1.5 to 2.9)
        if (version + 1 < head.size() && head[version] == 0x01 && head[version + 1] == 0x00)
            return true; // RAR 5
    }
    return false;
}

} // namespace marrowick
