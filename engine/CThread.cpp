#include "engine/CThread.h"

#include "base/Log.h"

#include <atomic>
#include <system_error>

namespace {
thread_local CThread* t_pHere = nullptr;
std::atomic<unsigned> s_NextThreadId{1};
std::atomic<bool> s_RefuseStarts{false};
} // namespace

CThread::CThread(bool suspended, int priority)
    : m_CreateFlags(suspended ? kCreateSuspended : 0), m_Priority(priority), m_StopRequested(0),
      m_ThreadId(0), m_ExitCode(0)
{
}

CThread::~CThread()
{
    EndThread();
}

int CThread::OnStart()
{
    return 1;
}

void CThread::EndThread()
{
    SignalStop();
    Stop(false);
}

void CThread::Entry(CThread* self)
{
    t_pHere = self;
    if (self->m_CreateFlags & kCreateSuspended)
        self->m_ResumeEvent.Wait();
    const int code = self->ThreadFunc();
    t_pHere = nullptr;
    self->m_ExitCode = code;
    self->m_EndedEvent.Set(); // the last touch of the object by this thread
}

int CThread::Start()
{
    if (m_hThread)
        return 0;
    if (!OnStart())
        return 0;
    m_StopRequested = 0;
    m_hStopEvent.Reset();
    m_ResumeEvent.Reset();
    m_EndedEvent.Reset();
    if (s_RefuseStarts)
        return 0;
    try {
        m_hThread = std::make_unique<std::thread>(&CThread::Entry, this);
    } catch (const std::system_error&) {
        return 0;
    }
    m_ThreadId = s_NextThreadId++;
    return 1;
}

void CThread::RefuseStartsForTests(bool refuse)
{
    s_RefuseStarts = refuse;
}

void CThread::SignalStop()
{
    {
        std::lock_guard<plat::CCriticalSection> lk(m_Lock);
        m_hStopEvent.Set();
        m_StopRequested = 1;
    }
    // Released only now, so that a suspended thread sees the request it was released by.
    m_ResumeEvent.Set();
}

int CThread::Stop(bool noWait)
{
    if (!m_hThread)
        return -1;
    m_StopRequested = 1;
    m_hStopEvent.Set();
    m_ResumeEvent.Set(); // a suspended thread could never end otherwise
    if (!noWait)
        m_EndedEvent.Wait(kGraceMs);
    if (!m_EndedEvent.IsSet()) {
        if (noWait)
            return kStillActive;
        LogMsg("\nCThread::Stop(), thread still active after the grace period, waiting for its end");
        m_EndedEvent.Wait();
    }
    m_hThread->join();
    m_hThread.reset();
    m_StopRequested = 0;
    return m_ExitCode;
}

bool CThread::IsActive() const
{
    return m_hThread && !m_EndedEvent.IsSet();
}

bool CThread::WaitForEnd(int ms)
{
    return !m_hThread || m_EndedEvent.Wait(ms) == 0;
}

plat::CEvent* CThread::StopEventHere()
{
    return t_pHere ? &t_pHere->m_hStopEvent : nullptr;
}

bool CThread::IsStopRequestedHere()
{
    return t_pHere && t_pHere->m_hStopEvent.IsSet();
}

bool CThread::SleepUnlessStopped(int ms)
{
    if (plat::CEvent* stop = StopEventHere())
        return plat::SleepUnless(*stop, ms);
    plat::Sleep(ms);
    return false;
}
