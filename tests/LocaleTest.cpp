#include "base/Log.h"
#include "locale/CLocal.h"
#include "locale/LclCount.h"
#include "platform/PlatCodePage.h"
#include "tests/LocaleFixture.h"

#include <climits>
#include <cstring>
#include <functional>

namespace {

const int kLanguages[] = {LANGUAGE_ENGLISH, LANGUAGE_RUSSIAN, LANGUAGE_GERMAN};

std::unique_ptr<ILocal> Make(int language)
{
    return std::unique_ptr<ILocal>(g_pILsnAFc->Create_ILocal(language));
}

// Every caption of the menu as the resource's texts would read in a language.
std::string ExpectedDump(ILocal& local)
{
    const int cp = CLocal::CodePage(local.GetLanguage());
    std::string out;
    for (const MenuTop& top : EnglishMenuResource()) {
        const std::string t = CodePageToUtf8(local.GetText(top.text), cp);
        out += t + "\n";
        for (const MenuEntry& e : top.items) {
            const std::string item = e.text > 0 ? CodePageToUtf8(local.GetText(e.text), cp) : e.english;
            out += t + "|" + item + "|" + std::to_string(e.id) + "\n";
        }
    }
    return out;
}

// Records what the window and the help looked like when the help was asked for.
struct RecordingHelp : ISetHelp {
    FakeWnd* wnd = nullptr;
    int result = 0;
    int calls = 0;
    int askedLanguage = -1;
    int currentLanguage = -1;
    std::string menuWhenAsked;
    int SetHelpForCurrentLocality(ILocal* pILocal) override
    {
        ++calls;
        askedLanguage = pILocal->GetLanguage();
        currentLanguage = g_pILocal->GetLanguage();
        menuWhenAsked = wnd->bar.Dump();
        return result;
    }
};

} // namespace

class LocaleTest : public LocaleFixture {
protected:
    // Replaces the help selection by a recorder (the fixture deletes it at the end).
    RecordingHelp* UseRecordingHelp()
    {
        delete g_pISetHelp;
        auto* help = new RecordingHelp;
        help->wnd = &m_Wnd;
        g_pISetHelp = help;
        return help;
    }
};

TEST_F(LocaleTest, TheFactoryMakesTheThreeLanguagesOnly)
{
    for (int language : kLanguages)
        EXPECT_EQ(Make(language)->GetLanguage(), language);
    EXPECT_EQ(g_pILsnAFc->Create_ILocal(3), nullptr);
    EXPECT_EQ(g_pILsnAFc->Create_ILocal(-1), nullptr);
}

TEST_F(LocaleTest, TextsOutsideTheTableAndText67AreNullInEveryLanguage)
{
    EXPECT_TRUE(CLocal_English::TableIsExact());
    EXPECT_TRUE(CLocal_Russian::TableIsExact());
    EXPECT_TRUE(CLocal_German::TableIsExact());
    for (int language : kLanguages) {
        auto local = Make(language);
        for (int index : {0, 67, LCL_MAX_TEXT + 1, -1, 1000, INT_MIN, INT_MAX})
            EXPECT_EQ(local->GetText(index), nullptr) << language << " " << index;
        // The texts the interface uses, and the two product texts of the About box.
        for (int index = 1; index <= LCL_MAX_TEXT; ++index) {
            const bool used = index <= 49 || (index >= 54 && index <= 98 && index != 67) || index == 101 ||
                              index == 104 || (index >= 113 && index <= 145) || (index >= 150 && index <= 159) ||
                              (index >= 170 && index <= 184) || (index >= 190 && index <= 199) ||
                              (index >= 300 && index <= 304) || (index >= 340 && index <= 342) ||
                              (index >= 380 && index <= 383) || (index >= 420 && index <= 424) ||
                              (index >= 440 && index <= 443) || (index >= 460 && index <= 472) ||
                              (index >= 507 && index <= 518) || (index >= 540 && index <= 546) ||
                              (index >= 570 && index <= 586) || (index >= 590 && index <= 606) ||
                              (index >= 610 && index <= 625) || (index >= 630 && index <= 631) ||
                              (index >= 640 && index <= 642);
            const char* text = local->GetText(index);
            if (index == 67)
                continue;
            ASSERT_NE(text, nullptr) << language << " " << index;
            EXPECT_EQ(std::strlen(text) > 0, used) << language << " " << index;
        }
    }
}

TEST_F(LocaleTest, TextsAreTheBytesOfTheirCodePage)
{
    auto en = Make(LANGUAGE_ENGLISH), ru = Make(LANGUAGE_RUSSIAN), de = Make(LANGUAGE_GERMAN);
    EXPECT_STREQ(en->GetText(2), "&Open...\tCtrl+O");
    EXPECT_STREQ(en->GetText(104), "The Lexido settings have been changed.\nDo you want to save them?");
    EXPECT_STREQ(en->GetText(73), "View Mode (Without Interpretation)");
    EXPECT_STREQ(de->GetText(34), "Sprachf\xFChrer");
    EXPECT_STREQ(de->GetText(35), "Englisch <---> Franz\xF6sisch");
    EXPECT_STREQ(de->GetText(45), "Russisch <---> Franz\xF6sisch");
    EXPECT_STREQ(de->GetText(62), "Russisch");
    EXPECT_STREQ(ru->GetText(1), "\xD4\xE0\xE9\xEB");                 // Файл
    EXPECT_STREQ(ru->GetText(2), "&\xCE\xF2\xEA\xF0\xFB\xF2\xFC...\tCtrl+O"); // &Открыть...
    EXPECT_STREQ(ru->GetText(82), "\xCC\xE0\xEA\xF1.");               // Макс.
    EXPECT_STREQ(ru->GetText(95), "\xCC\xE0\xEA\xF1.");               // Макс.
    EXPECT_STREQ(ru->GetText(76), "\xD6\xE5\xEB\xFB\xEC\xE8 \xF4\xF0\xE0\xE7\xE0\xEC\xE8"); // Целыми фразами
    EXPECT_STREQ(ru->GetText(98), "Lexido");
    EXPECT_EQ(CodePageToUtf8(ru->GetText(104), plat::kCpCyrillic),
              "Настройки Lexido были изменены.\nСохранить изменения?");
    EXPECT_EQ(CodePageToUtf8(ru->GetText(97), plat::kCpCyrillic), "Lexido (Лексический тренажёр)");
}

// A character of another code page or alphabet is a slip of a table: each text holds ASCII and
// the letters of its language only, and no word mixes Latin and Cyrillic letters.
TEST_F(LocaleTest, EveryTextIsWrittenInTheLettersOfItsLanguage)
{
    const auto cyrillic = [](char32_t c) { return c >= 0x400 && c <= 0x4FF; };
    const auto latin = [](char32_t c) {
        return (c | 0x20) - 'a' < 26u || std::u32string(U"ÄÖÜäöüß").find(c) != std::u32string::npos;
    };
    const std::pair<int, std::function<bool(char32_t)>> cases[] = {
        {LANGUAGE_ENGLISH, latin}, {LANGUAGE_GERMAN, latin}, {LANGUAGE_RUSSIAN, cyrillic}};
    for (const auto& [language, ownLetter] : cases)
        for (int index = 1; index <= LCL_MAX_TEXT; ++index) {
            const char* bytes = Make(language)->GetText(index);
            const std::u32string t = FromUtf8(CodePageToUtf8(bytes ? bytes : "", CLocal::CodePage(language)));
            for (std::size_t i = 0; i < t.size(); ++i) {
                const bool mixed =
                    i > 0 && ((latin(t[i - 1]) && cyrillic(t[i])) || (cyrillic(t[i - 1]) && latin(t[i])));
                const bool dot = t[i] == U'\u00B7'; // the separator of the pass's texts, in both code pages
                EXPECT_TRUE((t[i] < 0x80 || dot || ownLetter(t[i])) && !mixed) << language << " " << index << " " << i;
            }
        }
}

TEST_F(LocaleTest, TheEnglishTableIsTheMenuResource)
{
    auto en = Make(LANGUAGE_ENGLISH);
    for (const MenuTop& top : EnglishMenuResource()) {
        EXPECT_STREQ(en->GetText(top.text), top.english);
        for (const MenuEntry& e : top.items)
            if (e.text > 0) {
                EXPECT_STREQ(en->GetText(e.text), e.english);
            }
    }
    EXPECT_EQ(m_Wnd.bar.Dump(), ExpectedDump(*en));
}

TEST_F(LocaleTest, EnglishToGermanRetitlesThePhraseBookAndBack)
{
    const std::string english = m_Wnd.bar.Dump();
    Switch(LANGUAGE_GERMAN);
    EXPECT_EQ(g_pILocal->GetLanguage(), LANGUAGE_GERMAN);

    FakeMenu& bar = m_Wnd.bar;
    EXPECT_EQ(bar.Utf8(7), "Sprachführer");
    EXPECT_EQ(bar.GetItemCaption(7, plat::kCpWestern), "Sprachf\xFChrer");
    const char* items[] = {
        "Englisch <---> Französisch", "Englisch <---> Deutsch", "Englisch <---> Russisch", "",
        "Französisch <---> Englisch", "Französisch <---> Deutsch", "Französisch <---> Russisch", "",
        "Deutsch <---> Englisch", "Deutsch <---> Französisch", "Deutsch <---> Russisch", "",
        "Russisch <---> Englisch", "Russisch <---> Französisch", "Russisch <---> Deutsch",
    };
    FakeMenu& book = bar.Sub(7);
    ASSERT_EQ(book.GetItemCount(), 15);
    for (int pos = 0; pos < 15; ++pos)
        EXPECT_EQ(book.Utf8(pos), items[pos]) << pos;
    for (int pos = 0, id = 32818; pos < 15; ++pos)
        if (pos % 4 != 3) {
            EXPECT_EQ(book.GetItemId(pos), id++) << pos;
        }
    EXPECT_EQ(bar.Dump(), ExpectedDump(*g_pILocal));
    EXPECT_EQ(bar.Sub(4).Utf8(11), "-------------------------------");

    Switch(LANGUAGE_ENGLISH);
    EXPECT_EQ(g_pILocal->GetLanguage(), LANGUAGE_ENGLISH);
    EXPECT_EQ(bar.Dump(), english);
    EXPECT_EQ(Log(), "");
}

TEST_F(LocaleTest, EveryLanguageReachesEveryOtherAndComesBack)
{
    const std::string english = m_Wnd.bar.Dump();
    const int path[] = {LANGUAGE_RUSSIAN, LANGUAGE_GERMAN, LANGUAGE_RUSSIAN, LANGUAGE_ENGLISH,
                        LANGUAGE_GERMAN, LANGUAGE_ENGLISH};
    for (int language : path) {
        Switch(language);
        ASSERT_EQ(g_pILocal->GetLanguage(), language);
        EXPECT_EQ(m_Wnd.bar.Dump(), ExpectedDump(*g_pILocal)) << language;
    }
    EXPECT_EQ(m_Wnd.bar.Dump(), english);
    // Russian captions reach the window as windows-1251 and read back the same.
    Switch(LANGUAGE_RUSSIAN);
    EXPECT_EQ(m_Wnd.bar.Utf8(0), "Файл");
    EXPECT_EQ(m_Wnd.bar.GetItemCaption(0, plat::kCpCyrillic), "\xD4\xE0\xE9\xEB");
    EXPECT_EQ(m_Wnd.bar.Sub(0).Utf8(3), "&Сохранить результаты как...\tCtrl+S");
}

TEST_F(LocaleTest, SwitchingToTheLanguageShownRewritesEveryCaptionWithItself)
{
    const std::string english = m_Wnd.bar.Dump();
    Switch(LANGUAGE_ENGLISH);
    EXPECT_EQ(m_Wnd.bar.Dump(), english);
    int changes = m_Wnd.bar.changes;
    for (int pos = 0; pos < m_Wnd.bar.GetItemCount(); ++pos)
        changes += m_Wnd.bar.Sub(pos).changes;
    EXPECT_EQ(changes, 58); // the nine top-level captions and their forty-nine items

    Switch(LANGUAGE_GERMAN);
    const std::string german = m_Wnd.bar.Dump();
    Switch(LANGUAGE_GERMAN);
    EXPECT_EQ(m_Wnd.bar.Dump(), german);
    EXPECT_EQ(Log(), "");
}

TEST_F(LocaleTest, TheTwoKeyboardCaptionsAreFoundAtTheirOwnPlaces)
{
    FakeMenu& bar = m_Wnd.bar;
    EXPECT_EQ(CLocal::FindMenuItem(&bar, "Keyboard", plat::kCpWestern), 2);
    EXPECT_EQ(CLocal::FindMenuItem(&bar.Sub(2), "Keyboard", plat::kCpWestern), 0);
    // The item is found by its caption, not by where the table lists it.
    bar.Sub(2).SetUtf8(0, "Mouse");
    bar.Sub(2).SetUtf8(1, "Keyboard");
    std::swap(bar.Sub(2).At(0).id, bar.Sub(2).At(1).id);

    Switch(LANGUAGE_GERMAN);
    EXPECT_EQ(bar.Utf8(2), "Tastatur");
    EXPECT_EQ(bar.Sub(2).Utf8(0), "Maus");
    EXPECT_EQ(bar.Sub(2).Utf8(1), "Tastatur");
    EXPECT_EQ(bar.Sub(2).GetItemId(1), 32796);
    Switch(LANGUAGE_RUSSIAN);
    EXPECT_EQ(bar.Utf8(2), "Клавиатура");
    EXPECT_EQ(bar.Sub(2).Utf8(1), "Клавиатура");
    EXPECT_EQ(bar.Sub(2).Utf8(0), "Мышь");
}

TEST_F(LocaleTest, FindMenuItemComparesWholeCaptionsByteForByte)
{
    FakeMenu& file = m_Wnd.bar.Sub(0);
    EXPECT_EQ(CLocal::FindMenuItem(&file, "&Open...\tCtrl+O", plat::kCpWestern), 0);
    EXPECT_EQ(CLocal::FindMenuItem(&file, "&Open...", plat::kCpWestern), -1);
    EXPECT_EQ(CLocal::FindMenuItem(&file, "Open...\tCtrl+O", plat::kCpWestern), -1);
    EXPECT_EQ(CLocal::FindMenuItem(&file, "exit", plat::kCpWestern), -1);
    EXPECT_EQ(CLocal::FindMenuItem(&m_Wnd.bar, "file", plat::kCpWestern), -1);
    // Separators have empty captions and never match, not even an empty caption.
    EXPECT_EQ(CLocal::FindMenuItem(&m_Wnd.bar.Sub(8), "", plat::kCpWestern), -1);
    EXPECT_EQ(CLocal::FindMenuItem(&m_Wnd.bar.Sub(8), "&About Lexido", plat::kCpWestern), 2);
    EXPECT_EQ(CLocal::FindMenuItem(nullptr, "File", plat::kCpWestern), -1);
    EXPECT_EQ(CLocal::FindMenuItem(&m_Wnd.bar, nullptr, plat::kCpWestern), -1);
    // The first of two equal captions wins.
    file.AddItem("Exit", 1);
    EXPECT_EQ(CLocal::FindMenuItem(&file, "Exit", plat::kCpWestern), 5);
    // A caption read in the wrong code page does not match its bytes.
    m_Wnd.bar.SetUtf8(0, "Файл");
    EXPECT_EQ(CLocal::FindMenuItem(&m_Wnd.bar, "\xD4\xE0\xE9\xEB", plat::kCpCyrillic), 0);
    EXPECT_EQ(CLocal::FindMenuItem(&m_Wnd.bar, "\xD4\xE0\xE9\xEB", plat::kCpWestern), -1);
}

TEST_F(LocaleTest, TheHelpIsAskedForTheNewLanguageAfterTheMenusAndBeforeTheSwap)
{
    RecordingHelp* help = UseRecordingHelp();
    Switch(LANGUAGE_GERMAN);
    EXPECT_EQ(help->calls, 1);
    EXPECT_EQ(help->askedLanguage, LANGUAGE_GERMAN);
    EXPECT_EQ(help->currentLanguage, LANGUAGE_ENGLISH);
    EXPECT_EQ(help->menuWhenAsked, m_Wnd.bar.Dump());
    EXPECT_EQ(g_pILocal->GetLanguage(), LANGUAGE_GERMAN);
}

TEST_F(LocaleTest, ATopLevelCaptionThatCannotBeChangedIsOnlyLogged)
{
    m_Wnd.bar.At(5).refuseChange = true; // Run
    Switch(LANGUAGE_GERMAN);
    EXPECT_EQ(Log(), "\nCLocal::ChngZeroLevelMenu(),Error after ModifyMenu()");
    EXPECT_EQ(g_pILocal->GetLanguage(), LANGUAGE_GERMAN);
    EXPECT_EQ(m_Wnd.bar.Utf8(5), "Run");
    EXPECT_EQ(m_Wnd.bar.Sub(5).Utf8(0), "Erste Iteration");
    EXPECT_EQ(m_Wnd.bar.Utf8(6), "Klammern hinzufügen");
}

TEST_F(LocaleTest, MenusOutOfStepWithTheTableEndTheProgram)
{
    struct Case {
        const char* name;
        std::function<void(FakeWnd&)> spoil;
        const char* line;
    };
    const Case cases[] = {
        {"top-level caption changed behind the table's back",
         [](FakeWnd& w) { w.bar.SetUtf8(7, "Phrasebook"); },
         "\nCLocal::ChngFrstLevelMenu(), error, after FindMenuItem()"},
        {"no menu bar", [](FakeWnd& w) { w.hasMenu = false; },
         "\nCLocal::ChngFrstLevelMenu(), error, after FindMenuItem()"},
        {"top-level caption already German", [](FakeWnd& w) { w.bar.SetUtf8(7, "Sprachführer"); },
         "\nCLocal::ChngFrstLevelMenu(), error, after FindMenuItem()"},
        {"item caption changed", [](FakeWnd& w) { w.bar.Sub(5).SetUtf8(3, "Previous  File"); },
         "\nCLocal::ChngFrstLevelMenu(), error, after FindMenuItem(), pos <= -1"},
        {"item without its tab part", [](FakeWnd& w) { w.bar.Sub(0).SetUtf8(0, "&Open..."); },
         "\nCLocal::ChngFrstLevelMenu(), error, after FindMenuItem(), pos <= -1"},
        {"item that cannot be changed", [](FakeWnd& w) { w.bar.Sub(4).At(10).refuseChange = true; },
         "\nCLocal::ChngFrstLevelMenu(), error, after ModifyMenu()"},
    };
    for (const Case& c : cases) {
        FakeWnd wnd;
        BuildEnglishMenu(wnd.bar);
        c.spoil(wnd);
        EXPECT_EXIT(g_pILocal->SetLanguage(&wnd, LANGUAGE_GERMAN), ::testing::ExitedWithCode(1), "") << c.name;
        EXPECT_EQ(Log(), c.line) << c.name;
        MakeLog();
    }
}

TEST_F(LocaleTest, RefusedLanguagesAndAMissingOrFailingHelpEndTheProgram)
{
    EXPECT_EXIT(g_pILocal->SetLanguage(&m_Wnd, 3), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCLocal::SetLanguage(), error, pILclNew  == 0");
    MakeLog();
    EXPECT_EXIT(g_pILocal->SetLanguage(&m_Wnd, -1), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCLocal::SetLanguage(), error, pILclNew  == 0");
    MakeLog();

    RecordingHelp* help = UseRecordingHelp();
    help->result = 1;
    EXPECT_EXIT(g_pILocal->SetLanguage(&m_Wnd, LANGUAGE_RUSSIAN), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCLocal::SetLanguage(), error, after g_pISetHelp->SetCorrectFile()");
    MakeLog();

    delete g_pISetHelp;
    g_pISetHelp = nullptr;
    EXPECT_EXIT(g_pILocal->SetLanguage(&m_Wnd, LANGUAGE_RUSSIAN), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCLocal::SetLanguage(), error, g_pISetHelp == 0");
    // Nothing of this reached the window of the parent process.
    EXPECT_EQ(m_Wnd.bar.Utf8(0), "File");
}

// Counts in each language: digits grouped its way, the noun in the form the number asks for
// (the forms of "pass", text 440).
TEST_F(LocaleTest, CountsTakeTheGroupingAndPluralFormOfTheLanguage)
{
    const struct {
        int language;
        long long n;
        const char* count;
    } cases[] = {
        {LANGUAGE_ENGLISH, 0, "0 passes"}, {LANGUAGE_ENGLISH, 1, "1 pass"}, {LANGUAGE_ENGLISH, 2, "2 passes"},
        {LANGUAGE_ENGLISH, 21, "21 passes"}, {LANGUAGE_ENGLISH, 999, "999 passes"},
        {LANGUAGE_ENGLISH, 1000, "1,000 passes"}, {LANGUAGE_ENGLISH, 2380000, "2,380,000 passes"},
        {LANGUAGE_GERMAN, 0, "0 Durchgänge"}, {LANGUAGE_GERMAN, 1, "1 Durchgang"}, {LANGUAGE_GERMAN, 2, "2 Durchgänge"},
        {LANGUAGE_GERMAN, 101, "101 Durchgänge"}, {LANGUAGE_GERMAN, 2380000, "2.380.000 Durchgänge"},
        {LANGUAGE_RUSSIAN, 0, "0 проходов"}, {LANGUAGE_RUSSIAN, 1, "1 проход"}, {LANGUAGE_RUSSIAN, 2, "2 прохода"},
        {LANGUAGE_RUSSIAN, 4, "4 прохода"}, {LANGUAGE_RUSSIAN, 5, "5 проходов"}, {LANGUAGE_RUSSIAN, 11, "11 проходов"},
        {LANGUAGE_RUSSIAN, 12, "12 проходов"}, {LANGUAGE_RUSSIAN, 14, "14 проходов"}, {LANGUAGE_RUSSIAN, 20, "20 проходов"},
        {LANGUAGE_RUSSIAN, 21, "21 проход"}, {LANGUAGE_RUSSIAN, 22, "22 прохода"}, {LANGUAGE_RUSSIAN, 25, "25 проходов"},
        {LANGUAGE_RUSSIAN, 111, "111 проходов"}, {LANGUAGE_RUSSIAN, 112, "112 проходов"},
        {LANGUAGE_RUSSIAN, 1001, "1\u00A0001 проход"}, {LANGUAGE_RUSSIAN, 2380000, "2\u00A0380\u00A0000 проходов"},
    };
    for (const auto& c : cases) {
        auto local = Make(c.language);
        EXPECT_EQ(CodePageToUtf8(LclCount(c.n, 440, *local).c_str(), CLocal::CodePage(c.language)), c.count)
            << c.language << " " << c.n;
    }
    EXPECT_EQ(LclNumber(-1234567, LANGUAGE_ENGLISH), "-1,234,567");
    EXPECT_EQ(LclNumber(LLONG_MIN, LANGUAGE_GERMAN), "-9.223.372.036.854.775.808");
    EXPECT_EQ(LclCount(5, "a|b", LANGUAGE_RUSSIAN), "5 b"); // fewer forms than the language has
    EXPECT_EQ(LclCount(5, nullptr, LANGUAGE_ENGLISH), "5");
}

// Slips once found in the tables stay out of them.
TEST_F(LocaleTest, NoTextHoldsAKnownSlip)
{
    const char* slips[] = {"Mach case", "Ietration", "Interprete", "(es)", "(s)", "Deutch", "Russish", "fuer",
                           "oeffn", "Oeffn", "aechst", "Ueber", "Regime", "Registerausweitung",
                           "Resultat", "Letzte Datei", "Спасти", "Цеыми", " ?", "( ", " )", ")(", "s(", "  "};
    for (int language : kLanguages)
        for (int index = 1; index <= LCL_MAX_TEXT; ++index) {
            const char* bytes = Make(language)->GetText(index);
            const std::string t = CodePageToUtf8(bytes ? bytes : "", CLocal::CodePage(language));
            for (const char* slip : slips)
                EXPECT_EQ(t.find(slip), std::string::npos) << language << " " << index << " " << slip;
        }
}
