#pragma once

#include <QByteArray>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace marrowick::test {

// Aborts the process, naming the case, when one case runs longer than its
// bound: a hang in the library or in our loop then fails the test at once
// and says where, instead of running into ctest's timeout.
class Watchdog final
{
public:
    explicit Watchdog(std::chrono::seconds bound) : m_bound(bound), m_thread([this] { watch(); }) {}
    ~Watchdog()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    void begin(const QByteArray& caseName)
    {
        std::lock_guard lock(m_mutex);
        m_case = caseName;
        m_deadline = std::chrono::steady_clock::now() + m_bound;
        m_running = true;
        m_wake.notify_all();
    }
    void end()
    {
        std::lock_guard lock(m_mutex);
        m_running = false;
    }

private:
    void watch()
    {
        std::unique_lock lock(m_mutex);
        while (!m_stop) {
            if (!m_running) {
                m_wake.wait(lock);
                continue;
            }
            const auto deadline = m_deadline;
            if (m_wake.wait_until(lock, deadline) == std::cv_status::timeout && m_running &&
                m_deadline == deadline) {
                std::fprintf(stderr, "HANG: case \"%s\" ran longer than %lld s\n",
                             m_case.constData(), static_cast<long long>(m_bound.count()));
                std::fflush(stderr);
                std::abort();
            }
        }
    }

    const std::chrono::seconds m_bound;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    QByteArray m_case;
    std::chrono::steady_clock::time_point m_deadline;
    bool m_running = false;
    bool m_stop = false;
    std::thread m_thread;
};

} // namespace marrowick::test
