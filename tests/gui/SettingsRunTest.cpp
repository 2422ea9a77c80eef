// The settings sheet as the running program uses it: opened from the menu, confirmed or
// cancelled, saved by the real shut-down, and read back by the next start.
#include "GuiFixture.h"
#include "SheetTestKit.h"

#include "resources/Resources.h"
#include "settings/sheet/CZelPrprtSheet.h"
#include "settings/sheet/CZelPrprtPg.h"
#include "app/CDrill_SdiView.h"
#include "app/CMainFrame.h"

#include <QComboBox>
#include <QPair>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QtTest>

namespace {
const char* const kSixSections[] = {"AddBrTo", "Gnrl", "OpBrAll", "To_WbW", "To_InWh", "ViewMode"};
const int kAddBracketsPage = 4;
const int kUpperEndList = 1030; // Add Brackets: the list of the slider's upper ends
const int kTimeOutSlider = 1031;

QSlider* Slider(CZelPrprtSheet* s)
{
    return s->Page(kAddBracketsPage)->findChild<QSlider*>(QString::number(kTimeOutSlider));
}

QComboBox* UpperEnd(CZelPrprtSheet* s)
{
    return s->Page(kAddBracketsPage)->findChild<QComboBox*>(QString::number(kUpperEndList));
}

// Values the settings can never hold, appended to the files after the start read them: a
// section saved at shut-down loses its line, one left alone keeps it.
void MarkFilesStale(const GuiProgramFolder& folder)
{
    for (const char* sec : kSixSections) {
        const QString rel = QString("Settings/%1.cfg").arg(sec);
        folder.Write(rel, folder.Read(rel) + "\npt_i Stale sv = 1\n");
    }
}

int StaleFiles(const GuiProgramFolder& folder)
{
    int n = 0;
    for (const char* sec : kSixSections)
        n += folder.Read(QString("Settings/%1.cfg").arg(sec)).contains("Stale") ? 1 : 0;
    return n;
}

// Opens the sheet through its command, lets `what` work on it, then presses OK or Cancel.
void RunSheet(std::function<void(CZelPrprtSheet*)> what, bool ok)
{
    bool ran = false;
    WhenModalIsUp<CZelPrprtSheet>([&ran, what, ok](CZelPrprtSheet* s) {
        what(s);
        ran = true;
        s->findChild<QPushButton*>(ok ? "1" : "2")->click();
    });
    QVERIFY(Trigger(res::ID_SLFILE_SETTINGS));
    QVERIFY(ran);
}

// The Add Brackets time-out and upper end the sheet shows now; the sheet is cancelled.
QPair<int, QString> ShownAddBracketsTimeOut()
{
    QPair<int, QString> shown(-1, QString());
    RunSheet([&](CZelPrprtSheet* s) {
        s->Tabs()->setCurrentIndex(kAddBracketsPage);
        shown = {Slider(s)->value(), UpperEnd(s)->currentText()};
    }, false);
    return shown;
}

void SetAddBracketsTimeOut(CZelPrprtSheet* s)
{
    s->Tabs()->setCurrentIndex(kAddBracketsPage);
    UpperEnd(s)->setCurrentIndex(6); // 7000
    Slider(s)->setValue(6500);
}
} // namespace

class SettingsRunTest : public QObject {
    Q_OBJECT
private slots:
    void okIsSavedByTheShutDownAndShownAtTheNextStart()
    {
        GuiProgramFolder folder;
        folder.Start();
        MarkFilesStale(folder);
        RunSheet(SetAddBracketsTimeOut, true);
        QVERIFY(Trigger(res::ID_SLFILE_EXIT));
        QCOMPARE(folder.quitCode, 0);
        QCOMPARE(StaleFiles(folder), 0); // all six sections written, not only the changed one
        QVERIFY(folder.Read("Settings/AddBrTo.cfg").contains("TimeOut sv = 6500"));
        folder.Stop();

        folder.Start();
        QCOMPARE(ShownAddBracketsTimeOut(), qMakePair(6500, QString("7000")));
    }

    void cancelSavesNothingAndTheNextStartShowsTheOldSettings()
    {
        GuiProgramFolder folder;
        folder.Start();
        const QPair<int, QString> before = ShownAddBracketsTimeOut();
        MarkFilesStale(folder);
        RunSheet(SetAddBracketsTimeOut, false);
        QVERIFY(Trigger(res::ID_SLFILE_EXIT));
        QCOMPARE(folder.quitCode, 0);
        QCOMPARE(StaleFiles(folder), 6);
        folder.Stop();

        // The stale lines are harmless to the next start: a parameter nobody asks for.
        folder.Start();
        const QPair<int, QString> after = ShownAddBracketsTimeOut();
        QCOMPARE(after, before);
        QVERIFY(after.first != 6500);
    }

    void theViewTakesTheFontAtOnceWhenTheSheetCloses()
    {
        GuiProgramFolder folder;
        folder.Start();
        CDrill_SdiView* view = g_pMainWnd->View();
        const int before = view->GetLineHeight();
        ScriptedChooser chooser;
        chooser.font = g_LogFont;
        chooser.font.lfHeight = -3 * before;
        g_pIFontChooser = &chooser;
        // The font chosen and OK, then Default and Cancel: no paint needed for either.
        RunSheet([](CZelPrprtSheet* s) { s->Page(0)->findChild<QPushButton*>("1004")->click(); }, true);
        QCOMPARE(view->GetLineHeight(), QFontMetrics(view->DisplayFont()).lineSpacing());
        RunSheet([](CZelPrprtSheet* s) { s->Page(0)->findChild<QPushButton*>("1001")->click(); }, false);
        QCOMPARE(view->GetLineHeight(), before);
        g_pIFontChooser = nullptr;
    }
};

int RunSettingsRunTest(int argc, char** argv)
{
    SettingsRunTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "SettingsRunTest.moc"
