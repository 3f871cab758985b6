#pragma once

#include "engine/UnrarLibrary.h"

#include <cstdint>
#include <string>

namespace marrowick {

// Loads the named library into this process and resolves every function of
// UnrarApi. Returns an empty text on success; otherwise what went wrong, with
// code set to UNRAR_ERROR_LOAD or UNRAR_ERROR_SYMBOL. Plain C++: the reader
// process, which links no Qt, loads the library through this.
std::string OpenUnrar(const char* fileName, UnrarApi& api, std::uint32_t& code);

// How those texts begin: "<load> <file> (<reason>)" and "<symbol> <function>
// in <file>". The engine knows them again by these, to show them translated.
inline constexpr char kUnrarLoadFailed[] = "Error in loading DLL: ";
inline constexpr char kUnrarSymbolMissing[] = "Specified DLL function not found: ";
inline constexpr char kUnrarUnknownReason[] = "unknown reason";

} // namespace marrowick
