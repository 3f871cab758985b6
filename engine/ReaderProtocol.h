#pragma once

// The frames between the program and marrowick-reader, the process that runs
// the UnRAR library. Plain C++ and POSIX only: the reader links no Qt.
//
// A frame is a 32-bit type, a 32-bit payload length (both little-endian, as
// the machine is) and the payload. Numbers are 32 or 64 bits, wide texts a
// 32-bit count and that many 32-bit characters. The program trusts nothing
// the reader sends: every reading below is bounds-checked and a frame that
// does not parse ends the run as if the reader had crashed.

#include "engine/UnrarLibrary.h"

#include <csignal>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace marrowick::reader {

enum class Frame : std::uint32_t {
    // Program to reader.
    Open = 1,        // openMode, commentSize, path
    Read = 2,        // (none): read the next header
    Process = 3,     // operation, wantBytes: one entry, then read the next header
    Walk = 4,        // operation, wantBytes, readers, place: every entry asked for in
                     // turn, unasked; one of several readers takes every readers-th
                     // of them from its place (0 for the first)
    Reply = 5,       // answer, text: to AskPassword or AskVolume
    Abort = 6,       // entry number (1 for the first header): abandon that entry
    SetPassword = 7, // bytes
    Select = 8,      // count, that many names: asked for by the next Walk (none: all)

    // Reader to program.
    Hello = 20,      // dllVersion, sandbox flags, load error text
    Opened = 21,     // handle, openResult, flags, cmtState, comment
    Header = 22,     // result, then the header's fields when it is ERAR_SUCCESS
    Data = 23,       // the bytes of the entry in progress
    DataSize = 24,   // 64-bit count of bytes the program did not want
    Result = 25,     // the library's result for the entry
    AskPassword = 26,// buffer size in characters
    AskVolume = 27,  // message (wide or 8-bit form), mode, wide name, 8-bit name
    SkipFailed = 28, // result: in place of Result, for an entry the walk passed over
                     // itself (not asked for) when that failed
};

// The reader's descriptor of its end of the socket pair.
constexpr int kSocketFd = 3;
// Sent by the program to the reader's main thread when no frame came for a
// while: the reader then sends the frames it has gathered, even in the middle
// of a library call that takes long or never returns.
constexpr int kNudgeSignal = SIGUSR1;
// No frame is larger; the reader splits its data to fit.
constexpr std::uint32_t kMaxPayload = 1u << 20;
constexpr std::uint32_t kMaxDataChunk = kMaxPayload - 64;
// The library's fixed name fields hold at most this many characters.
constexpr std::uint32_t kNameCapacity = 1024;
constexpr std::uint32_t kMaxComment = 1u << 18;
// No more readers share one walk.
constexpr std::uint32_t kMaxReaders = 4;

// What the sandbox could put in place (Hello's flags).
enum SandboxFlags : std::uint32_t {
    SandboxNoNewPrivs = 1,
    SandboxSeccomp = 2,
    SandboxLandlock = 4,
    SandboxNamespaces = 8, // user, PID, IPC and network namespaces of its own
};

class FrameWriter
{
public:
    explicit FrameWriter(Frame type);
    FrameWriter& u32(std::uint32_t value);
    FrameWriter& u64(std::uint64_t value);
    FrameWriter& text(const std::u32string& value);
    FrameWriter& bytes(const void* data, std::size_t size);
    // The fields of a library header the program reads: the names (up
    // to their NUL or their end), the link target, the numbers, the hash.
    FrameWriter& header(const RARHeaderDataEx& header);
    FrameWriter& wide(const wchar_t* text, std::size_t capacity);
    // The whole frame, its length filled in.
    const std::vector<unsigned char>& finish();

private:
    std::vector<unsigned char> m_bytes;
};

// Reads one payload; every getter returns false once anything was missing or
// out of bounds, and stays false.
class FrameReader
{
public:
    FrameReader(const unsigned char* data, std::size_t size) : m_data(data), m_size(size) {}
    bool u32(std::uint32_t& value);
    bool u64(std::uint64_t& value);
    bool text(std::u32string& value, std::uint32_t maxLength);
    bool bytes(std::string& value, std::uint32_t maxLength);
    // Fills a header record from header(): names within their fields, the
    // link target within RedirNameSize (dropped when RedirName is not set).
    bool header(RARHeaderDataEx& header);
    // True when everything was read and nothing is left over.
    bool done() const { return m_ok && m_at == m_size; }

private:
    bool take(void* out, std::size_t size);
    // A count that travels before what it counts, at most maxLength.
    bool length(std::uint32_t& value, std::size_t maxLength);
    bool wide(wchar_t* into, std::size_t capacity);
    const unsigned char* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
    bool m_ok = true;
};

// Writes all of a buffer to a descriptor, through interruptions. False when
// the other end is gone.
bool WriteAll(int fd, const void* data, std::size_t size);

} // namespace marrowick::reader
