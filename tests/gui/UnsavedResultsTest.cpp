// Results never saved: the commands that would empty the results folder ask first, the
// session's end keeps them in Kept/ and the next start tells where.
#include "GuiFixture.h"

#include "app/CDrill_SdiView.h"
#include "app/CMainFrame.h"
#include "app/CSessionEnd.h"
#include "app/CViewDialogs.h"
#include "engine/IItrtnSrvc.h"
#include "engine/IterationGlobals.h"
#include "locale/ILocal.h"
#include "locale/LocaleGlobals.h"
#include "resources/Resources.h"

#include <QDir>
#include <QMessageBox>
#include <QtTest>

#include <csignal>

Q_DECLARE_METATYPE(QList<UnsavedAnswer>)

namespace {
const QByteArray kSep = "\n----------------------------------------\n";

// A started program whose first pass marked "Bread" and ended: one results file never saved.
void MarkOnePhrase(GuiProgramFolder& folder)
{
    folder.Write("Text/u/one.mix", "*Bread=Brot\n*Water=Wasser\n");
    folder.Start();
    folder.dialogs.openAnswers.push_back(folder.Path("Text/u/one.mix").toStdString());
    QVERIFY(Trigger(res::ID_SLFILE_FIRSTFILEOPEN));
    CDrill_SdiView* view = g_pMainWnd->View();
    view->setFocus();
    QVERIFY(Trigger(res::ID_RUN_FIRSTITERATION));
    QVERIFY(QTest::qWaitFor([] { return ScreenText().find("Bread" + kSep.toStdString()) != std::string::npos; }, 5000));
    QTest::qWait(60);
    QTest::keyClick(view, Qt::Key_Space); // not known: marked
    QVERIFY(QTest::qWaitFor([] { return ScreenText().find("Brot") != std::string::npos; }, 5000));
    QTest::qWait(60);
    QTest::keyClicks(view, "n");
    QVERIFY(QTest::qWaitFor([] { return ScreenText().find("Water" + kSep.toStdString()) != std::string::npos; }, 5000));
    QTest::qWait(60);
    QVERIFY(Trigger(res::ID_FILE_NEW)); // the pass ends, storing its mark
    QTRY_VERIFY_WITH_TIMEOUT(g_pIItrtnSrvc->GetIterationStatus() == ITERATION_STATUS_NEXT, 5000);
    QVERIFY(QFile::exists(folder.Path("DfltRslts/one_1.mix")));
}
} // namespace

class UnsavedResultsTest : public QObject {
    Q_OBJECT
private slots:
    void theCommandsThatEmptyTheResultsAskFirst_data()
    {
        QTest::addColumn<int>("command"); // 0: the window is closed
        QTest::addColumn<QList<UnsavedAnswer>>("answers");
        QTest::addColumn<QString>("saveAs"); // the Save dialog's answers, ";" between them
        QTest::addColumn<bool>("goesOn");    // the program ended, or the first iteration ran
        using A = UnsavedAnswer;
        const int exit = res::ID_SLFILE_EXIT, first = res::ID_RUN_FIRSTITERATION;
        QTest::newRow("Exit, Cancel") << exit << QList<A>{A::Cancel} << "" << false;
        QTest::newRow("Exit, Discard") << exit << QList<A>{A::Discard} << "" << true;
        QTest::newRow("Exit, Save") << exit << QList<A>{A::Save} << "out/kept.mix" << true;
        QTest::newRow("Exit, Save cancelled, Cancel") << exit << QList<A>{A::Save, A::Cancel} << ";" << false;
        QTest::newRow("close, Cancel") << 0 << QList<A>{A::Cancel} << "" << false;
        QTest::newRow("close, Save") << 0 << QList<A>{A::Save} << "out/kept.mix" << true;
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
        QDir().mkpath(folder.Path("out"));
        for (const QString& a : saveAs.split(';'))
            if (!saveAs.isEmpty())
                folder.dialogs.saveAnswers.push_back(a.isEmpty() ? std::string() : folder.Path(a).toStdString());
        folder.dialogs.unsavedAnswers.assign(answers.begin(), answers.end());
        if (command == res::ID_ADDBRACKETS_WORDBYWORD)
            QVERIFY(Trigger(res::ID_MODE_ADDBRACKETS));
        if (command)
            QVERIFY(Trigger(command));
        else
            g_pMainWnd->close();
        // Asked once per answer, naming one pass with one marked phrase.
        QCOMPARE(folder.dialogs.asked, (std::vector<std::pair<int, int>>(answers.size(), {1, 1})));
        const bool ends = command != res::ID_RUN_FIRSTITERATION;
        QCOMPARE(folder.quitCode, ends && goesOn ? 0 : -1);
        if (!ends && goesOn) // the new first iteration emptied the results folder
            QTRY_VERIFY_WITH_TIMEOUT(g_pIItrtnSrvc->IsPassRunning() && !QFile::exists(folder.Path("DfltRslts/one_1.mix")), 5000);
        if (!goesOn) {
            QVERIFY(g_pMainWnd->isVisible());
            QCOMPARE(g_pIItrtnSrvc->GetIterationStatus(), ITERATION_STATUS_NEXT);
            QCOMPARE(folder.Read("DfltRslts/one_1.mix"), QByteArray("*Bread\n=Brot\n"));
        }
        QCOMPARE(QFile::exists(folder.Path("out/kept_1.mix")), saveAs.startsWith("out"));
    }

    void noQuestionWithoutUnsavedResults_data()
    {
        QTest::addColumn<QString>("before");
        QTest::newRow("nothing marked") << "";
        QTest::newRow("after a save") << "save";
        QTest::newRow("set to never ask") << "never";
    }
    void noQuestionWithoutUnsavedResults()
    {
        QFETCH(QString, before);
        GuiProgramFolder folder;
        if (before == "never")
            folder.Write("Settings/KeepRslts.cfg", "sn = KeepRslts\n\npt_i WhenDropped sv = 2\npt_str_any Folder sv = \"\"");
        if (before.isEmpty())
            folder.Start();
        else
            MarkOnePhrase(folder);
        if (before == "save") {
            QDir().mkpath(folder.Path("out"));
            folder.dialogs.saveAnswers.push_back(folder.Path("out/saved.mix").toStdString());
            QVERIFY(Trigger(res::ID_SLFILE_SAVERESULTSAS));
        }
        QVERIFY(Trigger(res::ID_SLFILE_EXIT));
        QVERIFY(folder.dialogs.asked.empty());
        QCOMPARE(folder.quitCode, 0);
        QCOMPARE(QFile::exists(folder.Path("out/saved_1.mix")), before == "save");
    }

    // Set to save into a folder chosen once: chosen at the first need, then used without a word.
    void alwaysSavedIntoTheFolderChosenOnce()
    {
        GuiProgramFolder folder;
        folder.Write("Settings/KeepRslts.cfg", "sn = KeepRslts\n\npt_i WhenDropped sv = 1\npt_str_any Folder sv = \"\"");
        MarkOnePhrase(folder);
        QDir().mkpath(folder.Path("out"));
        folder.dialogs.folderAnswer = folder.Path("out").toStdString();
        QVERIFY(Trigger(res::ID_RUN_FIRSTITERATION));
        QVERIFY(folder.dialogs.asked.empty());
        QVERIFY(folder.Read("Settings/KeepRslts.cfg").contains("Folder sv = \"" + folder.Path("out").toUtf8() + "\""));
        const QStringList saved = QDir(folder.Path("out")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(saved.size(), 1);
        QCOMPARE(folder.Read("out/" + saved[0] + "/one_1.mix"), QByteArray("*Bread\n=Brot\n"));
    }

    void theSessionsEndKeepsThemAndTheNextStartTellsWhere()
    {
        GuiProgramFolder folder;
        MarkOnePhrase(folder);
        {
            CSessionEnd sessionEnd;
            QVERIFY(sessionEnd.Active());
            std::raise(SIGTERM);
            QTRY_COMPARE_WITH_TIMEOUT(folder.quitCode, 0, 3000);
        }
        QVERIFY(folder.dialogs.asked.empty());
        const QStringList kept = QDir(folder.Path("Kept")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(kept.size(), 1);
        QCOMPARE(folder.Read("Kept/" + kept[0] + "/one_1.mix"), QByteArray("*Bread\n=Brot\n"));
        QVERIFY(!QFile::exists(folder.Path("DfltRslts/one_1.mix")));
        folder.Stop();
        folder.dialogs.keptTold.clear();
        folder.Start();
        QTRY_COMPARE_WITH_TIMEOUT(folder.dialogs.keptTold.size(), std::size_t(1), 3000);
        QCOMPARE(QString::fromStdString(folder.dialogs.keptTold[0]), folder.Path("Kept/" + kept[0]));
        // Told once only.
        folder.Stop();
        folder.Start();
        QCOMPARE(folder.dialogs.keptTold.size(), std::size_t(1));
    }

    // A program folder of an older version has no KeepRslts.cfg: the start adds it as shipped.
    void aFolderWithoutTheSectionStartsAndGetsIt()
    {
        GuiProgramFolder folder;
        QVERIFY(QFile::remove(folder.Path("Settings/KeepRslts.cfg")));
        folder.Start();
        QVERIFY(g_pMainWnd->isVisible());
        QCOMPARE(folder.Read("Settings/KeepRslts.cfg"), QByteArray("sn = KeepRslts\n\npt_i WhenDropped sv = 0\npt_str_any Folder sv = \"\""));
    }

    void theQuestionInEachLanguage()
    {
        GuiProgramFolder folder;
        folder.Start();
        const char* names[] = {"en", "ru", "de"};
        for (int language : {LANGUAGE_ENGLISH, LANGUAGE_GERMAN, LANGUAGE_RUSSIAN}) {
            g_pILocal->SetLanguage(g_pMainWnd->View(), language);
            const auto box = CViewDialogs::MakeUnsavedBox(g_pMainWnd, 2, 5);
            QVERIFY(box->text().contains('2') && box->text().contains('5'));
            QCOMPARE(box->buttons().size(), 3);
            SaveShot(box.get(), QString("unsaved-question-") + names[language]);
        }
    }
};

int RunUnsavedResultsTest(int argc, char** argv)
{
    UnsavedResultsTest t;
    return QTest::qExec(&t, argc, argv);
}
#include "UnsavedResultsTest.moc"
