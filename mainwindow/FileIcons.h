#pragma once

#include "engine/FileRow.h"

#include <QHash>
#include <QIcon>
#include <QMimeDatabase>

#include <vector>

namespace marrowick {

// Small file-type icons for archive entries, taken from the desktop's icon
// theme by the entry's name. Nothing is created on disk: the type is matched
// by name only. Icons are cached per type for the life of the provider.
class FileIconProvider final
{
public:
    FileIconProvider();

    // Fills the per-row slots for every row and returns the table they index.
    void assign(const FileRowList& rows, std::vector<QIcon>& table,
                std::vector<quint16>& rowSlots);

    QIcon iconForName(const QString& name, bool isFolder);

    // Makes theme icons resolve where the platform names no theme (headless,
    // bare X servers): falls back to an installed freedesktop theme.
    static void EnsureIconTheme();

private:
    quint16 slotFor(const FileRow& row);
    quint16 slotForMime(const QMimeType& mime);

    QMimeDatabase m_mimeDb;
    std::vector<QIcon> m_table;
    QHash<QString, quint16> m_slotByKey;  // ".suffix" or bare name
    QHash<QString, quint16> m_slotByMime; // mime type name
    // The type part of the last name looked up, as it was in the name.
    QString m_lastPart;
    bool m_lastPartValid = false;
    quint16 m_lastSlot = 0;
};

} // namespace marrowick
