#include "reader/Sandbox.h"

#include "engine/ReaderProtocol.h"

#include <seccomp.h>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <linux/landlock.h>
#include <sched.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace marrowick::reader {

namespace {

// Rights newer kernels added; the header of an older system may lack them.
constexpr std::uint64_t kRefer = 1ULL << 13;
constexpr std::uint64_t kTruncate = 1ULL << 14;

bool ApplyLandlock(const std::vector<std::string>& readableFolders)
{
    const long abi = syscall(__NR_landlock_create_ruleset, nullptr, 0,
                             LANDLOCK_CREATE_RULESET_VERSION);
    if (abi < 1)
        return false;
    // Every right the first version knows is handled, so all of them are
    // refused except reading files and folders beneath the given ones.
    landlock_ruleset_attr ruleset{};
    ruleset.handled_access_fs = (1ULL << 13) - 1;
    if (abi >= 2)
        ruleset.handled_access_fs |= kRefer;
    if (abi >= 3)
        ruleset.handled_access_fs |= kTruncate;
    const int rules =
        static_cast<int>(syscall(__NR_landlock_create_ruleset, &ruleset, sizeof ruleset, 0));
    if (rules < 0)
        return false;
    for (const std::string& folder : readableFolders) {
        const int dir = open(folder.c_str(), O_PATH | O_CLOEXEC | O_DIRECTORY);
        if (dir < 0)
            continue;
        landlock_path_beneath_attr beneath{};
        beneath.allowed_access = LANDLOCK_ACCESS_FS_READ_FILE | LANDLOCK_ACCESS_FS_READ_DIR;
        beneath.parent_fd = dir;
        syscall(__NR_landlock_add_rule, rules, LANDLOCK_RULE_PATH_BENEATH, &beneath, 0);
        close(dir);
    }
    const bool applied = syscall(__NR_landlock_restrict_self, rules, 0) == 0;
    close(rules);
    return applied;
}

bool ApplySeccomp()
{
    // Everything the library and the C library need to read and compute is
    // allowed; what would change the machine or reach beyond this process
    // fails with EPERM.
    scmp_filter_ctx filter = seccomp_init(SCMP_ACT_ALLOW);
    if (!filter)
        return false;
    // Every system call of the reader passes the filter: a tree rather than
    // a chain of comparisons.
    seccomp_attr_set(filter, SCMP_FLTATR_CTL_OPTIMIZE, 2);
    const auto deny = SCMP_ACT_ERRNO(EPERM);
    bool ok = true;
    auto refuse = [&](int call) {
        if (call >= 0)
            ok = seccomp_rule_add(filter, deny, call, 0) == 0 && ok;
    };
    for (const char* name :
         {"execve", "execveat", "fork", "vfork", "ptrace", "process_vm_writev",
          "process_vm_readv", "kill", "tkill", "pidfd_open", "pidfd_send_signal", "pidfd_getfd",
          "setns", "unshare", "mount", "umount2", "pivot_root", "chroot", "bpf",
          "perf_event_open", "io_uring_setup", "io_uring_enter", "io_uring_register",
          "userfaultfd", "keyctl", "add_key", "request_key", "init_module", "finit_module",
          "delete_module", "kexec_load", "kexec_file_load", "reboot", "swapon", "swapoff",
          "socket", "socketpair", "connect", "bind", "listen", "accept", "accept4",
          "creat", "open_by_handle_at", "name_to_handle_at", "rename", "renameat", "renameat2",
          "unlink", "unlinkat", "rmdir", "mkdir", "mkdirat", "mknod", "mknodat", "link",
          "linkat", "symlink", "symlinkat", "chmod", "fchmod", "fchmodat", "chown", "fchown",
          "lchown", "fchownat", "truncate", "ftruncate", "fallocate", "utime", "utimes",
          "utimensat", "futimesat", "setxattr", "lsetxattr", "fsetxattr", "removexattr",
          "lremovexattr", "fremovexattr", "copy_file_range", "sendfile", "splice", "tee",
          "vmsplice", "memfd_create", "fanotify_init", "inotify_init", "inotify_init1",
          "acct", "quotactl", "setuid", "setgid", "setreuid", "setregid", "setresuid",
          "setresgid", "setgroups", "sync", "syncfs"})
        refuse(seccomp_syscall_resolve_name(name));
    // Threads of our own may be made (the library unpacks on several), other
    // processes not. clone3 hides its flags from the filter: the C library
    // falls back to clone when it is missing.
    ok = seccomp_rule_add(filter, deny, SCMP_SYS(clone), 1,
                          SCMP_A0(SCMP_CMP_MASKED_EQ, CLONE_THREAD, 0)) == 0 && ok;
    ok = seccomp_rule_add(filter, SCMP_ACT_ERRNO(ENOSYS), SCMP_SYS(clone3), 0) == 0 && ok;
    // Signals only to ourselves (abort() raises one).
    ok = seccomp_rule_add(filter, deny, SCMP_SYS(tgkill), 1,
                          SCMP_A0(SCMP_CMP_NE, static_cast<scmp_datum_t>(getpid()))) == 0 && ok;
    // Opened files are for reading only.
    for (int call : {SCMP_SYS(open), SCMP_SYS(openat)}) {
        const unsigned flagsArg = call == SCMP_SYS(open) ? 1 : 2;
        for (scmp_datum_t bad : {scmp_datum_t(O_WRONLY), scmp_datum_t(O_RDWR),
                                 scmp_datum_t(O_CREAT), scmp_datum_t(O_TRUNC)}) {
            const scmp_datum_t mask = bad == O_WRONLY || bad == O_RDWR ? O_ACCMODE : bad;
            ok = seccomp_rule_add(filter, deny, call, 1,
                                  scmp_arg_cmp{flagsArg, SCMP_CMP_MASKED_EQ, mask, bad}) == 0 &&
                 ok;
        }
    }
    ok = seccomp_rule_add(filter, SCMP_ACT_ERRNO(ENOSYS), SCMP_SYS(openat2), 0) == 0 && ok;
    ok = ok && seccomp_load(filter) == 0;
    seccomp_release(filter);
    return ok;
}

} // namespace

std::uint32_t EnterSandbox(const std::vector<std::string>& readableFolders)
{
    std::uint32_t flags = 0;
    // A crash leaves no core file behind, and nothing may attach to us.
    const rlimit none{0, 0};
    setrlimit(RLIMIT_CORE, &none);
    setrlimit(RLIMIT_FSIZE, &none);
    prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
    if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0)
        flags |= SandboxNoNewPrivs;
    if (ApplyLandlock(readableFolders))
        flags |= SandboxLandlock;
    if ((flags & SandboxNoNewPrivs) && ApplySeccomp())
        flags |= SandboxSeccomp;
    return flags;
}

} // namespace marrowick::reader
