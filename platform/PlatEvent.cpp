#include "platform/PlatEvent.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <thread>

namespace plat {

namespace {
// All events share one lock: a wait on several events sees them all at once. Each waiting
// thread sleeps on a condition of its own, listed in the events it waits for, so that a Set
// wakes only the threads waiting for that event, not every thread waiting for anything.
std::mutex& Lock()
{
    static std::mutex m;
    return m;
}
} // namespace

CEvent::CEvent(bool initiallySet) : m_Set(initiallySet) {}

CEvent::~CEvent() = default;

void CEvent::Set()
{
    std::lock_guard<std::mutex> lk(Lock());
    if (m_Set)
        return;
    m_Set = true;
    // Under the lock: a waiter's condition lives only while it is listed here.
    for (std::condition_variable* waiter : m_Waiting)
        waiter->notify_one();
}

void CEvent::Reset()
{
    std::lock_guard<std::mutex> lk(Lock());
    m_Set = false;
}

bool CEvent::IsSet() const
{
    std::lock_guard<std::mutex> lk(Lock());
    return m_Set;
}

int CEvent::Wait(int timeoutMs)
{
    CEvent* one[] = {this};
    return WaitAny(one, 1, timeoutMs);
}

int CEvent::WaitAny(CEvent& a, CEvent& b, int timeoutMs)
{
    CEvent* two[] = {&a, &b};
    return WaitAny(two, 2, timeoutMs);
}

int CEvent::WaitAny(CEvent* const* events, int count, int timeoutMs)
{
    auto first = [events, count] {
        for (int i = 0; i < count; ++i)
            if (events[i] && events[i]->m_Set)
                return i;
        return -1;
    };
    std::unique_lock<std::mutex> lk(Lock());
    int set = first();
    if (set >= 0 || timeoutMs == 0)
        return set >= 0 ? set : kWaitTimeout;
    std::condition_variable waiter; // listed only while this call waits on it
    for (int i = 0; i < count; ++i)
        if (events[i])
            events[i]->m_Waiting.push_back(&waiter);
    const auto ready = [&] { return (set = first()) >= 0; };
    if (timeoutMs < 0)
        waiter.wait(lk, ready);
    else
        waiter.wait_for(lk, std::chrono::milliseconds(timeoutMs), ready);
    for (int i = 0; i < count; ++i)
        if (events[i]) {
            std::vector<std::condition_variable*>& w = events[i]->m_Waiting;
            w.erase(std::find(w.begin(), w.end(), &waiter));
        }
    return set >= 0 ? set : kWaitTimeout;
}

bool SleepUnless(CEvent& stop, int ms)
{
    return stop.Wait(ms < 0 ? 0 : ms) == 0;
}

void Sleep(int ms)
{
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace plat
