#include "UnrarTestWalk.h"

#include <QFile>

#define _UNIX
#include <unrar/dll.hpp>

#include <cstring>
#include <cwchar>

namespace marrowick::test {

namespace {

struct CallbackState
{
    SafeWriter* writer = nullptr;
    std::wstring password;
    int chunksLeft = -1;
    bool cancelled = false;
};

int CALLBACK Callback(UINT message, LPARAM userData, LPARAM p1, LPARAM p2)
{
    auto* state = reinterpret_cast<CallbackState*>(userData);
    switch (message) {
    case UCM_PROCESSDATA:
        if (!state->writer->write(reinterpret_cast<const void*>(p1), static_cast<std::size_t>(p2)))
            return -1;
        if (state->chunksLeft >= 0 && state->chunksLeft-- == 0) {
            state->cancelled = true;
            return -1;
        }
        return 1;
    case UCM_NEEDPASSWORDW: {
        if (state->password.empty())
            return -1;
        auto* buffer = reinterpret_cast<wchar_t*>(p1);
        std::wcsncpy(buffer, state->password.c_str(), static_cast<std::size_t>(p2));
        buffer[p2 - 1] = L'\0';
        return 1;
    }
    default:
        return -1;
    }
}

} // namespace

WalkResult ExtractWithWriter(const QString& archive, SafeWriter& writer, const WalkOptions& options)
{
    WalkResult result;
    CallbackState state;
    state.writer = &writer;
    state.password = options.password.toStdWString();
    state.chunksLeft = options.cancelAfterChunks;

    QByteArray name = QFile::encodeName(archive);
    RAROpenArchiveDataEx open{};
    open.ArcName = name.data();
    open.OpenMode = RAR_OM_EXTRACT;
    open.Callback = Callback;
    open.UserData = reinterpret_cast<LPARAM>(&state);
    HANDLE handle = RAROpenArchiveEx(&open);
    if (handle == nullptr || open.OpenResult != 0)
        return result;
    result.opened = true;
    QByteArray password = options.password.toUtf8();
    if (!password.isEmpty())
        RARSetPassword(handle, password.data());

    static RARHeaderDataEx header;
    wchar_t redirName[1024];
    for (;;) {
        std::memset(&header, 0, sizeof header);
        header.RedirName = redirName;
        header.RedirNameSize = std::size(redirName);
        result.headerResult = RARReadHeaderEx(handle, &header);
        if (result.headerResult != 0)
            break;
        if (!writer.beginEntry(EntryHeaderFrom(header))) {
            RARProcessFileW(handle, RAR_SKIP, nullptr, nullptr);
            continue;
        }
        const int processed = RARProcessFileW(handle, RAR_TEST, nullptr, nullptr);
        result.processResults.push_back(processed);
        if (state.cancelled) {
            writer.abortEntry();
            result.cancelled = true;
            break;
        }
        writer.finishEntry(processed);
    }
    RARCloseArchive(handle);
    return result;
}

} // namespace marrowick::test
