#pragma once

// The library's records and constants only; its functions are reached through
// UnrarApi so that the program starts (and can say what is wrong) even where
// libunrar is missing.
#ifndef _UNIX
#define _UNIX
#endif
#include <unrar/dll.hpp>
// dll.hpp spells its types as macros (HANDLE, UINT...), which would rewrite
// Qt's own declarations of the same names; keep them as types instead.
#undef HANDLE
#undef LONG
#undef LPARAM
#undef UINT
#undef CALLBACK
#undef PASCAL

#include <cstdint>

class QString;

namespace marrowick {

using RarHandle = void*;
using RarLParam = long;
using RarUInt = unsigned int;

// Error numbers raised by the loader (as ComponentError).
enum : std::int32_t {
    UNRAR_ERROR_LOAD = 48,     // "Error in loading DLL": libunrar.so.5 cannot be loaded
    UNRAR_ERROR_SYMBOL = 453,  // "Specified DLL function not found": a function is missing
};

// What the reader process adds to the library's callback messages: the
// program's callback answers them as it answers the library's own.
enum : unsigned int {
    UCM_READER_IDLE = 0x4D520001, // waiting: let events run; -1 to cancel the run
    UCM_READER_PLAN,              // the operation for every entry (RAR_EXTRACT: every entry's
                                  // bytes, some may still be skipped), or -1: one by one
    UCM_READER_WANTBYTES,         // 1 when the entry's data is needed, 0 when only its size
    UCM_READER_FAILED,            // P1: const QString*, why the reader failed
    UCM_READER_SELECTION,         // P1: std::vector<std::u32string>*, filled with the names
                                  // a planned run takes (none: every entry)
    UCM_READER_READERS,           // how many readers may share a planned run
};

// Results the reader adds to the library's.
enum : int {
    ERAR_READER_FAILED = 0x4D52,  // the reader crashed or broke the protocol
    ERAR_READER_CANCELLED,        // the user cancelled while the reader worked
    ERAR_ARCHIVE_CUT,             // the library saw the end, but the archive stops early
    ERAR_BEGINS_EARLIER,          // an entry continued from a volume before the run's first
};

// Every function of the UnRAR library the engine calls. Tests give the engine
// a table of their own; the program uses InstalledUnrar(), whose functions run
// the library in the reader process.
struct UnrarApi
{
    RarHandle (*RAROpenArchiveEx)(RAROpenArchiveDataEx* archiveData) = nullptr;
    int (*RARCloseArchive)(RarHandle archive) = nullptr;
    int (*RARReadHeaderEx)(RarHandle archive, RARHeaderDataEx* headerData) = nullptr;
    int (*RARProcessFileW)(RarHandle archive, int operation, wchar_t* destPath,
                           wchar_t* destName) = nullptr;
    void (*RARSetCallback)(RarHandle archive, UNRARCALLBACK callback, RarLParam userData) = nullptr;
    void (*RARSetPassword)(RarHandle archive, char* password) = nullptr;
    int (*RARGetDllVersion)() = nullptr;
};

// Loads the named library into this process and resolves every function of
// UnrarApi, or throws ComponentError (UNRAR_ERROR_LOAD or UNRAR_ERROR_SYMBOL).
// The library stays loaded for the life of the process.
UnrarApi LoadUnrar(const char* fileName);

// The system's libunrar.so.5 as the reader process runs it: every archive
// handle is a reader of its own. The first call starts one reader to check
// that the library loads there, and throws ComponentError when it does not
// (or when the reader cannot be started); a later call tries again.
const UnrarApi& InstalledUnrar();

// For the fuzzing of the frames only: the program started as the reader from
// now on (empty: marrowick-reader).
void UseReaderProgram(const QString& path);

} // namespace marrowick
