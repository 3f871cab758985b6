#include "engine/UnrarLibrary.h"

#include "engine/ComponentError.h"

#include <QString>

#include <dlfcn.h>

#include <mutex>

namespace marrowick {

namespace {

const QString& LoaderSource()
{
    static const QString source = ErrorSource(QStringLiteral("modRAR"));
    return source;
}

template <typename Function>
void Resolve(void* library, const char* fileName, const char* symbol, Function& target)
{
    void* address = dlsym(library, symbol);
    if (!address) {
        throw ComponentError(UNRAR_ERROR_SYMBOL, LoaderSource(),
                             QStringLiteral("Specified DLL function not found: %1 in %2")
                                 .arg(QLatin1String(symbol), QString::fromLocal8Bit(fileName)));
    }
    target = reinterpret_cast<Function>(address);
}

} // namespace

UnrarApi LoadUnrar(const char* fileName)
{
    // RTLD_NOW: a library that lacks a dependency fails here, not in the
    // middle of a run.
    void* library = dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* reason = dlerror();
        throw ComponentError(UNRAR_ERROR_LOAD, LoaderSource(),
                             QStringLiteral("Error in loading DLL: %1 (%2)")
                                 .arg(QString::fromLocal8Bit(fileName),
                                      QString::fromLocal8Bit(reason ? reason : "unknown reason")));
    }

    UnrarApi api;
    try {
        Resolve(library, fileName, "RAROpenArchiveEx", api.RAROpenArchiveEx);
        Resolve(library, fileName, "RARCloseArchive", api.RARCloseArchive);
        Resolve(library, fileName, "RARReadHeaderEx", api.RARReadHeaderEx);
        Resolve(library, fileName, "RARProcessFileW", api.RARProcessFileW);
        Resolve(library, fileName, "RARSetCallback", api.RARSetCallback);
        Resolve(library, fileName, "RARSetPassword", api.RARSetPassword);
        Resolve(library, fileName, "RARGetDllVersion", api.RARGetDllVersion);
    } catch (...) {
        dlclose(library);
        throw;
    }
    return api;
}

const UnrarApi& InstalledUnrar()
{
    static std::mutex guard;
    static UnrarApi installed;
    static bool loaded = false;

    const std::lock_guard lock(guard);
    if (!loaded) {
        installed = LoadUnrar("libunrar.so.5");
        loaded = true;
    }
    return installed;
}

} // namespace marrowick
