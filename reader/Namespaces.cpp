#include "reader/Sandbox.h"

#include "engine/ReaderProtocol.h"

#include <cerrno>
#include <csignal>

#include <sched.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace marrowick::reader {

namespace {

// An exit code above this says "ended by signal (code - kSignalBase)".
constexpr int kSignalBase = 128;

volatile sig_atomic_t g_inner = 0;

void PassNudgeOn(int)
{
    const int saved = errno;
    // To the inner process's main thread, as the program sends it to ours.
    if (g_inner > 0)
        syscall(SYS_tgkill, g_inner, g_inner, kNudgeSignal);
    errno = saved;
}

// The process the program started, outside the new PID namespace: it runs no
// library code and only waits for the inner process, whose end becomes its
// own. It keeps the socket open (and never uses it), so that the program sees
// the reader's end only when this process has ended the same way.
[[noreturn]] void StandOutside(pid_t inner)
{
    const rlimit none{0, 0};
    setrlimit(RLIMIT_CORE, &none);
    prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
    struct sigaction standard{};
    standard.sa_handler = SIG_DFL;
    sigemptyset(&standard.sa_mask);
    for (int signal : {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT})
        sigaction(signal, &standard, nullptr);
    g_inner = inner;
    struct sigaction nudge{};
    nudge.sa_handler = &PassNudgeOn;
    nudge.sa_flags = SA_RESTART;
    sigemptyset(&nudge.sa_mask);
    sigaction(kNudgeSignal, &nudge, nullptr);

    int status = 0;
    while (waitpid(inner, &status, 0) < 0) {
        if (errno != EINTR)
            _exit(2);
    }
    int signal = 0;
    if (WIFSIGNALED(status))
        signal = WTERMSIG(status);
    else if (WEXITSTATUS(status) > kSignalBase)
        signal = WEXITSTATUS(status) - kSignalBase;
    if (signal != 0 && signal != kNudgeSignal) {
        struct sigaction end{};
        end.sa_handler = SIG_DFL;
        sigemptyset(&end.sa_mask);
        sigaction(signal, &end, nullptr);
        raise(signal);
    }
    _exit(WIFEXITED(status) ? WEXITSTATUS(status) : 2);
}

} // namespace

std::uint32_t EnterNamespaces()
{
    // The tests' way to check the other layers on their own.
    if (TestSwitch("MARROWICK_READER_NO_NAMESPACES"))
        return 0;
    if (unshare(CLONE_NEWUSER | CLONE_NEWPID | CLONE_NEWIPC | CLONE_NEWNET) != 0)
        return 0;
    const pid_t inner = fork();
    if (inner < 0)
        return 0;
    if (inner > 0)
        StandOutside(inner);
    // Ends with the process outside, which ends with the program.
    prctl(PR_SET_PDEATHSIG, SIGKILL, 0, 0, 0);
    return SandboxNamespaces;
}

void EndBySignal(int signal)
{
    if (getpid() == 1)
        _exit(kSignalBase + signal);
    raise(signal);
    _exit(kSignalBase + signal);
}

} // namespace marrowick::reader
