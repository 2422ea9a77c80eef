#include "platform/PlatEvent.h"

#include <chrono>
#include <condition_variable>
#include <thread>

namespace plat {

namespace {
// All events share one lock. A blocked thread waits on a condition of its own, in a slot that
// names the events it waits for, so that setting an event wakes only the threads waiting for it
// and setting one already set wakes nobody. The slots are never destroyed: a set may notify a
// slot after its thread left it (a spurious wake the waits' predicates absorb). Threads beyond
// the slots share one condition that every set wakes.
struct SWaiter {
    std::condition_variable cond;
    CEvent* const* events = nullptr;
    int count = 0;
    bool used = false;
};
constexpr int kSlots = 32;

struct SWaits {
    std::mutex lock;
    SWaiter slots[kSlots];
    std::condition_variable shared;
    int sharedWaiters = 0;
};
SWaits& W()
{
    static SWaits* waits = new SWaits; // never destroyed: threads may wait while the process ends
    return *waits;
}

// Waits until pred holds; false on time-out.
template <class Pred>
bool WaitFor(std::unique_lock<std::mutex>& lk, CEvent* const* events, int count, int timeoutMs, Pred pred)
{
    if (pred())
        return true;
    if (timeoutMs == 0)
        return false;
    SWaits& w = W();
    SWaiter* slot = nullptr;
    for (SWaiter& s : w.slots)
        if (!s.used) {
            slot = &s;
            break;
        }
    std::condition_variable& cond = slot ? slot->cond : w.shared;
    if (slot) {
        slot->used = true;
        slot->events = events;
        slot->count = count;
    } else {
        ++w.sharedWaiters;
    }
    const bool met = timeoutMs < 0 ? (cond.wait(lk, pred), true)
                                   : cond.wait_for(lk, std::chrono::milliseconds(timeoutMs), pred);
    if (slot)
        slot->used = false;
    else
        --w.sharedWaiters;
    return met;
}
} // namespace

CEvent::CEvent(bool initiallySet) : m_Set(initiallySet) {}

CEvent::~CEvent() = default;

void CEvent::Set()
{
    SWaits& w = W();
    std::condition_variable* wake[kSlots];
    int woken = 0;
    bool shared = false;
    {
        std::lock_guard<std::mutex> lk(w.lock);
        if (m_Set)
            return; // a thread waiting for it would not be waiting
        m_Set = true;
        for (SWaiter& s : w.slots)
            if (s.used)
                for (int i = 0; i < s.count; ++i)
                    if (s.events[i] == this) {
                        wake[woken++] = &s.cond;
                        break;
                    }
        shared = w.sharedWaiters > 0;
    }
    // Outside the lock, so that the woken thread does not wait for it at once.
    for (int i = 0; i < woken; ++i)
        wake[i]->notify_one();
    if (shared)
        w.shared.notify_all();
}

void CEvent::Reset()
{
    std::lock_guard<std::mutex> lk(W().lock);
    m_Set = false;
}

bool CEvent::IsSet() const
{
    std::lock_guard<std::mutex> lk(W().lock);
    return m_Set;
}

int CEvent::Wait(int timeoutMs)
{
    CEvent* const self[] = {this};
    std::unique_lock<std::mutex> lk(W().lock);
    return WaitFor(lk, self, 1, timeoutMs, [this] { return m_Set; }) ? 0 : kWaitTimeout;
}

int CEvent::WaitAny(CEvent& a, CEvent& b, int timeoutMs)
{
    CEvent* const both[] = {&a, &b};
    std::unique_lock<std::mutex> lk(W().lock);
    if (!WaitFor(lk, both, 2, timeoutMs, [&] { return a.m_Set || b.m_Set; }))
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
    std::unique_lock<std::mutex> lk(W().lock);
    if (!WaitFor(lk, events, count, timeoutMs, [&] { return first() >= 0; }))
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
