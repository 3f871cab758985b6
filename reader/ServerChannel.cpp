// What goes back to the program: the library's questions asked and answered,
// entry data sent (or only its size), an abort noticed, and the frames
// gathered into batches.
#include "reader/Server.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <poll.h>
#include <unistd.h>

namespace marrowick::reader {

int Server::Callback(unsigned int message, long userData, long p1, long p2)
{
    return reinterpret_cast<Server*>(userData)->callback(message, p1, p2);
}

int Server::callback(unsigned int message, long p1, long p2)
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

int Server::takeData(const unsigned char* data, std::size_t size)
{
    // An entry the walk passes over by itself: the program hears nothing.
    if (m_passingOver)
        return 1;
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
bool Server::abortRequested()
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
bool Server::takeAbort(const std::vector<unsigned char>& payload)
{
    FrameReader in(payload.data(), payload.size());
    std::uint32_t entry = 0;
    if (!in.u32(entry) || !in.done())
        return false;
    // An abort for an entry already sent in full comes too late to matter.
    if (entry == m_headersSent)
        m_aborted = true;
    return true;
}

int Server::reply(std::u32string& text)
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

bool Server::receive(Frame& type, std::vector<unsigned char>& payload)
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
bool Server::take(void* into, std::size_t size)
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
void Server::send(FrameWriter& frame)
{
    const auto& bytes = frame.finish();
    if (!m_out.add(bytes.data(), bytes.size()))
        _exit(0); // the program has gone: nothing left to do
    // The clock is read every few frames: a test sends three per entry.
    if (m_out.waiting() >= 64 * 1024 ||
        (++m_unclocked % 16 == 0 &&
         std::chrono::steady_clock::now() - m_lastFlush > std::chrono::milliseconds(5)))
        flush();
}

void Server::flush()
{
    m_lastFlush = std::chrono::steady_clock::now();
    if (!m_out.flush())
        _exit(0);
}

} // namespace marrowick::reader
