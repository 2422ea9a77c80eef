#include "engine/CKbrd.h"

#include "base/Log.h"
#include "engine/CScreen.h"
#include "engine/CThread.h"
#include "engine/EngineGlobals.h"

namespace {
std::atomic<plat::CEvent*> s_pWaitObserver{nullptr};
std::atomic<IKeyFeed*> s_pKeyFeed{nullptr};
using Guard = std::lock_guard<std::mutex>;
}

void CKbrd::SetWaitObserver(plat::CEvent* event)
{
    s_pWaitObserver = event;
}

void CKbrd::SetKeyFeed(IKeyFeed* feed)
{
    s_pKeyFeed = feed;
}

int CKbrd::Deliver(char32_t key)
{
    int refused = 0;
    {
        Guard lk(m_QueueLock);
        m_LastDelivered = key;
        if (!m_KeyHit && m_QueueCount == 0) {
            m_Key = key;
            m_KeyHit = 1;
            m_KeyTaken = false;
        } else if (m_QueueCount < kQueueSize) {
            m_Queue[(m_QueueFirst + m_QueueCount++) % kQueueSize] = key;
        } else {
            refused = 1;
        }
        // Set under the lock: a wait that found nothing resets the event under it too.
        m_hKeyEvent.Set();
    }
    return refused;
}

bool CKbrd::TakeForWaitLocked()
{
    if (m_KeyHit && !m_KeyTaken) {
        m_KeyTaken = true;
        return true;
    }
    if (!HitNextQueuedLocked())
        return false;
    m_KeyTaken = true;
    return true;
}

bool CKbrd::HitNextQueuedLocked()
{
    if (m_QueueCount == 0)
        return false;
    m_Key = m_Queue[m_QueueFirst];
    m_QueueFirst = (m_QueueFirst + 1) % kQueueSize;
    --m_QueueCount;
    m_KeyHit = 1;
    return true;
}

char32_t CKbrd::GetKey()
{
    Guard lk(m_QueueLock);
    return m_Key;
}

int CKbrd::IsKeyHit()
{
    Guard lk(m_QueueLock);
    return m_KeyHit;
}

int CKbrd::ClearKeyHit()
{
    Guard lk(m_QueueLock);
    m_KeyHit = 0;
    m_KeyTaken = false;
    // The next key typed ahead is the key hit now; the next wait takes it at once.
    HitNextQueuedLocked();
    return 0;
}

int CKbrd::DropKeys()
{
    Guard lk(m_QueueLock);
    m_QueueFirst = 0;
    m_QueueCount = 0;
    m_KeyHit = 0;
    m_KeyTaken = false;
    m_hKeyEvent.Reset();
    return 0;
}

int CKbrd::WaitKbHit(int ms)
{
    // The change request is not reset here: one raised just before the wait would be lost, and
    // the window thread, which then waits for the manager's lock, could never deliver the key
    // that ends the wait. SetKbrdType resets it itself once the change is done.
    for (;;) {
        {
            Guard lk(m_QueueLock);
            if (TakeForWaitLocked())
                return KBHIT_KEY;
            m_hKeyEvent.Reset();
        }
        // What the pass wrote before this wait is shown now, in one repaint.
        if (g_pOScreen)
            g_pOScreen->Present();
        // A time-out wait (one with a limit) is none of the key waits the observer counts.
        if (IKeyFeed* feed = s_pKeyFeed; feed && ms < 0) {
            feed->FeedKey();
            continue;
        }
        if (plat::CEvent* observer = s_pWaitObserver; observer && ms < 0)
            observer->Set();
        plat::CEvent* events[] = {&m_hKeyEvent, g_KbToChgEvent, CThread::StopEventHere()};
        switch (plat::CEvent::WaitAny(events, 3, ms < 0 ? plat::kInfinite : ms)) {
        case plat::kWaitTimeout: return kKbHitTimeOut;
        case 0:
            break; // take the key delivered
        case 1:
            return KBHIT_CHANGE;
        case 2:
            return KBHIT_STOP;
        default:
            LogFatal("\nCKbrd::GetKbHit(), errors: WAIT_FAILED, WAIT_ABANDONED, WAIT_ABANDONED_0+1");
        }
    }
}

int CKbrd_Keyboard::PutKey(int code)
{
    // Over a UTF-8 screen a key is a character's code point; otherwise only the low byte is
    // the character (a byte given as a signed char included).
    const bool utf8 = g_pOScreen && plat::IsUtf8Coding(g_pOScreen->GetCoding());
    return Deliver(static_cast<char32_t>(utf8 && code >= 0 ? code : code & 0xFF));
}

int CKbrd_Mouse::PutKey(int code)
{
    char32_t key = LastDelivered();
    switch (code) {
    case 1: key = 's'; break;
    case 2: key = ' '; break;
    case 3: key = '='; break;
    case 4: key = ' '; break;
    case KEY_ESCAPE: key = KEY_ESCAPE; break;
    default: break;
    }
    return Deliver(key);
}
