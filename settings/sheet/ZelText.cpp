#include "settings/sheet/ZelText.h"

#include "locale/CLocal.h"
#include "locale/LocaleGlobals.h"
#include "qttext/CodePageText.h"

QString ZelText(int index)
{
    if (!g_pILocal)
        return QString();
    const char* text = g_pILocal->GetText(index);
    return text ? FromCodePage(text, CLocal::InterfaceCodePage()) : QString();
}

QString ZelLanguageName(int language)
{
    const char* name = CLocal::OwnName(language);
    return name ? FromCodePage(name, CLocal::CodePage(language)) : QString();
}
