#include "mainwindow/FileIcons.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace marrowick {

namespace {

constexpr quint16 FolderSlot = 0;
constexpr quint16 GenericSlot = 1;
constexpr quint16 LinkSlot = 2;

QIcon ThemeIcon(const QStringList& names)
{
    for (const QString& name : names) {
        if (!name.isEmpty() && QIcon::hasThemeIcon(name))
            return QIcon::fromTheme(name);
    }
    return {};
}

// The part of an entry name that decides its type: the suffix of its last
// path part when it has one, otherwise the bare last part ("Makefile").
// The suffix is compared without regard to case (see TypeKey).
QStringView TypePart(const QString& name, bool* suffix)
{
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    *suffix = dot > slash + 1 && dot + 1 < name.size();
    return QStringView(name).mid(*suffix ? dot : slash + 1);
}

QString TypeKey(QStringView part, bool suffix)
{
    return suffix ? part.toString().toLower() : part.toString();
}

} // namespace

FileIconProvider::FileIconProvider()
{
    EnsureIconTheme();
    QIcon folder = ThemeIcon({QStringLiteral("folder")});
    QIcon generic = ThemeIcon({QStringLiteral("text-x-generic"),
                               QStringLiteral("application-x-generic"),
                               QStringLiteral("unknown")});
    QIcon link = ThemeIcon({QStringLiteral("inode-symlink"), QStringLiteral("emblem-symbolic-link")});
    m_table.push_back(folder);
    m_table.push_back(generic);
    m_table.push_back(link.isNull() ? generic : link);
}

void FileIconProvider::EnsureIconTheme()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    QIcon::setFallbackThemeName(QStringLiteral("hicolor"));
    if (!QIcon::themeName().isEmpty() && QIcon::hasThemeIcon(QStringLiteral("folder")))
        return;
    // Without a desktop's platform theme Qt looks in its resources only; add
    // the freedesktop folders so installed themes are found.
    QStringList paths = QIcon::themeSearchPaths();
    QStringList wanted = {QDir::homePath() + QStringLiteral("/.icons")};
    wanted += QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                        QStringLiteral("icons"), QStandardPaths::LocateDirectory);
    wanted << QStringLiteral("/usr/share/icons") << QStringLiteral("/usr/local/share/icons");
    for (const QString& path : wanted) {
        if (!paths.contains(path) && QFileInfo(path).isDir())
            paths << path;
    }
    QIcon::setThemeSearchPaths(paths);
    if (!QIcon::themeName().isEmpty() && QIcon::hasThemeIcon(QStringLiteral("folder")))
        return;
    for (const char* theme : {"Adwaita", "breeze", "oxygen", "Tango"}) {
        const QString name = QString::fromLatin1(theme);
        for (const QString& path : QIcon::themeSearchPaths()) {
            if (QFileInfo::exists(path + QLatin1Char('/') + name + QStringLiteral("/index.theme"))) {
                QIcon::setThemeName(name);
                return;
            }
        }
    }
}

quint16 FileIconProvider::slotForMime(const QMimeType& mime)
{
    if (!mime.isValid() || mime.isDefault())
        return GenericSlot;
    auto found = m_slotByMime.constFind(mime.name());
    if (found != m_slotByMime.cend())
        return *found;
    quint16 slot = GenericSlot;
    QIcon icon = ThemeIcon({mime.iconName(), mime.genericIconName()});
    if (!icon.isNull() && m_table.size() < 0xFFFF) {
        slot = static_cast<quint16>(m_table.size());
        m_table.push_back(icon);
    }
    m_slotByMime.insert(mime.name(), slot);
    return slot;
}

quint16 FileIconProvider::slotFor(const FileRow& row)
{
    if (row.isFolder)
        return FolderSlot;
    if (row.isLink)
        return LinkSlot;
    bool suffix = false;
    const QStringView part = TypePart(row.name, &suffix);
    // Entries of one type mostly come together: the same part as the row
    // before has its slot without a new string or a lookup.
    if (m_lastPartValid && part == m_lastPart)
        return m_lastSlot;
    const QString key = TypeKey(part, suffix);
    auto found = m_slotByKey.constFind(key);
    quint16 slot = 0;
    if (found != m_slotByKey.cend()) {
        slot = *found;
    } else {
        const QString probe = key.startsWith(QLatin1Char('.')) ? QStringLiteral("x") + key : key;
        slot = slotForMime(m_mimeDb.mimeTypeForFile(probe, QMimeDatabase::MatchExtension));
        m_slotByKey.insert(key, slot);
    }
    m_lastPart = part.toString();
    m_lastPartValid = true;
    m_lastSlot = slot;
    return slot;
}

void FileIconProvider::assign(const FileRowList& rows, std::vector<QIcon>& table,
                              std::vector<quint16>& rowSlots)
{
    rowSlots.clear();
    rowSlots.reserve(rows.size());
    for (const FileRow& row : rows)
        rowSlots.push_back(slotFor(row));
    table = m_table;
}

QIcon FileIconProvider::iconForName(const QString& name, bool isFolder)
{
    FileRow row;
    row.name = name;
    row.isFolder = isFolder;
    return m_table[slotFor(row)];
}

} // namespace marrowick
