#include "reader/FrameBatch.h"

#include "engine/ReaderProtocol.h"

#include <cerrno>
#include <cstring>

#include <sched.h>
#include <unistd.h>

namespace marrowick::reader {

bool FrameBatch::take()
{
    return !m_held.exchange(true, std::memory_order_acquire);
}

void FrameBatch::give()
{
    m_held.store(false, std::memory_order_release);
}

// The caller holds the batch.
bool FrameBatch::sendLocked()
{
    const bool sent = m_size == 0 || WriteAll(m_fd, m_bytes, m_size);
    m_size = 0;
    return sent;
}

bool FrameBatch::add(const unsigned char* frame, std::size_t size)
{
    // Only a handler on another thread holds it, and only for one write.
    while (!take())
        sched_yield();
    bool sent = true;
    if (size > kCapacity - m_size)
        sent = sendLocked();
    if (size > kCapacity)
        sent = sent && WriteAll(m_fd, frame, size);
    else {
        std::memcpy(m_bytes + m_size, frame, size);
        m_size += size;
    }
    give();
    return sent;
}

bool FrameBatch::flush()
{
    while (!take())
        sched_yield();
    const bool sent = sendLocked();
    give();
    return sent;
}

void FrameBatch::flushFromSignal()
{
    if (!take())
        return;
    const int saved = errno;
    const unsigned char* at = m_bytes;
    std::size_t left = m_size;
    while (left > 0) {
        const ssize_t written = ::write(m_fd, at, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            break;
        at += written;
        left -= static_cast<std::size_t>(written);
    }
    m_size = 0;
    errno = saved;
    give();
}

} // namespace marrowick::reader
