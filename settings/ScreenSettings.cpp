#include "settings/ScreenSettings.h"

#include "settings/IntSetting.h"

namespace scrcfg {

namespace {
constexpr const char* kLayout = "Layout";
}

bool HasSection()
{
    return intcfg::Has(kSection, kLayout);
}

int ReadLayout()
{
    return intcfg::Read(kSection, kLayout, kClassic, kComfortable, kClassic);
}

bool WriteLayout(int layout)
{
    return intcfg::WriteAndSave(kSection, kLayout, layout, kClassic, kComfortable);
}

} // namespace scrcfg
