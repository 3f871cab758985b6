// A stand-in for libunrar.so.5 that misbehaves on purpose, chosen by
// MARROWICK_STANDIN: "segv", "abort" or "hang" while the second entry is
// processed, after some of its data went out; "absurd" for header fields no
// real archive has; "escape" tries what a hijacked library would (write the
// file MARROWICK_STANDIN_TARGET, start a process, make a socket, read
// /etc/passwd) and names its first entry after what worked; "victim" tries
// every way it knows to reach the process MARROWICK_STANDIN_VICTIM (signals,
// limits, priorities, CPU set, tracing) or the system (IPC objects, other
// ABIs) and names its first entry "escaped:" and what worked. Any other
// value: two small entries, then the end.
#define _UNIX
#include <unrar/dll.hpp>

#include <csetjmp>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

#include <fcntl.h>
#include <linux/perf_event.h>
#include <sched.h>
#include <sys/ipc.h>
#include <sys/msg.h>
#include <sys/ptrace.h>
#include <sys/resource.h>
#include <sys/sem.h>
#include <sys/shm.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/uio.h>
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

namespace {

// What the "victim" escapes aim at and pass to the kernel.
long v = 0;
siginfo_t info{};
cpu_set_t one;
const rlimit tiny{1, 1};
char byte = 0;
iovec here{&byte, 1}, there{&byte, 1};
perf_event_attr perf{};
const sched_param idle{0};
#if defined(__x86_64__)
sigjmp_buf g_faulted;
#endif

long Made(long id, void (*remove)(long))
{
    if (id >= 0)
        remove(id);
    return id;
}

// Each escape is one call; it worked when the call did (-1 is a refusal).
// Harmless to the victim while the sandbox holds, harmful only to it if not.
const struct
{
    const char* what;
    long (*attempt)();
} Escapes[] = {
    {"kill", [] { return syscall(SYS_kill, v, SIGKILL); }},
    {"kill-all", [] { return syscall(SYS_kill, -1, 0); }},
    {"tkill", [] { return syscall(SYS_tkill, v, SIGKILL); }},
    {"tgkill", [] { return syscall(SYS_tgkill, v, v, SIGKILL); }},
    {"sigqueue", [] { return syscall(SYS_rt_sigqueueinfo, v, SIGKILL, &info); }},
    {"tgsigqueue", [] { return syscall(SYS_rt_tgsigqueueinfo, v, v, SIGKILL, &info); }},
    {"pidfd", [] { return syscall(SYS_pidfd_open, v, 0); }},
    {"setown", [] { return syscall(SYS_fcntl, 3, F_SETOWN, v); }},
    {"setsig", [] { return syscall(SYS_fcntl, 3, F_SETSIG, SIGKILL); }},
    {"async", [] { return syscall(SYS_fcntl, 3, F_SETFL, O_ASYNC); }},
    {"prlimit", [] { return syscall(SYS_prlimit64, v, RLIMIT_FSIZE, &tiny, nullptr); }},
    {"setpriority", [] { return syscall(SYS_setpriority, PRIO_PROCESS, v, 19); }},
    {"scheduler", [] { return syscall(SYS_sched_setscheduler, v, SCHED_IDLE, &idle); }},
    {"ioprio", [] { return syscall(SYS_ioprio_set, 1 /* a process */, v, 3 << 13 /* idle */); }},
    {"affinity", [] { return syscall(SYS_sched_setaffinity, v, sizeof one, &one); }},
    // An object made is taken away again (if the sandbox lets it), so that a
    // failing run leaves the system as it was.
    {"shm", [] { return Made(syscall(SYS_shmget, IPC_PRIVATE, 4096, IPC_CREAT | 0600), [](long id) { shmctl(int(id), IPC_RMID, nullptr); }); }},
    {"msg", [] { return Made(syscall(SYS_msgget, IPC_PRIVATE, IPC_CREAT | 0600), [](long id) { msgctl(int(id), IPC_RMID, nullptr); }); }},
    {"sem", [] { return Made(syscall(SYS_semget, IPC_PRIVATE, 1, IPC_CREAT | 0600), [](long id) { semctl(int(id), 0, IPC_RMID); }); }},
    {"mqueue", [] { return Made(syscall(SYS_mq_open, "marrowick-escape", O_CREAT | O_RDWR, 0600, nullptr), [](long) { syscall(SYS_mq_unlink, "marrowick-escape"); }); }},
    {"ptrace", [] { return syscall(SYS_ptrace, PTRACE_SEIZE, v, 0, 0); }},
    {"vm-read", [] { return syscall(SYS_process_vm_readv, v, &here, 1, &there, 1, 0); }},
    {"kcmp", [] { return syscall(SYS_kcmp, v, getpid(), 0 /* same file */, 0, 0); }},
    {"perf", [] { return syscall(SYS_perf_event_open, &perf, v, -1, -1, 0); }},
    {"keyctl", [] { return syscall(SYS_keyctl, 1 /* join a session keyring */, nullptr); }},
    {"userfaultfd", [] { return syscall(SYS_userfaultfd, 0); }},
    {"personality", [] { return syscall(SYS_personality, 0x0400000 /* READ_IMPLIES_EXEC */); }},
    // Unknown here, or the C library would use it and its hidden flags.
    {"clone3", [] { return syscall(SYS_clone3, nullptr, 0) < 0 && errno == ENOSYS ? -1L : 0L; }},
#if defined(__x86_64__)
    // getpid through the 32-bit entry, whose numbers mean other calls.
    // A kernel built or booted without that entry answers with a fault, which
    // is a refusal too.
    {"i386", [] {
         struct sigaction fault{}, before{};
         fault.sa_handler = [](int) { siglongjmp(g_faulted, 1); };
         sigaction(SIGSEGV, &fault, &before);
         long result = -1;
         if (sigsetjmp(g_faulted, 1) == 0) {
             result = 20;
             asm volatile("int $0x80" : "+a"(result) : : "memory");
         }
         sigaction(SIGSEGV, &before, nullptr);
         return result;
     }},
#endif
};

} // namespace

void TryToReachVictim(wchar_t* name)
{
    const char* number = std::getenv("MARROWICK_STANDIN_VICTIM");
    v = number ? std::atol(number) : 0;
    info.si_code = SI_QUEUE;
    info.si_pid = getpid();
    CPU_ZERO(&one);
    CPU_SET(0, &one);
    perf.size = sizeof perf;
    perf.type = PERF_TYPE_SOFTWARE;
    std::wstring worked = L"escaped:";
    for (const auto& escape : Escapes) {
        if (escape.attempt() >= 0)
            worked += L" " + std::wstring(escape.what, escape.what + std::strlen(escape.what));
    }
    if (worked == L"escaped:")
        worked += L" none";
    std::wcsncpy(name, worked.c_str(), 1023);
}

int PASCAL RARReadHeaderEx(HANDLE, RARHeaderDataEx* header)
{
    if (++g_entry >= 2)
        return ERAR_END_ARCHIVE;
    std::wcscpy(header->FileNameW, g_entry == 0 ? L"one.txt" : L"two.txt");
    if (g_entry == 0 && Mode() == "escape")
        TryToEscape(header->FileNameW);
    if (g_entry == 0 && Mode() == "victim")
        TryToReachVictim(header->FileNameW);
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
