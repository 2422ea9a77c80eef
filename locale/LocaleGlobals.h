#pragma once
// The service pointers of the interface language and the help selection.

class ILocal;
class ISetHelp;

extern ILocal* g_pILocal;     // the current interface language; English from start-up on
extern ISetHelp* g_pISetHelp; // puts the help pair of the interface language in place
