// The application as a learner uses it: start-up, the commands and their update rules, files
// opened through the scripted dialog, passes, shut-down.
#include "GuiFixture.h"

#include "app/CAboutDlg.h"
#include "app/CDrill_SdiApp.h"
#include "app/CDrill_SdiView.h"
#include "app/CMainFrame.h"
#include "app/DesktopMenus.h"
#include "app/FatalNotice.h"
#include "base/Globals.h"
#include "engine/CScreen.h"
#include "engine/CThread.h"
#include "engine/EngineGlobals.h"
#include "engine/IItrtnSrvc.h"
#include "engine/IKbrd.h"
#include "engine/IterationGlobals.h"
#include "platform/PlatCodePage.h"
#include "platform/PlatEvent.h"
#include "platform/PlatLock.h"
#include "platform/PlatWindow.h"
#include "resources/Resources.h"
#include "settings/CLsnInst.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QWheelEvent>
#include <QtTest>

#include <thread>

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
        QCOMPARE(desk::CaptionOf(frame->menuBar()->actions().at(7)), QString("Phrase-book"));
    }

    void aSecondInstanceEndsAtOnceShowingNothing()
    {
        plat::CFileLock first;
        QCOMPARE(first.Take(CDrill_SdiApp::GuardPath()), plat::CFileLock::Result::Taken);
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
        QVERIFY(IsChecked(res::ID_MODE_INWHOLE));
        QVERIFY(IsChecked(res::ID_DIRECTION_1ST2ND));
        QVERIFY(Trigger(res::ID_MODE_OPENBRACKETSWHOLEWORD)); // Open Brackets (Whole Word) also turns the direction
        QVERIFY(IsChecked(res::ID_MODE_OPENBRACKETSWHOLEWORD));
        QVERIFY(!IsChecked(res::ID_MODE_INWHOLE));
        QVERIFY(IsChecked(res::ID_DIRECTION_2ND1ST));
        QVERIFY(!IsChecked(res::ID_DIRECTION_1ST2ND));
        QVERIFY(Trigger(res::ID_DIRECTION_1ST2ND));
        QVERIFY(IsChecked(res::ID_DIRECTION_1ST2ND));
        QVERIFY(Trigger(res::ID_KEYBOARD_KEYBOARDMOUSE));
        QVERIFY(IsChecked(res::ID_KEYBOARD_KEYBOARDMOUSE));
        QVERIFY(!IsChecked(res::ID_KEYBOARD_KEYBOARDONLY));
        QCOMPARE(g_pIKbrd->GetKbrdType(), KBRD_TYPE_MOUSE);
        QVERIFY(Trigger(res::ID_KEYBOARD_KEYBOARDONLY));
        QVERIFY(Trigger(res::ID_KEYBOARD_KEYBOARDONLY)); // again: nothing changes
        QCOMPARE(g_pIKbrd->GetKbrdType(), KBRD_TYPE_KEYBOARD);
        // No file open: nothing can run.
        QVERIFY(!IsEnabled(res::ID_TB_FIRSTITERATION));
        QVERIFY(!IsEnabled(res::ID_TB_NEXTITERATION));
        QVERIFY(!IsEnabled(res::ID_TB_NEXTFILE));
        // Cancel with no pass only records Escape.
        QVERIFY(Trigger(res::ID_FILE_NEW));
        QCOMPARE(g_pIKbrd->GetKey(), char(27));
        // The bars' own commands.
        QVERIFY(IsChecked(res::ID_VIEW_TOOLBAR));
        QVERIFY(Trigger(res::ID_VIEW_TOOLBAR));
        QVERIFY(!IsChecked(res::ID_VIEW_TOOLBAR));
        QVERIFY(Trigger(res::ID_VIEW_TOOLBAR));
        QVERIFY(IsChecked(res::ID_VIEW_STATUS_BAR));
    }

    void aPhraseBookTopicOpensAndFilesStepThroughItsFolder()
    {
        GuiProgramFolder folder;
        folder.Write(QString(kEnRu) + "01 Food and drink.mix", kTopic1);
        folder.Write(QString(kEnRu) + "02 Drinks.mix", kTopic2);
        folder.Write(QString(kEnRu) + "03 Spices.mix", kTopic3);
        folder.Start();
        folder.dialogs.openAnswers.push_back(folder.Path(QString(kEnRu) + "01 Food and drink.mix").toStdString());
        QVERIFY(Trigger(res::ID_PHRASEBOOK_FIRST + 9)); // Russian <---> English
        QVERIFY(QString::fromStdString(folder.dialogs.lastOpenInitial).endsWith("English_Russian/01 Food and drink.mix"));
        QCOMPARE(g_pMainWnd->windowTitle(), QString("Lexido - 01 Food and drink.mix"));
        QCOMPARE(Bytes(ScreenText()), kTopic1);
        QVERIFY(IsEnabled(res::ID_TB_FIRSTITERATION));
        QVERIFY(IsEnabled(res::ID_RUN_FIRSTITERATION));
        QVERIFY(IsEnabled(res::ID_TB_NEXTFILE));
        QVERIFY(!IsEnabled(res::ID_TB_PREVIOUSFILE));
        QVERIFY(!IsEnabled(res::ID_TB_NEXTITERATION)); // first iteration not run yet
        // Add Brackets mode turns the Run commands off and the Add Brackets ones on.
        QVERIFY(!IsEnabled(res::ID_ADDBRACKETS_WORDBYWORD));
        QVERIFY(Trigger(res::ID_MODE_ADDBRACKETS));
        QVERIFY(!IsEnabled(res::ID_TB_FIRSTITERATION));
        QVERIFY(IsEnabled(res::ID_ADDBRACKETS_WORDBYWORD));
        QVERIFY(IsEnabled(res::ID_ADDBRACKETS_TIMEOUT));
        QVERIFY(Trigger(res::ID_MODE_INWHOLE));
        QVERIFY(IsEnabled(res::ID_TB_FIRSTITERATION));
        // A learner cancels the dialog: nothing changes.
        QVERIFY(Trigger(res::ID_SLFILE_FIRSTFILEOPEN));
        QCOMPARE(g_pMainWnd->windowTitle(), QString("Lexido - 01 Food and drink.mix"));
        // A file that cannot be read is told and leaves the opened one.
        folder.dialogs.openAnswers.push_back(folder.Path("Text/nothing-here.mix").toStdString());
        QVERIFY(Trigger(res::ID_FILE_OPEN));
        QCOMPARE(folder.dialogs.problems, 1);
        QCOMPARE(folder.dialogs.lastProblem, FileProblem::CannotOpen);
        QVERIFY(IsEnabled(res::ID_TB_NEXTFILE));
    }

    void importAsksForBothFilesTellsTheSummaryAndOpensThePhraseFile()
    {
        GuiProgramFolder folder;
        folder.Write("Text/words.tsv", "house\tHaus\n\tleer\n");
        folder.Write("Text/list.dat", "no tab\n");
        folder.Start();
        folder.dialogs.openAnswers = {folder.Path("Text/words.tsv").toStdString(), folder.Path("Text/list.dat").toStdString()};
        folder.dialogs.saveAnswers = {folder.Path("Text/words.mix").toStdString(), folder.Path("Text/list.mix").toStdString()};
        QVERIFY(Trigger(res::ID_SLFILE_IMPORT));
        QCOMPARE(folder.Read("Text/words.mix"), QByteArray("*house\n=Haus\n"));
        QCOMPARE(folder.dialogs.importOutcomes.back(), std::string("1 phrase imported, 1 skipped (empty side)"));
        QCOMPARE(g_pMainWnd->windowTitle(), QString("Lexido - words.mix"));
        QVERIFY(IsEnabled(res::ID_RUN_FIRSTITERATION));
        // A file of no known form is told; nothing is written and the opened file stays.
        QVERIFY(Trigger(res::ID_SLFILE_IMPORT));
        QVERIFY(QString::fromStdString(folder.dialogs.importOutcomes.back()).startsWith("The file is of no known form"));
        QVERIFY(!QFile::exists(folder.Path("Text/list.mix")));
        QCOMPARE(g_pMainWnd->windowTitle(), QString("Lexido - words.mix"));
        QCOMPARE(folder.dialogs.saveAnswers.size(), std::size_t(1)); // judged before a save dialog

        // Export writes the open file in the form of the extension chosen.
        folder.dialogs.saveAnswers = {folder.Path("Text/words.csv").toStdString()};
        QVERIFY(Trigger(res::ID_SLFILE_EXPORT));
        QCOMPARE(folder.Read("Text/words.csv"), QByteArray("house,Haus\r\n"));
        QCOMPARE(folder.dialogs.importOutcomes.back(), std::string("1 phrase exported."));
        // A package brings its review log into the memory.
        folder.dialogs.openAnswers = {LEXIDO_TEST_DATA_DIR "/import/anki/current.apkg"};
        folder.dialogs.saveAnswers = {folder.Path("Text/current.mix").toStdString()};
        QVERIFY(Trigger(res::ID_SLFILE_IMPORT));
        QCOMPARE(folder.dialogs.importOutcomes.back(),
            std::string("5 phrases imported, 1 skipped (empty side), reviews brought into the memory: 5"));
        QCOMPARE(g_pMainWnd->windowTitle(), QString("Lexido - current.mix"));
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
        QVERIFY(Trigger(res::ID_SLFILE_FIRSTFILEOPEN));
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

    void scrollingInAPassMovesOverItsScreenAndNeverShowsTheFile()
    {
        GuiProgramFolder folder;
        folder.Write("Text/one.mix", kTopic1);
        folder.Start();
        folder.dialogs.openAnswers.push_back(folder.Path("Text/one.mix").toStdString());
        QVERIFY(Trigger(res::ID_FILE_OPEN));
        CDrill_SdiView* view = g_pMainWnd->View();
        view->setFixedHeight(2 * view->GetLineHeight()); // the pass's screen is taller
        QVERIFY(Trigger(res::ID_RUN_FIRSTITERATION));
        QTest::keyClick(view, Qt::Key_Space);
        QVERIFY(ScreenShows("\xd5\xeb\xe5\xe1"));
        const std::string question = ScreenText();
        const QImage top = view->viewport()->grab().toImage();
        QWheelEvent wheel({5, 5}, {5, 5}, {}, {0, -120}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view->viewport(), &wheel);
        QVERIFY(view->verticalScrollBar()->value() > 0 && view->viewport()->grab().toImage() != top);
        for (int key : {Qt::Key_End, Qt::Key_Home, Qt::Key_PageDown, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_Up})
            QTest::keyClick(view, Qt::Key(key));
        QCOMPARE(ScreenText(), question); // the question stays, the file's answers never come
        view->setFixedHeight(20 * view->GetLineHeight()); // a screen that fits does not move
        QTRY_COMPARE(view->verticalScrollBar()->maximum(), 0);
        QTest::keyClick(view, Qt::Key_Escape); // after the pass the keys browse the file again
        QTRY_VERIFY_WITH_TIMEOUT(!g_pIItrtnSrvc->IsPassRunning(), 5000);
        QTest::keyClick(view, Qt::Key_Home);
        QVERIFY(Bytes(ScreenText()).startsWith("*Bread="));
    }

    void statusBarCaptionAndLockIndicators()
    {
        GuiProgramFolder folder;
        folder.Start();
        QStatusTipEvent prompt("Open File to work with"), none("");
        QApplication::sendEvent(g_pMainWnd, &prompt);
        QCOMPARE(g_pMainWnd->statusBar()->currentMessage(), QString("Open File to work with"));
        QApplication::sendEvent(g_pMainWnd, &none); // the pointer left the command
        QCOMPARE(g_pMainWnd->statusBar()->currentMessage(), QString("Ready"));
        folder.dialogs.openAnswers.push_back(""); // Open cancelled with no file open
        QVERIFY(Trigger(res::ID_FILE_OPEN));
        QCOMPARE(g_pMainWnd->windowTitle(), QString("Lexido"));
        g_pMainWnd->SetLockReader(nullptr); // offscreen nothing tells the lights
        for (auto [key, lit] : {std::pair(Qt::Key_CapsLock, "CAP"), std::pair(Qt::Key_NumLock, "NUM")})
            for (int press = 1; press <= 4; ++press) {
                QTest::keyClick(g_pMainWnd->View(), key);
                QCOMPARE(g_pMainWnd->Indicators().contains(lit), press % 2 == 1);
            }
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
        g_FontColour = 0x0000FF; // the colour chosen for the font paints the text, its effects too
        g_LogFont.lfUnderline = g_LogFont.lfStrikeOut = 1;
        const QImage red = view->viewport()->grab().toImage();
        red.save(qEnvironmentVariable("LEXIDO_SCREENSHOTS", "/tmp") + "/screen-font-effects.png");
        bool redInk = false;
        for (int p = 0; p < red.width() * line; ++p)
            redInk = redInk || red.pixel(p % red.width(), p / red.width()) == qRgb(255, 0, 0);
        QVERIFY(redInk);
    }

    // A UTF-8 file: its Greek and Chinese shown in the display font, a typed Greek letter
    // delivered whole as its code point and judged by Which Letter.
    void utf8PassShowsItsScriptsAndTakesTypedCharactersWhole()
    {
        GuiProgramFolder folder;
        folder.Write("Text/greek.mix", "*Good morning 你好 おはよう Dzień dobry Доброе утро\n=Καλημέρα σας 早上好\n");
        folder.Start();
        folder.dialogs.openAnswers.push_back(folder.Path("Text/greek.mix").toStdString());
        QVERIFY(Trigger(res::ID_FILE_OPEN));
        QVERIFY(Trigger(res::ID_MODE_WHICHLETTER));
        QVERIFY(Trigger(res::ID_RUN_FIRSTITERATION));
        CDrill_SdiView* view = g_pMainWnd->View();
        QVERIFY(ScreenShows("你好"));
        QTest::sendKeyEvent(QTest::Press, view, Qt::Key_unknown, QString::fromUtf8("κ"), Qt::NoModifier);
        QVERIFY(ScreenShows(" Καλημέρα "));
        QTest::sendKeyEvent(QTest::Press, view, Qt::Key_unknown, QString::fromUtf8("Σ"), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Press, view, Qt::Key_unknown, QString::fromUtf8("早"), Qt::NoModifier);
        QVERIFY(ScreenShows("σας 早上好"));
        view->viewport()->grab().save(qEnvironmentVariable("LEXIDO_SCREENSHOTS", "/tmp") + "/screen-utf8-pass.png");
        QTest::keyClick(view, Qt::Key_Escape);
    }

    // A pass whose thread cannot start, and one over a file without phrases, are told.
    void aPassThatCannotStartOrFindsNoPhraseIsTold()
    {
        GuiProgramFolder folder;
        folder.Write("Text/none.mix", "no phrase here\n");
        folder.Start();
        folder.dialogs.openAnswers.push_back(folder.Path("Text/none.mix").toStdString());
        QVERIFY(Trigger(res::ID_FILE_OPEN));
        CThread::RefuseStartsForTests(true);
        QVERIFY(Trigger(res::ID_RUN_FIRSTITERATION));
        CThread::RefuseStartsForTests(false);
        QCOMPARE(g_pMainWnd->statusBar()->currentMessage(),
            QString("The pass could not start: the system is short of resources. Close some programs and try again."));
        QVERIFY(Trigger(res::ID_RUN_FIRSTITERATION));
        QTRY_COMPARE(g_pMainWnd->PassText(), QString("none.mix holds no phrase: there is nothing to practise."));
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
        g_pIKbrd->ClearKeyHit(); // the next key waits behind it until then
        QTest::sendKeyEvent(QTest::Press, view, Qt::Key_unknown, QString(QChar(0x00E9)), Qt::NoModifier);
        QCOMPARE(static_cast<unsigned char>(g_pIKbrd->GetKey()), 0xE9); // e acute
        g_pIKbrd->ClearKeyHit();
        QTest::keyClick(view, Qt::Key_Escape);
        QCOMPARE(g_pIKbrd->GetKey(), char(27));
        // Mouse buttons do not count in keyboard control ...
        g_pIKbrd->ClearKeyHit();
        QTest::mouseClick(view->viewport(), Qt::LeftButton);
        QVERIFY(!g_pIKbrd->IsKeyHit());
        // ... and typed keys not in mouse control.
        QVERIFY(Trigger(res::ID_KEYBOARD_KEYBOARDMOUSE));
        QTest::mouseClick(view->viewport(), Qt::RightButton);
        QCOMPARE(g_pIKbrd->GetKey(), ' ');
        g_pIKbrd->ClearKeyHit();
        QTest::mouseClick(view->viewport(), Qt::LeftButton);
        QCOMPARE(g_pIKbrd->GetKey(), 's');
        g_pIKbrd->ClearKeyHit();
        QTest::mouseDClick(view->viewport(), Qt::LeftButton);
        QCOMPARE(g_pIKbrd->GetKey(), '=');
        g_pIKbrd->ClearKeyHit();
        QTest::keyClicks(view, "x");
        QVERIFY(!g_pIKbrd->IsKeyHit());
        QVERIFY(Trigger(res::ID_KEYBOARD_KEYBOARDONLY));
    }

    void exitSavesTheLastPathOnceAndEndsWithCodeZero()
    {
        GuiProgramFolder folder;
        folder.Write(QString(kEnRu) + "01 Food and drink.mix", kTopic1);
        folder.Start();
        folder.dialogs.openAnswers.push_back(folder.Path(QString(kEnRu) + "01 Food and drink.mix").toStdString());
        QVERIFY(Trigger(res::ID_PHRASEBOOK_FIRST + 2));
        folder.Write("DfltRslts/left_1.mix", "*a=b\n");
        const QByteArray gnrl = folder.Read("Settings/Gnrl.cfg");
        QVERIFY(Trigger(res::ID_KEYBOARD_KEYBOARDMOUSE)); // chosen from the menu only: not saved
        QVERIFY(Trigger(res::ID_SLFILE_EXIT));
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
        QVERIFY(Trigger(res::ID_SLFILE_FIRSTFILEOPEN));
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


    void aFatalEndFromTheWorkerShowsItsLineInAMessageBoxOverTheMainWindow()
    {
        GuiProgramFolder folder;
        folder.Start();
        QString shown;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box && box->parent() == g_pMainWnd)
                shown = box->text(), box->done(0);
        });
        closer.start(20);
        std::thread worker([] { ShowFatalNotice("\nCThrdAp::ThreadFunc(), Error\n"); });
        QTRY_COMPARE(shown, QString("CThrdAp::ThreadFunc(), Error"));
        worker.join();
    }

    // Backspace typed in the view takes back the second, then the first mark of the pass.
    void backspaceTakesBackTheMarksOfThePassOneByOne()
    {
        GuiProgramFolder folder;
        folder.Write(QString(kEnRu) + "01 Food and drink.mix", kTopic1);
        folder.Start();
        folder.dialogs.openAnswers.push_back(folder.Path(QString(kEnRu) + "01 Food and drink.mix").toStdString());
        QVERIFY(Trigger(res::ID_PHRASEBOOK_FIRST + 2) && Trigger(res::ID_TB_FIRSTITERATION));
        CDrill_SdiView* view = g_pMainWnd->View();
        view->setFocus();
        QVERIFY(ScreenShows("Bread"));
        QTest::keyClicks(view, " n n");
        QTRY_COMPARE(g_pMainWnd->PassText(), QString::fromUtf8("Phrase 3 of 3 · 2 marked · pass 1"));
        const QString takenBack = QString::fromUtf8(" · Mark taken back");
        QTest::keyClick(view, Qt::Key_Backspace);
        QTRY_COMPARE(g_pMainWnd->PassText(), QString::fromUtf8("Phrase 3 of 3 · 1 marked · pass 1") + takenBack);
        QCOMPARE(folder.Read("current.cut"), QByteArray("*Bread\n=\xd5\xeb\xe5\xe1\n")); // rewritten whole
        QTest::keyClick(view, Qt::Key_Backspace);
        QTRY_COMPARE(g_pMainWnd->PassText(), QString::fromUtf8("Phrase 3 of 3 · 0 marked · pass 1") + takenBack);
        QCOMPARE(folder.Read("current.cut"), QByteArray());
        QTest::keyClick(view, Qt::Key_Space); // the shown phrase's mark counts at once
        QTRY_COMPARE(g_pMainWnd->PassText(), QString::fromUtf8("Phrase 3 of 3 · 1 marked · pass 1"));
        QTest::keyClick(view, Qt::Key_Backspace);
        QTRY_COMPARE(g_pMainWnd->PassText(), QString::fromUtf8("Phrase 3 of 3 · 0 marked · pass 1") + takenBack);
        QTest::keyClick(view, Qt::Key_Escape); // a stopped pass says how far it got
        QTRY_COMPARE(g_pMainWnd->PassText(),
            QString::fromUtf8("01 Food and drink.mix · pass 1 stopped after 3 of 3 phrases, 0 marked."));
        QVERIFY(Trigger(res::ID_FILE_NEW));
    }

    void aPassInWholeMarksTwoPhrasesAndOffersTheNextIteration()
    {
        GuiProgramFolder folder;
        folder.Write(QString(kEnRu) + "01 Food and drink.mix", kTopic1);
        folder.Start();
        folder.dialogs.openAnswers.push_back(folder.Path(QString(kEnRu) + "01 Food and drink.mix").toStdString());
        QVERIFY(Trigger(res::ID_PHRASEBOOK_FIRST + 2));
        CDrill_SdiView* view = g_pMainWnd->View();
        view->setFocus();
        const auto progress = [](int phrase, int total, int marked, int pass) {
            return QString::fromUtf8("Phrase %1 of %2 · %3 marked · pass %4").arg(phrase).arg(total).arg(marked).arg(pass);
        };
        const QString legend = QString::fromUtf8("Space: don't know · Enter: next · Esc: stop");
        QVERIFY(Trigger(res::ID_TB_FIRSTITERATION));
        const QByteArray sep = "\n----------------------------------------\n";
        QVERIFY(ScreenShows("Bread" + sep));
        QTRY_COMPARE(g_pMainWnd->PassText(), progress(1, 3, 0, 1));
        QCOMPARE(g_pMainWnd->statusBar()->currentMessage(), legend);
        QTest::keyClick(view, Qt::Key_Space); // not known: marked
        QVERIFY(ScreenShows("\xd5\xeb\xe5\xe1"));
        SaveShot(g_pMainWnd, "pass-english-russian");
        QVERIFY(!IsEnabled(res::ID_TB_NEXTITERATION)); // during the first pass
        QTest::keyClicks(view, "n");
        QVERIFY(ScreenShows("Water" + sep));
        QTRY_COMPARE(g_pMainWnd->PassText(), progress(2, 3, 1, 1)); // written as the phrase ends
        QTest::keyClicks(view, "n");
        QVERIFY(ScreenShows("\xc2\xee\xe4\xe0"));
        QTest::keyClick(view, Qt::Key_Space);
        QVERIFY(ScreenShows("Milk" + sep));
        QTRY_COMPARE(g_pMainWnd->PassText(), progress(3, 3, 2, 1));
        QTest::keyClicks(view, "nn"); // typed ahead: the second key waits for its turn
        QTRY_VERIFY_WITH_TIMEOUT(IsEnabled(res::ID_TB_NEXTITERATION), 5000);
        QTRY_COMPARE(g_pMainWnd->PassText(), QString::fromUtf8("01 Food and drink.mix · pass 1 over: 3 shown, 2 marked. "
                                                               "Next Iteration drills the 2 marked phrases again"));
        QCOMPARE(g_pMainWnd->statusBar()->currentMessage(), QString("Ready"));
        SaveShot(g_pMainWnd, "pass-summary");
        const QByteArray results = ResultsFileWith(folder, "*Bread");
        QByteArray all;
        for (const QString& f : QDir(folder.Path("DfltRslts")).entryList(QDir::Files))
            all += f.toUtf8() + ": " + folder.Read("DfltRslts/" + f) + " | ";
        QVERIFY2(results.contains("*Water"), all.constData());
        QVERIFY(!results.contains("Milk"));
        // The next iteration runs over the two marked phrases; nothing marked ends them.
        QVERIFY(Trigger(res::ID_TB_NEXTITERATION));
        QVERIFY(ScreenShows("Bread" + sep));
        QTRY_COMPARE(g_pMainWnd->PassText(), progress(1, 2, 0, 2));
        QTest::keyClicks(view, "n");
        QVERIFY(ScreenShows("\xd5\xeb\xe5\xe1"));
        QTest::keyClicks(view, "n");
        QVERIFY(ScreenShows("Water" + sep));
        QTRY_COMPARE(g_pMainWnd->PassText(), progress(2, 2, 0, 2));
        QTest::keyClicks(view, "n");
        QVERIFY(ScreenShows("\xc2\xee\xe4\xe0"));
        QTest::keyClicks(view, "n");
        QTRY_VERIFY_WITH_TIMEOUT(g_pIItrtnSrvc->GetIterationStatus() == ITERATION_STATUS_IS_OVER, 5000);
        QVERIFY(!IsEnabled(res::ID_TB_NEXTITERATION));
        QTRY_COMPARE(g_pMainWnd->PassText(), QString::fromUtf8("01 Food and drink.mix · pass 2 over: 2 shown, 0 marked. "
                                                               "Nothing marked: you know this file. Next: Next File"));
        // Save Results As copies the run's results into the chosen folder.
        QDir().mkpath(folder.Path("out"));
        folder.dialogs.saveAnswers.push_back(folder.Path("out/food.mix").toStdString());
        QVERIFY(Trigger(res::ID_SLFILE_SAVERESULTSAS));
        QVERIFY(!QDir(folder.Path("out")).entryList({"food_*.mix"}, QDir::Files).isEmpty());
        QVERIFY(Trigger(res::ID_SLFILE_EXIT));
        QCOMPARE(folder.quitCode, 0);
    }

    void openDuringAPassEndsItForItsOwnFileFirst()
    {
        GuiProgramFolder folder;
        folder.Write("Text/a.mix", kTopic2);
        folder.Write("Text/c.mix", kTopic3);
        folder.Start();
        folder.dialogs.openAnswers = {folder.Path("Text/a.mix").toStdString(), folder.Path("Text/c.mix").toStdString()};
        QVERIFY(Trigger(32772) && Trigger(32800) && ScreenShows("Tea\n---"));
        QTest::keyClicks(g_pMainWnd->View(), " n"); // Tea marked, and written with the next key
        QVERIFY(ScreenShows("Coffee\n---") && Trigger(57601)); // Ctrl+O c.mix
        QVERIFY(!g_pIItrtnSrvc->IsPassRunning() && !IsEnabled(32787));
        QCOMPARE(g_pIItrtnSrvc->GetIterationStatus(), ITERATION_STATUS_FIRST);
        QCOMPARE(folder.Read("DfltRslts/a_1.mix"), QByteArray("*Tea\n=\xd7\xe0\xe9\n"));
    }

    void mouseControlAndCancelDuringAPass()
    {
        GuiProgramFolder folder;
        folder.Write("Text/fd/01.mix", "*Je voudrais un caf\xe9 cr\xe8me.=Ich m\xf6\x63hte einen Milchkaffee.\n"
                                       "*O\xf9 est la gare ?=Wo ist der Bahnhof?\n");
        folder.Write("Text/fd/02.mix", "*\xe0 demain=bis morgen\n");
        folder.Start();
        folder.dialogs.openAnswers.push_back(folder.Path("Text/fd/01.mix").toStdString());
        QVERIFY(Trigger(res::ID_SLFILE_FIRSTFILEOPEN));
        QVERIFY(Trigger(res::ID_KEYBOARD_KEYBOARDMOUSE));
        CDrill_SdiView* view = g_pMainWnd->View();
        QVERIFY(Trigger(res::ID_TB_FIRSTITERATION));
        QVERIFY(ScreenShows("caf\xe9 cr\xe8me.\n---"));
        QTest::keyClicks(view, "x"); // typed keys do not count now
        QTest::mouseClick(view->viewport(), Qt::RightButton); // a blank: marked
        QVERIFY(ScreenShows("Milchkaffee."));
        SaveShot(g_pMainWnd, "pass-french-german");
        QTest::mouseClick(view->viewport(), Qt::LeftButton);
        QVERIFY(ScreenShows("O\xf9 est la gare ?\n---"));
        // Next File retires the pass and starts a first iteration over the next file.
        QVERIFY(IsEnabled(res::ID_TB_NEXTFILE));
        QVERIFY(Trigger(res::ID_TB_NEXTFILE));
        QVERIFY(ScreenShows("\xe0 demain\n---"));
        QVERIFY(IsEnabled(res::ID_TB_PREVIOUSFILE));
        QVERIFY(!IsEnabled(res::ID_TB_NEXTFILE));
        QCOMPARE(g_pMainWnd->windowTitle(), QString("Lexido - 01.mix"));
        QVERIFY(Trigger(res::ID_TB_PREVIOUSFILE));
        QVERIFY(ScreenShows("caf\xe9 cr\xe8me.\n---"));
        // Back in keyboard control, Cancel ends the pass as Escape does.
        QVERIFY(Trigger(res::ID_KEYBOARD_KEYBOARDONLY));
        QTest::qWait(100); // the waiting pass takes up its wait on the new key source
        QVERIFY(Trigger(res::ID_FILE_NEW));
        QTRY_VERIFY_WITH_TIMEOUT(!g_pIItrtnSrvc->IsPassRunning(), 5000);
        QVERIFY(Trigger(res::ID_SLFILE_EXIT));
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
