// The UnRAR library as the engine sees it, run in marrowick-reader. Each
// archive handle is a reader process of its own; the functions below have the
// library's shapes and turn each call into frames. The reader is untrusted:
// what it sends is checked before anything is believed, and a reader that
// crashes, hangs past a cancel or sends nonsense ends only its own run.
#include "engine/UnrarLibrary.h"

#include "engine/ComponentError.h"
#include "engine/ReaderProtocol.h"
#include "engine/SandboxNotice.h"

#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

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

namespace {

using namespace reader;
using Clock = std::chrono::steady_clock;

// How often a wait lets the window's events run (and notices a cancel).
constexpr auto kIdleInterval = std::chrono::milliseconds(20);
// How long a reader may take to leave by itself before it is killed.
constexpr auto kGrace = std::chrono::milliseconds(100);

QString& ReaderStandIn()
{
    static QString path;
    return path;
}

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

void CopyWide(const std::u32string& text, wchar_t* into, std::size_t capacity)
{
    const std::size_t length = std::min(text.size(), capacity);
    std::copy_n(text.begin(), length, into);
    if (length < capacity)
        into[length] = L'\0';
}

class ReaderSession
{
public:
    ReaderSession(UNRARCALLBACK callback, RarLParam userData)
        : m_callback(callback), m_userData(userData), m_lastIdle(Clock::now())
    {
    }
    ~ReaderSession() { stop(); }
    ReaderSession(const ReaderSession&) = delete;
    ReaderSession& operator=(const ReaderSession&) = delete;

    bool start(QString& error)
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
            error = QStringLiteral("Cannot start %1: %2")
                        .arg(QString::fromLocal8Bit(path), QString::fromLocal8Bit(std::strerror(spawned)));
            return false;
        }
        m_fd = pair[0];
        return true;
    }

    // The reader's first frame: the library's version, or why it did not load.
    int hello(std::uint32_t& code, QString& error, std::optional<Clock::duration> limit)
    {
        if (limit)
            m_deadline = Clock::now() + *limit;
        std::uint32_t version = 0;
        std::u32string text;
        if (!await(Frame::Hello) || !m_frame.u32(version) || !m_frame.u32(code) ||
            !m_frame.text(text, 4096) || !m_frame.done()) {
            if (!m_ended)
                fail(QStringLiteral("malformed reply"));
            error = QStringLiteral("The UnRAR library could not be started (%1)").arg(m_failure);
            code = UNRAR_ERROR_LOAD;
            return 0;
        }
        m_deadline.reset();
        // Its signal handlers are in place from here on.
        m_helloSeen = true;
        error = QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
        return static_cast<int>(version);
    }

    // Starts the reader unless it is the one already started by the
    // library check, then opens the archive in it.
    RarHandle open(RAROpenArchiveDataEx* data)
    {
        QString error;
        std::uint32_t code = 0;
        if (!m_helloSeen && !start(error)) {
            fail(error);
            data->OpenResult = ERAR_READER_FAILED;
            return nullptr;
        }
        if (!m_helloSeen && hello(code, error, std::nullopt) <= 0) {
            if (!m_ended)
                fail(error);
            data->OpenResult = endCode();
            return nullptr;
        }
        std::u32string path;
        if (data->ArcNameW) {
            for (const wchar_t* c = data->ArcNameW; *c; ++c)
                path.push_back(static_cast<char32_t>(*c));
        } else if (data->ArcName) {
            path = QString::fromLocal8Bit(data->ArcName).toStdU32String();
        }
        m_openMode = data->OpenMode;
        const std::uint32_t commentSize = data->CmtBufW ? data->CmtBufSize : 0;
        send(FrameWriter(Frame::Open).u32(data->OpenMode).u32(commentSize).text(path));

        std::uint32_t handle = 0, result = 0, flags = 0, cmtState = 0, cmtSize = 0, sandbox = 0;
        std::u32string comment;
        if (!await(Frame::Opened) || !m_frame.u32(handle) || !m_frame.u32(result) ||
            !m_frame.u32(flags) || !m_frame.u32(cmtState) || !m_frame.u32(cmtSize) ||
            !m_frame.u32(sandbox) || !m_frame.text(comment, std::min(commentSize, kMaxComment)) ||
            !m_frame.done()) {
            protocolBroken();
            data->OpenResult = endCode();
            return nullptr;
        }
        NoteSandbox(sandbox);
        data->OpenResult = result;
        data->Flags = flags;
        m_solid = (flags & ROADF_SOLID) != 0;
        data->CmtState = cmtState;
        data->CmtSize = cmtSize;
        if (commentSize > 0 && cmtState == 1)
            CopyWide(comment, data->CmtBufW, commentSize);
        if (handle == 0 || result != ERAR_SUCCESS)
            return nullptr;
        return this;
    }

    void setCallback(UNRARCALLBACK callback, RarLParam userData)
    {
        m_callback = callback;
        m_userData = userData;
    }

    int readHeader(RARHeaderDataEx* header)
    {
        if (m_ended)
            return endCode();
        if (!m_walking && !m_headerAhead) {
            // A run that does the same to every entry gets them streamed:
            // no round trip per entry.
            // RAR_EXTRACT is a test of every entry with its bytes, which the
            // program may still pass over one by one.
            const int plan = m_openMode != RAR_OM_EXTRACT ? RAR_SKIP : ask(UCM_READER_PLAN, 0, 0);
            if (plan == RAR_SKIP || plan == RAR_TEST || plan == RAR_EXTRACT) {
                m_walking = true;
                m_walkBytes = plan == RAR_EXTRACT;
                m_walkOperation = m_walkBytes ? RAR_TEST : plan;
                send(FrameWriter(Frame::Walk)
                         .u32(static_cast<std::uint32_t>(m_walkOperation))
                         .u32(m_walkBytes ? 1 : 0));
            } else {
                send(FrameWriter(Frame::Read));
            }
        }
        if (m_walking && m_resultAhead && !takeResult())
            return endCode();
        m_headerAhead = false;
        std::uint32_t result = 0;
        if (!await(Frame::Header) || !m_frame.u32(result))
            return protocolBroken();
        if (static_cast<int>(result) == ERAR_SUCCESS) {
            if (!m_frame.header(*header) || !m_frame.done())
                return protocolBroken();
            ++m_entryNumber;
            m_resultAhead = m_walking;
        } else if (!m_frame.done()) {
            return protocolBroken();
        }
        return static_cast<int>(result);
    }

    int processFile(int operation)
    {
        if (m_ended)
            return endCode();
        if (m_walking) {
            if (!m_resultAhead)
                return ERAR_UNKNOWN;
            if (operation != m_walkOperation) {
                if (!m_walkBytes || operation != RAR_SKIP)
                    return ERAR_UNKNOWN;
                // Passed over in a streamed extraction: its data is dropped
                // on arrival. A solid archive needs it decoded for the entries
                // after it; any other stops decoding it.
                m_entryAbandoned = true;
                if (!m_solid)
                    send(FrameWriter(Frame::Abort).u32(m_entryNumber));
                if (!takeResult())
                    return endCode();
                return ERAR_SUCCESS;
            }
        } else {
            const bool wantBytes = operation == RAR_TEST && ask(UCM_READER_WANTBYTES, 0, 0) == 1;
            if (m_ended)
                return endCode();
            send(FrameWriter(Frame::Process).u32(static_cast<std::uint32_t>(operation)).u32(wantBytes));
            m_headerAhead = true;
        }
        if (!takeResult())
            return endCode();
        return m_result;
    }

    void setPassword(const char* password)
    {
        if (m_ended || !password)
            return;
        send(FrameWriter(Frame::SetPassword)
                 .u32(static_cast<std::uint32_t>(strnlen(password, kNameCapacity)))
                 .bytes(password, strnlen(password, kNameCapacity)));
    }

private:
    int endCode() const { return m_cancelled ? ERAR_READER_CANCELLED : ERAR_READER_FAILED; }

    int ask(unsigned int message, RarLParam p1, RarLParam p2)
    {
        if (!m_callback)
            return message == UCM_READER_IDLE ? 1 : -1;
        return m_callback(message, m_userData, p1, p2);
    }

    bool takeResult()
    {
        m_resultAhead = false;
        std::uint32_t result = 0;
        if (!await(Frame::Result) || !m_frame.u32(result) || !m_frame.done()) {
            protocolBroken();
            return false;
        }
        m_result = static_cast<int>(result);
        m_entryAbandoned = false;
        return true;
    }

    void send(FrameWriter&& frame) { send(frame); }
    void send(FrameWriter& frame)
    {
        if (m_ended)
            return;
        const auto& bytes = frame.finish();
        if (!WriteAll(m_fd, bytes.data(), bytes.size()))
            readerGone();
    }

    // Waits for the frame of the given type, answering the reader's
    // questions and passing on entry data in between. False when the run with
    // this reader is over (it failed, broke the protocol or was cancelled).
    bool await(Frame wanted)
    {
        Frame type;
        while (next(type)) {
            if (type == wanted)
                return true;
            bool ok = false;
            switch (type) {
            case Frame::AskPassword:
                ok = answerPassword();
                break;
            case Frame::AskVolume:
                ok = answerVolume();
                break;
            case Frame::Data:
            case Frame::DataSize:
                ok = wanted == Frame::Result && passData(type);
                break;
            default:
                break;
            }
            if (!ok && !m_ended)
                protocolBroken();
            if (m_ended)
                return false;
        }
        return false;
    }

    bool answerPassword()
    {
        std::uint32_t size = 0;
        if (!m_frame.u32(size) || !m_frame.done() || size == 0 || size > kNameCapacity)
            return false;
        std::vector<wchar_t> buffer(size + 1, L'\0');
        // Answered for an entry passed over too: a refusal would make the
        // library give up the whole archive. The run knows the password by
        // then (it asks before it decides to pass over an encrypted entry).
        const int answer = ask(UCM_NEEDPASSWORDW, reinterpret_cast<RarLParam>(buffer.data()), size);
        std::u32string password;
        if (answer == 1) {
            for (std::size_t i = 0; i < size && buffer[i]; ++i)
                password.push_back(static_cast<char32_t>(buffer[i]));
        }
        send(FrameWriter(Frame::Reply).u32(static_cast<std::uint32_t>(answer)).text(password));
        return true;
    }

    bool answerVolume()
    {
        std::uint32_t message = 0, mode = 0;
        std::u32string wide;
        std::string narrow;
        if (!m_frame.u32(message) || !m_frame.u32(mode) || !m_frame.text(wide, kNameCapacity) ||
            !m_frame.bytes(narrow, kNameCapacity) || !m_frame.done() ||
            (message != UCM_CHANGEVOLUMEW && message != UCM_CHANGEVOLUME) ||
            (mode != RAR_VOL_ASK && mode != RAR_VOL_NOTIFY))
            return false;
        int answer = 0;
        if (message == UCM_CHANGEVOLUMEW) {
            std::vector<wchar_t> name(kNameCapacity + 1, L'\0');
            CopyWide(wide, name.data(), kNameCapacity);
            answer = ask(message, reinterpret_cast<RarLParam>(name.data()), mode);
        } else {
            std::vector<char> name(kNameCapacity + 1, '\0');
            std::memcpy(name.data(), narrow.data(), narrow.size());
            answer = ask(message, reinterpret_cast<RarLParam>(name.data()), mode);
        }
        send(FrameWriter(Frame::Reply).u32(static_cast<std::uint32_t>(answer)).text({}));
        return true;
    }

    bool passData(Frame type)
    {
        const unsigned char* data = nullptr;
        std::uint64_t size = 0;
        if (type == Frame::DataSize) {
            if (!m_frame.u64(size) || !m_frame.done())
                return false;
        } else {
            data = m_payload;
            size = m_payloadSize;
        }
        // Nothing more of an entry the program gave up on.
        if (m_entryAbandoned || size == 0)
            return true;
        if (ask(UCM_PROCESSDATA, reinterpret_cast<RarLParam>(data), static_cast<RarLParam>(size)) == -1) {
            m_entryAbandoned = true;
            send(FrameWriter(Frame::Abort).u32(m_entryNumber));
        }
        return true;
    }

    // The next frame, whole, in m_frame (and m_payload). Lets the window's
    // events run while it waits.
    bool next(Frame& type)
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
    void nudgeWhenQuiet()
    {
        const Clock::time_point now = Clock::now();
        if (m_pid <= 0 || !m_helloSeen || now - m_lastArrival < kIdleInterval ||
            now - m_lastNudge < kIdleInterval)
            return;
        m_lastNudge = now;
        syscall(SYS_tgkill, m_pid, m_pid, kNudgeSignal);
    }

    void makeRoom(std::size_t size)
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
    bool idle()
    {
        if (m_deadline && Clock::now() > *m_deadline) {
            fail(QStringLiteral("no answer"));
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

    void readerGone()
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
            fail(QStringLiteral("signal %1").arg(WTERMSIG(status)));
        else
            fail(QStringLiteral("exit status %1").arg(WEXITSTATUS(status)));
    }

    int protocolBroken()
    {
        if (!m_ended)
            fail(QStringLiteral("malformed reply"));
        return endCode();
    }

    void fail(const QString& reason)
    {
        m_ended = true;
        m_failure = reason;
        stop();
        ask(UCM_READER_FAILED, reinterpret_cast<RarLParam>(&m_failure), 0);
    }

    // Closes the socket, lets the reader leave by itself for a moment, then
    // kills it. Nothing of the user's is lost: the reader writes nothing.
    void stop()
    {
        if (m_fd >= 0) {
            close(m_fd);
            m_fd = -1;
        }
        if (m_pid <= 0)
            return;
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

    UNRARCALLBACK m_callback;
    RarLParam m_userData;
    pid_t m_pid = -1;
    int m_fd = -1;
    unsigned int m_openMode = RAR_OM_EXTRACT;

    std::vector<unsigned char> m_in = std::vector<unsigned char>(256 * 1024);
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    FrameReader m_frame{nullptr, 0};
    const unsigned char* m_payload = nullptr;
    std::size_t m_payloadSize = 0;

    bool m_walking = false;
    int m_walkOperation = RAR_SKIP;
    bool m_walkBytes = false;
    bool m_solid = false;
    // Headers read so far: names the entry an Abort is meant for.
    std::uint32_t m_entryNumber = 0;
    bool m_headerAhead = false;
    bool m_resultAhead = false;
    bool m_entryAbandoned = false;
    int m_result = ERAR_SUCCESS;

    bool m_ended = false;
    bool m_cancelled = false;
    QString m_failure;
    Clock::time_point m_lastIdle;
    Clock::time_point m_lastArrival;
    Clock::time_point m_lastNudge;
    bool m_helloSeen = false;
    std::optional<Clock::time_point> m_deadline;
};

ReaderSession* Session(RarHandle handle)
{
    return static_cast<ReaderSession*>(handle);
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
    if (!session->open(data))
        return nullptr;
    return session.release();
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

void UseReaderProgram(const QString& path)
{
    ReaderStandIn() = path;
}

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
                                 error);
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
