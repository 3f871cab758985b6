// marrowick-reader: runs the UnRAR library for one archive run of the
// program, in a process of its own, so that whatever the library does with a
// hostile archive stays here. It loads the library, locks itself down, opens
// the archive read-only and answers the program's requests over the socket it
// was given as descriptor 3. It never writes a file: entry data goes back to
// the program, which does all writing itself.
#include "engine/UnrarSymbols.h"
#include "reader/Sandbox.h"
#include "reader/Server.h"

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <ctime>
#include <string>

#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

using namespace marrowick;
using namespace marrowick::reader;

namespace {

Server* g_server = nullptr;

void OnFault(int signal)
{
    if (g_server)
        g_server->flushFromSignal();
    // The handler was for once only: the signal now ends the process.
    EndBySignal(signal);
}

void OnNudge(int)
{
    const int saved = errno;
    if (g_server)
        g_server->flushFromSignal();
    errno = saved;
}

void CatchSignals()
{
    // The program sends the nudge to this thread (the library's own threads
    // never get it); the call it interrupts goes on afterwards.
    struct sigaction nudge{};
    nudge.sa_handler = &OnNudge;
    nudge.sa_flags = SA_RESTART;
    sigemptyset(&nudge.sa_mask);
    sigaction(kNudgeSignal, &nudge, nullptr);

    static char stack[64 * 1024];
    stack_t alternate{};
    alternate.ss_sp = stack;
    alternate.ss_size = sizeof stack;
    sigaltstack(&alternate, nullptr);
    struct sigaction action{};
    action.sa_handler = &OnFault;
    action.sa_flags = SA_RESETHAND | SA_NODEFER | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT})
        sigaction(signal, &action, nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    CatchSignals();
    // Ends with the program, whatever way the program ends.
    prctl(PR_SET_PDEATHSIG, SIGKILL, 0, 0, 0);
    if (argc < 2 || getppid() != static_cast<pid_t>(std::atol(argv[1])))
        return 1;
    close_range(kSocketFd + 1, ~0U, 0);
    signal(SIGPIPE, SIG_IGN);
    // What the library needs from outside the archive's folder is read now,
    // before the sandbox: the locale for its text conversions, the time zone
    // for the entries' times.
    std::setlocale(LC_ALL, "");
    tzset();
    const std::uint32_t namespaces = EnterNamespaces();

    UnrarApi api;
    std::uint32_t code = 0;
    const std::string error = OpenUnrar("libunrar.so.5", api, code);
    Server server(api, namespaces);
    server.hello(error.empty() ? api.RARGetDllVersion() : 0, code, error);
    if (!error.empty())
        return 0;
    g_server = &server;
    const int status = server.run();
    g_server = nullptr;
    return status;
}
