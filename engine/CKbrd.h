#pragma once
// Key sources: keyboard control takes typed characters, mouse control four mouse actions.

#include "engine/IKbrd.h"
#include "platform/PlatEvent.h"

#include <atomic>

class CKbrd : public IKbrd {
public:
    static constexpr int KBHIT_KEY = 0;
    static constexpr int KBHIT_CHANGE = 1;
    static constexpr int KBHIT_STOP = 2;

    int Init() override { return 0; }
    int GetKbrdType() override { return m_KbrdType; }
    int GetKbHit() override;
    char GetKey() override { return m_Key; }
    int IsKeyHit() override { return m_KeyHit; }
    int ClearKeyHit() override;
    int SetKbrdType(int) override { return 1; }

    // An observer (a test, the latency benchmark) learns through this event, set each time a
    // key wait has begun, when a delivered key can no longer be lost to the wait's reset.
    static void SetWaitObserver(plat::CEvent* event);

protected:
    explicit CKbrd(int type) : m_KbrdType(type) {}
    void SignalKey();

    int m_KbrdType;
    plat::CEvent m_hKeyEvent;
    // Written by the window thread, read by the worker also outside a wait (the time-out
    // programs poll), hence atomic.
    std::atomic<char> m_Key{0};
    std::atomic<int> m_KeyHit{0};
};

class CKbrd_Keyboard : public CKbrd {
public:
    CKbrd_Keyboard() : CKbrd(2) {}
    int PutKey(int code) override;
};

// Mouse codes: 1 left press "s", 2 right press blank, 3 left double click "=", 4 right double
// click blank. Escape (27, the Cancel command) is taken as Escape; any other code repeats the
// last key.
class CKbrd_Mouse : public CKbrd {
public:
    CKbrd_Mouse() : CKbrd(3) {}
    int PutKey(int code) override;
};
