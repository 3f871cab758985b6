#include "engine/SafeWriter.h"

#include "engine/FreeSpace.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace marrowick {

namespace {

constexpr mode_t PlainFileMode = 0644;
constexpr mode_t ExecutableFileMode = 0755;
constexpr mode_t FolderMode = 0755;
// Folders stay private while the run fills them; they get FolderMode after.
constexpr mode_t FolderModeDuringRun = 0700;
// Seconds between 1601-01-01 and 1970-01-01.
constexpr std::int64_t FileTimeEpochOffset = 11644473600LL;
// How much an entry of unknown size may write between two looks at the free
// space left.
constexpr std::uint64_t SpaceCheckInterval = 16ull << 20;

// A FILETIME as a file time. Its top bit set is no reason to refuse the
// entry: the value is taken as unsigned and clamped to the year 9999 (which
// the file system clamps again to what it can store).
timespec FileTimeToTimespec(std::uint64_t ticks)
{
    timespec time = {};
    // 9999-12-31 23:59:59 at most.
    constexpr std::int64_t LatestSecond = 253402300799LL;
    const std::int64_t seconds = static_cast<std::int64_t>(ticks / 10000000) - FileTimeEpochOffset;
    time.tv_sec = static_cast<time_t>(std::min(seconds, LatestSecond));
    time.tv_nsec = static_cast<long>(ticks % 10000000) * 100;
    return time;
}

QString ErrnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

void CloseFd(int& fd)
{
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

// The reason a path part could not be opened as a folder.
QString FolderPartReason(int parentFd, const QByteArray& part, int error)
{
    struct stat st = {};
    if (::fstatat(parentFd, part.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISLNK(st.st_mode))
            return QCoreApplication::translate("SafeWriter",
                                               "A folder on its path is a symbolic link");
        if (!S_ISDIR(st.st_mode))
            return QCoreApplication::translate("SafeWriter", "A folder on its path is a file");
    }
    //: %1 is the system's reason
    return QCoreApplication::translate("SafeWriter", "Cannot open a folder on its path: %1")
        .arg(ErrnoText(error));
}

// The process's umask. Reading it with umask() means setting it for a
// moment, which races with any other thread creating files, so the kernel's
// report is asked first.
mode_t CurrentUmask()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
            if (line.startsWith("Umask:")) {
                bool ok = false;
                const uint mask = line.mid(6).trimmed().toUInt(&ok, 8);
                if (ok)
                    return mode_t(mask & 0777);
            }
        }
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

} // namespace

SafeWriter::SafeWriter(const QString& extractFolder, WriterOptions options)
    : m_options(std::move(options))
{
    m_umask = CurrentUmask();
    m_unnamedTemps = m_options.unnamedTemps && ::access("/proc/self/fd", X_OK) == 0;

    const QString folder = extractFolder.isEmpty() ? QDir::currentPath() : extractFolder;
    QDir().mkpath(folder);
    // The root is resolved once, so a symlink chosen as the destination is
    // followed to its folder but never itself replaced.
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty())
        return;
    m_rootFd = ::open(QFile::encodeName(canonical).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_rootFd >= 0)
        m_root = canonical;
}

SafeWriter::~SafeWriter()
{
    abortEntry();
    // Nothing to do when the caller already finished the run.
    finishRun();
    CloseFd(m_dirFd);
    CloseFd(m_rootFd);
}

void SafeWriter::refuse(const QString& name, const QString& reason)
{
    m_refusals.push_back({name, reason});
}

int SafeWriter::openFolder(const QStringList& parts, bool create, QString* reason)
{
    int fd = ::dup(m_rootFd);
    if (fd < 0) {
        if (reason)
            *reason = ErrnoText(errno);
        return -1;
    }
    constexpr int Flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QByteArray part = QFile::encodeName(parts[i]);
        int next = ::openat(fd, part.constData(), Flags);
        if (next < 0 && errno == ENOENT && create) {
            if (::mkdirat(fd, part.constData(), FolderModeDuringRun) == 0)
                m_createdFolders.push_back(parts.mid(0, i + 1));
            next = ::openat(fd, part.constData(), Flags);
            // A umask such as 0277 would leave the new folder unwritable
            // for the rest of the run.
            if (next >= 0 && !m_createdFolders.empty() && m_createdFolders.back().size() == i + 1)
                ::fchmod(next, FolderModeDuringRun);
        }
        if (next < 0) {
            if (reason)
                *reason = FolderPartReason(fd, part, errno);
            ::close(fd);
            return -1;
        }
        ::close(fd);
        fd = next;
    }
    return fd;
}

bool SafeWriter::DestinationExists(const QString& name) const
{
    if (m_rootFd < 0 || ValidateEntryName(name))
        return false;
    QStringList parts = name.split(QLatin1Char('/'));
    const QByteArray last = QFile::encodeName(parts.takeLast());
    // A lookup never creates anything, so the const_cast is only about the
    // shared walk.
    const int dirFd = const_cast<SafeWriter*>(this)->openFolder(parts, false, nullptr);
    if (dirFd < 0)
        return false;
    struct stat st = {};
    const bool exists = ::fstatat(dirFd, last.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0;
    ::close(dirFd);
    return exists;
}

bool SafeWriter::beginEntry(const EntryHeader& header)
{
    abortEntry();
    m_entry = header;
    m_written = 0;
    m_sinceSpaceCheck = 0;
    m_failed = false;

    if (m_rootFd < 0) {
        refuse(header.name, tr("The destination folder cannot be opened"));
        return false;
    }
    if (auto refusal = ValidateEntryName(header.name)) {
        refuse(header.name, refusal->reason);
        return false;
    }
    if (auto refusal = m_options.links ? RefuseDevice(header) : RefuseLinkOrDevice(header)) {
        refuse(header.name, refusal->reason);
        return false;
    }
    m_parts = header.name.split(QLatin1Char('/'));

    QString reason;
    if (IsSymbolicLink(header) || header.redirType == EntryHeader::RedirHardLink) {
        if (!beginLink(&reason)) {
            refuse(header.name, reason);
            return false;
        }
        m_active = true;
        return true;
    }
    if (header.isFolder) {
        const int fd = openFolder(m_parts, true, &reason);
        if (fd < 0) {
            refuse(header.name, reason);
            return false;
        }
        ::close(fd);
        m_active = true;
        return true;
    }

    if (header.redirType == EntryHeader::RedirFileCopy) {
        // Only a file this run wrote may be copied: anything else could be a
        // file of the user's, inside or outside the destination.
        m_copySourceFd = openWrittenFile(header.redirName);
        if (m_copySourceFd < 0) {
            refuse(header.name, tr("Copy of a file not extracted in this run"));
            return false;
        }
    }

    if (!openFolderOfEntry(&reason) || !openTemp(m_dirFd, &reason)) {
        CloseFd(m_copySourceFd);
        refuse(header.name, reason);
        return false;
    }
    m_active = true;
    return true;
}

bool SafeWriter::openFolderOfEntry(QString* reason)
{
    // Entries of one folder mostly come together; keeping its descriptor
    // saves walking the whole path again for each of them.
    const QStringList folder = m_parts.mid(0, m_parts.size() - 1);
    if (m_dirFd < 0 || folder != m_dirParts) {
        CloseFd(m_dirFd);
        m_dirParts = folder;
        m_dirFd = openFolder(folder, true, reason);
    }
    return m_dirFd >= 0;
}

int SafeWriter::openWrittenFile(const QString& name)
{
    // A file replaced earlier in the run is at its name only once flushed.
    flushReplacements();
    const auto written = m_writtenFiles.find(name);
    if (ValidateEntryName(name) || written == m_writtenFiles.end())
        return -1;
    QStringList parts = name.split(QLatin1Char('/'));
    const QByteArray last = QFile::encodeName(parts.takeLast());
    const int dirFd = openFolder(parts, false, nullptr);
    if (dirFd < 0)
        return -1;
    int fd = ::openat(dirFd, last.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    ::close(dirFd);
    struct stat st = {};
    // The same file as written, not whatever took its name since.
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
                    st.st_dev != written->second.dev || st.st_ino != written->second.ino))
        CloseFd(fd);
    return fd;
}

bool SafeWriter::write(const void* data, std::size_t size)
{
    if (!m_active || m_failed)
        return !m_failed;
    // Folders and copies carry no data of their own.
    if (m_tempFd < 0 || m_copySourceFd >= 0)
        return true;
    if (m_entry.unpSize != EntryHeader::UnknownSize && size > m_entry.unpSize - m_written) {
        m_failed = true;
        refuse(m_entry.name, tr("More data than its stated size"));
        return false;
    }
    if (m_entry.unpSize == EntryHeader::UnknownSize && !roomForUnknownSize(size))
        return false;
    const char* bytes = static_cast<const char*>(data);
    std::size_t left = size;
    while (left > 0) {
        const ssize_t done = ::write(m_tempFd, bytes, left);
        if (done < 0) {
            if (errno == EINTR)
                continue;
            m_failed = true;
            const QString why = ErrnoText(errno);
            refuse(m_entry.name, tr("Cannot write: %1").arg(why));
            return false;
        }
        bytes += done;
        left -= static_cast<std::size_t>(done);
    }
    m_written += size;
    return true;
}

// Nothing bounds an entry whose header gives no size, so it is watched as it
// grows: it stops while a reserve is still free, before the disk is full for
// every other program too.
bool SafeWriter::roomForUnknownSize(std::size_t size)
{
    if (m_written != 0 && m_sinceSpaceCheck + size < SpaceCheckInterval) {
        m_sinceSpaceCheck += size;
        return true;
    }
    m_sinceSpaceCheck = 0;
    const std::optional<std::uint64_t> free = FreeSpaceAt(m_root);
    if (!free || *free >= FreeSpaceReserve + SpaceCheckInterval + size)
        return true;
    m_failed = true;
    refuse(m_entry.name, tr("Not enough disk space (its size is not stated)"));
    return false;
}

bool SafeWriter::copyInto(int sourceFd)
{
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(sourceFd, buffer, sizeof buffer);
        if (got == 0)
            return true;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const QString why = ErrnoText(errno);
            refuse(m_entry.name, tr("Cannot read: %1").arg(why));
            m_failed = true;
            return false;
        }
        if (!write(buffer, static_cast<std::size_t>(got)))
            return false;
    }
}

bool SafeWriter::finishEntry(int processResult)
{
    if (!m_active)
        return false;
    if (m_entry.isFolder) {
        m_active = false;
        return processResult == 0;
    }
    if (processResult != 0 || m_failed) {
        abortEntry();
        return false;
    }
    if (IsSymbolicLink(m_entry)) {
        m_pendingLinks.push_back({m_entry.name, m_entry.redirName});
        m_active = false;
        return true;
    }
    if (m_entry.redirType == EntryHeader::RedirHardLink)
        return commitHardLink();
    if (m_copySourceFd >= 0) {
        const int source = m_copySourceFd;
        m_copySourceFd = -1; // lets write() take the copied bytes
        const bool copied = copyInto(source);
        ::close(source);
        if (!copied) {
            abortEntry();
            return false;
        }
    }
    return commitFile();
}

bool SafeWriter::commitFile()
{
    const bool executable = m_entry.hostOS == EntryHeader::HostUnix && (m_entry.fileAttr & 0111);
    const mode_t mode = (executable ? ExecutableFileMode : PlainFileMode) & ~m_umask;
    int error = 0;
    auto step = [&error](bool ok) {
        if (!ok && error == 0)
            error = errno;
    };
    step(::fchmod(m_tempFd, mode) == 0);
    if (m_entry.mtime != 0) {
        timespec times[2];
        times[0].tv_sec = 0;
        times[0].tv_nsec = UTIME_OMIT;
        times[1] = FileTimeToTimespec(m_entry.mtime);
        step(::futimens(m_tempFd, times) == 0);
    }
    struct stat st = {};
    step(::fstat(m_tempFd, &st) == 0);
    const QByteArray last = QFile::encodeName(m_parts.last());
    QString reason;
    bool placed = false;
    // The unnamed file needs its descriptor to get a name.
    if (error == 0 && m_tempName.isEmpty())
        placed = linkUnnamed(last, &reason);
    struct stat old = {};
    const bool replacing = error == 0 && !placed && reason.isEmpty() &&
                           ::fstatat(m_dirFd, last.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (replacing && S_ISDIR(old.st_mode))
        reason = tr("A folder of that name exists");
    // close() is where some file systems report a failed write.
    step(::close(m_tempFd) == 0);
    m_tempFd = -1;
    if (error == 0 && replacing && reason.isEmpty()) {
        // Put in place with others, once they are all on disk.
        queueReplacement(last, Written{st.st_dev, st.st_ino});
        m_active = false;
        return true;
    }
    if (error == 0 && !placed && reason.isEmpty())
        placed = replaceWithTemp(last, false, &reason);
    if (placed && error != 0)
        ::unlinkat(m_dirFd, last.constData(), 0);
    if (!placed || error != 0) {
        refuse(m_entry.name,
               reason.isEmpty() ? tr("Cannot write: %1").arg(ErrnoText(error)) : reason);
        abortEntry();
        return false;
    }
    m_tempName.clear();
    m_writtenFiles[m_entry.name] = Written{st.st_dev, st.st_ino};
    m_active = false;
    return true;
}

void SafeWriter::abortEntry()
{
    discardTemp();
    CloseFd(m_copySourceFd);
    m_active = false;
}

void SafeWriter::finishRun()
{
    flushReplacements();
    makeSymbolicLinks();
    std::stable_sort(
        m_createdFolders.begin(), m_createdFolders.end(),
        [](const QStringList& a, const QStringList& b) { return a.size() > b.size(); });
    for (const QStringList& parts : m_createdFolders) {
        const int fd = openFolder(parts, false, nullptr);
        if (fd >= 0) {
            ::fchmod(fd, FolderMode & ~m_umask);
            ::close(fd);
        }
    }
    m_createdFolders.clear();
}

} // namespace marrowick
