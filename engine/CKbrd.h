#pragma once
// Key sources: keyboard control takes typed characters, mouse control four mouse actions.

#include "engine/IKbrd.h"
#include "platform/PlatEvent.h"

#include <atomic>
#include <mutex>

// A script's front-end that answers each key wait itself, on the worker, when no key is waiting:
// it shows the screen and delivers the next key there and then, with no hand-over between threads.
class IKeyFeed {
public:
    virtual void FeedKey() = 0;

protected:
    ~IKeyFeed() = default;
};

class CKbrd : public IKbrd {
public:
    static constexpr int KBHIT_KEY = 0;
    static constexpr int KBHIT_CHANGE = 1;
    static constexpr int KBHIT_STOP = 2;
    // Keys delivered while the worker is busy wait here, in order; beyond this many the newest
    // is refused (PutKey answers 1).
    static constexpr int kQueueSize = 256;

    int Init() override { return 0; }
    int GetKbrdType() override { return m_KbrdType; }
    int GetKbHit() override { return WaitKbHit(-1); }
    // Also answers KBHIT_CHANGE and KBHIT_STOP; ms -1 waits without a limit.
    int WaitKbHit(int ms) override;
    char32_t GetKey() override;
    int IsKeyHit() override;
    int ClearKeyHit() override;
    int DropKeys() override;
    int SetKbrdType(int) override { return 1; }

    // An observer (a test, the latency benchmark) learns through this event, set each time a
    // key wait blocks because no key is waiting to be handed over.
    static void SetWaitObserver(plat::CEvent* event);
    // A feed asked for a key at each wait without a limit that would block; null for none.
    static void SetKeyFeed(IKeyFeed* feed);

protected:
    explicit CKbrd(int type) : m_KbrdType(type) {}
    // Delivers one key: it becomes the key hit when none is, else it joins the queue.
    int Deliver(char32_t key);
    char32_t LastDelivered() const { return m_LastDelivered; }

private:
    // Hands the next key to a wait: the key hit that no wait has taken yet, else the first
    // queued key. False when there is none. Under m_QueueLock.
    bool TakeForWaitLocked();
    // The first queued key becomes the key hit, not yet taken by a wait; false when none is
    // queued. Under m_QueueLock.
    bool HitNextQueuedLocked();

    int m_KbrdType;
    plat::CEvent m_hKeyEvent;
    // The window thread delivers, the worker takes; both only under this short lock, which the
    // worker never holds while it waits.
    std::mutex m_QueueLock;
    char32_t m_Queue[kQueueSize] = {};
    int m_QueueFirst = 0;
    int m_QueueCount = 0;
    char32_t m_Key = 0;     // the key hit, or the last one dealt with
    int m_KeyHit = 0;       // 1 from its delivery until ClearKeyHit
    bool m_KeyTaken = false; // a wait has already returned with the key hit
    std::atomic<char32_t> m_LastDelivered{0}; // what the mouse's other codes repeat
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
