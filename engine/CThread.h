#pragma once
// One thread of the system with its stop request: the worker of a pass, the title timer.
// ThreadFunc's result is the exit code, readable once the thread has ended.

#include "platform/PlatEvent.h"

#include <memory>
#include <thread>

class CThread {
public:
    static constexpr unsigned kCreateSuspended = 4;
    static constexpr int kStillActive = 259; // what Stop(true) gives for a thread still running
    static constexpr int kGraceMs = 250;     // how long Stop waits before it reports a late thread

    CThread(bool suspended, int priority);
    CThread(const CThread&) = delete;
    CThread& operator=(const CThread&) = delete;
    virtual ~CThread();
    virtual int OnStart();
    virtual int ThreadFunc() = 0;

    // 1 if a thread was made; 0 if there is one already, OnStart refused or creation failed.
    int Start();
    // A seam for tests: while set, Start makes no thread, as when the system refuses one.
    static void RefuseStartsForTests(bool refuse);
    // Releases a suspended thread and raises the stop request; does not wait.
    void SignalStop();
    // Raises the stop request and waits for the thread's end. Returns its exit code, -1 without
    // a thread. A thread is never abandoned: one still running after the grace period is
    // logged and waited for, because the stop request has woken every wait it can block in.
    // With noWait a thread still running is kept (kStillActive); the destructor waits for it.
    int Stop(bool noWait);
    // A thread was started and has not ended yet.
    bool IsActive() const;
    // Waits up to ms for the thread's end: true once it has ended (or none was started).
    bool WaitForEnd(int ms);
    unsigned GetThreadId() const { return m_ThreadId; }
    int GetPriority() const { return m_Priority; }

    // For the code a thread runs (the key wait, the time-out sleeps of a pass): the calling
    // thread's stop event, null on threads that no CThread started.
    static plat::CEvent* StopEventHere();
    static bool IsStopRequestedHere();
    // Sleeps ms unless the calling thread is asked to stop; true when the request cut it short.
    static bool SleepUnlessStopped(int ms);

protected:
    // Stops the thread before any part of the object is destroyed: the most-derived destructor
    // calls it, so the thread never runs a virtual operation of a half-destroyed object.
    void EndThread();

private:
    static void Entry(CThread* self);

    std::unique_ptr<std::thread> m_hThread;
    unsigned m_CreateFlags;
    int m_Priority; // recorded; the platform scheduler's default is used
    int m_StopRequested;
    plat::CCriticalSection m_Lock;
    plat::CEvent m_hStopEvent;
    unsigned m_ThreadId;
    plat::CEvent m_ResumeEvent; // holds a suspended thread until it is released
    plat::CEvent m_EndedEvent;  // set by the thread after ThreadFunc returned
    int m_ExitCode;             // written by the thread before m_EndedEvent is set
};
