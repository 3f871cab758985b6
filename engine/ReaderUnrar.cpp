// The UnRAR library as the engine sees it, run in marrowick-reader. Each
// archive handle is a reader process of its own (ReaderSession), or several
// sharing a run (ReaderGroup); the functions below have the library's shapes
// and hand each call to it.
#include "engine/UnrarLibrary.h"

#include "engine/ComponentError.h"
#include "engine/ReaderGroup.h"

#include <atomic>
#include <memory>
#include <mutex>

namespace marrowick {

namespace {

ReaderGroup* Session(RarHandle handle)
{
    return static_cast<ReaderGroup*>(handle);
}

// The reader started to check the library serves the first archive opened:
// a short run (a command-line listing) starts one process, not two.
std::mutex g_spareGuard;
std::unique_ptr<ReaderSession> g_spare;

RarHandle OpenArchive(RAROpenArchiveDataEx* data)
{
    std::unique_ptr<ReaderSession> session;
    {
        const std::lock_guard lock(g_spareGuard);
        session = std::move(g_spare);
    }
    if (session)
        session->setCallback(data->Callback, data->UserData);
    else
        session = std::make_unique<ReaderSession>(data->Callback, data->UserData);
    auto group = std::make_unique<ReaderGroup>(std::move(session));
    if (!group->open(data))
        return nullptr;
    return group.release();
}

int CloseArchive(RarHandle handle)
{
    delete Session(handle);
    return ERAR_SUCCESS;
}

int ReadHeader(RarHandle handle, RARHeaderDataEx* header)
{
    return Session(handle)->readHeader(header);
}

int ProcessFile(RarHandle handle, int operation, wchar_t* destPath, wchar_t* destName)
{
    // The reader never writes: a destination would mean the library does.
    if (destPath || destName || operation == RAR_EXTRACT)
        return ERAR_ECREATE;
    return Session(handle)->processFile(operation);
}

void SetCallback(RarHandle handle, UNRARCALLBACK callback, RarLParam userData)
{
    Session(handle)->setCallback(callback, userData);
}

void SetPassword(RarHandle handle, char* password)
{
    Session(handle)->setPassword(password);
}

std::atomic<int> g_version{0};

int DllVersion()
{
    return g_version.load();
}

} // namespace

const UnrarApi& InstalledUnrar()
{
    static std::mutex guard;
    static UnrarApi installed;
    static bool checked = false;

    const std::lock_guard lock(guard);
    if (!checked) {
        auto probe = std::make_unique<ReaderSession>(nullptr, 0);
        QString error;
        std::uint32_t code = 0;
        const QString source = ErrorSource(QStringLiteral("modRAR"));
        if (!probe->start(error))
            throw ComponentError(UNRAR_ERROR_LOAD, source, error);
        const int version = probe->hello(code, error, std::chrono::seconds(20));
        if (version <= 0)
            throw ComponentError(code ? static_cast<std::int32_t>(code) : UNRAR_ERROR_LOAD, source,
                                 UnrarLoadErrorText(error));
        g_version = version;
        installed.RAROpenArchiveEx = &OpenArchive;
        installed.RARCloseArchive = &CloseArchive;
        installed.RARReadHeaderEx = &ReadHeader;
        installed.RARProcessFileW = &ProcessFile;
        installed.RARSetCallback = &SetCallback;
        installed.RARSetPassword = &SetPassword;
        installed.RARGetDllVersion = &DllVersion;
        checked = true;
        const std::lock_guard spareLock(g_spareGuard);
        g_spare = std::move(probe);
    }
    return installed;
}

} // namespace marrowick
