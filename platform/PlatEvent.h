#pragma once
// Manual-reset events and the waits the system uses on them: one event, or the first of two,
// with or without a time limit. Stand-in for the platform's unnamed events.

#include <condition_variable>
#include <mutex>
#include <vector>

namespace plat {

constexpr int kInfinite = -1;

// Results of the waits.
constexpr int kWaitTimeout = -1;

class CEvent {
public:
    explicit CEvent(bool initiallySet = false);
    CEvent(const CEvent&) = delete;
    CEvent& operator=(const CEvent&) = delete;
    ~CEvent();

    void Set();
    void Reset();
    bool IsSet() const;

    // Returns 0 when the event was (or became) set, kWaitTimeout after timeoutMs.
    int Wait(int timeoutMs = kInfinite);

    // Waits until a or b is set: 0 for a, 1 for b (a wins when both are), kWaitTimeout on timeout.
    static int WaitAny(CEvent& a, CEvent& b, int timeoutMs = kInfinite);

    // Waits until one of count events is set: the index of the first set one (the lowest wins
    // when several are), kWaitTimeout on timeout. Null entries are never set.
    static int WaitAny(CEvent* const* events, int count, int timeoutMs = kInfinite);

private:
    bool m_Set;
    std::vector<std::condition_variable*> m_Waiting; // of the threads waiting on it now
};

// Sleeps for ms milliseconds unless stop is set first; returns true when stop cut it short.
bool SleepUnless(CEvent& stop, int ms);

// Plain sleep.
void Sleep(int ms);

// The platform's critical section: its owner may enter it again.
using CCriticalSection = std::recursive_mutex;

} // namespace plat
