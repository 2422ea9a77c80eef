// The application as a learner uses it: start-up, the commands and their update rules, files
// opened through the scripted dialog, passes, shut-down.
#include "GuiFixture.h"

#include "app/CAboutDlg.h"
#include "app/CDrill_SdiApp.h"
#include "app/CDrill_SdiView.h"
#include "app/CMainFrame.h"
#include "app/ScreenCodePage.h"
#include "base/Globals.h"
#include "engine/CScreen.h"
#include "engine/EngineGlobals.h"
#include "engine/IItrtnSrvc.h"
#include "engine/IKbrd.h"
#include "engine/IterationGlobals.h"
#include "platform/PlatEvent.h"
#include "platform/PlatWindow.h"
#include "settings/CLsnInst.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLockFile>
#include <QMenuBar>
#include <QScrollBar>
#include <QtTest>

namespace {
// Three phrases in English and Russian (windows-1251).
const QByteArray kTopic1 = "*Bread=\xd5\xeb\xe5\xe1\n*Water=\xc2\xee\xe4\xe0\n*Milk=\xcc\xee\xeb\xee\xea\xee\n";
const QByteArray kTopic2 = "*Tea=\xd7\xe0\xe9\n*Coffee=\xca\xee\xf4\xe5\n";
const QByteArray kTopic3 = "*Salt=\xd1\xee\xeb\xfc\n";
const char* kEnRu = "Text/Conversational Guide/English_Russian/";

QByteArray Bytes(const std::string& s)
{
    return QByteArray::fromStdString(s);
}

// Waits until the screen shows text (a key is only taken while the pass waits for it).
bool ScreenShows(const QByteArray& text)
{
    if (!QTest::qWaitFor([&] { return Bytes(ScreenText()).contains(text); }, 5000))
        return false;
    // The screen is typed just before the pass begins its key wait: a key sent in between
    // would be lost, as it is for a learner who types ahead.
    QTest::qWait(60);
    return true;
}

QByteArray ResultsFileWith(const GuiProgramFolder& folder, const QByteArray& phrase)
{
    for (const QString& f : QDir(folder.Path("DfltRslts")).entryList(QDir::Files)) {
        const QByteArray bytes = folder.Read("DfltRslts/" + f);
        if (bytes.contains(phrase))
            return bytes;
    }
    return QByteArray();
}
} // namespace

class AppTest : public QObject {
    Q_OBJECT
private slots:
    void startShowsTheTitlePictureThenTheMainWindow()
    {
        GuiProgramFolder folder;
        CDrill_SdiApp& app = folder.Start(false);
        CMainFrame* frame = app.MainFrame();
        QVERIFY(frame);
        QVERIFY(!frame->isVisible());
        QWidget* band = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "HeadBand" && w->isVisible())
                band = w;
        QVERIFY(band);
        QPointer<QWidget> alive(band);
        SaveShot(band, "title");
        QCOMPARE(frame->windowTitle(), QString("Lexido"));
        QVERIFY(folder.Log().startsWith("\nLexido started"));
        QElapsedTimer t;
        t.start();
        QTRY_VERIFY_WITH_TIMEOUT(frame->isVisible(), 4000);
        QVERIFY2(t.elapsed() > 1500, "the main window came before the title's two seconds");
        QTRY_VERIFY(!alive || !alive->isVisible());
        SaveShot(frame, "main-window");
        // The language was set from the settings: the English menu as the resource has it.
        QCOMPARE(frame->menuBar()->actions().at(7)->text(), QString("Phrase-book"));
    }

    void aSecondInstanceEndsAtOnceShowingNothing()
    {
        QLockFile first(QDir::tempPath() + "/" + CDrill_SdiApp::kMutexName + ".lock");
        QVERIFY(first.tryLock(0));
        GuiProgramFolder folder;
        CDrill_SdiApp& app = folder.Start(false);
        QVERIFY(!app.MainFrame());
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
        QVERIFY(folder.Log().isEmpty());
    }

    void modeDirectionAndKeyboardCommandsMoveTheirChecks()
    {
        GuiProgramFolder folder;
        folder.Start();
        QVERIFY(IsChecked(32776)); // In Whole
        QVERIFY(IsChecked(32774));
        QVERIFY(Trigger(32783));   // Open Brackets (Whole Word) also turns the direction
        QVERIFY(IsChecked(32783));
        QVERIFY(!IsChecked(32776));
        QVERIFY(IsChecked(32775));
        QVERIFY(!IsChecked(32774));
        QVERIFY(Trigger(32774));
        QVERIFY(IsChecked(32774));
        QVERIFY(Trigger(32797));   // Mouse
        QVERIFY(IsChecked(32797));
        QVERIFY(!IsChecked(32796));
        QCOMPARE(g_pIKbrd->GetKbrdType(), KBRD_TYPE_MOUSE);
        QVERIFY(Trigger(32796));
        QVERIFY(Trigger(32796));   // again: nothing changes
        QCOMPARE(g_pIKbrd->GetKbrdType(), KBRD_TYPE_KEYBOARD);
        // No file open: nothing can run.
        QVERIFY(!IsEnabled(32800));
        QVERIFY(!IsEnabled(32787));
        QVERIFY(!IsEnabled(32788));
        // Cancel with no pass only records Escape.
        QVERIFY(Trigger(57600));
        QCOMPARE(g_pIKbrd->GetKey(), char(27));
        // The bars' own commands.
        QVERIFY(IsChecked(59392));
        QVERIFY(Trigger(59392));
        QVERIFY(!IsChecked(59392));
        QVERIFY(Trigger(59392));
        QVERIFY(IsChecked(59393));
    }

    void aPhraseBookTopicOpensAndFilesStepThroughItsFolder()
    {
        GuiProgramFolder folder;
        folder.Write(QString(kEnRu) + "01 Food and drink.mix", kTopic1);
        folder.Write(QString(kEnRu) + "02 Drinks.mix", kTopic2);
        folder.Write(QString(kEnRu) + "03 Spices.mix", kTopic3);
        folder.Start();
        folder.dialogs.openAnswers.push_back(folder.Path(QString(kEnRu) + "01 Food and drink.mix").toStdString());
        QVERIFY(Trigger(32827)); // Russian <---> English
        QVERIFY(QString::fromStdString(folder.dialogs.lastOpenInitial).endsWith("English_Russian/01 Food and drink.mix"));
        QCOMPARE(g_pMainWnd->windowTitle(), QString("Lexido - 01 Food and drink.mix"));
        QCOMPARE(Bytes(ScreenText()), kTopic1);
        QVERIFY(IsEnabled(32800));
        QVERIFY(IsEnabled(32801));
        QVERIFY(IsEnabled(32788));
        QVERIFY(!IsEnabled(32789));
        QVERIFY(!IsEnabled(32787)); // first iteration not run yet
        // Add Brackets mode turns the Run commands off and the Add Brackets ones on.
        QVERIFY(!IsEnabled(32782));
        QVERIFY(Trigger(32803));
        QVERIFY(!IsEnabled(32800));
        QVERIFY(IsEnabled(32782));
        QVERIFY(IsEnabled(32780));
        QVERIFY(Trigger(32776));
        QVERIFY(IsEnabled(32800));
        // A learner cancels the dialog: nothing changes.
        QVERIFY(Trigger(32772));
        QCOMPARE(g_pMainWnd->windowTitle(), QString("Lexido - 01 Food and drink.mix"));
        // A file that cannot be read is told and leaves the opened one.
        folder.dialogs.openAnswers.push_back(folder.Path("Text/nothing-here.mix").toStdString());
        QVERIFY(Trigger(57601));
        QCOMPARE(folder.dialogs.problems, 1);
        QCOMPARE(folder.dialogs.lastProblem, FileProblem::CannotOpen);
        QVERIFY(IsEnabled(32788));
    }

    void pageDownShowsTheNextPartOfTheOpenedFile()
    {
        GuiProgramFolder folder;
        QByteArray big;
        for (int i = 0; i < 400; ++i)
            big += "*Phrase number " + QByteArray::number(i) + "=Second text " + QByteArray::number(i) + "\n";
        folder.Write("Text/big.mix", big);
        folder.Start();
        folder.dialogs.openAnswers.push_back(folder.Path("Text/big.mix").toStdString());
        QVERIFY(Trigger(32772));
        const std::string top = ScreenText();
        QVERIFY(Bytes(top).startsWith("*Phrase number 0="));
        CDrill_SdiView* view = g_pMainWnd->View();
        view->setFocus();
        QTest::keyClick(view, Qt::Key_PageDown);
        const std::string moved = ScreenText();
        QVERIFY(moved != top);
        QVERIFY(Bytes(moved).startsWith("*Phrase number ")); // from a line start
        QVERIFY(view->verticalScrollBar()->value() > 0);
        QTest::keyClick(view, Qt::Key_Home);
        QCOMPARE(ScreenText(), top);
        QCOMPARE(view->verticalScrollBar()->value(), 0);
    }

    void paintingDrawsLineByLineAndSignalsTheEvent()
    {
        GuiProgramFolder folder;
        folder.Start();
        CDrill_SdiView* view = g_pMainWnd->View();
        g_pOScreen->ClrScr();
        g_pOScreen->PutStr("");
        QVERIFY(!g_WritingToWindowIsOverEvent->IsSet());
        view->viewport()->repaint();
        QVERIFY(g_WritingToWindowIsOverEvent->IsSet()); // also for an empty screen
        // The screen object measures as the paint lays out.
        int x = 0, y = 0;
        g_pOScreen->MeasureText("ab\ncd", &x, &y);
        const QFontMetrics fm(view->DisplayFont());
        QCOMPARE(y, fm.height() + fm.leading());
        QCOMPARE(x, fm.horizontalAdvance('c') + fm.horizontalAdvance('d'));
        g_pOScreen->MeasureText("ab\r\ncd", &x, &y);
        QCOMPARE(y, fm.height() + fm.leading());
        // Two characters, a line end and two more: ink on two lines only.
        g_pOScreen->ClrScr();
        g_pOScreen->PutStr("WW\nWW");
        const QImage img = view->viewport()->grab().toImage();
        auto inkInRow = [&](int row) {
            for (int c = 0; c < img.width(); ++c)
                if (qGray(img.pixel(c, row)) < 128)
                    return true;
            return false;
        };
        const int line = fm.height() + fm.leading();
        bool first = false, second = false, third = false;
        for (int r = 0; r < line; ++r)
            first = first || inkInRow(r);
        for (int r = line; r < 2 * line; ++r)
            second = second || inkInRow(r);
        for (int r = 2 * line; r < 3 * line && r < img.height(); ++r)
            third = third || inkInRow(r);
        QVERIFY(first && second && !third);
    }

    void typedCharactersReachThePassAsCodePageBytes()
    {
        GuiProgramFolder folder;
        folder.Start();
        CDrill_SdiView* view = g_pMainWnd->View();
        QTest::keyClicks(view, "a");
        QCOMPARE(g_pIKbrd->GetKey(), 'a');
        QVERIFY(g_pIKbrd->IsKeyHit());
        g_pIKbrd->ClearKeyHit();
        QTest::keyClick(view, Qt::Key_Shift); // no text: no key
        QVERIFY(!g_pIKbrd->IsKeyHit());
        QTest::sendKeyEvent(QTest::Press, view, Qt::Key_unknown, QString(QChar(0x0436)), Qt::NoModifier);
        QCOMPARE(static_cast<unsigned char>(g_pIKbrd->GetKey()), 0xE6); // Cyrillic zhe
        QTest::sendKeyEvent(QTest::Press, view, Qt::Key_unknown, QString(QChar(0x00E9)), Qt::NoModifier);
        QCOMPARE(static_cast<unsigned char>(g_pIKbrd->GetKey()), 0xE9); // e acute
        QTest::keyClick(view, Qt::Key_Escape);
        QCOMPARE(g_pIKbrd->GetKey(), char(27));
        // Mouse buttons do not count in keyboard control ...
        g_pIKbrd->ClearKeyHit();
        QTest::mouseClick(view->viewport(), Qt::LeftButton);
        QVERIFY(!g_pIKbrd->IsKeyHit());
        // ... and typed keys not in mouse control.
        QVERIFY(Trigger(32797));
        QTest::mouseClick(view->viewport(), Qt::RightButton);
        QCOMPARE(g_pIKbrd->GetKey(), ' ');
        QTest::mouseClick(view->viewport(), Qt::LeftButton);
        QCOMPARE(g_pIKbrd->GetKey(), 's');
        QTest::mouseDClick(view->viewport(), Qt::LeftButton);
        QCOMPARE(g_pIKbrd->GetKey(), '=');
        g_pIKbrd->ClearKeyHit();
        QTest::keyClicks(view, "x");
        QVERIFY(!g_pIKbrd->IsKeyHit());
        QVERIFY(Trigger(32796));
    }

    void exitSavesTheLastPathOnceAndEndsWithCodeZero()
    {
        GuiProgramFolder folder;
        folder.Write(QString(kEnRu) + "01 Food and drink.mix", kTopic1);
        folder.Start();
        folder.dialogs.openAnswers.push_back(folder.Path(QString(kEnRu) + "01 Food and drink.mix").toStdString());
        QVERIFY(Trigger(32820));
        folder.Write("DfltRslts/left_1.mix", "*a=b\n");
        const QByteArray gnrl = folder.Read("Settings/Gnrl.cfg");
        QVERIFY(Trigger(32797)); // chosen from the menu only: not saved
        QVERIFY(Trigger(32773));
        QCOMPARE(folder.quitCode, 0);
        QCOMPARE(g_DeInstallCount, 1);
        QVERIFY(folder.Read("Settings/UnSv.cfg").contains("01 Food and drink.mix"));
        QCOMPARE(folder.Read("Settings/Gnrl.cfg"), gnrl);
        QVERIFY(!QFile::exists(folder.Path("DfltRslts/left_1.mix")));
        // The view's destruction after Exit does not uninstall again.
        folder.Stop();
        QCOMPARE(g_DeInstallCount, 2);
        QVERIFY(folder.Log().startsWith("\nLexido started"));
    }

    void theNextStartOpensTheDialogAtTheLastPath()
    {
        GuiProgramFolder folder;
        folder.Write("Text/one.mix", kTopic3);
        folder.Write("Settings/UnSv.cfg", "sn = UnSv\n\npt_str_any OpnPath sv = \"" + folder.Path("Text/one.mix").toUtf8() +
                                              "\"\npt_i HelpAavlbl sv = 0\n");
        folder.Start();
        QVERIFY(Trigger(32772));
        QCOMPARE(QString::fromStdString(folder.dialogs.lastOpenInitial), folder.Path("Text/one.mix"));
    }

    void theAboutBoxShowsTheProductAndVersion()
    {
        GuiProgramFolder folder;
        folder.Start();
        CAboutDlg about(g_pMainWnd);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QStringList texts;
        for (QLabel* l : about.findChildren<QLabel*>())
            texts << l->text();
        QVERIFY(texts.contains("Lexido (Lexical Drill)"));
        QVERIFY(texts.contains("Version 3.0.3"));
        QVERIFY(about.findChild<QLabel*>("1085"));
        SaveShot(&about, "about");
    }


    void aPassInWholeMarksTwoPhrasesAndOffersTheNextIteration()
    {
        GuiProgramFolder folder;
        folder.Write(QString(kEnRu) + "01 Food and drink.mix", kTopic1);
        folder.Start();
        folder.dialogs.openAnswers.push_back(folder.Path(QString(kEnRu) + "01 Food and drink.mix").toStdString());
        QVERIFY(Trigger(32820));
        CDrill_SdiView* view = g_pMainWnd->View();
        view->setFocus();
        QVERIFY(Trigger(32800));
        const QByteArray sep = "\n----------------------------------------\n";
        QVERIFY(ScreenShows("Bread" + sep));
        QTest::keyClick(view, Qt::Key_Space); // not known: marked
        QVERIFY(ScreenShows("\xd5\xeb\xe5\xe1"));
        SaveShot(g_pMainWnd, "pass-english-russian");
        QVERIFY(!IsEnabled(32787)); // during the first pass
        QTest::keyClicks(view, "n");
        QVERIFY(ScreenShows("Water" + sep));
        QTest::keyClicks(view, "n");
        QVERIFY(ScreenShows("\xc2\xee\xe4\xe0"));
        QTest::keyClick(view, Qt::Key_Space);
        QVERIFY(ScreenShows("Milk" + sep));
        QTest::keyClicks(view, "n");
        QVERIFY(ScreenShows("\xcc\xee\xeb\xee\xea\xee"));
        QTest::keyClicks(view, "n");
        QTRY_VERIFY_WITH_TIMEOUT(IsEnabled(32787), 5000);
        const QByteArray results = ResultsFileWith(folder, "*Bread");
        QByteArray all;
        for (const QString& f : QDir(folder.Path("DfltRslts")).entryList(QDir::Files))
            all += f.toUtf8() + ": " + folder.Read("DfltRslts/" + f) + " | ";
        QVERIFY2(results.contains("*Water"), all.constData());
        QVERIFY(!results.contains("Milk"));
        // The next iteration runs over the two marked phrases; nothing marked ends them.
        QVERIFY(Trigger(32787));
        QVERIFY(ScreenShows("Bread" + sep));
        QTest::keyClicks(view, "n");
        QVERIFY(ScreenShows("\xd5\xeb\xe5\xe1"));
        QTest::keyClicks(view, "n");
        QVERIFY(ScreenShows("Water" + sep));
        QTest::keyClicks(view, "n");
        QVERIFY(ScreenShows("\xc2\xee\xe4\xe0"));
        QTest::keyClicks(view, "n");
        QTRY_VERIFY_WITH_TIMEOUT(g_pIItrtnSrvc->GetIterationStatus() == ITERATION_STATUS_IS_OVER, 5000);
        QVERIFY(!IsEnabled(32787));
        // Save Results As copies the run's results into the chosen folder.
        QDir().mkpath(folder.Path("out"));
        folder.dialogs.saveAnswers.push_back(folder.Path("out/food.mix").toStdString());
        QVERIFY(Trigger(32795));
        QVERIFY(!QDir(folder.Path("out")).entryList({"food_*.mix"}, QDir::Files).isEmpty());
        QVERIFY(Trigger(32773));
        QCOMPARE(folder.quitCode, 0);
    }

    void mouseControlAndCancelDuringAPass()
    {
        GuiProgramFolder folder;
        folder.Write("Text/fd/01.mix", "*Je voudrais un caf\xe9 cr\xe8me.=Ich m\xf6\x63hte einen Milchkaffee.\n"
                                       "*O\xf9 est la gare ?=Wo ist der Bahnhof?\n");
        folder.Write("Text/fd/02.mix", "*\xe0 demain=bis morgen\n");
        folder.Start();
        folder.dialogs.openAnswers.push_back(folder.Path("Text/fd/01.mix").toStdString());
        QVERIFY(Trigger(32772));
        QVERIFY(Trigger(32797)); // Mouse
        CDrill_SdiView* view = g_pMainWnd->View();
        QVERIFY(Trigger(32800));
        QVERIFY(ScreenShows("caf\xe9 cr\xe8me.\n---"));
        QTest::keyClicks(view, "x"); // typed keys do not count now
        QTest::mouseClick(view->viewport(), Qt::RightButton); // a blank: marked
        QVERIFY(ScreenShows("Milchkaffee."));
        SaveShot(g_pMainWnd, "pass-french-german");
        QTest::mouseClick(view->viewport(), Qt::LeftButton);
        QVERIFY(ScreenShows("O\xf9 est la gare ?\n---"));
        // Next File retires the pass and starts a first iteration over the next file.
        QVERIFY(IsEnabled(32788));
        QVERIFY(Trigger(32788));
        QVERIFY(ScreenShows("\xe0 demain\n---"));
        QVERIFY(IsEnabled(32789));
        QVERIFY(!IsEnabled(32788));
        QCOMPARE(g_pMainWnd->windowTitle(), QString("Lexido - 01.mix"));
        QVERIFY(Trigger(32789));
        QVERIFY(ScreenShows("caf\xe9 cr\xe8me.\n---"));
        // Back in keyboard control, Cancel ends the pass as Escape does.
        QVERIFY(Trigger(32796));
        QTest::qWait(100); // the waiting pass takes up its wait on the new key source
        QVERIFY(Trigger(57600));
        QTRY_VERIFY_WITH_TIMEOUT(!g_pIItrtnSrvc->IsPassRunning(), 5000);
        QVERIFY(Trigger(32773));
        QCOMPARE(folder.quitCode, 0);
    }

    void theDeinstallMessageEndsTheProgramInOrder()
    {
        GuiProgramFolder folder;
        folder.Start();
        g_hWndView->PostMsg(WM_DEINSTALL_ALL);
        QTRY_COMPARE(folder.quitCode, 0);
        QCOMPARE(g_DeInstallCount, 1);
    }
};

int RunAppTest(int argc, char** argv)
{
    AppTest t;
    return QTest::qExec(&t, argc, argv);
}
#include "AppTest.moc"
