#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

namespace marrowick {

class IArchiveView;
class IUserPrompts;
struct UnrarApi;

enum : std::int32_t { OP_EXTRACT = 0, OP_TEST = 1, OP_LIST = 2 };

// What extraction does with files that already exist at the destination.
enum class OverwritePolicy {
    Ask,    // one "File(s) Exist, Replace ?" question before anything is written
    Always, // replace without asking
    Never,  // keep every existing file; its entry is skipped and reported
};

// What a run works with besides the archive: the window it fills, the user it
// asks, the library it calls.
struct RunContext
{
    IArchiveView& view;
    IUserPrompts& prompts;
    const UnrarApi* api = nullptr;   // nullptr: the installed library
    QString extractFolder;           // ExtractFolder, where extraction writes
    OverwritePolicy overwrite = OverwritePolicy::Ask;
    // Extract and test: the entries to work on, by their names in the
    // archive; a folder's name takes everything below it. Empty: every entry.
    // A name no entry matched is reported as "No entry named NAME".
    QStringList selection{};
    // Extract: false refuses symbolic and hard links, as "Symbolic link" and
    // "Hard link"; true makes those that stay inside the destination.
    bool links = true;
    // Extract: the top-level entry renameFrom, with everything below it, is
    // written as renameTo (a name free beside the archive). Empty: as stored.
    QString renameFrom{};
    QString renameTo{};
    // Extract and test of a whole archive whose entries stand alone (not
    // solid, not a volume set): how many readers share the work. 0: as the
    // archive's size and the machine's cores make worth it; N: N (at most 4).
    int readers = 0;
    // Set by an extract or test: every entry it worked on passed (the run
    // said "Success" or "No errors found").
    bool passed = false;
};

// What a run leaves for its caller besides the window it filled. Failures
// have been shown already; this only says what the window may show next.
struct RunOutcome
{
    bool opened = false; // the archive opened (a failed open has been reported)
    // A later volume of a set was given and the run went through the whole
    // set from its first volume: "Volume 3 of a set: showing the whole set
    // from name.part01.rar". Empty otherwise.
    QString volumeSet;
    // The library's open flags of the given archive (ROADF_SOLID, ...) and
    // its comment: what the archive's properties are read from.
    std::uint32_t openFlags = 0;
    QString comment;
};

// The one routine that works on an archive: lists (OP_LIST), extracts
// (OP_EXTRACT) or tests (OP_TEST) it. Given a later volume of a set whose
// first volume is beside it, it works on the whole set from the first one.
// Failures are shown to the user through context.prompts; only a library that
// cannot be loaded throws (ComponentError). The password may be replaced by
// what the user types when asked for one.
RunOutcome ProcessArchive(std::int32_t mode, const QString& archivePath, QString& password,
                          RunContext& context);

} // namespace marrowick
