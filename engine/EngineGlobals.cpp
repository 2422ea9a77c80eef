#include "engine/EngineGlobals.h"

CThread* g_pCThrdAp = nullptr;
IMfcCmmnProc* g_pIMfcCmmnProc = nullptr;
IKbrd* g_pIKbrd = nullptr;
CScreen* g_pOScreen = nullptr;
int g_ScrWritePos = 0;
int g_MtrTngToFrgnInd = 0;
plat::CEvent* g_WritingToWindowIsOverEvent = nullptr;
plat::CEvent* g_KbToChgEvent = nullptr;
plat::CEvent* g_KbChgIsOverEvent = nullptr;
