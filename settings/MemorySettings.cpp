#include "settings/MemorySettings.h"

#include "base/Globals.h"
#include "config/IDbVars.h"
#include "engine/MemoryKeeper.h"
#include "settings/IntSetting.h"

#include <algorithm>

namespace memcfg {

namespace {
constexpr const char* kRetention = "Retention";
}

bool HasSection()
{
    return intcfg::Has(kSection, kRetention);
}

int ReadRetention()
{
    return intcfg::Read(kSection, kRetention, keeper::kRetentionLow, keeper::kRetentionHigh, keeper::kRetentionDefault);
}

bool WriteRetention(int percent)
{
    percent = std::clamp(percent, keeper::kRetentionLow, keeper::kRetentionHigh);
    if (!intcfg::Write(kSection, kRetention, percent, keeper::kRetentionLow, keeper::kRetentionHigh))
        return false;
    keeper::SetRetention(percent);
    return true;
}

bool Save()
{
    return HasSection() && g_pIDbVars->Save(kSection) == 0;
}

} // namespace memcfg
