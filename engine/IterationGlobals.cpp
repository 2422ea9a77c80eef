#include "engine/IterationGlobals.h"

#include "base/Globals.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"

IItrtnSrvc* g_pIItrtnSrvc = nullptr;
INxtPrFlSrvc* g_pINxtPrFlSrvc = nullptr;

int CurrentViewMode()
{
    if (!g_pIDbVars)
        return -1;
    int mode = -1;
    g_pIDbVars->RdVal("ViewMode", "Mode", PAR_TYPE_INT, &mode);
    return mode;
}

bool IsIterationMode(int mode)
{
    return (mode >= 0 && mode <= 8) || mode == 11 || mode == 12;
}
