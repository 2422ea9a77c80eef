#include "programs/ScreenMeasure.h"

#include "engine/CScreen.h"
#include "engine/EngineGlobals.h"

int MeasureScreenText(const char* text, int* x, int* y)
{
    if (!g_pOScreen) {
        *x = 0;
        *y = 0;
        return 0;
    }
    return g_pOScreen->MeasureText(text, x, y);
}
