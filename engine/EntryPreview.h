#pragma once

// One entry's data, read from the archive into memory and never written to
// disk: what the preview pane shows and what `marrowick-cli cat` streams.
// The library runs in the reader as for every other run; the data comes back
// as the reader decodes it and is handed to a sink, which may stop it early.

#include <QByteArray>
#include <QString>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace marrowick {

struct UnrarApi;

struct EntryDataRequest
{
    QString archivePath;
    QString entryName;           // as listed, with "/" separators
    QString password;            // empty: none known (yet)
    const UnrarApi* api = nullptr; // nullptr: the installed library
};

struct EntryDataResult
{
    enum class Status {
        Complete,      // every byte of the entry, its checksum good
        Stopped,       // the sink or the limit ended it before the entry's end
        Cancelled,     // cancel was set
        NeedPassword,  // encrypted and no password given
        WrongPassword, // the password given does not open it
        NotFound,      // no entry of that name (or it is a folder)
        Failed,        // the archive or the entry is damaged: message says how
    };
    Status status = Status::Failed;
    std::uint64_t entrySize = 0; // the entry's unpacked size as stored
    std::uint64_t delivered = 0; // bytes handed to the sink
    QString message;             // for the user, when status is Failed
};

// Takes the next bytes of the entry; false: enough, stop the reader.
using EntryDataSink = std::function<bool(const char* data, std::size_t size)>;
// The bytes decoded so far against the run's total: in a solid archive the
// entries before the wanted one are decoded too.
using EntryDataProgress = std::function<void(std::uint64_t done, std::uint64_t total)>;

// Blocks until the entry is read, stopped, cancelled or failed. Callable from
// any thread; asks nobody anything (a missing password is a status). cancel is
// looked at between the reader's frames.
EntryDataResult StreamEntry(const EntryDataRequest& request, const EntryDataSink& sink,
                            const std::atomic<bool>& cancel,
                            const EntryDataProgress& progress = {});

// StreamEntry into a buffer of at most limit bytes (Stopped past it; an
// entry of exactly limit bytes is Complete). delivered: the bytes kept.
EntryDataResult ReadEntryIntoMemory(const EntryDataRequest& request, qsizetype limit,
                                    QByteArray& data, const std::atomic<bool>& cancel,
                                    const EntryDataProgress& progress = {});

} // namespace marrowick
