#include "engine/CKbrd.h"

#include "base/Log.h"
#include "engine/CThread.h"
#include "engine/EngineGlobals.h"

namespace {
std::atomic<plat::CEvent*> s_pWaitObserver{nullptr};
}

void CKbrd::SetWaitObserver(plat::CEvent* event)
{
    s_pWaitObserver = event;
}

void CKbrd::SignalKey()
{
    m_KeyHit = 1;
    m_hKeyEvent.Set();
}

int CKbrd::ClearKeyHit()
{
    m_KeyHit = 0;
    return 0;
}

int CKbrd::GetKbHit()
{
    // A key that came while nobody waited does not end this wait. The change request is not
    // reset here: one raised just before the wait would be lost, and the window thread, which
    // then waits for the manager's lock, could never deliver the key that ends the wait.
    // SetKbrdType resets it itself once the change is done.
    m_hKeyEvent.Reset();
    if (plat::CEvent* observer = s_pWaitObserver)
        observer->Set();
    plat::CEvent* events[] = {&m_hKeyEvent, g_KbToChgEvent, CThread::StopEventHere()};
    switch (plat::CEvent::WaitAny(events, 3)) {
    case 0:
        m_hKeyEvent.Reset();
        return KBHIT_KEY;
    case 1:
        return KBHIT_CHANGE;
    case 2:
        return KBHIT_STOP;
    default:
        LogFatal("\nCKbrd::GetKbHit(), errors: WAIT_FAILED, WAIT_ABANDONED, WAIT_ABANDONED_0+1");
    }
}

int CKbrd_Keyboard::PutKey(int code)
{
    m_Key = static_cast<char>(code & 0xFF);
    SignalKey();
    return 0;
}

int CKbrd_Mouse::PutKey(int code)
{
    switch (code) {
    case 1: m_Key = 's'; break;
    case 2: m_Key = ' '; break;
    case 3: m_Key = '='; break;
    case 4: m_Key = ' '; break;
    case KEY_ESCAPE: m_Key = KEY_ESCAPE; break;
    default: break;
    }
    SignalKey();
    return 0;
}
