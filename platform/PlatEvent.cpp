#include "platform/PlatEvent.h"

#include <chrono>
#include <condition_variable>
#include <thread>

namespace plat {

namespace {
// All events share one lock and one condition: a wait on several events then needs no
// registration lists, and the few threads of the program make the shared wake-ups cheap.
std::mutex& Lock()
{
    static std::mutex m;
    return m;
}
std::condition_variable& Cond()
{
    static std::condition_variable c;
    return c;
}

template <class Pred>
bool WaitFor(std::unique_lock<std::mutex>& lk, int timeoutMs, Pred pred)
{
    if (timeoutMs < 0) {
        Cond().wait(lk, pred);
        return true;
    }
    return Cond().wait_for(lk, std::chrono::milliseconds(timeoutMs), pred);
}
} // namespace

CEvent::CEvent(bool initiallySet) : m_Set(initiallySet) {}

CEvent::~CEvent() = default;

void CEvent::Set()
{
    {
        std::lock_guard<std::mutex> lk(Lock());
        m_Set = true;
    }
    Cond().notify_all();
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
    std::unique_lock<std::mutex> lk(Lock());
    return WaitFor(lk, timeoutMs, [this] { return m_Set; }) ? 0 : kWaitTimeout;
}

int CEvent::WaitAny(CEvent& a, CEvent& b, int timeoutMs)
{
    std::unique_lock<std::mutex> lk(Lock());
    if (!WaitFor(lk, timeoutMs, [&] { return a.m_Set || b.m_Set; }))
        return kWaitTimeout;
    return a.m_Set ? 0 : 1;
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
    if (!WaitFor(lk, timeoutMs, [&] { return first() >= 0; }))
        return kWaitTimeout;
    return first();
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
