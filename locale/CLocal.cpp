#include "locale/CLocal.h"

#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "base/Log.h"
#include "locale/ILclMenu.h"
#include "locale/ISetHelp.h"
#include "locale/LclMenuLayout.h"
#include "locale/LocaleGlobals.h"
#include "platform/PlatCodePage.h"


namespace {

// The Run menu is retitled out of its order: Previous File before Next File, then Review Due
// and Speak.
constexpr int kRunMenu = 26;
const SLclMenuItem kRunRetitleOrder[] = {{27, 0}, {28, 0}, {30, 0}, {29, 0}, {464, 0}, {135, 0}};

} // namespace

int CLocal::CodePage(int language)
{
    return language == LANGUAGE_RUSSIAN ? plat::kCpCyrillic : plat::kCpWestern;
}

int CLocal::InterfaceCodePage()
{
    return CodePage(g_pILocal ? g_pILocal->GetLanguage() : LANGUAGE_ENGLISH);
}

const char* CLocal::OwnName(int language)
{
    // Texts 61, 62 and 63 name English, Russian and German: the text of a language's number
    // plus 61, read in its own table.
    constexpr int kNames = 61;
    switch (language) {
    case LANGUAGE_ENGLISH: return CLocal_English().GetText(kNames + language);
    case LANGUAGE_RUSSIAN: return CLocal_Russian().GetText(kNames + language);
    case LANGUAGE_GERMAN: return CLocal_German().GetText(kNames + language);
    default: return nullptr;
    }
}

int CLocal::FindMenuItem(ILclMenu* menu, const char* caption, int codePage)
{
    if (!menu || !caption || !*caption)
        return -1;
    const int count = menu->GetItemCount();
    for (int pos = 0; pos < count; ++pos) {
        const std::string shown = menu->GetItemCaption(pos, codePage);
        if (!shown.empty() && shown == caption)
            return pos;
    }
    return -1;
}

int CLocal::ChngFrstLevelMenu(const SMenuSwitch& sw, const char* top, const char* item, const char* caption)
{
    const int topPos = FindMenuItem(sw.bar, top, sw.oldCodePage);
    if (topPos < 0)
        LogFatal("\nCLocal::ChngFrstLevelMenu(), error, after FindMenuItem()");
    ILclMenu* dropDown = sw.bar->GetSubMenu(topPos);
    const int pos = FindMenuItem(dropDown, item, sw.oldCodePage);
    if (pos <= -1)
        LogFatal("\nCLocal::ChngFrstLevelMenu(), error, after FindMenuItem(), pos <= -1");
    // The item is addressed by its command id; one without an id (which addressing by id
    // would confuse with every other such item) by the position where it was found.
    const int id = dropDown->GetItemId(pos);
    const int failed = id > 0 ? dropDown->SetCaptionByCommand(id, caption, sw.newCodePage)
                              : dropDown->SetCaptionByPosition(pos, caption, sw.newCodePage);
    if (failed != 0)
        LogFatal("\nCLocal::ChngFrstLevelMenu(), error, after ModifyMenu()");
    return 0;
}

int CLocal::ChngZeroLevelMenu(const SMenuSwitch& sw, const char* top, const char* caption)
{
    const int pos = FindMenuItem(sw.bar, top, sw.oldCodePage);
    if (pos < 0 || sw.bar->SetCaptionByPosition(pos, caption, sw.newCodePage) != 0)
        LogMsg("\nCLocal::ChngZeroLevelMenu(),Error after ModifyMenu()");
    return 0;
}

int CLocal::ChngAllMenus(ILclWnd* view, int, ILocal* pNew)
{
    if (!pNew)
        LogFatal("\nCLocal::ChngAllMenus(), error, pILclNew == 0");
    // The menu shows the texts of the current language; the first switch after start-up
    // finds the English captions of the menu the window was built with.
    ILocal* pOld = g_pILocal ? g_pILocal : this;
    const SMenuSwitch sw{view ? view->GetMenu() : nullptr, CodePage(pOld->GetLanguage()),
                         CodePage(pNew->GetLanguage())};

    std::size_t topCount = 0;
    const SLclMenuTop* tops = LclMenuBar(topCount);
    for (std::size_t t = 0; t < topCount; ++t) {
        const SLclMenuTop& top = tops[t];
        const SLclMenuItem* items = top.items;
        std::size_t count = top.count;
        if (top.text == kRunMenu) {
            items = kRunRetitleOrder;
            count = sizeof kRunRetitleOrder / sizeof kRunRetitleOrder[0];
        }
        // Items first: they are found under the top-level caption shown now.
        for (std::size_t k = 0; k < count; ++k)
            if (items[k].text > 0)
                ChngFrstLevelMenu(sw, pOld->GetText(top.text), pOld->GetText(items[k].text),
                                  pNew->GetText(items[k].text));
        ChngZeroLevelMenu(sw, pOld->GetText(top.text), pNew->GetText(top.text));
    }
    return 0;
}

int CLocal::SetLanguage(ILclWnd* view, int language)
{
    ILocal* pILclNew = g_pILsnAFc ? g_pILsnAFc->Create_ILocal(language) : nullptr;
    if (!pILclNew)
        LogFatal("\nCLocal::SetLanguage(), error, pILclNew  == 0");
    ChngAllMenus(view, language, pILclNew);
    if (!g_pISetHelp)
        LogFatal("\nCLocal::SetLanguage(), error, g_pISetHelp == 0");
    if (g_pISetHelp->SetHelpForCurrentLocality(pILclNew) != 0)
        LogFatal("\nCLocal::SetLanguage(), error, after g_pISetHelp->SetCorrectFile()");
    // This object is normally the current one: nothing of it may be touched after the delete.
    ILocal* pOld = g_pILocal;
    g_pILocal = pILclNew;
    delete pOld;
    return 0;
}
