#include "title/CTitlePctr.h"

#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "base/IOutFile.h"
#include "base/Log.h"

ITitlePctr* g_pITitlePctr = nullptr;
IHeadBandMaker* g_pIHeadBandMaker = nullptr;

CTitlePctr_Static::~CTitlePctr_Static() = default;

int CTitlePctr_Static::CreateHeadBand()
{
    m_hHeadBand = g_pIHeadBandMaker ? g_pIHeadBandMaker->MakeHeadBand() : nullptr;
    if (!m_hHeadBand)
        LogFatal("\nCTitlePctr::DrawMovie(), error, l_pCHeadBand == 0");
    return 0;
}

int CTitlePctr_Static::DrawMovie()
{
    m_pCThrd_TtlTimeOut.reset(g_pILsnAFc->Create_CThread_TtlTimeOut(0));
    if (!m_pCThrd_TtlTimeOut) {
        LogMsg("\nCTitlePctr_Static::DrawMovie(), error, m_pCThrd_TtlTimeOut  == 0");
        if (g_pILogFile)
            g_pILogFile->RequestShutDown();
        return 0;
    }
    // Without its timer the title would never close and the window never show: it goes at once.
    if (!m_pCThrd_TtlTimeOut->Start()) {
        LogMsg("\nCTitlePctr_Static::DrawMovie(), error, the timer's thread could not start");
        if (m_hHeadBand)
            m_hHeadBand->PostClose();
    }
    return 0;
}

int CThread_TtlTimeOut::ThreadFunc()
{
    // The sleep ends early only when the program is shutting down and stops this thread; the
    // window is then closed at once instead of two seconds later.
    SleepUnlessStopped(kShowMs);
    if (g_pITitlePctr && g_pITitlePctr->GetHeadBandWnd())
        g_pITitlePctr->GetHeadBandWnd()->PostClose();
    return 1;
}
