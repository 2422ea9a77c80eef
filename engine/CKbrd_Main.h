#pragma once
// The keyboard manager (g_pIKbrd): owns the current key source and replaces it by one of the
// other type, also while a worker waits for a key, without losing the waiting pass.
//
// A worker whose thread is asked to stop sees Escape: its key wait returns, GetKey gives 27
// and IsKeyHit is nonzero, so every program ends its pass the way Escape ends it.

#include "engine/IKbrd.h"
#include "platform/PlatEvent.h"

class CKbrd_Main : public IKbrd {
public:
    CKbrd_Main();
    ~CKbrd_Main() override;

    int Init() override { return 0; }
    int GetKbrdType() override;
    int PutKey(int code) override;
    int GetKbHit() override { return WaitKbHit(-1); }
    // ms -1 waits without a limit; a change of source in between goes on waiting on the new one.
    int WaitKbHit(int ms) override;
    char32_t GetKey() override;
    int IsKeyHit() override;
    int ClearKeyHit() override;
    int DropKeys() override;
    int SetKbrdType(int type) override;

private:
    IKbrd* m_pIKbrd; // written under m_Lock by the window thread, which alone reads it unlocked
    plat::CCriticalSection m_Lock;
};
