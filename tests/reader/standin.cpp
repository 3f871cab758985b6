// A stand-in for libunrar.so.5 that misbehaves on purpose, chosen by
// MARROWICK_STANDIN: "segv", "abort" or "hang" while the second entry is
// processed, after some of its data went out; "absurd" for header fields no
// real archive has; "escape" tries what a hijacked library would (write the
// file MARROWICK_STANDIN_TARGET, start a process, make a socket, read
// /etc/passwd) and names its first entry after what worked. Any other value:
// two small entries, then the end.
#define _UNIX
#include <unrar/dll.hpp>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_entry = -1;
UNRARCALLBACK g_callback = nullptr;
LPARAM g_userData = 0;

std::string Mode()
{
    const char* mode = std::getenv("MARROWICK_STANDIN");
    return mode ? mode : "";
}

} // namespace

extern "C" {

HANDLE PASCAL RAROpenArchiveEx(RAROpenArchiveDataEx* data)
{
    static int handle;
    data->OpenResult = ERAR_SUCCESS;
    g_callback = data->Callback;
    g_userData = data->UserData;
    return &handle;
}

int PASCAL RARCloseArchive(HANDLE)
{
    return ERAR_SUCCESS;
}

void TryToEscape(wchar_t* name)
{
    const char* target = std::getenv("MARROWICK_STANDIN_TARGET");
    const bool wrote = open(target ? target : "", O_WRONLY | O_CREAT, 0600) >= 0;
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    const bool socketMade = socket(AF_INET, SOCK_STREAM, 0) >= 0;
    const bool read = open("/etc/passwd", O_RDONLY) >= 0;
    std::swprintf(name, 1024, L"write=%d fork=%d socket=%d read=%d", wrote, child >= 0,
                  socketMade, read);
}

int PASCAL RARReadHeaderEx(HANDLE, RARHeaderDataEx* header)
{
    if (++g_entry >= 2)
        return ERAR_END_ARCHIVE;
    std::wcscpy(header->FileNameW, g_entry == 0 ? L"one.txt" : L"two.txt");
    if (g_entry == 0 && Mode() == "escape")
        TryToEscape(header->FileNameW);
    header->UnpSize = header->PackSize = 6;
    header->HashType = RAR_HASH_CRC32;
    header->FileCRC = 0x363A3020;
    if (Mode() == "absurd") {
        std::wmemset(header->FileNameW, L'A', 1024);
        header->UnpSize = header->UnpSizeHigh = header->PackSizeHigh = 0xFFFFFFFF;
        header->Flags = 0xFFFFFFFF;
        header->RedirType = 77;
        std::wmemset(header->RedirName, L'/', header->RedirNameSize);
    }
    return ERAR_SUCCESS;
}

int PASCAL RARProcessFileW(HANDLE, int operation, wchar_t*, wchar_t*)
{
    if (operation != RAR_TEST)
        return ERAR_SUCCESS;
    static unsigned char hello[] = "hello\n";
    if (g_callback && g_callback(UCM_PROCESSDATA, g_userData, reinterpret_cast<LPARAM>(hello), 6) == -1)
        return ERAR_UNKNOWN;
    if (g_entry == 1) {
        const std::string mode = Mode();
        if (mode == "segv")
            std::raise(SIGSEGV);
        if (mode == "abort")
            std::abort();
        while (mode == "hang")
            pause();
    }
    return ERAR_SUCCESS;
}

void PASCAL RARSetCallback(HANDLE, UNRARCALLBACK callback, LPARAM userData)
{
    g_callback = callback;
    g_userData = userData;
}

void PASCAL RARSetPassword(HANDLE, char*) {}

int PASCAL RARGetDllVersion()
{
    return RAR_DLL_VERSION;
}

} // extern "C"
