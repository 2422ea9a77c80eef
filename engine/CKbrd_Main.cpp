#include "engine/CKbrd_Main.h"

#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "base/Log.h"
#include "engine/CKbrd.h"
#include "engine/CThread.h"
#include "engine/EngineGlobals.h"

#include <chrono>
#include <mutex>
#include <new>

using Guard = std::lock_guard<plat::CCriticalSection>;

CKbrd_Main::CKbrd_Main() : m_pIKbrd(g_pILsnAFc->Create_IKbrd(KBRD_TYPE_KEYBOARD))
{
    if (!m_pIKbrd)
        LogFatal("\nCKbrd_Main::CKbrd_Main(), error, m_pIKbrd  == 0");
    g_KbToChgEvent = new (std::nothrow) plat::CEvent;
    if (!g_KbToChgEvent)
        LogFatal("\nCKbrd_Main::CKbrd_Main(), Error, g_KbToChgEvent == 0");
    g_KbChgIsOverEvent = new (std::nothrow) plat::CEvent;
    if (!g_KbChgIsOverEvent)
        LogFatal("\nCKbrd_Main::CKbrd_Main(), Error, g_KbChgIsOverEvent == 0");
}

CKbrd_Main::~CKbrd_Main()
{
    delete m_pIKbrd;
    delete g_KbToChgEvent;
    g_KbToChgEvent = nullptr;
    delete g_KbChgIsOverEvent;
    g_KbChgIsOverEvent = nullptr;
}

int CKbrd_Main::GetKbrdType()
{
    return m_pIKbrd->GetKbrdType();
}

int CKbrd_Main::PutKey(int code)
{
    // No lock: the worker holds it for the whole key wait that this call ends.
    return m_pIKbrd->PutKey(code);
}

int CKbrd_Main::WaitKbHit(int ms)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(ms < 0 ? 0 : ms);
    for (;;) {
        if (CThread::IsStopRequestedHere())
            return 0;
        int left = -1;
        if (ms >= 0) {
            const auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
            left = rest > 0 ? static_cast<int>(rest) : 0;
        }
        int r;
        {
            Guard lk(m_Lock);
            r = m_pIKbrd->WaitKbHit(left);
            if (r == CKbrd::KBHIT_CHANGE)
                g_KbChgIsOverEvent->Reset(); // before the lock is left: SetKbrdType sets it under the lock
        }
        switch (r) {
        case CKbrd::KBHIT_KEY:
        case CKbrd::KBHIT_STOP:
            return 0;
        case kKbHitTimeOut: return kKbHitTimeOut;
        case CKbrd::KBHIT_CHANGE:
            if (plat::CEvent* stop = CThread::StopEventHere())
                plat::CEvent::WaitAny(*g_KbChgIsOverEvent, *stop);
            else
                g_KbChgIsOverEvent->Wait();
            break; // wait again, on the new source
        default:
            LogFatal("\nCKbrd_Main::GetKbHit(), error, unknown res = m_pIKbrd->GetKbHit()");
        }
    }
}

char32_t CKbrd_Main::GetKey()
{
    if (CThread::IsStopRequestedHere())
        return KEY_ESCAPE;
    Guard lk(m_Lock);
    return m_pIKbrd->GetKey();
}

int CKbrd_Main::IsKeyHit()
{
    if (CThread::IsStopRequestedHere())
        return 1;
    Guard lk(m_Lock);
    return m_pIKbrd->IsKeyHit();
}

int CKbrd_Main::ClearKeyHit()
{
    Guard lk(m_Lock);
    return m_pIKbrd->ClearKeyHit();
}

int CKbrd_Main::DropKeys()
{
    Guard lk(m_Lock);
    return m_pIKbrd->DropKeys();
}

int CKbrd_Main::SetKbrdType(int type)
{
    if (type == m_pIKbrd->GetKbrdType())
        return 0;
    g_KbToChgEvent->Set(); // a waiting worker leaves its wait and the lock
    Guard lk(m_Lock);
    delete m_pIKbrd;
    m_pIKbrd = nullptr;
    if (type != KBRD_TYPE_KEYBOARD && type != KBRD_TYPE_MOUSE)
        LogFatal("\nCKbrd_Main::SetKbrdType(), Error - wrong keyboard type required");
    m_pIKbrd = g_pILsnAFc->Create_IKbrd(type);
    if (!m_pIKbrd)
        LogFatal("\nCKbrd_Main::SetKbrdType(), error, m_pIKbrd  == 0");
    g_KbToChgEvent->Reset();
    g_KbChgIsOverEvent->Set();
    return 0;
}
