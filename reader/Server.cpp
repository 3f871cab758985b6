// The program's requests carried out with the library: the archive opened in
// the sandbox, its headers read and sent, the entries of a walk tested or
// passed over.
#include "reader/Server.h"

#include "engine/ArchiveEnd.h"
#include "engine/NameMatch.h"
#include "reader/Sandbox.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include <fcntl.h>
#include <unistd.h>

namespace marrowick::reader {

namespace {

std::string Folder(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

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

int Server::run()
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
        case Frame::Select: {
            std::uint32_t count = 0;
            if (!m_handle || !in.u32(count))
                return 2;
            for (std::u32string name; count > 0 && in.text(name, kNameCapacity); --count)
                m_asked.push_back(name);
            if (!in.done())
                return 2;
            break;
        }
        case Frame::Walk: {
            std::uint32_t readers = 0, place = 0;
            if (!m_handle || !in.u32(a) || !in.u32(b) || !in.u32(readers) || !in.u32(place) ||
                !in.done() || readers == 0 || readers > kMaxReaders || place >= readers)
                return 2;
            walk(a, b, readers, place);
            break;
        }
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

void Server::hello(int version, std::uint32_t code, const std::string& error)
{
    std::u32string text(error.begin(), error.end());
    send(FrameWriter(Frame::Hello).u32(static_cast<std::uint32_t>(version)).u32(code).text(text));
    flush();
}

void Server::open(std::uint32_t mode, std::uint32_t commentSize, const std::u32string& path)
{
    const std::string narrowPath = Narrow(path);
    std::uint32_t sandbox = m_namespaces;
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
void Server::refuseToOpen(std::uint32_t sandbox)
{
    send(FrameWriter(Frame::Opened).u32(0).u32(ERAR_EOPEN).u32(0).u32(0).u32(0).u32(sandbox).text({}));
    flush();
    _exit(0);
}

int Server::readHeader()
{
    const int result = nextHeader();
    sendHeader(result);
    return result;
}

// Every entry asked for in turn, or every readers-th of them from place
// when several readers share the walk. The others are passed over here,
// without a word to the program unless that failed (which only a reader
// of its own says: of several, each would say it).
void Server::walk(std::uint32_t operation, std::uint32_t wantBytes, std::uint32_t readers, std::uint32_t place)
{
    const NameMatch asked(m_asked);
    m_asked.clear();
    std::uint64_t counted = 0;
    int result = ERAR_SUCCESS;
    while ((result = nextHeader()) == ERAR_SUCCESS) {
        const bool wanted = asked.empty() || !Decidable(*m_header) || asked.wants(Name(*m_header));
        if (wanted && counted++ % readers == place) {
            sendHeader(result);
            send(FrameWriter(Frame::Result).u32(static_cast<std::uint32_t>(process(operation, wantBytes))));
            continue;
        }
        // What the program asked for goes out before the walk passes over
        // the rest: one entry of many is waited for, not the walk's end.
        if (readers == 1 && !asked.empty() && m_out.waiting() > 0)
            flush();
        m_passingOver = true;
        const int skipped = process(RAR_SKIP, 0);
        m_passingOver = false;
        if (skipped != ERAR_SUCCESS && readers == 1) {
            sendHeader(ERAR_SUCCESS);
            send(FrameWriter(Frame::SkipFailed).u32(static_cast<std::uint32_t>(skipped)));
        }
    }
    sendHeader(result);
}

std::u32string_view Server::Name(const RARHeaderDataEx& h)
{
    return {reinterpret_cast<const char32_t*>(h.FileNameW), wcsnlen(h.FileNameW, std::size(h.FileNameW))};
}

// The program matches the names it shows: a name it would spell
// otherwise (an 8-bit one, a character that is none) is its to decide.
bool Server::Decidable(const RARHeaderDataEx& h)
{
    const std::u32string_view name = Name(h);
    return !name.empty() && std::none_of(name.begin(), name.end(), [](char32_t c) {
        return (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF;
    });
}

int Server::nextHeader()
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
    return result;
}

void Server::sendHeader(int result)
{
    FrameWriter out(Frame::Header);
    out.u32(static_cast<std::uint32_t>(result));
    if (result == ERAR_SUCCESS) {
        out.header(*m_header);
        ++m_headersSent;
    }
    send(out);
}

// A RAR 4 link: the library names no target (it is the entry's data, which
// a test does not read), so it is read from the volume here, in the
// system's encoding as the library would take it.
void Server::findRar4LinkTarget(RARHeaderDataEx& h)
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
bool Server::archiveWasCut() const
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

int Server::process(std::uint32_t operation, std::uint32_t wantBytes)
{
    // The library only tests here: it never writes a file itself.
    if (operation != RAR_SKIP && operation != RAR_TEST)
        return ERAR_ECREATE;
    m_wantBytes = wantBytes != 0;
    m_aborted = false;
    return m_api.RARProcessFileW(m_handle, static_cast<int>(operation), nullptr, nullptr);
}

} // namespace marrowick::reader
