#pragma once

// One archive handle of the engine: a reader, or several sharing a streamed
// run over an archive whose entries stand alone. Each reader of several takes
// every N-th entry and passes over the rest itself; the handle hands their
// entries to the engine in the archive's order, one reader at a time, so the
// engine's questions, progress, refusals and failures come as from one.
// The readers ahead wait with their frames in their sockets.

#include "engine/ReaderSession.h"

#include <memory>
#include <string>
#include <vector>

namespace marrowick {

class ReaderGroup final
{
public:
    explicit ReaderGroup(std::unique_ptr<ReaderSession> first);
    ReaderGroup(const ReaderGroup&) = delete;
    ReaderGroup& operator=(const ReaderGroup&) = delete;

    RarHandle open(RAROpenArchiveDataEx* data);
    void setCallback(UNRARCALLBACK callback, RarLParam userData);
    int readHeader(RARHeaderDataEx* header);
    int processFile(int operation);
    void setPassword(const char* password);

private:
    static int Forward(unsigned int message, RarLParam group, RarLParam p1, RarLParam p2);
    void startOthers();

    std::vector<std::unique_ptr<ReaderSession>> m_sessions;
    ReaderSession* m_current = nullptr; // the one whose entry the engine works on
    std::uint64_t m_next = 0;            // entries handed out so far
    bool m_started = false;
    UNRARCALLBACK m_callback = nullptr;
    RarLParam m_userData = 0;
    // While further readers open: one that fails is left out, unreported.
    bool m_opening = false;
    std::wstring m_path;
    unsigned int m_openMode = RAR_OM_EXTRACT;
    unsigned int m_flags = 0;
    std::string m_password;
};

} // namespace marrowick
