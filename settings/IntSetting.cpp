#include "settings/IntSetting.h"

#include "base/Globals.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"

namespace intcfg {

bool Has(const char* section, const char* name)
{
    int value = 0;
    return g_pIDbVars && g_pIDbVars->TryRdVal(section, name, PAR_TYPE_INT, &value) == 0;
}

int Read(const char* section, const char* name, int low, int high, int fallback)
{
    int value = 0;
    if (!g_pIDbVars || g_pIDbVars->TryRdVal(section, name, PAR_TYPE_INT, &value) != 0 || value < low || value > high)
        return fallback;
    return value;
}

bool Write(const char* section, const char* name, int value, int low, int high)
{
    return value >= low && value <= high && Has(section, name) &&
        g_pIDbVars->WrVal(section, name, PAR_TYPE_INT, &value) == 0;
}

bool WriteAndSave(const char* section, const char* name, int value, int low, int high)
{
    return Write(section, name, value, low, high) && g_pIDbVars->Save(section) == 0;
}

} // namespace intcfg
