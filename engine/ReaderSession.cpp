// The requests of one archive run and their replies: the library's calls as
// frames, the reader's questions answered through the run's callback, entry
// data passed on.
#include "engine/ReaderSession.h"

#include "engine/SandboxNotice.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace marrowick {

using namespace reader;

namespace {

void CopyWide(const std::u32string& text, wchar_t* into, std::size_t capacity)
{
    const std::size_t length = std::min(text.size(), capacity);
    std::copy_n(text.begin(), length, into);
    if (length < capacity)
        into[length] = L'\0';
}

} // namespace

// Starts the reader unless it is the one already started by the
// library check, then opens the archive in it.
RarHandle ReaderSession::open(RAROpenArchiveDataEx* data)
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

int ReaderSession::readHeader(RARHeaderDataEx* header)
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
            // Of some entries only: the reader passes over the others.
            std::vector<std::u32string> names;
            if (plan != RAR_SKIP)
                ask(UCM_READER_SELECTION, reinterpret_cast<RarLParam>(&names), 0);
            sendSelection(names);
            m_walkChosen = !names.empty() || m_readers > 1;
            send(FrameWriter(Frame::Walk)
                     .u32(static_cast<std::uint32_t>(m_walkOperation))
                     .u32(m_walkBytes ? 1 : 0)
                     .u32(m_readers)
                     .u32(m_place));
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
    } else {
        m_walkEnded = m_walking;
    }
    return static_cast<int>(result);
}

int ReaderSession::processFile(int operation)
{
    if (m_ended)
        return endCode();
    if (m_walking) {
        if (!m_resultAhead)
            return ERAR_UNKNOWN;
        if (operation != m_walkOperation) {
            // A test of some entries passes over only those it cannot tell
            // from the others by name.
            if ((!m_walkBytes && !m_walkChosen) || operation != RAR_SKIP)
                return ERAR_UNKNOWN;
            // Passed over in a streamed extraction: its data is dropped
            // on arrival. A solid archive needs it decoded for the entries
            // after it; any other stops decoding it.
            m_entryAbandoned = true;
            if (!m_solid)
                send(FrameWriter(Frame::Abort).u32(m_entryNumber));
            if (!takeResult())
                return endCode();
            // Passed over by the reader already, and that failed.
            return m_passedOver ? m_result : ERAR_SUCCESS;
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

void ReaderSession::sendSelection(const std::vector<std::u32string>& names)
{
    // In frames of at most the largest payload.
    for (std::size_t from = 0; from < names.size();) {
        std::size_t to = from, size = 4;
        while (to < names.size() && size + 4 + names[to].size() * 4 <= kMaxDataChunk)
            size += 4 + names[to++].size() * 4;
        FrameWriter frame(Frame::Select);
        frame.u32(static_cast<std::uint32_t>(to - from));
        for (; from < to; ++from)
            frame.text(names[from]);
        send(frame);
    }
}

void ReaderSession::setPassword(const char* password)
{
    if (m_ended || !password)
        return;
    send(FrameWriter(Frame::SetPassword)
             .u32(static_cast<std::uint32_t>(strnlen(password, kNameCapacity)))
             .bytes(password, strnlen(password, kNameCapacity)));
}

int ReaderSession::ask(unsigned int message, RarLParam p1, RarLParam p2)
{
    if (!m_callback)
        return message == UCM_READER_IDLE ? 1 : -1;
    return m_callback(message, m_userData, p1, p2);
}

bool ReaderSession::takeResult()
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

// Waits for the frame of the given type, answering the reader's
// questions and passing on entry data in between. False when the run with
// this reader is over (it failed, broke the protocol or was cancelled).
bool ReaderSession::await(Frame wanted)
{
    Frame type;
    while (next(type)) {
        if (type == wanted) {
            m_passedOver = false;
            return true;
        }
        // An entry a walk of some entries passed over itself stands for its
        // result only.
        if (wanted == Frame::Result && type == Frame::SkipFailed && m_walkChosen) {
            m_passedOver = true;
            return true;
        }
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

bool ReaderSession::answerPassword()
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

bool ReaderSession::answerVolume()
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

bool ReaderSession::passData(Frame type)
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

} // namespace marrowick
