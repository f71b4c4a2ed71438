#pragma once
// Ends the process when a test runs past its time: a hang inside a nested event loop would
// otherwise hold the whole suite until CTest's own limit.
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace robust {

class Watchdog {
public:
    Watchdog(std::string what, std::chrono::seconds limit)
        : m_thread([this, what = std::move(what), limit] {
            std::unique_lock lock(m_mutex);
            if (!m_done.wait_for(lock, limit, [this] { return m_stopped; })) {
                std::fprintf(stderr, "%s: still running after %lld s, taken as a hang\n", what.c_str(),
                             static_cast<long long>(limit.count()));
                std::abort();
            }
        })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stopped = true;
        }
        m_done.notify_all();
        m_thread.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_stopped = false;
    std::thread m_thread; // last: starts once the rest is ready
};

} // namespace robust
