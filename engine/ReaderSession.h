#pragma once

// One marrowick-reader process and the archive open in it, as the engine's
// library functions use it. The reader is untrusted: what it sends is checked
// before anything is believed, and a reader that crashes, hangs past a cancel
// or sends nonsense ends only its own run.

#include "engine/ReaderProtocol.h"
#include "engine/UnrarLibrary.h"

#include <QCoreApplication>
#include <QString>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

namespace marrowick {

class ReaderSession
{
    Q_DECLARE_TR_FUNCTIONS(ReaderSession)

public:
    using Clock = std::chrono::steady_clock;

    ReaderSession(UNRARCALLBACK callback, RarLParam userData)
        : m_callback(callback), m_userData(userData), m_lastIdle(Clock::now())
    {
    }
    ~ReaderSession() { stop(); }
    ReaderSession(const ReaderSession&) = delete;
    ReaderSession& operator=(const ReaderSession&) = delete;

    // Starts the reader process. False (and why) when it could not be.
    bool start(QString& error);
    // The reader's first frame: the library's version, or why it did not load.
    int hello(std::uint32_t& code, QString& error, std::optional<Clock::duration> limit);
    // Starts the reader unless it is the one already started by the
    // library check, then opens the archive in it.
    RarHandle open(RAROpenArchiveDataEx* data);

    void setCallback(UNRARCALLBACK callback, RarLParam userData)
    {
        m_callback = callback;
        m_userData = userData;
    }

    // Before the first header: this reader takes every readers-th entry of
    // a streamed run, from place (0 for the first).
    void share(std::uint32_t readers, std::uint32_t place)
    {
        m_readers = readers;
        m_place = place;
    }

    int readHeader(RARHeaderDataEx* header);
    int processFile(int operation);
    void setPassword(const char* password);

private:
    int endCode() const { return m_cancelled ? ERAR_READER_CANCELLED : ERAR_READER_FAILED; }
    int ask(unsigned int message, RarLParam p1, RarLParam p2);
    bool takeResult();
    void sendSelection(const std::vector<std::u32string>& names);

    void send(reader::FrameWriter&& frame) { send(frame); }
    void send(reader::FrameWriter& frame);
    bool await(reader::Frame wanted);
    bool answerPassword();
    bool answerVolume();
    bool passData(reader::Frame type);
    bool next(reader::Frame& type);
    void nudgeWhenQuiet();
    void makeRoom(std::size_t size);
    bool idle();
    void readerGone();
    int protocolBroken();
    void fail(const QString& reason);
    void stop();

    UNRARCALLBACK m_callback;
    RarLParam m_userData;
    pid_t m_pid = -1;
    int m_fd = -1;
    unsigned int m_openMode = RAR_OM_EXTRACT;

    std::vector<unsigned char> m_in = std::vector<unsigned char>(256 * 1024);
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    reader::FrameReader m_frame{nullptr, 0};
    const unsigned char* m_payload = nullptr;
    std::size_t m_payloadSize = 0;

    bool m_walking = false;
    // The walk sent its last header (the end, or why it stopped).
    bool m_walkEnded = false;
    int m_walkOperation = RAR_SKIP;
    bool m_walkBytes = false;
    // The walk takes some entries only (a selection, a share of several readers).
    bool m_walkChosen = false;
    std::uint32_t m_readers = 1;
    std::uint32_t m_place = 0;
    // The entry last answered for was passed over by the reader (SkipFailed).
    bool m_passedOver = false;
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

// The program started as the reader: marrowick-reader beside the program (or
// in libexec), the build's own for the build tree, or the stand-in.
QString ReaderPath();

} // namespace marrowick
