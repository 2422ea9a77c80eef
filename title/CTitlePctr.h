#pragma once
// The title picture and the timer that closes it.

#include "engine/CThread.h"
#include "title/ITitlePctr.h"

#include <memory>

class CTitlePctr_Static : public ITitlePctr {
public:
    ~CTitlePctr_Static() override;
    int CreateHeadBand() override;
    int Init(ILsnAFc*, int, int) override { return 0; }
    int Reserved1() override { return 0; }
    int Reserved2() override { return 0; }
    int DrawMovie() override;
    IHeadBandWnd* GetHeadBandWnd() override { return m_hHeadBand; }

private:
    IHeadBandWnd* m_hHeadBand = nullptr; // owned by the window side once it is shown
    std::unique_ptr<CThread> m_pCThrd_TtlTimeOut;
};

// Closes the title window two seconds after it was started.
class CThread_TtlTimeOut : public CThread {
public:
    static constexpr int kShowMs = 2000;
    CThread_TtlTimeOut() : CThread(false, 0) {}
    ~CThread_TtlTimeOut() override { EndThread(); }
    int ThreadFunc() override;
};
