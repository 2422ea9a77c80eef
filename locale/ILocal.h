#pragma once
// The interface language: the numbered interface texts of one language, and the switch of the
// whole interface (menu captions and help) to another language.

class ILclWnd;

constexpr int LANGUAGE_ENGLISH = 0;
constexpr int LANGUAGE_RUSSIAN = 1;
constexpr int LANGUAGE_GERMAN = 2;

// Interface texts are numbered 1 to LCL_MAX_TEXT.
constexpr int LCL_MAX_TEXT = 649;

class ILocal {
public:
    virtual ~ILocal() = default;
    // 0 English, 1 Russian, 2 German.
    virtual int GetLanguage() = 0;
    // Switches the menus and the help to the language and makes a new object of that language
    // the current g_pILocal; this object is destroyed then. 0; every failure ends the program.
    virtual int SetLanguage(ILclWnd* view, int language) = 0;
    // The text of this language for the index as zero-terminated bytes of the language's code
    // page (windows-1251 for Russian, windows-1252 otherwise), or null when the index has none.
    virtual const char* GetText(int index) = 0;
    // Rewrites every menu caption from the texts of g_pILocal to those of pNew. 0.
    virtual int ChngAllMenus(ILclWnd* view, int language, ILocal* pNew) = 0;
};
