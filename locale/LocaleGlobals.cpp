#include "locale/LocaleGlobals.h"

ILocal* g_pILocal = nullptr;
ISetHelp* g_pISetHelp = nullptr;
