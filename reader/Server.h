#pragma once

// The reader's side of one archive run: the program's requests carried out
// with the library (Server.cpp), and the frames, questions and entry data
// that go back (ServerChannel.cpp).

#include "engine/Rar4Links.h"
#include "engine/ReaderProtocol.h"
#include "reader/FrameBatch.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace marrowick::reader {

std::u32string Wide(const wchar_t* text, std::size_t capacity);
// In the system's encoding; empty when it cannot spell the text.
std::string Narrow(const std::u32string& wide);

class Server
{
public:
    Server(const UnrarApi& api, std::uint32_t namespaces) : m_api(api), m_namespaces(namespaces) {}

    int run();
    void hello(int version, std::uint32_t code, const std::string& error);

private:
    static int Callback(unsigned int message, long userData, long p1, long p2);
    int callback(unsigned int message, long p1, long p2);
    int takeData(const unsigned char* data, std::size_t size);
    bool abortRequested();
    bool takeAbort(const std::vector<unsigned char>& payload);
    void open(std::uint32_t mode, std::uint32_t commentSize, const std::u32string& path);
    void refuseToOpen(std::uint32_t sandbox);
    int readHeader();
    void walk(std::uint32_t operation, std::uint32_t wantBytes, std::uint32_t readers, std::uint32_t place);
    static std::u32string_view Name(const RARHeaderDataEx& h);
    static bool Decidable(const RARHeaderDataEx& h);
    int nextHeader();
    void sendHeader(int result);
    void findRar4LinkTarget(RARHeaderDataEx& h);
    bool archiveWasCut() const;
    int process(std::uint32_t operation, std::uint32_t wantBytes);
    int reply(std::u32string& text);
    bool receive(Frame& type, std::vector<unsigned char>& payload);
    bool take(void* into, std::size_t size);
    void send(FrameWriter& frame);
    void send(FrameWriter&& frame) { send(frame); }

public:
    void flush();
    // From a signal handler, while the library is slow or stuck in a call,
    // or has faulted (on any thread): the frames gathered so far tell the
    // program how far the run got.
    void flushFromSignal() { m_out.flushFromSignal(); }

private:
    const UnrarApi& m_api;
    // The namespaces entered at start (SandboxNamespaces or 0).
    const std::uint32_t m_namespaces;
    RarHandle m_handle = nullptr;
    std::unique_ptr<RARHeaderDataEx> m_header = std::make_unique<RARHeaderDataEx>();
    wchar_t m_redirName[kNameCapacity + 1] = {};
    std::string m_volume;
    FrameBatch m_out{kSocketFd};
    unsigned char m_in[16 * 1024];
    std::size_t m_inBegin = 0;
    std::size_t m_inEnd = 0;
    std::chrono::steady_clock::time_point m_lastFlush;
    std::uint32_t m_unclocked = 0;
    std::chrono::steady_clock::time_point m_lastAbortCheck;
    bool m_wantBytes = false;
    std::uint32_t m_entryNumber = 0;
    // Headers sent: the program's numbers for its entries.
    std::uint32_t m_headersSent = 0;
    // The names the next walk is asked for.
    std::vector<std::u32string> m_asked;
    bool m_passingOver = false;
    // RAR 4 link targets: the entries before the current volume, and how far
    // its chain was read.
    std::uint32_t m_volumeFirstEntry = 0;
    Rar4Cursor m_rar4;
    bool m_aborted = false;
};

} // namespace marrowick::reader
