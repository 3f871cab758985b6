#include "cli/Terminal.h"

#include <QCoreApplication>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>

#include <termios.h>
#include <unistd.h>

namespace marrowick::cli {

namespace {

std::atomic<int> g_cancelSignals{0};
std::atomic<bool> g_cancelled{false};
// The terminal settings to put back if a second signal ends us while the
// password prompt has echo switched off.
struct termios g_savedTerminal;
std::atomic<bool> g_echoOff{false};
// What a second signal prints, in the language of the other texts: filled
// before the handlers are installed, as the handler itself may not translate.
char g_interruptedNote[256] = "\nmarrowick-cli: interrupted\n";
std::size_t g_interruptedLength = sizeof "\nmarrowick-cli: interrupted\n" - 1;

void OnCancelSignal(int)
{
    g_cancelled = true;
    if (g_cancelSignals.fetch_add(1) > 0) {
        if (g_echoOff.load())
            tcsetattr(STDIN_FILENO, TCSANOW, &g_savedTerminal);
        (void)!write(STDERR_FILENO, g_interruptedNote, g_interruptedLength);
        _exit(130);
    }
}

// Echo off for the life of the object.
class HiddenInput final
{
  public:
    explicit HiddenInput(bool hide)
    {
        if (!hide || tcgetattr(STDIN_FILENO, &g_savedTerminal) != 0)
            return;
        struct termios quiet = g_savedTerminal;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        quiet.c_lflag |= ECHONL;
        g_echoOff = true;
        if (tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet) != 0)
            g_echoOff = false;
    }
    ~HiddenInput()
    {
        if (g_echoOff.exchange(false))
            tcsetattr(STDIN_FILENO, TCSAFLUSH, &g_savedTerminal);
    }
    HiddenInput(const HiddenInput&) = delete;
    HiddenInput& operator=(const HiddenInput&) = delete;
};

} // namespace

bool StdinIsTerminal()
{
    return isatty(STDIN_FILENO) == 1;
}

bool StderrIsTerminal()
{
    return isatty(STDERR_FILENO) == 1;
}

void InstallCancelHandlers()
{
    //: Printed when a second Ctrl+C ends the program at once
    const QByteArray note = QStringLiteral("\nmarrowick-cli: %1\n")
                                .arg(QCoreApplication::translate("CliTerminal", "interrupted"))
                                .toUtf8();
    if (static_cast<std::size_t>(note.size()) < sizeof g_interruptedNote) {
        std::memcpy(g_interruptedNote, note.constData(), static_cast<std::size_t>(note.size()));
        g_interruptedLength = static_cast<std::size_t>(note.size());
    }
    struct sigaction action = {};
    action.sa_handler = &OnCancelSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a prompt blocked in read() must wake up and give up.
    action.sa_flags = 0;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    // A closed output pipe becomes a write error we turn into a clean cancel,
    // instead of a kill in the middle of writing a file.
    std::signal(SIGPIPE, SIG_IGN);
}

bool CancelSignalled()
{
    return g_cancelSignals.load(std::memory_order_relaxed) > 0;
}

const std::atomic<bool>& CancelFlag()
{
    return g_cancelled;
}

void RequestCancel()
{
    g_cancelled = true;
    g_cancelSignals.fetch_add(1);
}

std::optional<QString> ReadTerminalLine(bool hideInput)
{
    HiddenInput hidden(hideInput);
    std::string line;
    for (;;) {
        char c = 0;
        const ssize_t got = read(STDIN_FILENO, &c, 1);
        if (got < 0 && errno == EINTR) {
            if (CancelSignalled())
                return std::nullopt;
            continue;
        }
        if (got <= 0)
            return line.empty() ? std::nullopt
                                : std::optional<QString>(QString::fromLocal8Bit(line));
        if (c == '\n')
            break;
        line.push_back(c);
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return QString::fromLocal8Bit(line);
}

} // namespace marrowick::cli
