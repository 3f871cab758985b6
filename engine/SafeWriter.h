#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include <sys/types.h>

struct RARHeaderDataEx;

namespace marrowick {

// Why an entry was not written; the text is shown to the user.
struct Refusal
{
    QString reason;
};

struct RefusedEntry
{
    QString name;
    QString reason;
};

// The header fields the writer decides on, copied from the library's record.
struct EntryHeader
{
    // Values of the library's RedirType field.
    enum Redir : std::uint32_t
    {
        RedirNone = 0,
        RedirUnixSymlink = 1,
        RedirWinSymlink = 2,
        RedirJunction = 3,
        RedirHardLink = 4,
        RedirFileCopy = 5,
    };
    // The library's HostOS values: RAR5 archives map to these two as well.
    static constexpr std::uint32_t HostWindows = 2;
    static constexpr std::uint32_t HostUnix = 3;
    // The library's marker for "unpacked size not stored".
    static constexpr std::uint64_t UnknownSize = 0x7fffffff7fffffffULL;

    QString name; // "/" separated, as the library returns it
    bool isFolder = false;
    std::uint32_t hostOS = HostUnix;
    std::uint32_t fileAttr = 0; // Unix mode bits when hostOS is HostUnix
    std::uint32_t redirType = RedirNone;
    QString redirName; // target of a link or file copy
    std::uint64_t unpSize = UnknownSize;
    std::uint64_t mtime = 0; // Windows FILETIME (100 ns since 1601); 0 when unknown
};

// Fills an EntryHeader from the library's header record. The caller points
// RedirName at a buffer (and sets RedirNameSize) before each read; without
// one, file copies cannot name their source and are refused.
EntryHeader EntryHeaderFrom(const RARHeaderDataEx& header);

// Names that must never reach the file system: absolute, "", "." or ".."
// parts, control characters, longer than the platform allows.
std::optional<Refusal> ValidateEntryName(const QString& name);

// Links of every kind, devices, FIFOs and sockets are not extracted.
std::optional<Refusal> RefuseLinkOrDevice(const EntryHeader& header);

// Devices, FIFOs and sockets, junctions and links of unknown kinds are not
// extracted; symbolic links, hard links and file copies go on to their own
// checks.
std::optional<Refusal> RefuseDevice(const EntryHeader& header);

// True for a symbolic link entry: a RAR 5 Unix or Windows link record, or a
// RAR 4 Unix entry with the link mode.
bool IsSymbolicLink(const EntryHeader& header);

// A symbolic link may be made only when its target is relative and, taken
// part by part from the link's own folder, stays inside the destination.
// ".." may only lead the target: after a folder name it would climb out of
// whatever that name turns out to be, a link included. Windows targets use
// "\" between parts and are refused with a drive, a UNC or a device prefix.
std::optional<Refusal> ValidateLinkTarget(const QString& linkName, const QString& target,
                                          bool windows);

// The name with control characters as \xNN / \uNNNN, so a report of it is
// one line that cannot steer a terminal.
QString EscapedName(const QString& name);

// The text of the end-of-run "Error" box: one line per refused entry (names
// escaped), the first 1000 of them, then how many more there were. Empty for
// an empty list.
QString RefusalReport(const std::vector<RefusedEntry>& refused);

// What the writer may do besides writing files.
struct WriterOptions
{
    // False: links of every kind are refused, as "Symbolic link" or "Hard link".
    bool links = true;
    // False: temporary files are always named ones, as on a file system
    // without O_TMPFILE (for tests of that path).
    bool unnamedTemps = true;
    // Steps of replacing existing files, for tests that stop the writer
    // there: "synced" (the new files are on disk), "replacing" (just before a
    // rename), "replaced" (the renames are on disk).
    std::function<void(const char* step)> onReplaceStep;
};

// Writes the entries of one extraction run beneath one destination folder,
// never outside it: folders are walked one part at a time without following
// symlinks, and file data goes to a hidden temporary file that replaces the
// target only once the library has checked the entry.
//
// One extract run:
//   SafeWriter writer(extractFolder);
//   before writing anything, ask "File(s) Exist, Replace ?" once when
//     DestinationExists() is true for any entry that is not a folder;
//   per entry: beginEntry(EntryHeaderFrom(header)); false -> RAR_SKIP;
//     true -> RAR_TEST with UCM_PROCESSDATA going to write() (the callback
//     returns -1 when write() is false), then finishEntry(result);
//     on cancel abortEntry() instead;
//   after the walk: finishRun(), which makes the run's symbolic links; a
//     non-empty refusals() goes to the "Error" box as RefusalReport() and the
//     run does not end in "Success".
//
// Symbolic links are made only after every file of the run is written, so no
// file of the run is ever written through one; the folder walk never follows
// a link. Hard links and file copies take only a file this run wrote. Files
// that replace existing ones are put in place in batches (up to 65536 files
// or 256 MiB, and at the end of the run), after one flush of the file system and
// before another, so that a power cut leaves each old file or its new one.
class SafeWriter final
{
    Q_DECLARE_TR_FUNCTIONS(SafeWriter)

public:
    // extractFolder empty: the current directory. The folder is created
    // when missing and resolved to its canonical path once.
    explicit SafeWriter(const QString& extractFolder, WriterOptions options = {});
    ~SafeWriter();
    SafeWriter(const SafeWriter&) = delete;
    SafeWriter& operator=(const SafeWriter&) = delete;

    // The canonical destination root; empty when it could not be opened.
    const QString& root() const { return m_root; }

    // True when something (of any type, a dangling symlink included) is at
    // the entry's destination. Never follows a symlink on the way.
    bool DestinationExists(const QString& name) const;

    // Prepares one entry. False: the entry is refused (the reason is on the
    // refusal list) and the caller skips it. True: the caller processes it
    // and passes its data to write(), then calls finishEntry().
    bool beginEntry(const EntryHeader& header);
    // Data of the current entry. False when the entry must stop (more data
    // than its stated size, or a write failure); the caller then makes the
    // library abandon the entry.
    bool write(const void* data, std::size_t size);
    // The library's result for the entry: 0 puts the file in place, anything
    // else discards what was written and leaves the destination as it was.
    // False when the entry did not end up written.
    bool finishEntry(int processResult);
    // Cancel during an entry: discards what was written.
    void abortEntry();
    // Puts the files that replace existing ones in place, makes the run's
    // symbolic links, then gives the folders this run created
    // their final modes, deepest first. The destructor does it too, for a run
    // that ends by an exception.
    void finishRun();

    const std::vector<RefusedEntry>& refusals() const { return m_refusals; }

private:
    struct Written
    {
        dev_t dev;
        ino_t ino;
    };

    static bool TempName(QByteArray& name, const std::function<bool(const char*)>& create);
    void refuse(const QString& name, const QString& reason);
    // Opens (creating when asked) the folder of the given parts beneath the
    // root. -1 with a reason when a part is a symlink or not a folder.
    int openFolder(const QStringList& parts, bool create, QString* reason);
    bool openTemp(int dirFd, QString* reason);
    bool openNamedTemp(int dirFd, QString* reason);
    bool linkUnnamed(const QByteArray& last, QString* reason);
    bool replaceWithTemp(const QByteArray& last, bool replacing, QString* reason);
    void replaceStep(const char* step) const;
    void syncFolder(int dirFd) const;
    bool openFolderOfEntry(QString* reason);
    void queueReplacement(const QByteArray& last, Written written);
    void flushReplacements();
    void discardTemp();
    // Links (SafeWriterLinks.cpp).
    bool beginLink(QString* reason);
    int openWrittenFile(const QString& name);
    bool commitHardLink();
    void makeSymbolicLinks();
    bool makeSymbolicLink(const QStringList& parts, const QString& target, QString* reason);
    bool commitFile();
    bool copyInto(int sourceFd);
    bool roomForUnknownSize(std::size_t size);

    struct PendingLink
    {
        QString name;
        QString target;
    };

    WriterOptions m_options;
    QString m_root;
    int m_rootFd = -1;
    mode_t m_umask = 022;
    // Unnamed temporary files get their names through /proc.
    bool m_unnamedTemps = false;

    // The entry in progress.
    EntryHeader m_entry;
    QStringList m_parts;
    // The folder of the latest file entry, kept open for the next ones.
    QStringList m_dirParts;
    int m_dirFd = -1;
    int m_tempFd = -1;
    // Empty while the temporary file has no name.
    QByteArray m_tempName;
    std::uint64_t m_written = 0;
    std::uint64_t m_sinceSpaceCheck = 0;
    bool m_failed = false;
    bool m_active = false;
    // The file a file copy reads, or a hard link names.
    int m_copySourceFd = -1;

    std::vector<QStringList> m_createdFolders;
    std::map<QString, Written> m_writtenFiles;
    // Files that replace existing ones, whole under hidden names, waiting
    // for one flush of the file system before they take their names.
    struct Replacement
    {
        QString name;
        QStringList folder;
        QByteArray last;
        QByteArray temp;
        Written written;
    };
    std::vector<Replacement> m_replacements;
    std::uint64_t m_replacedBytes = 0;
    // Symbolic links of this run, made by finishRun().
    std::vector<PendingLink> m_pendingLinks;
    std::vector<RefusedEntry> m_refusals;
};

} // namespace marrowick
