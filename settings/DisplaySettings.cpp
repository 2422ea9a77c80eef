#include "settings/DisplaySettings.h"

#include "settings/IntSetting.h"

namespace dispcfg {

namespace {
constexpr const char* kColours = "Colours";
constexpr const char* kZoom = "Zoom";
} // namespace

bool HasSection()
{
    return intcfg::Has(kSection, kColours);
}

int ReadColours()
{
    return intcfg::Read(kSection, kColours, kFollowDesktop, kDark, kFollowDesktop);
}
int ReadZoom()
{
    return intcfg::Read(kSection, kZoom, -kZoomLimit, kZoomLimit, 0);
}
bool WriteColours(int colours)
{
    return intcfg::WriteAndSave(kSection, kColours, colours, kFollowDesktop, kDark);
}
bool WriteZoom(int step)
{
    return intcfg::WriteAndSave(kSection, kZoom, step, -kZoomLimit, kZoomLimit);
}

} // namespace dispcfg
