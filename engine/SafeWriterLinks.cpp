// The writer's links: symbolic links, made once every file of the run is in
// place, and hard links to files this run wrote.
#include "engine/SafeWriter.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace marrowick {

namespace {

QString ErrnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool IsFolderAt(int dirFd, const QByteArray& name)
{
    struct stat st = {};
    return ::fstatat(dirFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

bool SafeWriter::beginLink(QString* reason)
{
    if (m_entry.redirType == EntryHeader::RedirHardLink) {
        // Never a link to what was on disk before the run: that could be any
        // file of the user's.
        m_copySourceFd = openWrittenFile(m_entry.redirName);
        if (m_copySourceFd < 0) {
            *reason = tr("Hard link to a file not extracted in this run");
            return false;
        }
        if (!openFolderOfEntry(reason)) {
            abortEntry();
            return false;
        }
        return true;
    }
    // A RAR 4 link keeps its target as data, which the reader could not read.
    if (m_entry.redirName.isEmpty() && m_entry.unpSize != 0 &&
        m_entry.unpSize != EntryHeader::UnknownSize) {
        *reason = tr("Link target cannot be read");
        return false;
    }
    const bool windows = m_entry.redirType == EntryHeader::RedirWinSymlink;
    if (auto refusal = ValidateLinkTarget(m_entry.name, m_entry.redirName, windows)) {
        *reason = refusal->reason;
        return false;
    }
    if (windows)
        m_entry.redirName.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return true;
}

bool SafeWriter::commitHardLink()
{
    const QByteArray last = QFile::encodeName(m_parts.last());
    struct stat source = {}, there = {};
    ::fstat(m_copySourceFd, &source);
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_copySourceFd);
    QString reason;
    bool placed = ::fstatat(m_dirFd, last.constData(), &there, AT_SYMLINK_NOFOLLOW) == 0 &&
                  there.st_dev == source.st_dev && there.st_ino == source.st_ino;
    if (!placed)
        placed = ::linkat(AT_FDCWD, self.constData(), m_dirFd, last.constData(), AT_SYMLINK_FOLLOW) == 0;
    if (!placed && errno == EEXIST) {
        // Replacing: the linked file on disk first, then the rename.
        ::fsync(m_copySourceFd);
        replaceStep("synced");
        if (TempName(m_tempName, [&](const char* name) {
                return ::linkat(AT_FDCWD, self.constData(), m_dirFd, name, AT_SYMLINK_FOLLOW) == 0;
            }))
            placed = replaceWithTemp(last, true, &reason);
    }
    if (!placed) {
        const QString why = ErrnoText(errno);
        if (reason.isEmpty())
            reason = tr("Cannot make the hard link: %1").arg(why);
        refuse(m_entry.name, reason);
        abortEntry();
        return false;
    }
    m_tempName.clear();
    m_writtenFiles[m_entry.name] = Written{source.st_dev, source.st_ino};
    abortEntry();
    return true;
}

void SafeWriter::makeSymbolicLinks()
{
    std::vector<PendingLink> links;
    links.swap(m_pendingLinks);
    for (const PendingLink& link : links) {
        QString reason;
        if (!makeSymbolicLink(link.name.split(QLatin1Char('/')), link.target, &reason))
            refuse(link.name, reason);
    }
}

bool SafeWriter::makeSymbolicLink(const QStringList& parts, const QString& target, QString* reason)
{
    const int dirFd = openFolder(parts.mid(0, parts.size() - 1), true, reason);
    if (dirFd < 0)
        return false;
    const QByteArray last = QFile::encodeName(parts.last());
    const QByteArray to = QFile::encodeName(target);
    bool made = ::symlinkat(to.constData(), dirFd, last.constData()) == 0;
    if (!made && errno == EEXIST) {
        // An existing name is replaced as a file is, a folder never.
        QByteArray aside;
        if (IsFolderAt(dirFd, last)) {
            *reason = tr("A folder of that name exists");
        } else if (TempName(aside, [&](const char* name) {
                       return ::symlinkat(to.constData(), dirFd, name) == 0;
                   })) {
            replaceStep("replacing");
            made = ::renameat(dirFd, aside.constData(), dirFd, last.constData()) == 0;
            if (made)
                syncFolder(dirFd);
            else
                ::unlinkat(dirFd, aside.constData(), 0);
        }
    }
    if (!made && reason->isEmpty()) {
        const QString why = ErrnoText(errno);
        *reason = tr("Cannot make the link: %1").arg(why);
    }
    ::close(dirFd);
    return made;
}

} // namespace marrowick
