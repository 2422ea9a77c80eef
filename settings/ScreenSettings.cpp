#include "settings/ScreenSettings.h"

#include "base/Globals.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"

namespace scrcfg {

namespace {
constexpr const char* kLayout = "Layout";
}

bool HasSection()
{
    int value = 0;
    return g_pIDbVars && g_pIDbVars->TryRdVal(kSection, kLayout, PAR_TYPE_INT, &value) == 0;
}

int ReadLayout()
{
    int value = kClassic;
    if (!g_pIDbVars || g_pIDbVars->TryRdVal(kSection, kLayout, PAR_TYPE_INT, &value) != 0 ||
        (value != kClassic && value != kComfortable))
        return kClassic;
    return value;
}

bool WriteLayout(int layout)
{
    if (!HasSection() || (layout != kClassic && layout != kComfortable) ||
        g_pIDbVars->WrVal(kSection, kLayout, PAR_TYPE_INT, &layout) != 0)
        return false;
    return g_pIDbVars->Save(kSection) == 0;
}

} // namespace scrcfg
