#pragma once
// The service pointers of the iterations and the file stepping, set by start-up.

class IItrtnSrvc;
class INxtPrFlSrvc;

extern IItrtnSrvc* g_pIItrtnSrvc;     // iterations, pass numbers, results file names
extern INxtPrFlSrvc* g_pINxtPrFlSrvc; // a stepping state of its own (the file utilities hold the one the commands use)

// "ViewMode"/"Mode" (0 to 9, 11, 12), or -1 when the settings cannot be read.
int CurrentViewMode();
// A mode whose passes run over the phrases with iterations (0 to 8, 11 and 12): not Add Brackets.
bool IsIterationMode(int mode);
