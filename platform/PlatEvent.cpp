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
    bool wake = false;
    {
        std::lock_guard<std::mutex> lk(Lock());
        wake = !m_Set && m_Waiters > 0;
        m_Set = true;
    }
    if (wake)
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
    // Counted as waiting while the lock is held, so a Set can tell whether to wake anyone.
    const auto count_waiting = [&](int step) {
        for (int i = 0; i < count; ++i)
            if (events[i])
                events[i]->m_Waiters += step;
    };
    count_waiting(1);
    const bool set = WaitFor(lk, timeoutMs, [&] { return first() >= 0; });
    count_waiting(-1);
    return set ? first() : kWaitTimeout;
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
