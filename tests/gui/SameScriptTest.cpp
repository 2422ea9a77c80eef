// One key script, two front-ends: the keys typed (or clicked) on the window's view and the same
// bytes fed to lexido-tty in batch over the same phrase file and settings must leave the same
// results files, byte for byte, after the same number of key waits.
#include "GuiFixture.h"

#include "app/CDrill_SdiView.h"
#include "app/CMainFrame.h"
#include "engine/CKbrd.h"
#include "engine/CThread.h"
#include "engine/DrillCommands.h"
#include "engine/EngineGlobals.h"
#include "platform/PlatEvent.h"
#include "resources/Resources.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>

using namespace res;

namespace {

struct Script {
    const char* name;
    int modeCommand;
    int runCommand;  // First Iteration, or an Add Brackets pass
    int ttyMode;
    int direction;   // -1: as the mode command leaves it
    QByteArray file; // the phrase file, bytes of its code page
    std::string keys;
    bool mouse;      // the window gets the keys as mouse buttons: ' ' right, 's' left
};

// The first and the last are the passes of the window's own tests: In Whole with two marks and
// its next iteration, and mouse control ended by Cancel.
const Script kScripts[] = {
    {"inwhole", ID_MODE_INWHOLE, ID_TB_FIRSTITERATION, 0, 0,
     "*Bread=\xd5\xeb\xe5\xe1\n*Water=\xc2\xee\xe4\xe0\n*Milk=\xcc\xee\xeb\xee\xea\xee\n", " nn nn" "nnnn", false},
    {"whichletter", ID_MODE_WHICHLETTER, ID_TB_FIRSTITERATION, 2, 1,
     "*I am a student=Ich bin ein Student\n*Good morning=Guten Morgen\n", "ix= s\x1b" "gmn" "IA s\n" "iaas\n", false},
    {"openbrackets", ID_MODE_OPENBRACKETSWHOLEWORD, ID_TB_FIRSTITERATION, 5, -1,
     "*I am a student.=Ich bin <ein> <Student>.\n*Where is the station?=Wo ist der <Bahnhof>?\n",
     "EIN\n n" "Bhf\n=n" "Stu\n \n" "Student+x", false},
    {"addbrackets", ID_MODE_ADDBRACKETS, ID_ADDBRACKETS_WORDBYWORD, 9, 0,
     "*I am a student=Ich bin ein Student\n*Good morning=Guten Morgen\n", " ... " ". .", false},
    {"mouse", ID_MODE_INWHOLE, ID_TB_FIRSTITERATION, 0, 0,
     "*Je voudrais un caf\xe9 cr\xe8me.=Ich m\xf6\x63hte einen Milchkaffee.\n"
     "*O\xf9 est la gare ?=Wo ist der Bahnhof?\n",
     " s" "ss" " ", true},
};

// What a folder of results holds, file by file in name order: the name, then the bytes.
QByteArray Results(const QString& dir)
{
    QByteArray all;
    for (const QString& f : QDir(dir).entryList(QDir::Files, QDir::Name)) {
        QFile file(dir + "/" + f);
        if (file.open(QIODevice::ReadOnly))
            all += "[" + f.toUtf8() + "]\n" + file.readAll();
    }
    return all;
}

void Deliver(CDrill_SdiView* view, char key, bool mouse)
{
    if (mouse) {
        QTest::mouseClick(view->viewport(), key == ' ' ? Qt::RightButton : Qt::LeftButton);
    } else if (key == '\n') {
        QTest::keyClick(view, Qt::Key_Return);
    } else if (key == 27) {
        QTest::keyClick(view, Qt::Key_Escape);
    } else {
        QTest::keyClick(view, key);
    }
}

// The script through the window as the batch runs it: a key at every key wait, the next
// iteration while the script lasts, Escape (Cancel with the mouse) once it has ended.
// Returns the number of key waits.
int RunThroughWindow(const Script& s)
{
    CDrill_SdiView* view = g_pMainWnd->View();
    plat::CEvent keyWait;
    CKbrd::SetWaitObserver(&keyWait);
    if (!IsEnabled(s.runCommand) || !Trigger(s.runCommand))
        qWarning("%s: the pass could not be started", s.name);
    std::size_t next = 0;
    bool ended = false;
    int waits = 0;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000) {
        if (keyWait.Wait(2) == 0) {
            keyWait.Reset();
            ++waits;
            if (next < s.keys.size()) {
                Deliver(view, s.keys[next++], s.mouse);
            } else {
                ended = true;
                if (s.mouse)
                    Trigger(ID_FILE_NEW);
                else
                    QTest::keyClick(view, Qt::Key_Escape);
            }
            continue;
        }
        QCoreApplication::processEvents();
        if (g_pCThrdAp && g_pCThrdAp->IsActive())
            continue;
        if (!ended && IsEnabled(ID_TB_NEXTITERATION)) {
            Trigger(ID_TB_NEXTITERATION);
            continue;
        }
        break;
    }
    CKbrd::SetWaitObserver(nullptr);
    return waits;
}
} // namespace

class SameScriptTest : public QObject {
    Q_OBJECT
private slots:
    void aKeyScriptLeavesTheSameResultsInTheWindowAndInTheTerminal()
    {
        GuiProgramFolder folder;
        folder.Start();
        g_pMainWnd->View()->setFocus();
        for (const Script& s : kScripts) {
            const QString name = QString::fromLatin1(s.name);
            const QString rel = "Text/same/" + name + ".mix";
            folder.Write(rel, s.file);
            QVERIFY(Trigger(s.mouse ? ID_KEYBOARD_KEYBOARDMOUSE : ID_KEYBOARD_KEYBOARDONLY));
            QVERIFY(Trigger(s.modeCommand));
            if (s.direction >= 0)
                QVERIFY(Trigger(s.direction == 0 ? ID_DIRECTION_1ST2ND : ID_DIRECTION_2ND1ST));
            const int direction = drill::GetDirection();
            folder.dialogs.openAnswers.push_back(folder.Path(rel).toStdString());
            QVERIFY(Trigger(ID_SLFILE_FIRSTFILEOPEN));
            const int windowWaits = RunThroughWindow(s);
            QVERIFY2(!g_pCThrdAp || !g_pCThrdAp->IsActive(), s.name);
            QDir().mkpath(folder.Path("out/" + name));
            folder.dialogs.saveAnswers.push_back(folder.Path("out/" + name + "/r.mix").toStdString());
            QVERIFY2(IsEnabled(ID_SLFILE_SAVERESULTSAS), s.name);
            QVERIFY(Trigger(ID_SLFILE_SAVERESULTSAS));
            const auto window = Results(folder.Path("out/" + name));
            QVERIFY2(!window.isEmpty(), s.name);

            // The terminal in a program folder of its own with the window's settings.
            QTemporaryDir tty;
            namespace fs = std::filesystem;
            const fs::path dir(tty.path().toStdString());
            fs::copy(folder.Path("Settings").toStdString(), dir / "Settings", fs::copy_options::recursive);
            fs::create_directories(dir / "DfltRslts");
            fs::create_directories(dir / "out");
            fs::copy_file(LEXIDO_TTY, dir / "lexido-tty");
            fs::copy_file(folder.Path(rel).toStdString(), dir / "p.mix");
            {
                QFile keys(tty.path() + "/keys");
                QVERIFY(keys.open(QIODevice::WriteOnly));
                keys.write(s.keys.data(), static_cast<qint64>(s.keys.size()));
            }
            const std::string command = "cd '" + dir.string() + "' && ./lexido-tty --mode " +
                                        std::to_string(s.ttyMode) + " --direction " + std::to_string(direction) +
                                        " --save-results out/r.mix p.mix <keys >stdout 2>stderr";
            const int status = std::system(command.c_str());
            QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0, s.name);
            const auto terminal = Results(tty.path() + "/out");
            QCOMPARE(terminal, window);
            QFile printed(tty.path() + "/stdout");
            QVERIFY(printed.open(QIODevice::ReadOnly));
            QCOMPARE(static_cast<int>(printed.readAll().count("\f\n")), windowWaits);
        }
        QVERIFY(Trigger(ID_KEYBOARD_KEYBOARDONLY));
        QVERIFY(Trigger(ID_SLFILE_EXIT));
        QCOMPARE(folder.quitCode, 0);
    }
};

int RunSameScriptTest(int argc, char** argv)
{
    SameScriptTest t;
    return QTest::qExec(&t, argc, argv);
}
#include "SameScriptTest.moc"
