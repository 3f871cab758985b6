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

namespace marrowick {

using RarHandle = void*;
using RarLParam = long;
using RarUInt = unsigned int;

// Error numbers raised by the loader (as ComponentError).
enum : std::int32_t {
    UNRAR_ERROR_LOAD = 48,     // "Error in loading DLL": libunrar.so.5 cannot be loaded
    UNRAR_ERROR_SYMBOL = 453,  // "Specified DLL function not found": a function is missing
};

// Every function of the UnRAR library the engine calls. Tests give the engine
// a table of their own; the program uses InstalledUnrar().
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

// Loads the named library and resolves every function of UnrarApi, or throws
// ComponentError (UNRAR_ERROR_LOAD or UNRAR_ERROR_SYMBOL). The library stays
// loaded for the life of the process.
UnrarApi LoadUnrar(const char* fileName);

// The system's libunrar.so.5, loaded on first use and kept. Throws
// ComponentError when it cannot be loaded; a later call tries again.
const UnrarApi& InstalledUnrar();

} // namespace marrowick
