// The memory across days in the window: Review Due, the welcome page's due phrases, the Memory
// page and the notices, over databases seeded through the memory library itself.
#include "GuiFixture.h"

#include "app/CDrill_SdiView.h"
#include "app/CMainFrame.h"
#include "app/CMemoryPage.h"
#include "app/CProgressWnd.h"
#include "base/Globals.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "engine/CPassProgress.h"
#include "locale/ILocal.h"
#include "locale/LocaleGlobals.h"
#include "memory/MemoryDb.h"
#include "platform/PlatWindow.h"
#include "resources/Resources.h"
#include "texts/IUtltsFile.h"

#include <QApplication>
#include <QBarSet>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include <ctime>

namespace {

constexpr long long kDay = 86400;

// Three phrases of a.mix reviewed once: two ten days ago (due today), one an hour ago, Easy.
void Seed(GuiProgramFolder& folder)
{
    folder.Write("Text/a.mix", "*Tea=Tee\n*Milk=Milch\n*Bread=Brot\n");
    const std::string a = folder.Path("Text/a.mix").toStdString();
    const long long now = std::time(nullptr);
    memory::CMemoryDb db;
    QVERIFY(db.Open(folder.Path("Memory.db").toStdString()).status == memory::EOpen::kCreated);
    QVERIFY(db.WritePass({{"Tea", "Tee", 0, 3, 0, now - 10 * kDay, a}, {"Milk", "Milch", 0, 3, 0, now - 10 * kDay, a},
                             {"Bread", "Brot", 0, 4, 0, now - 3600, a}},
        nullptr));
}

bool SwitchTo(int language)
{
    if (g_pIDbVars->WrVal("Gnrl", "InterfaceLanguage", PAR_TYPE_INT, &language) != 0)
        return false;
    g_hWndView->PostMsg(WM_CHANGE_LANGUAGE);
    return QTest::qWaitFor([&] { return g_pILocal && g_pILocal->GetLanguage() == language; }, 3000);
}

CDrill_SdiView* View()
{
    return g_pMainWnd->View();
}

} // namespace

class MemoryWndTest : public QObject {
    Q_OBJECT
private slots:
    // Ctrl+R over what is due runs a pass over Review.mix; over nothing due it says so.
    void reviewDueRunsWhatIsDueOrSaysNothingIs()
    {
        for (const bool seeded : {true, false}) {
            GuiProgramFolder folder;
            if (seeded)
                Seed(folder);
            folder.Start();
            QVERIFY(IsEnabled(res::ID_RUN_REVIEWDUE));
            QTest::keyClick(View(), Qt::Key_R, Qt::ControlModifier);
            if (seeded) {
                QTRY_VERIFY(PassProgress().Get().running);
                QCOMPARE(PassProgress().Get().total, 2);
                QVERIFY(QString(g_pIUtltsFile->GetFilePath()).endsWith("/Review.mix"));
                QVERIFY(Trigger(res::ID_FILE_NEW));
            } else {
                QCOMPARE(g_pMainWnd->statusBar()->currentMessage(), QString("Nothing is due today."));
                QVERIFY(!PassProgress().Get().running);
            }
        }
    }

    // The welcome page and the Memory page in each language: the due count, the forecast whose
    // bars add up to the phrases due within 30 days, today's bar the due count, the table.
    void theWelcomePageAndTheMemoryPageShowWhatIsDue()
    {
        const struct {
            int language;
            const char* due;
            const char* shot;
        } cases[] = {{LANGUAGE_ENGLISH, "2 phrases due today", "english"},
            {LANGUAGE_GERMAN, "2 Phrasen heute fällig", "german"},
            {LANGUAGE_RUSSIAN, "На сегодня к повторению: 2 фразы", "russian"}};
        for (const auto& c : cases) {
            GuiProgramFolder folder;
            Seed(folder);
            folder.Start();
            QVERIFY(SwitchTo(c.language));
            QVERIFY(QTest::qWaitFor([] { return View()->viewport()->repaint(), View()->WelcomeShown(); }, 5000));
            QCOMPARE(View()->DueLines().value(0), QString::fromUtf8(c.due));
            QVERIFY(View()->DueLines().value(1).contains("a.mix"));
            SaveShot(g_pMainWnd, QString("welcome-due-%1").arg(c.shot));

            QVERIFY(Trigger(res::ID_VIEW_PROGRESS));
            auto* w = g_pMainWnd->findChild<CProgressWnd*>();
            QVERIFY(w && w->Memory());
            w->Charts()->setCurrentWidget(w->Memory());
            QBarSet* bars = w->Memory()->Bars();
            QVERIFY(bars && bars->count() == 30);
            QCOMPARE(bars->at(0), 2.0);
            QCOMPARE(bars->sum(), 3.0);
            QCOMPARE(w->Memory()->Table()->rowCount(), 1);
            QCOMPARE(w->Memory()->Table()->item(0, 0)->text(), QString("a.mix"));
            QCOMPARE(w->Memory()->Table()->item(0, 2)->text(), QString("3")); // learning
            QVERIFY(!w->Table()->isVisible());
            QApplication::processEvents();
            SaveShot(w, QString("memory-page-%1").arg(c.shot));
        }
    }

    // A damaged database is set aside: the learner is told once, in a message box.
    void aDatabaseSetAsideIsToldOnce()
    {
        GuiProgramFolder folder;
        folder.Write("Memory.db", QByteArray(4096, 'x'));
        folder.Start();
        QTRY_COMPARE(int(folder.dialogs.memoryNotices.size()), 1);
        QVERIFY(QString::fromStdString(folder.dialogs.memoryNotices[0]).contains("Memory.db"));
        View()->ShowMemoryNotices(); // another round tells nothing more
        QCOMPARE(int(folder.dialogs.memoryNotices.size()), 1);
    }
};

int RunMemoryWndTest(int argc, char** argv)
{
    MemoryWndTest t;
    return QTest::qExec(&t, argc, argv);
}
#include "MemoryWndTest.moc"
