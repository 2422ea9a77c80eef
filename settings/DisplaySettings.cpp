#include "settings/DisplaySettings.h"

#include "base/Globals.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"

namespace dispcfg {

namespace {
constexpr const char* kColours = "Colours";
constexpr const char* kZoom = "Zoom";

int Read(const char* name, int low, int high)
{
    int value = 0;
    if (!g_pIDbVars || g_pIDbVars->TryRdVal(kSection, name, PAR_TYPE_INT, &value) != 0 || value < low || value > high)
        return 0;
    return value;
}

bool Write(const char* name, int value, int low, int high)
{
    if (value < low || value > high || !HasSection() || g_pIDbVars->WrVal(kSection, name, PAR_TYPE_INT, &value) != 0)
        return false;
    return g_pIDbVars->Save(kSection) == 0;
}
} // namespace

bool HasSection()
{
    int value = 0;
    return g_pIDbVars && g_pIDbVars->TryRdVal(kSection, kColours, PAR_TYPE_INT, &value) == 0;
}

int ReadColours()
{
    return Read(kColours, kFollowDesktop, kDark);
}
int ReadZoom()
{
    return Read(kZoom, -kZoomLimit, kZoomLimit);
}
bool WriteColours(int colours)
{
    return Write(kColours, colours, kFollowDesktop, kDark);
}
bool WriteZoom(int step)
{
    return Write(kZoom, step, -kZoomLimit, kZoomLimit);
}

} // namespace dispcfg
