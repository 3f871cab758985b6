// marrowick-reader: runs the UnRAR library for one archive run of the
// program, in a process of its own, so that whatever the library does with a
// hostile archive stays here. It loads the library, locks itself down, opens
// the archive read-only and answers the program's requests over the socket it
// was given as descriptor 3. It never writes a file: entry data goes back to
// the program, which does all writing itself.
#include "engine/ArchiveEnd.h"
#include "engine/Rar4Links.h"
#include "engine/ReaderProtocol.h"
#include "engine/UnrarSymbols.h"
#include "reader/FrameBatch.h"
#include "reader/Sandbox.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <clocale>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

using namespace marrowick;
using namespace marrowick::reader;

namespace {

std::u32string Wide(const wchar_t* text, std::size_t capacity)
{
    const std::size_t length = wcsnlen(text, capacity);
    return std::u32string(reinterpret_cast<const char32_t*>(text), length);
}

std::string Narrow(const std::u32string& wide)
{
    std::wstring w(wide.begin(), wide.end());
    std::mbstate_t state{};
    const wchar_t* from = w.c_str();
    const std::size_t size = std::wcsrtombs(nullptr, &from, 0, &state);
    if (size == static_cast<std::size_t>(-1))
        return std::string();
    std::string result(size, '\0');
    from = w.c_str();
    state = std::mbstate_t{};
    std::wcsrtombs(result.data(), &from, size, &state);
    return result;
}

std::string Folder(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

class Server;
Server* g_server = nullptr;
// The namespaces entered at start (SandboxNamespaces or 0).
std::uint32_t g_namespaces = 0;

void OnFault(int signal);

class Server
{
public:
    explicit Server(const UnrarApi& api) : m_api(api) {}

    int run()
    {
        Frame type;
        std::vector<unsigned char> payload;
        while (receive(type, payload)) {
            FrameReader in(payload.data(), payload.size());
            std::uint32_t a = 0, b = 0;
            switch (type) {
            case Frame::Open: {
                std::u32string path;
                if (m_handle || !in.u32(a) || !in.u32(b) || !in.text(path, PATH_MAX) || !in.done())
                    return 2;
                open(a, b, path);
                break;
            }
            case Frame::Read:
                if (!m_handle || !in.done())
                    return 2;
                readHeader();
                break;
            case Frame::Process:
                if (!m_handle || !in.u32(a) || !in.u32(b) || !in.done())
                    return 2;
                send(FrameWriter(Frame::Result).u32(static_cast<std::uint32_t>(process(a, b))));
                readHeader();
                break;
            case Frame::Walk:
                if (!m_handle || !in.u32(a) || !in.u32(b) || !in.done())
                    return 2;
                while (readHeader() == ERAR_SUCCESS)
                    send(FrameWriter(Frame::Result).u32(static_cast<std::uint32_t>(process(a, b))));
                break;
            case Frame::Abort:
                // Came after its entry had ended: nothing left to abandon.
                if (!in.u32(a) || !in.done())
                    return 2;
                break;
            case Frame::SetPassword: {
                std::string password;
                if (!m_handle || !in.bytes(password, kNameCapacity) || !in.done())
                    return 2;
                m_api.RARSetPassword(m_handle, password.data());
                break;
            }
            default:
                return 2;
            }
            flush();
        }
        return 0;
    }

    void hello(int version, std::uint32_t code, const std::string& error)
    {
        std::u32string text(error.begin(), error.end());
        send(FrameWriter(Frame::Hello).u32(static_cast<std::uint32_t>(version)).u32(code).text(text));
        flush();
    }

private:
    static int Callback(unsigned int message, long userData, long p1, long p2)
    {
        return reinterpret_cast<Server*>(userData)->callback(message, p1, p2);
    }

    int callback(unsigned int message, long p1, long p2)
    {
        switch (message) {
        case UCM_PROCESSDATA:
            return takeData(reinterpret_cast<const unsigned char*>(p1), static_cast<std::size_t>(p2));
        case UCM_NEEDPASSWORDW: {
            auto* buffer = reinterpret_cast<wchar_t*>(p1);
            const auto size = static_cast<std::size_t>(p2);
            if (!buffer || size == 0)
                return -1;
            send(FrameWriter(Frame::AskPassword).u32(static_cast<std::uint32_t>(std::min<std::size_t>(size, kNameCapacity))));
            std::u32string password;
            const int answer = reply(password);
            if (answer != 1)
                return -1;
            if (password.size() >= size)
                password.resize(size - 1);
            std::copy(password.begin(), password.end(), buffer);
            buffer[password.size()] = L'\0';
            return 1;
        }
        case UCM_CHANGEVOLUMEW:
        case UCM_CHANGEVOLUME: {
            // Both forms go to the program, which answers them as the library
            // asks them; the wide one is asked first.
            std::u32string wide;
            std::string narrow;
            if (message == UCM_CHANGEVOLUMEW)
                wide = Wide(reinterpret_cast<const wchar_t*>(p1), kNameCapacity);
            else
                narrow.assign(reinterpret_cast<const char*>(p1),
                              strnlen(reinterpret_cast<const char*>(p1), kNameCapacity));
            // A name this locale cannot spell leaves m_volume empty, which
            // the end check takes as cut.
            if (message == UCM_CHANGEVOLUMEW && p2 == RAR_VOL_NOTIFY) {
                m_volume = Narrow(wide);
                m_volumeFirstEntry = m_entryNumber;
                m_rar4 = Rar4Cursor{};
            }
            send(FrameWriter(Frame::AskVolume)
                     .u32(message)
                     .u32(static_cast<std::uint32_t>(p2))
                     .text(wide)
                     .u32(static_cast<std::uint32_t>(narrow.size()))
                     .bytes(narrow.data(), narrow.size()));
            std::u32string ignored;
            return reply(ignored);
        }
        default:
            // The 8-bit password request comes only when the wide one got no
            // password: there is none to give.
            return -1;
        }
    }

    int takeData(const unsigned char* data, std::size_t size)
    {
        if (m_aborted || abortRequested())
            return -1;
        if (!m_wantBytes) {
            send(FrameWriter(Frame::DataSize).u64(size));
            return 1;
        }
        while (size > 0) {
            const std::size_t chunk = std::min<std::size_t>(size, kMaxDataChunk);
            send(FrameWriter(Frame::Data).bytes(data, chunk));
            data += chunk;
            size -= chunk;
        }
        return 1;
    }

    // The program may abandon the entry in progress while data flows.
    bool abortRequested()
    {
        if (m_inBegin == m_inEnd) {
            // A look at the socket costs a system call; the program can wait
            // a millisecond for its abort to be seen.
            const auto now = std::chrono::steady_clock::now();
            if (now - m_lastAbortCheck < std::chrono::milliseconds(1))
                return false;
            m_lastAbortCheck = now;
            pollfd ready{kSocketFd, POLLIN, 0};
            if (poll(&ready, 1, 0) <= 0)
                return false;
        }
        Frame type;
        std::vector<unsigned char> payload;
        if (!receive(type, payload))
            _exit(0);
        if (type != Frame::Abort || !takeAbort(payload))
            _exit(2);
        return m_aborted;
    }

    // False when the frame is malformed.
    bool takeAbort(const std::vector<unsigned char>& payload)
    {
        FrameReader in(payload.data(), payload.size());
        std::uint32_t entry = 0;
        if (!in.u32(entry) || !in.done())
            return false;
        // An abort for an entry already sent in full comes too late to matter.
        if (entry == m_entryNumber)
            m_aborted = true;
        return true;
    }

    void open(std::uint32_t mode, std::uint32_t commentSize, const std::u32string& path)
    {
        const std::string narrowPath = Narrow(path);
        std::uint32_t sandbox = g_namespaces;
        if (narrowPath.empty()) {
            refuseToOpen(sandbox);
            return;
        }
        std::vector<std::string> folders{Folder(narrowPath)};
        if (char* real = realpath(narrowPath.c_str(), nullptr)) {
            folders.push_back(Folder(real));
            std::free(real);
        }
        m_volume = narrowPath;
        if (!EnterSandbox(folders, sandbox))
            _exit(3); // a lock the kernel offers did not close: serve nothing

        commentSize = std::min(commentSize, kMaxComment);
        std::vector<wchar_t> comment(commentSize + 1, L'\0');
        std::wstring widePath(path.begin(), path.end());
        RAROpenArchiveDataEx data;
        std::memset(&data, 0, sizeof data);
        data.ArcNameW = widePath.data();
        data.OpenMode = mode == RAR_OM_LIST || mode == RAR_OM_LIST_INCSPLIT ? mode : RAR_OM_EXTRACT;
        data.CmtBufW = commentSize ? comment.data() : nullptr;
        data.CmtBufSize = commentSize;
        data.Callback = &Server::Callback;
        data.UserData = reinterpret_cast<long>(this);
        m_handle = m_api.RAROpenArchiveEx(&data);
        if (m_handle)
            m_api.RARSetCallback(m_handle, &Server::Callback, reinterpret_cast<long>(this));
        const std::uint32_t cmtLength =
            data.CmtState == 1 ? static_cast<std::uint32_t>(wcsnlen(comment.data(), commentSize)) : 0;
        send(FrameWriter(Frame::Opened)
                 .u32(m_handle ? 1 : 0)
                 .u32(data.OpenResult)
                 .u32(data.Flags)
                 .u32(data.CmtState)
                 .u32(data.CmtSize)
                 .u32(sandbox)
                 .text(Wide(comment.data(), cmtLength)));
        if (!m_handle) {
            flush();
            _exit(0);
        }
    }

    // A path this locale cannot spell would give Landlock no folder to
    // allow and the end check no file to read: the archive is not opened.
    void refuseToOpen(std::uint32_t sandbox)
    {
        send(FrameWriter(Frame::Opened).u32(0).u32(ERAR_EOPEN).u32(0).u32(0).u32(0).u32(sandbox).text({}));
        flush();
        _exit(0);
    }

    int readHeader()
    {
        RARHeaderDataEx& h = *m_header;
        h.FileName[0] = '\0';
        h.FileNameW[0] = L'\0';
        h.RedirName = m_redirName;
        h.RedirNameSize = kNameCapacity;
        m_redirName[0] = L'\0';
        int result = m_api.RARReadHeaderEx(m_handle, &h);
        if (result == ERAR_SUCCESS) {
            if (h.RedirType == 1 && m_redirName[0] == L'\0')
                findRar4LinkTarget(h);
            ++m_entryNumber;
        }
        if (result == ERAR_END_ARCHIVE && archiveWasCut())
            result = ERAR_ARCHIVE_CUT;
        FrameWriter out(Frame::Header);
        out.u32(static_cast<std::uint32_t>(result));
        if (result == ERAR_SUCCESS)
            out.header(h);
        send(out);
        return result;
    }

    // A RAR 4 link: the library names no target (it is the entry's data, which
    // a test does not read), so it is read from the volume here, in the
    // system's encoding as the library would take it.
    void findRar4LinkTarget(RARHeaderDataEx& h)
    {
        const int fd = ::open(m_volume.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return;
        const std::string target = Rar4LinkTarget(fd, m_rar4, m_entryNumber - m_volumeFirstEntry, h.FileCRC);
        close(fd);
        std::mbstate_t state{};
        const char* from = target.c_str();
        const std::size_t length = std::mbsrtowcs(m_redirName, &from, kNameCapacity, &state);
        if (length == static_cast<std::size_t>(-1) || from != nullptr || length != std::wcslen(m_redirName))
            m_redirName[0] = L'\0';
    }

    // The library gives the same end code for a whole archive and for one
    // that stops early; the block chain of the last volume tells them apart.
    bool archiveWasCut() const
    {
        if (m_volume.empty())
            return true;
        const int fd = ::open(m_volume.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return false;
        const bool cut = CheckArchiveEnd(fd) == ArchiveEnd::Cut;
        close(fd);
        return cut;
    }

    int process(std::uint32_t operation, std::uint32_t wantBytes)
    {
        // The library only tests here: it never writes a file itself.
        if (operation != RAR_SKIP && operation != RAR_TEST)
            return ERAR_ECREATE;
        m_wantBytes = wantBytes != 0;
        m_aborted = false;
        return m_api.RARProcessFileW(m_handle, static_cast<int>(operation), nullptr, nullptr);
    }

    int reply(std::u32string& text)
    {
        flush();
        Frame type;
        std::vector<unsigned char> payload;
        std::uint32_t answer = 0;
        // The program may have abandoned the entry before it saw the question.
        do {
            if (!receive(type, payload))
                _exit(0);
        } while (type == Frame::Abort && takeAbort(payload));
        FrameReader in(payload.data(), payload.size());
        if (type != Frame::Reply || !in.u32(answer) || !in.text(text, kNameCapacity) || !in.done())
            _exit(2);
        return static_cast<int>(answer);
    }

    bool receive(Frame& type, std::vector<unsigned char>& payload)
    {
        flush();
        std::uint32_t head[2];
        if (!take(head, sizeof head) || head[1] > kMaxPayload)
            return false;
        type = static_cast<Frame>(head[0]);
        payload.resize(head[1]);
        return take(payload.data(), payload.size());
    }

    // Requests come through a buffer: a frame is usually one read, not two.
    bool take(void* into, std::size_t size)
    {
        auto* at = static_cast<unsigned char*>(into);
        while (size > 0) {
            if (m_inBegin == m_inEnd) {
                const ssize_t got = ::read(kSocketFd, m_in, sizeof m_in);
                if (got < 0 && errno == EINTR)
                    continue;
                if (got <= 0)
                    return false;
                m_inBegin = 0;
                m_inEnd = static_cast<std::size_t>(got);
            }
            const std::size_t part = std::min(size, m_inEnd - m_inBegin);
            std::memcpy(at, m_in + m_inBegin, part);
            m_inBegin += part;
            at += part;
            size -= part;
        }
        return true;
    }

    // Frames are gathered and sent in batches: a listing sends one header
    // per entry, and a write each would cost the program a wake-up each.
    // What waits goes out when the program finds the reader quiet (it sends
    // kNudgeSignal) and on a fault: see flushFromSignal().
    void send(FrameWriter& frame)
    {
        const auto& bytes = frame.finish();
        if (!m_out.add(bytes.data(), bytes.size()))
            _exit(0); // the program has gone: nothing left to do
        if (m_out.waiting() >= 64 * 1024 ||
            std::chrono::steady_clock::now() - m_lastFlush > std::chrono::milliseconds(5))
            flush();
    }
    void send(FrameWriter&& frame) { send(frame); }

public:
    void flush()
    {
        m_lastFlush = std::chrono::steady_clock::now();
        if (!m_out.flush())
            _exit(0);
    }

    // From a signal handler, while the library is slow or stuck in a call,
    // or has faulted (on any thread): the frames gathered so far tell the
    // program how far the run got.
    void flushFromSignal() { m_out.flushFromSignal(); }

private:

    const UnrarApi& m_api;
    RarHandle m_handle = nullptr;
    std::unique_ptr<RARHeaderDataEx> m_header = std::make_unique<RARHeaderDataEx>();
    wchar_t m_redirName[kNameCapacity + 1] = {};
    std::string m_volume;
    FrameBatch m_out{kSocketFd};
    unsigned char m_in[16 * 1024];
    std::size_t m_inBegin = 0;
    std::size_t m_inEnd = 0;
    std::chrono::steady_clock::time_point m_lastFlush;
    std::chrono::steady_clock::time_point m_lastAbortCheck;
    bool m_wantBytes = false;
    std::uint32_t m_entryNumber = 0;
    // RAR 4 link targets: the entries before the current volume, and how far
    // its chain was read.
    std::uint32_t m_volumeFirstEntry = 0;
    Rar4Cursor m_rar4;
    bool m_aborted = false;
};

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
    g_namespaces = EnterNamespaces();

    UnrarApi api;
    std::uint32_t code = 0;
    const std::string error = OpenUnrar("libunrar.so.5", api, code);
    Server server(api);
    server.hello(error.empty() ? api.RARGetDllVersion() : 0, code, error);
    if (!error.empty())
        return 0;
    g_server = &server;
    const int status = server.run();
    g_server = nullptr;
    return status;
}
