// What the view draws beside the screen text: the welcome page with its recent files, the mark
// of a phrase and the caret of the Open Brackets modes.
#include "GuiFixture.h"

#include "app/CDrill_SdiView.h"
#include "app/CMainFrame.h"
#include "base/Globals.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "locale/ILocal.h"
#include "locale/LocaleGlobals.h"
#include "platform/PlatWindow.h"
#include "resources/Resources.h"

#include <QtTest>

#include <algorithm>
#include <cstring>

namespace {
CDrill_SdiView* View() { return g_pMainWnd->View(); }

// Paints now and waits until the view shows what is asked.
bool Painted(const std::function<bool()>& shown)
{
    return QTest::qWaitFor([&] {
        View()->viewport()->repaint();
        return shown();
    }, 5000);
}

bool Shows(const std::string& text)
{
    const bool shown = QTest::qWaitFor([&] { return ScreenText().find(text) != std::string::npos; }, 5000);
    QTest::qWait(60); // the pass takes a key only once it waits for one
    return shown;
}

void SetLanguage(int language)
{
    QCOMPARE(g_pIDbVars->WrVal("Gnrl", "InterfaceLanguage", PAR_TYPE_INT, &language), 0);
    g_hWndView->PostMsg(WM_CHANGE_LANGUAGE);
    QVERIFY(QTest::qWaitFor([&] { return g_pILocal && g_pILocal->GetLanguage() == language; }, 3000));
}

QByteArray RecentCfg(const QList<QByteArray>& paths)
{
    QByteArray cfg = "sn = Recent\n";
    for (int i = 0; i < 5; ++i)
        cfg += "\npt_str_any File" + QByteArray::number(i + 1) + " sv = \"" + paths.value(i) + "\"";
    return cfg;
}
} // namespace

class PassViewTest : public QObject {
    Q_OBJECT
private slots:
    void theWelcomePageReopensTheRecentFiles_data()
    {
        QTest::addColumn<QStringList>("opened"); // in order, through File > Open
        QTest::addColumn<QString>("reopen");     // "key N" or "click N" on the next start's page
        QTest::addColumn<QStringList>("recent"); // then, newest first
        const QStringList abc{"a.mix", "b.mix", "c.mix"};
        QTest::newRow("key 1") << abc << "key 1" << QStringList{"c.mix", "b.mix", "a.mix"};
        QTest::newRow("key 3") << abc << "key 3" << QStringList{"a.mix", "c.mix", "b.mix"};
        QTest::newRow("click 2") << abc << "click 2" << QStringList{"b.mix", "c.mix", "a.mix"};
        QTest::newRow("twice and a sixth") << QStringList{"a.mix", "b.mix", "a.mix", "c.mix", "d.mix", "e.mix", "f.mix"}
                                         << "key 5" << QStringList{"a.mix", "f.mix", "e.mix", "d.mix", "c.mix"};
        // A path the settings file could not read back is not remembered.
        QTest::newRow("a quote") << QStringList{"a.mix", "q\"t.mix"} << "key 1" << QStringList{"a.mix"};
        QTest::newRow("no number 2") << QStringList{"a.mix"} << "key 2" << QStringList{"a.mix"};
    }
    void theWelcomePageReopensTheRecentFiles()
    {
        QFETCH(QStringList, opened);
        QFETCH(QString, reopen);
        QFETCH(QStringList, recent);
        GuiProgramFolder folder;
        for (const QString& name : opened)
            folder.Write("Text/" + name, "*" + name.toUtf8() + "=answer\n");
        folder.Start();
        QVERIFY(Painted([] { return View()->WelcomeShown() && View()->RecentRows().empty(); }));
        for (const QString& name : opened) {
            folder.dialogs.openAnswers.push_back(folder.Path("Text/" + name).toStdString());
            QVERIFY(Trigger(res::ID_FILE_OPEN));
        }
        QVERIFY(Painted([] { return !View()->WelcomeShown(); }));
        folder.Stop();
        folder.Start();
        View()->setFocus();
        const int number = reopen.back().digitValue();
        QVERIFY(Painted([&] { return View()->WelcomeShown() && !View()->RecentRows().empty(); }));
        const bool known = number <= int(View()->RecentRows().size());
        if (reopen.startsWith("key"))
            QTest::keyClick(View(), char('0' + number));
        else
            QTest::mouseClick(View()->viewport(), Qt::LeftButton, {}, View()->RecentRows()[number - 1].center());
        // The file reopened is shown and comes first; a number without a file does nothing.
        QVERIFY(Painted([&] { return View()->WelcomeShown() != known; }));
        if (known)
            QVERIFY(Shows("*" + recent.front().toStdString() + "="));
        QList<QByteArray> paths;
        for (const QString& name : recent)
            paths << folder.Path("Text/" + name).toUtf8();
        QCOMPARE(folder.Read("Settings/Recent.cfg"), RecentCfg(paths));
    }

    void theWelcomePageSpeaksTheInterfaceLanguage()
    {
        GuiProgramFolder folder;
        folder.Write("Settings/Recent.cfg", RecentCfg({folder.Path("Text/Alice/chapter 1.mix").toUtf8()}));
        folder.Start();
        g_pMainWnd->resize(720, 420);
        const std::pair<int, const char*> cases[] = {
            {LANGUAGE_ENGLISH, "welcome-english"}, {LANGUAGE_GERMAN, "welcome-german"}, {LANGUAGE_RUSSIAN, "welcome-russian"}};
        for (const auto& [language, shot] : cases) {
            SetLanguage(language);
            QVERIFY(Painted([] { return View()->WelcomeShown() && View()->RecentRows().size() == 1; }));
            SaveShot(g_pMainWnd, shot);
        }
    }

    void aMarkAndTheCaretAreShownBesideTheText()
    {
        struct Step {
            char key;          // 0: the pass's start
            int bracket;       // the caret stands in this bracket (from 0); -1: no caret
            const char* typed; // after what was typed into it
            bool marked;       // the badge is shown
        };
        const struct {
            int mode;
            std::vector<Step> steps;
        } cases[] = {
            {res::ID_MODE_INWHOLE, {{0, -1, "", false}, {' ', -1, "", true}, {'n', -1, "", false}}},
            {res::ID_MODE_OPENBRACKETSWHOLEWORD,
             {{0, 0, "", false}, {'B', 0, "B", false}, {'r', 0, "Br", false}, {' ', 1, "", true}, {'g', 1, "g", true}}},
            {res::ID_MODE_OPENBRACKETS1LETTER, {{0, 0, "", false}, {'x', 0, "", false}, {' ', 1, "", true}}},
        };
        for (const auto& c : cases) {
            GuiProgramFolder folder;
            folder.Write("Text/b.mix", "*Bread=das <Brot> ist <gut>\n*Water=Wasser\n");
            folder.Start();
            folder.dialogs.openAnswers = {folder.Path("Text/b.mix").toStdString()};
            QVERIFY(Trigger(res::ID_FILE_OPEN) && Trigger(c.mode) && Trigger(res::ID_RUN_FIRSTITERATION));
            View()->setFocus();
            QVERIFY(Shows("---\n"));
            const QFontMetrics fm(View()->DisplayFont());
            for (const Step& step : c.steps) {
                if (step.key)
                    QTest::keyClick(View(), step.key);
                // Where the typed characters go: just after the bracket's "<" and what was typed.
                const auto expected = [&] {
                    const std::string text = ScreenText();
                    std::size_t at = 0;
                    for (int b = 0; b <= step.bracket; ++b)
                        at = text.find('<', at) + 1;
                    at += std::strlen(step.typed);
                    const std::size_t line = text.rfind('\n', at - 1) + 1;
                    int x = 0;
                    for (std::size_t i = line; i < at; ++i)
                        x += fm.horizontalAdvance(QChar(text[i]));
                    const int y = int(std::count(text.begin(), text.begin() + long(at), '\n')) * (fm.height() + fm.leading());
                    return text.compare(at - std::strlen(step.typed) - 1, std::strlen(step.typed) + 1, "<" + std::string(step.typed)) == 0
                               ? QPoint(x, y) : QPoint(-1, -1);
                };
                QVERIFY2(Painted([&] {
                    const QRect caret = View()->Caret();
                    return !View()->MarkBadge().isEmpty() == step.marked &&
                           (step.bracket < 0 ? caret.isEmpty() : caret.topLeft() == expected());
                }), qPrintable(QString("mode %1, key '%2': caret (%3, %4), text %5").arg(c.mode).arg(step.key)
                                   .arg(View()->Caret().x()).arg(View()->Caret().y()).arg(QString::fromStdString(ScreenText()))));
                QTest::qWait(60);
            }
            // The badge is drawn beside the text, never into it.
            QVERIFY(ScreenText().find("Marked") == std::string::npos);
            if (c.mode == res::ID_MODE_OPENBRACKETSWHOLEWORD)
                SaveShot(g_pMainWnd, "pass-mark-caret");
            QVERIFY(Trigger(res::ID_FILE_NEW));
        }
    }
};

int RunPassViewTest(int argc, char** argv)
{
    PassViewTest t;
    return QTest::qExec(&t, argc, argv);
}
#include "PassViewTest.moc"
