#include "engine/UnrarSymbols.h"

#include <dlfcn.h>

namespace marrowick {

namespace {

template <typename Function>
bool Resolve(void* library, const char* symbol, Function& target, std::string& error)
{
    void* address = dlsym(library, symbol);
    if (!address && error.empty())
        error = symbol;
    target = reinterpret_cast<Function>(address);
    return address != nullptr;
}

} // namespace

std::string OpenUnrar(const char* fileName, UnrarApi& api, std::uint32_t& code)
{
    // RTLD_NOW: a library that lacks a dependency fails here, not in the
    // middle of a run.
    void* library = dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* reason = dlerror();
        code = UNRAR_ERROR_LOAD;
        return std::string(kUnrarLoadFailed) + fileName + " (" +
               (reason ? reason : kUnrarUnknownReason) + ")";
    }
    std::string missing;
    Resolve(library, "RAROpenArchiveEx", api.RAROpenArchiveEx, missing);
    Resolve(library, "RARCloseArchive", api.RARCloseArchive, missing);
    Resolve(library, "RARReadHeaderEx", api.RARReadHeaderEx, missing);
    Resolve(library, "RARProcessFileW", api.RARProcessFileW, missing);
    Resolve(library, "RARSetCallback", api.RARSetCallback, missing);
    Resolve(library, "RARSetPassword", api.RARSetPassword, missing);
    Resolve(library, "RARGetDllVersion", api.RARGetDllVersion, missing);
    if (missing.empty())
        return std::string();
    dlclose(library);
    api = UnrarApi();
    code = UNRAR_ERROR_SYMBOL;
    return kUnrarSymbolMissing + missing + " in " + fileName;
}

} // namespace marrowick
