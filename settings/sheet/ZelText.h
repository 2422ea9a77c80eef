#pragma once
// Interface texts of the current language for the settings sheet, as Qt text.

#include <QString>

// Text index of g_pILocal in its language's code page; empty when there is none.
QString ZelText(int index);

// The name of an interface language in that language ("English", "Русский", "Deutsch").
QString ZelLanguageName(int language);
