#pragma once

#include <atomic>
#include <cstddef>

namespace marrowick::reader {

// The reader's outgoing frames, gathered in one buffer made before the
// library runs. The main thread adds whole frames and sends them in batches;
// a signal handler on any thread (the program's nudge, or a fault in one of
// the library's threads) may send what is gathered with one write and no
// allocation. Whoever holds the batch sends it: a handler that finds it held
// sends nothing, so no frame goes out twice or torn.
class FrameBatch
{
public:
    explicit FrameBatch(int fd) : m_fd(fd) {}
    FrameBatch(const FrameBatch&) = delete;
    FrameBatch& operator=(const FrameBatch&) = delete;

    // One whole frame; it goes out at once (after what waits) when it does
    // not fit. False when the other end is gone.
    bool add(const unsigned char* frame, std::size_t size);
    // Sends what waits. False when the other end is gone.
    bool flush();
    std::size_t waiting() const { return m_size; }

    // From a signal handler. Async-signal-safe.
    void flushFromSignal();

    static constexpr std::size_t kCapacity = 128 * 1024;

private:
    bool take();
    void give();
    bool sendLocked();

    const int m_fd;
    std::atomic<bool> m_held{false};
    std::size_t m_size = 0;
    unsigned char m_bytes[kCapacity];
    static_assert(std::atomic<bool>::is_always_lock_free);
};

} // namespace marrowick::reader
