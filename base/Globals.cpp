#include "base/Globals.h"

ILsnAFc* g_pILsnAFc = nullptr;
IOutFile* g_pILogFile = nullptr;
IDbVars* g_pIDbVars = nullptr;
IUtltsFile* g_pIUtltsFile = nullptr;
ILsnFont* g_pILsnFont = nullptr;
plat::IWindow* g_hWndView = nullptr;
int g_SettingsChanged = 0;
