#pragma once

#include <chrono>

namespace marrowick {

// Lets a long loop hand control to the window at a bounded rate: often enough
// to stay responsive, rarely enough that an archive of many small entries
// lists at close to the library's own speed.
class RunPacer final
{
public:
    using Clock = std::chrono::steady_clock;

    explicit RunPacer(Clock::duration interval = std::chrono::milliseconds(25))
        : RunPacer(interval, Clock::now() + interval)
    {
    }
    // First due at first.
    RunPacer(Clock::duration interval, Clock::time_point first) : m_interval(interval), m_next(first)
    {
    }

    // True at most once per interval.
    bool due()
    {
        const Clock::time_point now = Clock::now();
        if (now < m_next)
            return false;
        m_next = now + m_interval;
        return true;
    }

private:
    Clock::duration m_interval;
    Clock::time_point m_next;
};

} // namespace marrowick
