// What the writer refuses before touching the file system: names, kinds of
// entries, link targets, and the report of what it refused.
#include "engine/SafeWriter.h"

#include <QCoreApplication>

#include <algorithm>
#include <climits>

#include <sys/stat.h>

namespace marrowick {

namespace {

bool HasControl(const QString& text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar ch) { return ch.category() == QChar::Other_Control; });
}

} // namespace

std::optional<Refusal> ValidateEntryName(const QString& name)
{
    if (name.isEmpty())
        return Refusal{QCoreApplication::translate("EntryChecks", "Empty name")};
    if (name.startsWith(QLatin1Char('/')))
        return Refusal{QCoreApplication::translate("EntryChecks", "Absolute path")};
    if (HasControl(name))
        return Refusal{QCoreApplication::translate("EntryChecks", "Control character in name")};
    if (name.toUtf8().size() >= PATH_MAX)
        return Refusal{QCoreApplication::translate("EntryChecks", "Name too long")};
    const QStringList parts = name.split(QLatin1Char('/'));
    for (const QString& part : parts) {
        if (part == QLatin1String(".."))
            return Refusal{QCoreApplication::translate(
                "EntryChecks", "Name points outside the destination (\"..\")")};
        if (part.isEmpty() || part == QLatin1String("."))
            return Refusal{
                QCoreApplication::translate("EntryChecks", "Empty or \".\" part in name")};
        if (part.toUtf8().size() > NAME_MAX)
            return Refusal{QCoreApplication::translate("EntryChecks", "Name part too long")};
    }
    return std::nullopt;
}

bool IsSymbolicLink(const EntryHeader& header)
{
    if (header.redirType == EntryHeader::RedirUnixSymlink ||
        header.redirType == EntryHeader::RedirWinSymlink)
        return true;
    return header.redirType == EntryHeader::RedirNone && header.hostOS == EntryHeader::HostUnix &&
           (header.fileAttr & S_IFMT) == S_IFLNK;
}

std::optional<Refusal> RefuseDevice(const EntryHeader& header)
{
    switch (header.redirType) {
    case EntryHeader::RedirNone:
    case EntryHeader::RedirUnixSymlink:
    case EntryHeader::RedirWinSymlink:
    case EntryHeader::RedirHardLink:
    case EntryHeader::RedirFileCopy:
        break;
    case EntryHeader::RedirJunction:
        return Refusal{QCoreApplication::translate("EntryChecks", "Junction")};
    default:
        return Refusal{QCoreApplication::translate("EntryChecks", "Unknown kind of link")};
    }
    if (header.hostOS != EntryHeader::HostUnix || header.redirType != EntryHeader::RedirNone)
        return std::nullopt;
    switch (header.fileAttr & S_IFMT) {
    case S_IFCHR:
    case S_IFBLK:
        return Refusal{QCoreApplication::translate("EntryChecks", "Device")};
    case S_IFIFO:
        return Refusal{QCoreApplication::translate("EntryChecks", "FIFO")};
    case S_IFSOCK:
        return Refusal{QCoreApplication::translate("EntryChecks", "Socket")};
    default:
        return std::nullopt;
    }
}

std::optional<Refusal> RefuseLinkOrDevice(const EntryHeader& header)
{
    if (IsSymbolicLink(header))
        return Refusal{QCoreApplication::translate("EntryChecks", "Symbolic link")};
    if (header.redirType == EntryHeader::RedirHardLink)
        return Refusal{QCoreApplication::translate("EntryChecks", "Hard link")};
    return RefuseDevice(header);
}

std::optional<Refusal> ValidateLinkTarget(const QString& linkName, const QString& target,
                                          bool windows)
{
    if (target.isEmpty())
        return Refusal{QCoreApplication::translate("EntryChecks", "Empty link target")};
    if (target.contains(QChar(0)) || HasControl(target))
        return Refusal{
            QCoreApplication::translate("EntryChecks", "Control character in link target")};
    if (target.toUtf8().size() >= PATH_MAX)
        return Refusal{QCoreApplication::translate("EntryChecks", "Link target too long")};
    QString path = target;
    if (windows) {
        // "\\server\share", "\\?\C:\", "C:\x" and "C:x" all leave the tree.
        if (path.startsWith(QLatin1String("\\\\")) || path.contains(QLatin1Char(':')))
            return Refusal{QCoreApplication::translate(
                "EntryChecks", "Link target is a Windows drive or network path")};
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    }
    if (path.startsWith(QLatin1Char('/')))
        return Refusal{QCoreApplication::translate("EntryChecks", "Absolute link target")};
    // The link's folder, then the target's parts from there.
    qsizetype depth = linkName.count(QLatin1Char('/'));
    bool named = false;
    for (const QString& part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part.toUtf8().size() > NAME_MAX)
            return Refusal{QCoreApplication::translate("EntryChecks", "Link target part too long")};
        if (part != QLatin1String("..")) {
            named = true;
            continue;
        }
        if (named)
            return Refusal{QCoreApplication::translate(
                "EntryChecks", "Link target with \"..\" after a folder name")};
        if (--depth < 0)
            return Refusal{QCoreApplication::translate(
                "EntryChecks", "Link target points outside the destination")};
    }
    return std::nullopt;
}

QString EscapedName(const QString& name)
{
    if (!HasControl(name))
        return name;
    QString escaped;
    for (const QChar ch : name) {
        if (ch.category() != QChar::Other_Control)
            escaped += ch;
        else if (ch.unicode() < 0x80)
            escaped += QStringLiteral("\\x%1").arg(ch.unicode(), 2, 16, QLatin1Char('0'));
        else
            escaped += QStringLiteral("\\u%1").arg(ch.unicode(), 4, 16, QLatin1Char('0'));
    }
    return escaped;
}

QString RefusalReport(const std::vector<RefusedEntry>& refused)
{
    constexpr std::size_t Shown = 1000;
    if (refused.empty())
        return {};
    QString text = QCoreApplication::translate("EntryChecks", "These entries were not extracted:");
    const std::size_t count = std::min(refused.size(), Shown);
    for (std::size_t i = 0; i < count; ++i)
        text += QStringLiteral("\n%1: %2").arg(EscapedName(refused[i].name), refused[i].reason);
    if (refused.size() > Shown)
        //: After the list of refused entries: how many more were refused
        text += QLatin1Char('\n') + QCoreApplication::translate("EntryChecks", "... and %1 more")
                                        .arg(refused.size() - Shown);
    return text;
}

} // namespace marrowick
