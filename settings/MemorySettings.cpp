#include "settings/MemorySettings.h"

#include "base/Globals.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "engine/MemoryKeeper.h"

#include <algorithm>

namespace memcfg {

namespace {
constexpr const char* kRetention = "Retention";
}

bool HasSection()
{
    int value = 0;
    return g_pIDbVars && g_pIDbVars->TryRdVal(kSection, kRetention, PAR_TYPE_INT, &value) == 0;
}

int ReadRetention()
{
    int value = keeper::kRetentionDefault;
    if (!g_pIDbVars || g_pIDbVars->TryRdVal(kSection, kRetention, PAR_TYPE_INT, &value) != 0 ||
        value < keeper::kRetentionLow || value > keeper::kRetentionHigh)
        return keeper::kRetentionDefault;
    return value;
}

bool WriteRetention(int percent)
{
    percent = std::clamp(percent, keeper::kRetentionLow, keeper::kRetentionHigh);
    if (!HasSection() || g_pIDbVars->WrVal(kSection, kRetention, PAR_TYPE_INT, &percent) != 0)
        return false;
    keeper::SetRetention(percent);
    return true;
}

bool Save()
{
    return HasSection() && g_pIDbVars->Save(kSection) == 0;
}

} // namespace memcfg
