// The reader process and its socket: started, read in whole frames while the
// window's events run, nudged when quiet, and ended on cancel, on a fault or
// with the run.
#include "engine/ReaderSession.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace marrowick {

using namespace reader;

namespace {

// How often a wait lets the window's events run (and notices a cancel).
constexpr auto kIdleInterval = std::chrono::milliseconds(20);
// How long a reader may take to leave by itself before it is killed.
constexpr auto kGrace = std::chrono::milliseconds(100);

QString& ReaderStandIn()
{
    static QString path;
    return path;
}

} // namespace

QString ReaderPath()
{
    if (!ReaderStandIn().isEmpty())
        return ReaderStandIn();
    static const QString path = [] {
        const QFileInfo exe(QStringLiteral("/proc/self/exe"));
        const QString program = exe.canonicalFilePath();
        const QString dir = QFileInfo(program).absolutePath();
        for (const QString& candidate :
             {dir + QStringLiteral("/marrowick-reader"),
              dir + QStringLiteral("/../libexec/marrowick/marrowick-reader")}) {
            if (QFileInfo(candidate).isExecutable())
                return QFileInfo(candidate).canonicalFilePath();
        }
#ifdef MARROWICK_BUILD_ROOT
        // Programs of the build tree (and its tests) use the build's reader;
        // an installed program never looks there.
        if (program.startsWith(QStringLiteral(MARROWICK_BUILD_ROOT "/")))
            return QStringLiteral(MARROWICK_BUILD_READER);
#endif
        return dir + QStringLiteral("/marrowick-reader");
    }();
    return path;
}

void UseReaderProgram(const QString& path)
{
    ReaderStandIn() = path;
}

bool ReaderSession::start(QString& error)
{
    int pair[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    const QByteArray path = ReaderPath().toLocal8Bit();
    const QByteArray parent = QByteArray::number(getpid());
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_adddup2(&files, pair[1], kSocketFd);
    posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
    // A group of its own: the terminal's Ctrl+C is the program's to
    // handle, not the reader's to die of.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK |
                                              POSIX_SPAWN_SETSIGDEF);
    char* argv[] = {const_cast<char*>("marrowick-reader"), const_cast<char*>(parent.data()),
                    nullptr};
    const int spawned = posix_spawn(&m_pid, path.constData(), &files, &attributes, argv, environ);
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attributes);
    close(pair[1]);
    if (spawned != 0) {
        close(pair[0]);
        m_pid = -1;
        //: %1 is the reader program, %2 the system's reason
        error =
            tr("Cannot start %1: %2")
                .arg(QString::fromLocal8Bit(path), QString::fromLocal8Bit(std::strerror(spawned)));
        return false;
    }
    m_fd = pair[0];
    return true;
}

// The reader's first frame: the library's version, or why it did not load.
int ReaderSession::hello(std::uint32_t& code, QString& error, std::optional<Clock::duration> limit)
{
    if (limit)
        m_deadline = Clock::now() + *limit;
    std::uint32_t version = 0;
    std::u32string text;
    if (!await(Frame::Hello) || !m_frame.u32(version) || !m_frame.u32(code) ||
        !m_frame.text(text, 4096) || !m_frame.done()) {
        if (!m_ended)
            fail(tr("malformed reply"));
        //: %1 says what went wrong with the archive reader
        error = tr("The UnRAR library could not be started (%1)").arg(m_failure);
        code = UNRAR_ERROR_LOAD;
        return 0;
    }
    m_deadline.reset();
    // Its signal handlers are in place from here on.
    m_helloSeen = true;
    error = QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
    return static_cast<int>(version);
}

void ReaderSession::send(FrameWriter& frame)
{
    if (m_ended)
        return;
    const auto& bytes = frame.finish();
    if (!WriteAll(m_fd, bytes.data(), bytes.size()))
        readerGone();
}

// The next frame, whole, in m_frame (and m_payload). Lets the window's
// events run while it waits.
bool ReaderSession::next(Frame& type)
{
    // A reader found gone while a request was sent has no frame to come.
    if (m_ended)
        return false;
    for (;;) {
        const std::size_t available = m_end - m_begin;
        if (available >= 8) {
            std::uint32_t head[2];
            std::memcpy(head, m_in.data() + m_begin, sizeof head);
            if (head[1] > kMaxPayload) {
                protocolBroken();
                return false;
            }
            if (available >= 8 + std::size_t(head[1])) {
                type = static_cast<Frame>(head[0]);
                m_payload = m_in.data() + m_begin + 8;
                m_payloadSize = head[1];
                m_frame = FrameReader(m_payload, m_payloadSize);
                m_begin += 8 + std::size_t(head[1]);
                return true;
            }
            if (m_in.size() < 8 + std::size_t(head[1]))
                makeRoom(8 + std::size_t(head[1]));
        }
        if (m_begin > 0 && (m_begin == m_end || m_end == m_in.size())) {
            std::memmove(m_in.data(), m_in.data() + m_begin, m_end - m_begin);
            m_end -= m_begin;
            m_begin = 0;
        }
        if (m_end == m_in.size())
            makeRoom(m_in.size() * 2);
        if (!idle())
            return false;
        pollfd ready{m_fd, POLLIN, 0};
        const int polled = poll(&ready, 1, static_cast<int>(kIdleInterval.count()));
        if (polled == 0 || (polled < 0 && errno == EINTR)) {
            nudgeWhenQuiet();
            continue;
        }
        const ssize_t got = polled > 0 ? ::read(m_fd, m_in.data() + m_end, m_in.size() - m_end) : -1;
        if (got > 0) {
            m_end += static_cast<std::size_t>(got);
            m_lastArrival = Clock::now();
        } else if (got < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        } else {
            readerGone();
            return false;
        }
    }
}

// The reader sends its frames in batches; when nothing came for a while
// the library is busy with one call (a large entry) or stuck in it, and
// the frames of the entries before it are asked for.
void ReaderSession::nudgeWhenQuiet()
{
    const Clock::time_point now = Clock::now();
    if (m_pid <= 0 || !m_helloSeen || now - m_lastArrival < kIdleInterval ||
        now - m_lastNudge < kIdleInterval)
        return;
    m_lastNudge = now;
    syscall(SYS_tgkill, m_pid, m_pid, kNudgeSignal);
}

void ReaderSession::makeRoom(std::size_t size)
{
    if (m_begin > 0) {
        std::memmove(m_in.data(), m_in.data() + m_begin, m_end - m_begin);
        m_end -= m_begin;
        m_begin = 0;
    }
    if (m_in.size() < size)
        m_in.resize(size);
}

// False when the user cancelled: the reader is ended at once, even in
// the middle of a library call that would never return.
bool ReaderSession::idle()
{
    if (m_deadline && Clock::now() > *m_deadline) {
        //: Why the archive reader was stopped: it did not answer in time
        fail(tr("no answer"));
        return false;
    }
    const Clock::time_point now = Clock::now();
    if (now - m_lastIdle < kIdleInterval)
        return true;
    m_lastIdle = now;
    if (ask(UCM_READER_IDLE, 0, 0) != -1)
        return true;
    m_cancelled = true;
    m_ended = true;
    stop();
    return false;
}

void ReaderSession::readerGone()
{
    if (m_ended)
        return;
    int status = 0;
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, &status, 0);
        m_pid = -1;
    }
    if (WIFSIGNALED(status))
        //: How the archive reader ended: %1 is the signal's number
        fail(tr("signal %1").arg(WTERMSIG(status)));
    else
        //: How the archive reader ended: %1 is its exit status
        fail(tr("exit status %1").arg(WEXITSTATUS(status)));
}

int ReaderSession::protocolBroken()
{
    if (!m_ended)
        //: Why the archive reader was stopped: what it sent made no sense
        fail(tr("malformed reply"));
    return endCode();
}

void ReaderSession::fail(const QString& reason)
{
    m_ended = true;
    m_failure = reason;
    stop();
    ask(UCM_READER_FAILED, reinterpret_cast<RarLParam>(&m_failure), 0);
}

// Closes the socket, lets the reader leave by itself for a moment, then
// kills it. Nothing of the user's is lost: the reader writes nothing.
void ReaderSession::stop()
{
    if (m_fd >= 0) {
        close(m_fd);
        m_fd = -1;
    }
    if (m_pid <= 0)
        return;
    // Closed in the middle of a walk (one entry of many was wanted): the
    // reader would go on through the rest of the archive before it noticed.
    if (m_walking && !m_walkEnded) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
        m_pid = -1;
        return;
    }
    const Clock::time_point until = Clock::now() + kGrace;
    while (waitpid(m_pid, nullptr, WNOHANG) == 0) {
        if (Clock::now() > until) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    m_pid = -1;
}

} // namespace marrowick
