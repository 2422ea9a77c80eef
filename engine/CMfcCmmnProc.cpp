#include "engine/CMfcCmmnProc.h"

#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "base/Log.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "engine/CThread.h"
#include "engine/EngineGlobals.h"
#include "engine/IKbrd.h"

namespace {
// A worker whose thread could not start ran nothing: it goes, and the pass is a failure.
int NotStarted(const char* op)
{
    LogMsg("\nCMfcCmmnProc::%s(), error, the thread of the pass could not start", op);
    delete g_pCThrdAp;
    g_pCThrdAp = nullptr;
    return 1;
}
} // namespace

int CMfcCmmnProc::RetirePass()
{
    if (!g_pCThrdAp)
        return 0;
    // The stop request wakes the worker's key wait and its time-out sleep, the program ends its
    // pass as on Escape, the thread ends; only then is the worker (and the program) deleted.
    g_pCThrdAp->SignalStop();
    g_pCThrdAp->Stop(false);
    delete g_pCThrdAp;
    g_pCThrdAp = nullptr;
    return 0;
}

int CMfcCmmnProc::StartFirstItrtn()
{
    RetirePass();
    if (g_pIKbrd)
        g_pIKbrd->DropKeys();
    int mode = 0;
    g_pIDbVars->RdVal("ViewMode", "Mode", PAR_TYPE_INT, &mode);
    g_pCThrdAp = g_pILsnAFc->Create_CThread(mode);
    if (!g_pCThrdAp)
        LogFatal("\nCMfcCmmnProc::StartFirstItrtn(), error after g_pILsnAFc->Create_CThread()");
    return g_pCThrdAp->Start() ? 0 : NotStarted("StartFirstItrtn");
}

int CMfcCmmnProc::StartADdBrkts(int type)
{
    RetirePass();
    if (g_pIKbrd)
        g_pIKbrd->DropKeys();
    g_pCThrdAp = g_pILsnAFc->Create_CThread_AddBr(type);
    if (!g_pCThrdAp)
        LogFatal("\nCMfcCmmnProc::StartADdBrkts(), error after Create_CThread_AddBr()");
    return g_pCThrdAp->Start() ? 0 : NotStarted("StartADdBrkts");
}
