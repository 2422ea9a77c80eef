#include "engine/CThrdAp.h"

#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "base/Log.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "engine/CScreen.h"
#include "engine/EngineGlobals.h"
#include "engine/MemoryKeeper.h"
#include "programs/IBsPrgr.h"

#include <new>

CThrdAp::CThrdAp() : CThread(false, 0), m_pIBsPrgr(nullptr) {}

CThrdAp::~CThrdAp()
{
    EndThread();
    // Only a thread that died before its end leaves a program here; deleting it stores what
    // the pass collected, as at a normal end.
    if (m_pIBsPrgr)
        CThrdAp::DeleteIBsPrgr();
}

int CThrdAp::CreateIBsPrgr(int number)
{
    m_Number = number;
    m_pIBsPrgr = g_pILsnAFc->Create_IBsPrgr(number);
    if (!m_pIBsPrgr)
        LogFatal("\nCThrdAp::CreateIBsPrgr(), Error after g_pILsnAFc->Create_IBsPrgr()");
    return 0;
}

int CThrdAp::DeleteIBsPrgr()
{
    m_pIBsPrgr->Finish();
    delete m_pIBsPrgr;
    m_pIBsPrgr = nullptr;
    return 0;
}

int CThrdAp::ThreadFunc()
{
    LogMsg("entry into proc CThrdAp::ThreadFunc()");
    CreateModeIBsPrgr();
    g_pIDbVars->RdVal("ViewMode", "Direction", PAR_TYPE_INT, &g_MtrTngToFrgnInd);
    if (g_MtrTngToFrgnInd == 0)
        m_pIBsPrgr->SetDic();
    else if (g_MtrTngToFrgnInd == 1)
        m_pIBsPrgr->SetBackDic();
    else
        LogFatal("\nCThrdAp::ThreadFunc(), Error, wrong g_MtrTngToFrgnInd");
    m_pIBsPrgr->Run();
    DeleteIBsPrgr();
    if (g_pOScreen) // the pass's last screen, before its record is written
        g_pOScreen->Present();
    keeper::NotePassEnded(m_Number, g_MtrTngToFrgnInd);
    return 1;
}

CThread* NewModeWorker(int mode)
{
    switch (mode) {
    case 0: return new (std::nothrow) CThrdAp_In_Whl;
    case 1: return new (std::nothrow) CThrdAp_WrdByWrd;
    case 2: return new (std::nothrow) CThrdAp_WchLttr;
    case 3: return new (std::nothrow) CThrdAp_TmOInW;
    case 4: return new (std::nothrow) CThrdAp_TmOWbW;
    case 5: return new (std::nothrow) CThrdAp_OpBrWhlWrd;
    case 6: return new (std::nothrow) CThrdAp_OpBrOneLttr;
    case 7: return new (std::nothrow) CThrdAp_OpBrWhlWrd_NI;
    case 8: return new (std::nothrow) CThrdAp_OpBrOneLttr_NI;
    case 11: return new (std::nothrow) CThrdAp_TypeAnswer;
    case 12: return new (std::nothrow) CThrdAp_ChooseAnswer;
    default: return nullptr;
    }
}

CThread* NewAddBracketsWorker(int type)
{
    switch (type) {
    case 1: return new (std::nothrow) CThrdAp_AddBrkt;
    case 2: return new (std::nothrow) CThrdAp_AddBrktTo;
    default: return nullptr;
    }
}
