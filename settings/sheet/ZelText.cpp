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
