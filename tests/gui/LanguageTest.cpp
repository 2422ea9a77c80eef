// The interface languages on the real window: the menus retitled by caption, the frame's own
// texts, the help pair copied per language, and the fatal ends of a switch that cannot be made.
#include "GuiFixture.h"

#include "app/CDrill_SdiApp.h"
#include "app/CDrill_SdiView.h"
#include "app/CMainFrame.h"
#include "app/DesktopMenus.h"
#include "app/CProgressWnd.h"
#include "app/CViewDialogs.h"
#include "base/Globals.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "engine/PassHistory.h"
#include "locale/CLocal.h"
#include "locale/ImportTexts.h"
#include "locale/LocaleGlobals.h"
#include "platform/PlatCodePage.h"
#include "platform/PlatExit.h"
#include "platform/PlatWindow.h"
#include "qttext/CodePageText.h"
#include "resources/Resources.h"

#include <QAction>
#include <QChartView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QValueAxis>
#include <QtTest>

#include <memory>

#if defined(__SANITIZE_ADDRESS__)
#define LEXIDO_LSAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LEXIDO_LSAN 1
#endif
#endif
#ifdef LEXIDO_LSAN
#include <sanitizer/lsan_interface.h>
#endif

namespace {

constexpr int kPhraseBook = 7; // position of the Phrase-book menu in the bar

#ifdef LEXIDO_LSAN
void LeakCheckOff() { __lsan_disable(); }
void LeakCheckOn() { __lsan_enable(); }
#else
void LeakCheckOff() {}
void LeakCheckOn() {}
#endif

struct CaughtExit {
    int code;
};
[[noreturn]] void ThrowExit(int code)
{
    throw CaughtExit{code};
}

// The exit status with which the switch to a language ends the program; -1 when it does not.
int ExitCodeOfSwitchTo(int language)
{
    const plat::ExitHook old = plat::SetExitHookForTests(ThrowExit);
    int code = -1;
    // A caught fatal exit abandons what the switch had made, as the ended process would:
    // not a leak.
    LeakCheckOff();
    try {
        g_pILocal->SetLanguage(g_pMainWnd->View(), language);
    } catch (const CaughtExit& e) {
        code = e.code;
    }
    LeakCheckOn();
    plat::SetExitHookForTests(old);
    return code;
}

// The caption an action shows (without a mnemonic the window added), as bytes of a code page.
QByteArray Shown(QAction* a, int codePage)
{
    return ToCodePage(desk::CaptionOf(a), codePage);
}

// The items of a menu as the main resource has them: without those the window adds.
QList<QAction*> Resourced(QMenu* menu)
{
    QList<QAction*> items;
    for (QAction* a : menu->actions())
        if (!a->property("lexidoAdded").toBool())
            items << a;
    return items;
}

QMenuBar* Bar()
{
    return g_pMainWnd->menuBar();
}

QList<QAction*> Items(int top)
{
    QList<QAction*> items;
    for (QAction* a : Resourced(Bar()->actions().at(top)->menu()))
        if (!a->isSeparator())
            items << a;
    return items;
}

// Switches as the settings dialog does: the stored language and the view's message.
bool SwitchTo(int language)
{
    if (g_pIDbVars->WrVal("Gnrl", "InterfaceLanguage", PAR_TYPE_INT, &language) != 0)
        return false;
    g_hWndView->PostMsg(WM_CHANGE_LANGUAGE);
    return QTest::qWaitFor([&] { return g_pILocal && g_pILocal->GetLanguage() == language; }, 3000);
}

// The log is written only while "Logging" is on (the shipped settings have it off).
void EnableLog()
{
    const int on = 1;
    QCOMPARE(g_pIDbVars->WrVal("Gnrl", "Logging", PAR_TYPE_INT, &on), 0);
}

int HelpAavlbl()
{
    int value = -1;
    g_pIDbVars->RdVal("UnSv", "HelpAavlbl", PAR_TYPE_INT, &value);
    return value;
}

// Every caption of the menu bar equals the texts of a language, in its code page (the
// resource's captions for English).
void ExpectWholeMenuIn(int language)
{
    std::unique_ptr<ILocal> texts(language == LANGUAGE_ENGLISH   ? static_cast<ILocal*>(new CLocal_English)
                                  : language == LANGUAGE_RUSSIAN ? static_cast<ILocal*>(new CLocal_Russian)
                                                                 : static_cast<ILocal*>(new CLocal_German));
    const int cp = CLocal::CodePage(language);
    const std::vector<res::Popup>& menu = res::MainMenu();
    QCOMPARE(Bar()->actions().size(), static_cast<int>(menu.size()));
    // The English texts are the resource's captions: the index of each caption is found there.
    std::unique_ptr<ILocal> en(new CLocal_English);
    for (int t = 0; t < static_cast<int>(menu.size()); ++t) {
        QAction* top = Bar()->actions().at(t);
        const QList<QAction*> items = Resourced(top->menu());
        QCOMPARE(items.size(), static_cast<int>(menu[t].items.size()));
        for (int k = 0; k < items.size(); ++k) {
            const res::MenuItem& item = menu[t].items[static_cast<std::size_t>(k)];
            if (res::DrawnAsSeparator(item)) {
                QVERIFY(items[k]->isSeparator());
                continue;
            }
            QCOMPARE(items[k]->data().toInt(), item.id);
            // The dashes are never translated; "Keyboard" of an item is text 10, not 9.
            QByteArray wanted = item.caption;
            for (int index = 2; item.id != res::ID_NONE && index <= LCL_MAX_TEXT; ++index) {
                if (index != 9 && QByteArray(item.caption) == en->GetText(index)) {
                    wanted = texts->GetText(index);
                    break;
                }
            }
            QCOMPARE(Shown(items[k], cp), wanted);
        }
    }
    const int tops[] = {1, 6, 9, 12, 15, 26, 31, 34, 47};
    for (int t = 0; t < 9; ++t)
        QCOMPARE(Shown(Bar()->actions().at(t), cp), QByteArray(texts->GetText(tops[t])));
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void germanRetitlesThePhraseBookAndItsItemsAndEnglishComesBack()
    {
        GuiProgramFolder folder;
        folder.Start();
        QCOMPARE(Shown(Bar()->actions().at(kPhraseBook), plat::kCpWestern), QByteArray("Phrase-book"));
        QVERIFY(SwitchTo(LANGUAGE_GERMAN));
        QCOMPARE(Shown(Bar()->actions().at(kPhraseBook), plat::kCpWestern), QByteArray("Sprachf\xfchrer"));
        CLocal_German de;
        const QList<QAction*> items = Items(kPhraseBook);
        QCOMPARE(items.size(), 12);
        for (int k = 0; k < 12; ++k) {
            QCOMPARE(Shown(items[k], plat::kCpWestern), QByteArray(de.GetText(35 + k)));
            QCOMPARE(items[k]->data().toInt(), res::ID_PHRASEBOOK_FIRST + k); // the commands stay
        }
        QCOMPARE(Shown(Items(kPhraseBook)[0], plat::kCpWestern), QByteArray("Englisch <---> Franz\xf6sisch"));
        ExpectWholeMenuIn(LANGUAGE_GERMAN);
        // The frame's own texts follow.
        QCOMPARE(g_pMainWnd->Action(res::ID_MODE_INWHOLE)->statusTip(), QString("Ganze S\u00e4tze zeigen"));
        QCOMPARE(g_pMainWnd->statusBar()->currentMessage(), QString("Bereit"));
        SaveShotOfMenu("menu-german-phrase-book", kPhraseBook);
        SaveShotOfMenu("menu-german-mode", 4);

        QVERIFY(SwitchTo(LANGUAGE_ENGLISH));
        ExpectWholeMenuIn(LANGUAGE_ENGLISH);
        QCOMPARE(g_pMainWnd->Action(res::ID_MODE_INWHOLE)->statusTip(), QString("Show whole phrases"));
        QVERIFY(!folder.Log().contains("rror"));
        // A command still reaches its handler under its retitled caption.
        QVERIFY(SwitchTo(LANGUAGE_GERMAN));
        QVERIFY(Trigger(res::ID_MODE_WORDBYWORD));
        QVERIFY(IsChecked(res::ID_MODE_WORDBYWORD));
    }

    void russianMenusAreCyrillicAndTheKeyboardCaptionsStayAtTheirPlaces()
    {
        GuiProgramFolder folder;
        folder.Start();
        // "Keyboard" twice: the top-level item is the third of the bar, the item of the same
        // caption the first of its menu.
        QCOMPARE(CLocal::FindMenuItem(g_pMainWnd->View()->GetMenu(), "Keyboard", plat::kCpWestern), 2);
        QCOMPARE(CLocal::FindMenuItem(g_pMainWnd->View()->GetMenu()->GetSubMenu(2), "Keyboard", plat::kCpWestern), 0);
        QVERIFY(SwitchTo(LANGUAGE_RUSSIAN));
        ExpectWholeMenuIn(LANGUAGE_RUSSIAN);
        QCOMPARE(desk::CaptionOf(Bar()->actions().at(2)), QString("\u041a\u043b\u0430\u0432\u0438\u0430\u0442\u0443\u0440\u0430"));
        QCOMPARE(desk::CaptionOf(Items(2)[0]), desk::CaptionOf(Bar()->actions().at(2)));
        QCOMPARE(Items(2)[0]->data().toInt(), int(res::ID_KEYBOARD_KEYBOARDONLY));
        QCOMPARE(Items(2)[1]->data().toInt(), int(res::ID_KEYBOARD_KEYBOARDMOUSE));
        QCOMPARE(Bar()->actions().at(1)->text(), QString("&\u0412\u0438\u0434")); // "&Вид"
        QCOMPARE(g_pMainWnd->statusBar()->currentMessage(), QString("\u0413\u043e\u0442\u043e\u0432\u043e"));
        SaveShotOfMenu("menu-russian-phrase-book", kPhraseBook);
        SaveShotOfMenu("menu-russian-mode", 4);
        SaveShotOfMenu("menu-russian-file", 0);
        // Back to German straight from Russian: the Cyrillic captions are found in their code page.
        QVERIFY(SwitchTo(LANGUAGE_GERMAN));
        ExpectWholeMenuIn(LANGUAGE_GERMAN);
        QCOMPARE(desk::CaptionOf(Items(2)[0]), QString("Tastatur"));
        QCOMPARE(desk::CaptionOf(Bar()->actions().at(2)), QString("Tastatur"));
    }

    void switchingToTheLanguageShownSucceeds()
    {
        GuiProgramFolder folder;
        folder.Start();
        ILocal* before = g_pILocal;
        QCOMPARE(g_pILocal->SetLanguage(g_pMainWnd->View(), LANGUAGE_ENGLISH), 0);
        QVERIFY(g_pILocal != before); // a new object of the same language
        ExpectWholeMenuIn(LANGUAGE_ENGLISH);
        QVERIFY(SwitchTo(LANGUAGE_RUSSIAN));
        QCOMPARE(g_pILocal->SetLanguage(g_pMainWnd->View(), LANGUAGE_RUSSIAN), 0);
        ExpectWholeMenuIn(LANGUAGE_RUSSIAN);
        QVERIFY(!folder.Log().contains("rror"));
    }

    void aCaptionChangedBehindTheTablesBackEndsTheProgram()
    {
        GuiProgramFolder folder;
        folder.Start();
        EnableLog();
        Bar()->actions().at(kPhraseBook)->setText("Phrasebook");
        QCOMPARE(ExitCodeOfSwitchTo(LANGUAGE_GERMAN), 1);
        QVERIFY(folder.Log().endsWith("\nCLocal::ChngFrstLevelMenu(), error, after FindMenuItem()"));
        QCOMPARE(g_pILocal->GetLanguage(), LANGUAGE_ENGLISH); // the switch never completed
        folder.Stop();

        // An item of a drop-down menu: the second line of the two.
        GuiProgramFolder again;
        again.Start();
        EnableLog();
        g_pMainWnd->Action(res::ID_RUN_NEXTFILE)->setText("Next file");
        QCOMPARE(ExitCodeOfSwitchTo(LANGUAGE_RUSSIAN), 1);
        QVERIFY(again.Log().endsWith("\nCLocal::ChngFrstLevelMenu(), error, after FindMenuItem(), pos <= -1"));
    }

    void eachLanguageInstallsItsHelpPairOnlyWhenItChanges()
    {
        GuiProgramFolder folder;
        folder.Start();
        const QByteArray enHlp = folder.Read("Settings/Help/English/Lexido.hlp");
        const QByteArray enCnt = folder.Read("Settings/Help/English/Lexido.cnt");
        const QByteArray ruHlp = folder.Read("Settings/Help/Russian/Lexido.hlp");
        const QByteArray ruCnt = folder.Read("Settings/Help/Russian/Lexido.cnt");
        QVERIFY(!enHlp.isEmpty() && !ruCnt.isEmpty() && enHlp != ruHlp);
        QCOMPARE(HelpAavlbl(), 1);
        QCOMPARE(folder.Read("Lexido.hlp"), enHlp);

        QVERIFY(SwitchTo(LANGUAGE_RUSSIAN));
        QCOMPARE(HelpAavlbl(), 2);
        QCOMPARE(folder.Read("Lexido.hlp"), ruHlp);
        QCOMPARE(folder.Read("Lexido.cnt"), ruCnt);

        QVERIFY(SwitchTo(LANGUAGE_ENGLISH));
        QCOMPARE(HelpAavlbl(), 1);
        QCOMPARE(folder.Read("Lexido.hlp"), enHlp);
        QCOMPARE(folder.Read("Lexido.cnt"), enCnt);

        // German keeps the English pair in place: a mark in the installed contents survives.
        const QByteArray marked = enCnt + "\n";
        folder.Write("Lexido.cnt", marked);
        QVERIFY(SwitchTo(LANGUAGE_GERMAN));
        QCOMPARE(HelpAavlbl(), 1);
        QCOMPARE(folder.Read("Lexido.cnt"), marked);
        QCOMPARE(folder.Read("Lexido.hlp"), enHlp);
    }

    void aMissingRussianContentsFileEndsTheProgramWithItsTwoLines()
    {
        GuiProgramFolder folder;
        folder.Start();
        EnableLog();
        QVERIFY(QFile::remove(folder.Path("Settings/Help/Russian/Lexido.cnt")));
        QCOMPARE(ExitCodeOfSwitchTo(LANGUAGE_RUSSIAN), 1);
        QVERIFY(folder.Log().endsWith("\nCSetHelp::OverwrireFile(), error opening src file"
                                      "\nCSetHelp::MakeHelp_Russian(), error, after OverwrireFile"));
        // The help file itself was replaced before the contents file was missed.
        QCOMPARE(folder.Read("Lexido.hlp"), folder.Read("Settings/Help/Russian/Lexido.hlp"));
    }

    void aPassShowsItsProgressAndKeysInTheInterfaceLanguage()
    {
        const struct {
            int language;
            const char* progress;
            const char* legend;
            const char* shot;
        } cases[] = {
            {LANGUAGE_GERMAN, "Satz 1 von 2 · 0 markiert · Durchgang 1", "Leertaste: weiß nicht · Enter: weiter · Esc: Ende",
             "pass-german"},
            {LANGUAGE_RUSSIAN, "Фраза 1 из 2 · отмечено 0 · проход 1", "Пробел: не знаю · Enter: дальше · Esc: стоп",
             "pass-russian"},
        };
        for (const auto& c : cases) {
            GuiProgramFolder folder;
            folder.Write("Text/a.mix", "*Tea=\xd7\xe0\xe9\n*Coffee=\xca\xee\xf4\xe5\n");
            folder.Start();
            QVERIFY(SwitchTo(c.language));
            folder.dialogs.openAnswers = {folder.Path("Text/a.mix").toStdString()};
            QVERIFY(Trigger(res::ID_FILE_OPEN) && Trigger(res::ID_RUN_FIRSTITERATION));
            QTRY_COMPARE(g_pMainWnd->PassText(), QString::fromUtf8(c.progress));
            QCOMPARE(g_pMainWnd->statusBar()->currentMessage(), QString::fromUtf8(c.legend));
            SaveShot(g_pMainWnd, c.shot);
            QVERIFY(Trigger(res::ID_FILE_NEW));
        }
    }

    // View > Progress... over a history of two files, the open one practised on six days.
    void theProgressWindowShowsTheOpenFileAndEveryFilePractised()
    {
        const struct {
            int language;
            const char* title;
            const char* shot;
        } cases[] = {{LANGUAGE_ENGLISH, "a.mix: marked against shown", "progress-english"},
                     {LANGUAGE_GERMAN, "a.mix: markiert gegenüber gezeigt", "progress-german"},
                     {LANGUAGE_RUSSIAN, "a.mix: отмечено и показано", "progress-russian"}};
        for (const auto& c : cases) {
            GuiProgramFolder folder;
            folder.Write("Text/a.mix", "*Tea=Tee\n");
            const std::string a = folder.Path("Text/a.mix").toStdString();
            std::string history;
            for (int day = 0; day < 6; ++day)
                for (int k = 0; k < 2; ++k)
                    history += hist::FormatRecord({1765000000LL + day * 86400 + k * 600, 0, 0, k + 1,
                                                   k ? 8 - day : 20, k ? 2 : 6 - day, a});
            history += hist::FormatRecord({1765900000LL, 2, 1, 1, 10, 1, "/x/b.mix"}) + "1766";
            folder.Write("History.txt", QByteArray::fromStdString(history));
            folder.Start();
            if (c.language != LANGUAGE_ENGLISH)
                QVERIFY(SwitchTo(c.language));
            folder.dialogs.openAnswers = {a};
            QVERIFY(Trigger(res::ID_FILE_OPEN) && Trigger(res::ID_VIEW_PROGRESS));
            auto* w = g_pMainWnd->findChild<CProgressWnd*>();
            QVERIFY(w && w->isVisible());
            QCOMPARE(w->Title()->text(), QString::fromUtf8(c.title));
            QCOMPARE(w->Table()->rowCount(), 2);
            QCOMPARE(w->Table()->item(0, 0)->text(), QString("b.mix")); // the last practised first
            QCOMPARE(w->Table()->item(1, 3)->text(), QString("95 %")); // a.mix's last first iteration
            for (QAbstractAxis* axis : static_cast<QChartView*>(w->Charts()->widget(0))->chart()->axes()) {
                const auto* v = qobject_cast<QValueAxis*>(axis); // whole-number ticks; the phrases' axis above 20
                QVERIFY(v->tickType() == QValueAxis::TicksDynamic && int(v->tickInterval()) == v->tickInterval());
                QVERIFY(v->max() > (v->orientation() == Qt::Vertical ? 20 : 11));
            }
            SaveShot(w, c.shot);
            w->Charts()->setCurrentIndex(1);
            SaveShot(w, QString(c.shot) + "-days");
        }
    }

    void anImportsSummaryIsShownInEveryLanguageWithItsFile()
    {
        GuiProgramFolder folder;
        folder.Start();
        imp::SResult r;
        r.imported = 312, r.skipped = 4, r.cut = 1, r.markers = 2;
        for (int language : {LANGUAGE_ENGLISH, LANGUAGE_GERMAN, LANGUAGE_RUSSIAN}) {
            QVERIFY(SwitchTo(language));
            const std::unique_ptr<QMessageBox> box = CViewDialogs::MakeImportOutcomeBox(
                g_pMainWnd, true, ImportOutcomeText(r, *g_pILocal).c_str(), "/home/learner/words.mix");
            box->show();
            QVERIFY(QTest::qWaitForWindowExposed(box.get()));
            QVERIFY(box->text().contains("312") && box->text().endsWith("\n/home/learner/words.mix"));
            SaveShot(box.get(), QString("import-summary-%1").arg(language));
        }
    }

private:
    // The main window with one of its menus open beside it, in one picture.
    static void SaveShotOfMenu(const QString& name, int top)
    {
        if (qEnvironmentVariableIsEmpty("LEXIDO_SCREENSHOTS"))
            return;
        QMenu* menu = Bar()->actions().at(top)->menu();
        g_pMainWnd->View()->UpdateCommandUI();
        const QRect at = Bar()->actionGeometry(Bar()->actions().at(top));
        menu->popup(Bar()->mapToGlobal(at.bottomLeft()));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        const QPixmap window = g_pMainWnd->grab();
        const QPixmap popup = menu->grab();
        const QPoint offset = g_pMainWnd->mapFromGlobal(menu->mapToGlobal(QPoint(0, 0)));
        QPixmap both(qMax(window.width(), offset.x() + popup.width()), qMax(window.height(), offset.y() + popup.height()));
        both.fill(Qt::white);
        QPainter p(&both);
        p.drawPixmap(0, 0, window);
        p.drawPixmap(offset, popup);
        p.end();
        menu->close();
        QLabel shot;
        shot.setPixmap(both);
        shot.resize(both.size());
        SaveShot(&shot, name);
    }
};

int RunLanguageTest(int argc, char** argv)
{
    LanguageTest t;
    return QTest::qExec(&t, argc, argv);
}
#include "LanguageTest.moc"
