// Results never saved: the commands that would empty the results folder ask first, the
// session's end keeps them in Kept/ and the next start tells where.
#include "GuiFixture.h"

#include "app/CMainFrame.h"
#include "app/CSessionEnd.h"
#include "app/CViewDialogs.h"
#include "engine/IItrtnSrvc.h"
#include "engine/IterationGlobals.h"
#include "resources/Resources.h"

#include <QDir>
#include <QtWidgets>
#include <QtTest>

#include <csignal>

Q_DECLARE_METATYPE(QList<UnsavedAnswer>)

namespace {
bool Shows(const std::string& text)
{
    const bool shown = QTest::qWaitFor([&] { return ScreenText().find(text) != std::string::npos; }, 5000);
    QTest::qWait(60); // the pass takes a key only once it waits for one
    return shown;
}

// A started program whose first pass marked "Bread" and ended: one results file never saved
// (or, with endPass false, the pass still runs past its mark).
void MarkOnePhrase(GuiProgramFolder& folder, bool endPass = true)
{
    folder.Write("Text/u/one.mix", "*Bread=Brot\n*Water=Wasser\n");
    QDir().mkpath(folder.Path("out"));
    folder.Start();
    folder.dialogs.openAnswers.push_back(folder.Path("Text/u/one.mix").toStdString());
    QVERIFY(Trigger(res::ID_SLFILE_FIRSTFILEOPEN));
    QWidget* view = g_pMainWnd->centralWidget();
    view->setFocus();
    QVERIFY(Trigger(res::ID_RUN_FIRSTITERATION) && Shows("Bread\n---"));
    QTest::keyClick(view, Qt::Key_Space); // not known: marked
    QVERIFY(Shows("Brot"));
    QTest::keyClicks(view, "n");
    QVERIFY(Shows("Water\n---"));
    if (!endPass)
        return;
    QVERIFY(Trigger(res::ID_FILE_NEW)); // the pass ends, storing its mark
    QTRY_VERIFY_WITH_TIMEOUT(g_pIItrtnSrvc->GetIterationStatus() == ITERATION_STATUS_NEXT, 5000);
}
} // namespace

class UnsavedResultsTest : public QObject {
    Q_OBJECT
private slots:
    void theCommandsThatEmptyTheResultsAskFirst_data()
    {
        QTest::addColumn<int>("command"); // 0: the window is closed
        QTest::addColumn<QList<UnsavedAnswer>>("answers");
        QTest::addColumn<QString>("saveAs"); // the Save dialog's answer; "-": cancelled
        QTest::addColumn<bool>("goesOn");    // the program ended, or the first iteration ran
        using A = UnsavedAnswer;
        const int exit = res::ID_SLFILE_EXIT, first = res::ID_RUN_FIRSTITERATION;
        QTest::newRow("Exit, Cancel") << exit << QList<A>{A::Cancel} << "" << false;
        QTest::newRow("Exit, Discard") << exit << QList<A>{A::Discard} << "" << true;
        QTest::newRow("Exit, Save") << exit << QList<A>{A::Save} << "out/kept.mix" << true;
        QTest::newRow("Exit, Save cancelled, Cancel") << exit << QList<A>{A::Save, A::Cancel} << "-" << false;
        QTest::newRow("close, Cancel") << 0 << QList<A>{A::Cancel} << "" << false;
        QTest::newRow("First Iteration, Cancel") << first << QList<A>{A::Cancel} << "" << false;
        QTest::newRow("First Iteration, Discard") << first << QList<A>{A::Discard} << "" << true;
        QTest::newRow("Add Brackets, Cancel") << int(res::ID_ADDBRACKETS_WORDBYWORD) << QList<A>{A::Cancel} << "" << false;
    }
    void theCommandsThatEmptyTheResultsAskFirst()
    {
        QFETCH(int, command);
        QFETCH(QList<UnsavedAnswer>, answers);
        QFETCH(QString, saveAs);
        QFETCH(bool, goesOn);
        GuiProgramFolder folder;
        MarkOnePhrase(folder);
        if (!saveAs.isEmpty())
            folder.dialogs.saveAnswers.push_back(saveAs == "-" ? std::string() : folder.Path(saveAs).toStdString());
        folder.dialogs.unsavedAnswers.assign(answers.begin(), answers.end());
        if (command == res::ID_ADDBRACKETS_WORDBYWORD)
            QVERIFY(Trigger(res::ID_MODE_ADDBRACKETS));
        QVERIFY(command ? Trigger(command) : g_pMainWnd->close() || true);
        // Asked once per answer, naming one pass with one marked phrase.
        QCOMPARE(folder.dialogs.asked, (std::vector<std::pair<int, int>>(answers.size(), {1, 1})));
        const bool ends = command != res::ID_RUN_FIRSTITERATION;
        QCOMPARE(folder.quitCode, ends && goesOn ? 0 : -1);
        if (!ends && goesOn) // the new first iteration emptied the results folder
            QTRY_VERIFY_WITH_TIMEOUT(g_pIItrtnSrvc->IsPassRunning() && !QFile::exists(folder.Path("DfltRslts/one_1.mix")), 5000);
        if (!goesOn) {
            QCOMPARE(g_pIItrtnSrvc->GetIterationStatus(), ITERATION_STATUS_NEXT);
            QCOMPARE(folder.Read("DfltRslts/one_1.mix"), QByteArray("*Bread\n=Brot\n"));
        }
        QCOMPARE(QFile::exists(folder.Path("out/kept_1.mix")), saveAs.startsWith("out"));
    }

    // The running pass's marks count too: Save ends the pass first and saves its results.
    void exitDuringAPassCountsItsMarks()
    {
        GuiProgramFolder folder;
        MarkOnePhrase(folder, false);
        folder.dialogs.saveAnswers.push_back(folder.Path("out/kept.mix").toStdString());
        folder.dialogs.unsavedAnswers = {UnsavedAnswer::Save};
        QVERIFY(Trigger(res::ID_SLFILE_EXIT));
        QCOMPARE(folder.dialogs.asked, (std::vector<std::pair<int, int>>{{1, 1}}));
        QCOMPARE(folder.quitCode, 0);
        QCOMPARE(folder.Read("out/kept_1.mix"), QByteArray("*Bread\n=Brot\n"));
    }

    // The question comes up while the learner drills: Space and the letters press none of its
    // buttons, Enter and Escape press Cancel.
    void theQuestionTakesNoKeyMeantForTheDrill()
    {
        const std::pair<Qt::Key, QString> keys[] = {{Qt::Key_Space, ""}, {Qt::Key_S, ""}, {Qt::Key_D, ""},
            {Qt::Key_Return, "Cancel"}, {Qt::Key_Enter, "Cancel"}, {Qt::Key_Escape, "Cancel"}};
        for (const auto& [key, pressed] : keys) {
            const std::unique_ptr<QMessageBox> box = CViewDialogs::MakeUnsavedBox(nullptr, 1, 1);
            box->show();
            QTest::keyClick(box->focusWidget() ? box->focusWidget() : box.get(), key);
            QCOMPARE(box->clickedButton() ? box->clickedButton()->objectName() : QString(), pressed);
        }
    }

    // Save Results As opens at the folder proposed and asks nothing about the name chosen: the
    // files written are numbered after it, and the question before replacing names those.
    void theSaveDialogOpensAtTheProposedFolderWithoutAQuestionOfItsOwn()
    {
        QTemporaryDir docs;
        QFileDialog* shown = nullptr;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            if ((shown = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))) {
                poll.stop();
                shown->reject();
                QCOMPARE(shown->directory().absolutePath(), docs.path());
                QVERIFY(shown->testOption(QFileDialog::DontConfirmOverwrite));
            }
        });
        poll.start(10);
        std::string path;
        QVERIFY(!CViewDialogs(nullptr).AskSavePath(
            "mix", QFile::encodeName(docs.path() + "/Lesson").constData(), "", path));
        QVERIFY(shown);
    }

    // Exit without a question: nothing unsaved, or the setting says so.
    void noQuestion_data()
    {
        QTest::addColumn<int>("when"); // "KeepRslts"/"WhenDropped"; -1: an older folder without it
        QTest::addColumn<QString>("before"); // "": no pass; "mark"; "mark, save"
        QTest::addColumn<QString>("kept");   // where the results are then
        QTest::newRow("nothing marked, an older folder") << -1 << "" << "";
        QTest::newRow("after a save") << 0 << "mark, save" << "out/saved_1.mix";
        QTest::newRow("never ask") << 2 << "mark" << "";
        QTest::newRow("a folder chosen once") << 1 << "mark" << "out/*/one_1.mix";
    }
    void noQuestion()
    {
        QFETCH(int, when);
        QFETCH(QString, before);
        QFETCH(QString, kept);
        GuiProgramFolder folder;
        const QByteArray cfg = "sn = KeepRslts\n\npt_i WhenDropped sv = " + QByteArray::number(qMax(when, 0)) + "\npt_str_any Folder sv = \"";
        when < 0 ? (void)QFile::remove(folder.Path("Settings/KeepRslts.cfg")) : folder.Write("Settings/KeepRslts.cfg", cfg + "\"");
        folder.dialogs.folderAnswer = folder.Path("out").toStdString();
        folder.dialogs.saveAnswers.push_back(folder.Path("out/saved.mix").toStdString());
        before.isEmpty() ? (void)folder.Start() : MarkOnePhrase(folder);
        if (before.endsWith("save"))
            QVERIFY(Trigger(res::ID_SLFILE_SAVERESULTSAS));
        QVERIFY(Trigger(res::ID_SLFILE_EXIT));
        QVERIFY(folder.dialogs.asked.empty());
        QCOMPARE(folder.quitCode, 0);
        const QStringList sub = QDir(folder.Path("out")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(sub.size(), kept.contains('*') ? 1 : 0);
        if (!kept.isEmpty())
            QCOMPARE(folder.Read(QString(kept).replace("*", sub.value(0))), QByteArray("*Bread\n=Brot\n"));
        // The start gave an older folder the section as shipped; a folder chosen once is stored.
        QCOMPARE(folder.Read("Settings/KeepRslts.cfg"), cfg + (when == 1 ? folder.Path("out").toUtf8() : "") + "\"");
    }

    void theSessionsEndKeepsThemAndTheNextStartTellsWhere()
    {
        GuiProgramFolder folder;
        MarkOnePhrase(folder);
        {
            CSessionEnd sessionEnd;
            std::raise(SIGTERM);
            QTRY_COMPARE_WITH_TIMEOUT(folder.quitCode, 0, 3000);
        }
        QVERIFY(folder.dialogs.asked.empty());
        const QStringList kept = QDir(folder.Path("Kept")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(kept.size(), 1);
        QCOMPARE(folder.Read("Kept/" + kept[0] + "/one_1.mix"), QByteArray("*Bread\n=Brot\n"));
        for (int start = 0; start < 2; ++start) { // told at the next start only
            folder.Stop();
            folder.Start();
            QTRY_COMPARE_WITH_TIMEOUT(folder.dialogs.keptTold.size(), std::size_t(1), 3000);
        }
        QCOMPARE(QString::fromStdString(folder.dialogs.keptTold[0]), folder.Path("Kept/" + kept[0]));
    }
};

int RunUnsavedResultsTest(int argc, char** argv)
{
    UnsavedResultsTest t;
    return QTest::qExec(&t, argc, argv);
}
#include "UnsavedResultsTest.moc"
