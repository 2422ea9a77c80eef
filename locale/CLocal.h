#pragma once
// The interface language objects: the shared switching logic in CLocal, one class per language
// with its text table.

#include "locale/ILocal.h"

#include <string>

class ILclMenu;

class CLocal : public ILocal {
public:
    int GetLanguage() override { return m_Language; }
    int SetLanguage(ILclWnd* view, int language) override;
    int ChngAllMenus(ILclWnd* view, int language, ILocal* pNew) override;

    // The code page of a language's texts.
    static int CodePage(int language);
    // The code page of the interface language's texts (English while there is no localisation).
    static int InterfaceCodePage();
    // The name of a language in that language ("English", "Русский", "Deutsch") as bytes of its
    // own code page, the way a learner looks for it where the interface language is chosen;
    // null for a number that is no language.
    static const char* OwnName(int language);

    // Position of the first item of menu whose caption, read in codePage, is not empty and
    // equals caption byte for byte; -1 when there is none (or no menu, or no caption).
    static int FindMenuItem(ILclMenu* menu, const char* caption, int codePage);

protected:
    explicit CLocal(int language) : m_Language(language) {}

private:
    // The menu calls of one switch: the menu bar, and the code pages of the captions shown
    // now and of those written.
    struct SMenuSwitch {
        ILclMenu* bar;
        int oldCodePage;
        int newCodePage;
    };
    static int ChngFrstLevelMenu(const SMenuSwitch& sw, const char* top, const char* item, const char* caption);
    static int ChngZeroLevelMenu(const SMenuSwitch& sw, const char* top, const char* caption);

    int m_Language;
};

class CLocal_English : public CLocal {
public:
    CLocal_English() : CLocal(LANGUAGE_ENGLISH) {}
    const char* GetText(int index) override;
    static bool TableIsExact();
};

class CLocal_Russian : public CLocal {
public:
    CLocal_Russian() : CLocal(LANGUAGE_RUSSIAN) {}
    const char* GetText(int index) override;
    static bool TableIsExact();
};

class CLocal_German : public CLocal {
public:
    CLocal_German() : CLocal(LANGUAGE_GERMAN) {}
    const char* GetText(int index) override;
    static bool TableIsExact();
};
