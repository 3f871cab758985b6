#include "reader/Sandbox.h"

#include "engine/ReaderProtocol.h"

#include <seccomp.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <linux/landlock.h>
#include <sched.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace marrowick::reader {

namespace {

// ---- Landlock -------------------------------------------------------------

// The ruleset as the newest kernels read it; older ones are given a prefix.
struct LandlockRuleset
{
    std::uint64_t handledFs;
    std::uint64_t handledNet; // ABI 4
    std::uint64_t scoped;     // ABI 6
};

constexpr std::uint64_t kFsRightsOfAbi1 = (1ULL << 13) - 1;
constexpr std::uint64_t kRefer = 1ULL << 13;    // ABI 2
constexpr std::uint64_t kTruncate = 1ULL << 14; // ABI 3
constexpr std::uint64_t kIoctlDev = 1ULL << 15; // ABI 5
constexpr std::uint64_t kNetBindAndConnectTcp = 3;
constexpr std::uint64_t kScopeAbstractSocketAndSignal = 3;

int CountThreads()
{
    DIR* tasks = opendir("/proc/self/task");
    if (!tasks)
        return -1;
    int count = 0;
    while (const dirent* entry = readdir(tasks))
        count += entry->d_name[0] != '.';
    closedir(tasks);
    return count;
}

enum class Layer { Applied, Missing, Failed };

// Reading files and folders beneath the given ones is all the file system
// allows; with ABI 6 and later no signal leaves the sandbox either.
Layer ApplyLandlock(const std::vector<std::string>& readableFolders)
{
    const long abi = syscall(__NR_landlock_create_ruleset, nullptr, 0,
                             LANDLOCK_CREATE_RULESET_VERSION);
    if (abi < 1)
        return errno == ENOSYS || errno == EOPNOTSUPP ? Layer::Missing : Layer::Failed;
    // Landlock binds the calling thread only: nothing else may run yet.
    if (CountThreads() != 1)
        return Layer::Failed;
    LandlockRuleset ruleset{kFsRightsOfAbi1, 0, 0};
    std::size_t size = sizeof ruleset.handledFs;
    if (abi >= 2)
        ruleset.handledFs |= kRefer;
    if (abi >= 3)
        ruleset.handledFs |= kTruncate;
    if (abi >= 4) {
        ruleset.handledNet = kNetBindAndConnectTcp;
        size = offsetof(LandlockRuleset, scoped);
    }
    if (abi >= 5)
        ruleset.handledFs |= kIoctlDev;
    if (abi >= 6) {
        ruleset.scoped = kScopeAbstractSocketAndSignal;
        size = sizeof ruleset;
    }
    const int rules = static_cast<int>(syscall(__NR_landlock_create_ruleset, &ruleset, size, 0));
    if (rules < 0)
        return Layer::Failed;
    bool ok = true;
    for (const std::string& folder : readableFolders) {
        // A folder that is not there gets no rule: nothing in it can be read,
        // which narrows the sandbox, never widens it.
        const int dir = open(folder.c_str(), O_PATH | O_CLOEXEC | O_DIRECTORY);
        if (dir < 0)
            continue;
        landlock_path_beneath_attr beneath{};
        beneath.allowed_access = LANDLOCK_ACCESS_FS_READ_FILE | LANDLOCK_ACCESS_FS_READ_DIR;
        beneath.parent_fd = dir;
        ok = syscall(__NR_landlock_add_rule, rules, LANDLOCK_RULE_PATH_BENEATH, &beneath, 0) == 0;
        close(dir);
        if (!ok)
            break;
    }
    ok = ok && syscall(__NR_landlock_restrict_self, rules, 0) == 0;
    close(rules);
    return ok ? Layer::Applied : Layer::Failed;
}

// ---- seccomp --------------------------------------------------------------

// Calls allowed whatever their arguments: none of them names a process, opens
// a file or changes anything outside this process. Names this architecture
// lacks are passed over (aarch64 has no open, stat, poll ...).
constexpr const char* kPlainCalls[] = {
    // Reading the archive and its volumes; descriptors are read-only (see
    // open below), so write reaches only the socket and /dev/null.
    "read", "readv", "pread64", "preadv", "preadv2", "write", "writev", "lseek", "close",
    "fstat", "newfstatat", "stat", "lstat", "statx", "access", "faccessat", "faccessat2",
    "readlink", "readlinkat", "getdents", "getdents64", "getcwd", "poll", "ppoll",
    // Memory.
    "mmap", "munmap", "mprotect", "madvise", "brk", "mremap",
    // Threads of this process.
    "futex", "set_robust_list", "rseq", "set_tid_address", "sched_yield", "exit",
    "exit_group",
    // Signals within this process, time, randomness, facts about itself.
    "rt_sigaction", "rt_sigprocmask", "rt_sigreturn", "sigaltstack", "restart_syscall",
    "clock_gettime", "clock_getres", "gettimeofday", "time", "nanosleep", "clock_nanosleep",
    "getrandom", "getpid", "gettid", "getppid", "getuid", "geteuid", "getgid", "getegid",
    "getrlimit", "uname", "sysinfo", "umask",
    // Reads a CPU set and changes nothing. The C library asks it with a
    // thread's own id (pthread_getattr_np), which is not the process's.
    "sched_getaffinity",
};

// Calls whose first argument names a process: only this one, or 0 where 0
// means the caller.
constexpr const char* kCallsOnItself[] = {
    "kill", "tgkill", "rt_sigqueueinfo", "rt_tgsigqueueinfo", "prlimit64",
    "sched_setaffinity",
};

// What the C library's pthread_create asks clone for; any other flag (a new
// process, a namespace, a shared parent) is refused. The three that only say
// where thread ids and TLS go may be there or not.
constexpr scmp_datum_t kThreadFlags = CLONE_VM | CLONE_FS | CLONE_FILES | CLONE_SIGHAND |
                                      CLONE_THREAD | CLONE_SYSVSEM;
constexpr scmp_datum_t kThreadDetails = CLONE_SETTLS | CLONE_PARENT_SETTID | CLONE_CHILD_CLEARTID;

// Rules name calls by this machine's numbers; libseccomp puts each in the
// filter of every architecture the filter has, as that one numbers it.
bool AddRules(scmp_filter_ctx filter)
{
    bool ok = true;
    auto number = [](const char* name) { return seccomp_syscall_resolve_name(name); };
    auto allow = [&](const char* name, std::initializer_list<scmp_arg_cmp> args) {
        const int call = number(name);
        if (call < 0)
            return;
        ok = seccomp_rule_add_array(filter, SCMP_ACT_ALLOW, call, static_cast<unsigned>(args.size()),
                                    args.begin()) == 0 &&
             ok;
    };
    for (const char* name : kPlainCalls)
        allow(name, {});
#if defined(__SANITIZE_ADDRESS__)
    // Builds under the sanitizers only: their runtime probes whether memory
    // is readable by writing it into a pipe (UBSan's type checks among them);
    // refused, every such check reports a fault that is not there.
    allow("pipe2", {});
    allow("pipe", {});
#endif

    const auto self = static_cast<scmp_datum_t>(getpid());
    for (const char* name : kCallsOnItself) {
        allow(name, {SCMP_A0(SCMP_CMP_EQ, self)});
        if (std::strncmp(name, "sched_", 6) == 0 || std::strcmp(name, "prlimit64") == 0)
            allow(name, {SCMP_A0(SCMP_CMP_EQ, 0)});
    }

    // Files open for reading only: no write access, creation or truncation.
    const scmp_datum_t writing = O_ACCMODE | O_CREAT | O_TRUNC | O_APPEND;
    allow("open", {SCMP_A1(SCMP_CMP_MASKED_EQ, writing, O_RDONLY)});
    allow("openat", {SCMP_A2(SCMP_CMP_MASKED_EQ, writing, O_RDONLY)});

    // Descriptor flags, but no signal on I/O (O_ASYNC, F_SETOWN, F_SETSIG).
    for (scmp_datum_t command : {F_GETFD, F_SETFD, F_GETFL, F_DUPFD_CLOEXEC})
        allow("fcntl", {SCMP_A1(SCMP_CMP_EQ, command)});
    allow("fcntl", {SCMP_A1(SCMP_CMP_EQ, F_SETFL), SCMP_A2(SCMP_CMP_MASKED_EQ, O_ASYNC, 0)});

    // Frames go out on the socket the program gave, to no other address.
    allow("sendto", {SCMP_A0(SCMP_CMP_EQ, kSocketFd), SCMP_A4(SCMP_CMP_EQ, 0)});

    allow("clone", {SCMP_A0_64(SCMP_CMP_MASKED_EQ, ~kThreadDetails, kThreadFlags)});
    // clone3 hides its flags in memory the filter cannot read: "not here"
    // makes the C library fall back to clone.
    if (const int clone3 = number("clone3"); clone3 >= 0)
        ok = seccomp_rule_add(filter, SCMP_ACT_ERRNO(ENOSYS), clone3, 0) == 0 && ok;
    // The library asks whether a descriptor is a terminal: none is.
    if (const int ioctl = number("ioctl"); ioctl >= 0)
        ok = seccomp_rule_add(filter, SCMP_ACT_ERRNO(ENOTTY), ioctl, 0) == 0 && ok;
    return ok;
}

Layer ApplySeccomp(bool survey)
{
    if (prctl(PR_GET_SECCOMP, 0, 0, 0, 0) < 0)
        return errno == EINVAL ? Layer::Missing : Layer::Failed;
    // A call not on the list fails as if the kernel did not allow it, which
    // the library meets as a failed call.
    scmp_filter_ctx filter = seccomp_init(survey ? SCMP_ACT_LOG : SCMP_ACT_ERRNO(EPERM));
    if (!filter)
        return Layer::Failed;
    // Only this architecture's calls: on x86-64 the 32-bit (int 0x80) and x32
    // entries fail, their numbers mean other calls there.
    bool ok = seccomp_attr_set(filter, SCMP_FLTATR_ACT_BADARCH, SCMP_ACT_ERRNO(ENOSYS)) == 0;
    // Every thread, also any the library started before us.
    ok = ok && seccomp_attr_set(filter, SCMP_FLTATR_CTL_TSYNC, 1) == 0;
    // Every call passes the filter: a tree rather than a chain of comparisons.
    ok = ok && seccomp_attr_set(filter, SCMP_FLTATR_CTL_OPTIMIZE, 2) == 0;
    ok = ok && AddRules(filter);
    ok = ok && seccomp_load(filter) == 0;
    seccomp_release(filter);
    return ok ? Layer::Applied : Layer::Failed;
}

} // namespace

bool TestSwitch(const char* name)
{
#ifdef MARROWICK_BUILD_ROOT
    if (!std::getenv(name))
        return false;
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0)
        return false;
    self[length] = '\0';
    return std::strncmp(self, MARROWICK_BUILD_ROOT "/", sizeof MARROWICK_BUILD_ROOT) == 0;
#else
    (void)name;
    return false;
#endif
}

bool EnterSandbox(const std::vector<std::string>& readableFolders, std::uint32_t& flags)
{
    // The survey's filter logs what it would refuse instead of refusing it
    // (scripts/seccomp-survey).
    const bool survey = TestSwitch("MARROWICK_READER_SECCOMP_LOG");
    // A crash leaves no core file behind, the library writes no file, and
    // nothing may attach to us.
    const rlimit none{0, 0};
    if (setrlimit(RLIMIT_CORE, &none) != 0 || setrlimit(RLIMIT_FSIZE, &none) != 0 ||
        prctl(PR_SET_DUMPABLE, 0, 0, 0, 0) != 0 || prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0)
        return false;
    flags |= SandboxNoNewPrivs;
    switch (ApplyLandlock(readableFolders)) {
    case Layer::Applied:
        flags |= SandboxLandlock;
        break;
    case Layer::Missing:
        break;
    case Layer::Failed:
        return false;
    }
    switch (ApplySeccomp(survey)) {
    case Layer::Applied:
        // The survey's filter refuses nothing: the program must not take it
        // for the real one.
        if (!survey)
            flags |= SandboxSeccomp;
        break;
    case Layer::Missing:
        break;
    case Layer::Failed:
        return false;
    }
    return true;
}

} // namespace marrowick::reader
