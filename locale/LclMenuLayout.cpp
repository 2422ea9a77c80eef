#include "locale/LclMenuLayout.h"

namespace {

const SLclMenuItem kFile[] = {{2, 32772}, {190, 32870}, {578, 32875}, {3, 32795}, {4, 32771}, {5, 32773}};
const SLclMenuItem kView[] = {
    {7, 59392}, {8, 59393}, {170, 32860}, {LCL_MENU_SEPARATOR, 0}, {610, 32920}, {611, 32921}};
const SLclMenuItem kKeyboard[] = {{10, 32796}, {11, 32797}};
const SLclMenuItem kDirection[] = {{13, 32774}, {14, 32775}};
const SLclMenuItem kMode[] = {
    {16, 32776}, {17, 32777}, {18, 32778}, {19, 32779}, {20, 32781}, {21, 32783},
    {22, 32784}, {23, 32785}, {24, 32786}, {540, 32890}, {541, 32891}, {LCL_MENU_DASH_LINE, 0}, {25, 32803},
};
const SLclMenuItem kRun[] = {{27, 32801}, {28, 32790}, {29, 32794}, {30, 32793},
                             {464, 32880}, {LCL_MENU_SEPARATOR, 0}, {135, 32840}};
const SLclMenuItem kAddBrackets[] = {{32, 32782}, {33, 32780}};
const SLclMenuItem kPhraseBook[] = {
    {35, 32818}, {36, 32819}, {37, 32820}, {LCL_MENU_SEPARATOR, 0},
    {38, 32821}, {39, 32822}, {40, 32823}, {LCL_MENU_SEPARATOR, 0},
    {41, 32824}, {42, 32825}, {43, 32826}, {LCL_MENU_SEPARATOR, 0},
    {44, 32827}, {45, 32828}, {46, 32829},
};
const SLclMenuItem kHelp[] = {{48, 57667}, {LCL_MENU_SEPARATOR, 0}, {49, 57664}};

template <std::size_t N>
constexpr SLclMenuTop Top(int text, const SLclMenuItem (&items)[N])
{
    return SLclMenuTop{text, items, N};
}

const SLclMenuTop kMenuBar[] = {
    Top(1, kFile),     Top(6, kView),  Top(9, kKeyboard),     Top(12, kDirection), Top(15, kMode),
    Top(26, kRun),     Top(31, kAddBrackets), Top(34, kPhraseBook), Top(47, kHelp),
};

} // namespace

const SLclMenuTop* LclMenuBar(std::size_t& count)
{
    count = sizeof kMenuBar / sizeof kMenuBar[0];
    return kMenuBar;
}
