// The writer's temporary files: unnamed ones where the file system has them,
// hidden named ones beside the destination where not, and how a whole one
// takes its entry's name.
#include "engine/SafeWriter.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>
#include <sys/stat.h>

namespace marrowick {

namespace {

QString ErrnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

// Gives name hidden random values beside the destination until create()
// takes one. False (errno set) when create() fails otherwise, or every name
// tried was taken; name is empty then.
bool SafeWriter::TempName(QByteArray& name, const std::function<bool(const char*)>& create)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        const quint64 random = QRandomGenerator::system()->generate64();
        name = ".marrowick-" + QByteArray::number(random, 16) + ".tmp";
        if (create(name.constData()))
            return true;
        if (errno != EEXIST)
            break;
    }
    const int error = errno;
    name.clear();
    errno = error;
    return false;
}

bool SafeWriter::openTemp(int dirFd, QString* reason)
{
    // An unnamed file first: it gets a name only once it is whole, and a run
    // that dies leaves nothing behind. Where the file system has none, a
    // hidden named one beside the destination.
    if (m_unnamedTemps) {
        m_tempFd = ::openat(dirFd, ".", O_WRONLY | O_TMPFILE | O_CLOEXEC, 0600);
        if (m_tempFd >= 0)
            return true;
    }
    return openNamedTemp(dirFd, reason);
}

bool SafeWriter::openNamedTemp(int dirFd, QString* reason)
{
    const bool created = TempName(m_tempName, [&](const char* name) {
        m_tempFd = ::openat(dirFd, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        return m_tempFd >= 0;
    });
    if (!created) {
        const QString why = ErrnoText(errno);
        *reason = tr("Cannot create a file: %1").arg(why);
    }
    return created;
}

// Gives the unnamed file the entry's name. A link never replaces anything:
// when the name is taken (by a file the caller asked about first, or by a
// folder) the file gets a hidden temporary name instead, for
// replaceWithTemp().
bool SafeWriter::linkUnnamed(const QByteArray& last, QString* reason)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_tempFd);
    if (::linkat(AT_FDCWD, self.constData(), m_dirFd, last.constData(), AT_SYMLINK_FOLLOW) == 0)
        return true;
    const bool linkedAside = errno == EEXIST && TempName(m_tempName, [&](const char* name) {
        return ::linkat(AT_FDCWD, self.constData(), m_dirFd, name, AT_SYMLINK_FOLLOW) == 0;
    });
    if (!linkedAside) {
        const QString why = ErrnoText(errno);
        *reason = tr("Cannot write: %1").arg(why);
    }
    return false;
}

// Moves the named temporary file onto the entry's name.
// A file that replaces another must be on disk before the rename, so that a
// power cut leaves the old one or the new one; flushing each of them would
// cost a journal commit per file, so they wait here, whole under hidden
// names, and go in place together after one flush of the file system. A new
// file needs no flush.
void SafeWriter::queueReplacement(const QByteArray& last, Written written)
{
    constexpr std::size_t MaxFiles = 65536;
    constexpr std::uint64_t MaxBytes = 256ull << 20;
    m_replacements.push_back({m_entry.name, m_dirParts, last, m_tempName, written});
    m_tempName.clear();
    m_replacedBytes += m_written;
    if (m_replacements.size() >= MaxFiles || m_replacedBytes >= MaxBytes)
        flushReplacements();
}

void SafeWriter::flushReplacements()
{
    if (m_replacements.empty())
        return;
    ::syncfs(m_rootFd);
    replaceStep("synced");
    int dirFd = -1;
    const QStringList* dirParts = nullptr;
    for (const Replacement& file : m_replacements) {
        QString reason;
        if (!dirParts || *dirParts != file.folder) {
            if (dirFd >= 0)
                ::close(dirFd);
            dirFd = openFolder(file.folder, false, &reason);
            dirParts = &file.folder;
        }
        replaceStep("replacing");
        struct stat st = {};
        if (dirFd < 0) {
            refuse(file.name, reason);
            continue;
        }
        if (::fstatat(dirFd, file.last.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISDIR(st.st_mode)) {
            reason = tr("A folder of that name exists");
        } else if (::renameat(dirFd, file.temp.constData(), dirFd, file.last.constData()) != 0) {
            const QString why = ErrnoText(errno);
            reason = tr("Cannot write: %1").arg(why);
        }
        if (reason.isEmpty()) {
            m_writtenFiles[file.name] = file.written;
        } else {
            refuse(file.name, reason);
            ::unlinkat(dirFd, file.temp.constData(), 0);
        }
    }
    if (dirFd >= 0)
        ::close(dirFd);
    // The new names themselves survive a power cut only with their folders.
    ::syncfs(m_rootFd);
    replaceStep("replaced");
    m_replacements.clear();
    m_replacedBytes = 0;
}

bool SafeWriter::replaceWithTemp(const QByteArray& last, bool replacing, QString* reason)
{
    struct stat st = {};
    if (::fstatat(m_dirFd, last.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode)) {
        *reason = tr("A folder of that name exists");
        return false;
    }
    if (replacing)
        replaceStep("replacing");
    if (::renameat(m_dirFd, m_tempName.constData(), m_dirFd, last.constData()) != 0) {
        const QString why = ErrnoText(errno);
        *reason = tr("Cannot write: %1").arg(why);
        return false;
    }
    if (replacing)
        syncFolder(m_dirFd);
    return true;
}

// The new name itself survives a power cut only with its folder. The file is
// in place whatever this says.
void SafeWriter::syncFolder(int dirFd) const
{
    ::fsync(dirFd);
    replaceStep("replaced");
}

void SafeWriter::replaceStep(const char* step) const
{
    if (m_options.onReplaceStep)
        m_options.onReplaceStep(step);
}

void SafeWriter::discardTemp()
{
    if (m_tempFd >= 0)
        ::close(m_tempFd);
    m_tempFd = -1;
    if (!m_tempName.isEmpty() && m_dirFd >= 0)
        ::unlinkat(m_dirFd, m_tempName.constData(), 0);
    m_tempName.clear();
}

} // namespace marrowick
