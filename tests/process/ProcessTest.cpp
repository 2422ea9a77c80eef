// The real Lexido executable, started as the learner's desktop starts it (offscreen), in a
// copy of the program folder of its own: the exit codes, the log, the single-instance guard,
// the program folder's lock, the first start's phrase files and the end of the session.
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

// A program folder with the executable, its own lock folder and its own scripted settings.
class ProgramCopy {
public:
    // made: the shipped phrase files count as made, so the start does not make them.
    explicit ProgramCopy(bool made = true)
    {
        namespace fs = std::filesystem;
        fs::copy(LEXIDO_PROGRAM_DIR, m_Dir.path().toStdString(), fs::copy_options::recursive);
        QDir().mkpath(m_Dir.path() + "/tmp");
        if (made)
            Write("Settings/OnceImpActn.cfg", "sn = OnceImpActn\n\npt_i AlcRdy sv = 1\npt_i CgRdy sv = 1\n");
    }

    QString Path(const QString& rel) const { return m_Dir.path() + "/" + rel; }
    void Write(const QString& rel, const QByteArray& bytes) const
    {
        QFile f(Path(rel));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QByteArray Read(const QString& rel) const
    {
        QFile f(Path(rel));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QByteArray Log() const { return Read("Lexido.log"); }

    // Starts Lexido or lexido-tty (over lesson.mix), perhaps as nobody; guards below tmp or ./tmp.
    void Start(QProcess& p, const QString& exe = "Lexido", const QString& tmp = {}, bool asNobody = false) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("TMPDIR", tmp.isEmpty() ? Path("tmp") : tmp);
        env.remove("XDG_RUNTIME_DIR");
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(m_Dir.path());
        QStringList su{"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"};
        QStringList args = (asNobody ? su : QStringList()) << Path(exe);
        p.start(args.takeFirst(), exe == "Lexido" ? args : args << "lesson.mix");
        QVERIFY(p.waitForStarted(5000));
    }

    // Waits until the log holds text (the installation has reached that point).
    bool WaitForLog(const QByteArray& text, int ms = 5000) const
    {
        return QTest::qWaitFor([&] { return Log().contains(text); }, ms);
    }

private:
    QTemporaryDir m_Dir;
};

// The last path in line ends of another system: the save on the way out rewrites them.
const QByteArray kUnSvCrLf = "sn = UnSv\r\n\r\npt_str_any OpnPath sv = \"Text/none.mix\"\r\npt_i HelpAavlbl sv = 0\r\n";

int Finish(QProcess& p, int ms = 5000)
{
    if (!p.waitForFinished(ms)) {
        p.kill();
        p.waitForFinished();
        return -1;
    }
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
}

void Signal(QProcess& p, int sig)
{
    QVERIFY(::kill(static_cast<pid_t>(p.processId()), sig) == 0);
}

int CountPhraseFiles(const QString& dir)
{
    int n = 0;
    QDirIterator it(dir, {"*.mix"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++n;
    }
    return n;
}

// Where the second of two programs starts: the first one's folder, or a folder of its own.
enum Over { kSameFolder, kAfterKill, kOwnFolder, kNobodysFolder };

} // namespace

class ProcessTest : public QObject {
    Q_OBJECT
private slots:
    void aBrokenConfigurationFileEndsWithCodeOneAndItsLogLine()
    {
        ProgramCopy folder;
        // The log is off as shipped: the line of the end is written all the same, and shown after
        // the file and its line, in a box of its own (no main window yet) that SIGTERM closes.
        folder.Write("Settings/To_WbW.cfg", "sn=To_WbW\n");
        QProcess p;
        folder.Start(p);
        QByteArray err;
        QVERIFY(QTest::qWaitFor([&] { return (err += p.readAllStandardError()).contains("marker\n"); }, 5000));
        Signal(p, SIGTERM);
        QCOMPARE(Finish(p), 1);
        QCOMPARE(folder.Log(), QByteArray("\nLexido started\nCDbSec::ParseFile(), error, should be sn marker"));
        err += p.readAllStandardError();
        QVERIFY2(err.contains("To_WbW.cfg, line 1:\nCDbSec::ParseFile(), error, should be sn marker\n"), err.constData());
        // Nothing was saved on the way out.
        QVERIFY(folder.Read("Settings/To_WbW.cfg") == "sn=To_WbW\n");
    }

    void aSecondInstanceEndsAtOnceAndLeavesTheFirstAlone()
    {
        ProgramCopy folder;
        QProcess first;
        folder.Start(first);
        QVERIFY(folder.WaitForLog("\nLexido started"));
        const QByteArray log = folder.Log();
        QProcess second;
        QElapsedTimer t;
        t.start();
        folder.Start(second);
        QCOMPARE(Finish(second), 0);
        QVERIFY2(t.elapsed() < 1500, "the second instance did not end at once");
        QVERIFY(second.readAllStandardOutput().isEmpty());
        QCOMPARE(first.state(), QProcess::Running);
        QCOMPARE(folder.Log(), log); // the second did not start its own log
        Signal(first, SIGTERM);
        QCOMPARE(Finish(first), 0);
    }

    void theFirstStartMakesTheShippedPhraseFiles()
    {
        ProgramCopy folder(false);
        QCOMPARE(CountPhraseFiles(folder.Path("Text")), 0);
        QProcess p;
        folder.Start(p);
        QVERIFY(folder.WaitForLog("\nLexido started"));
        QVERIFY(QTest::qWaitFor([&] { return folder.Read("Settings/OnceImpActn.cfg").contains("CgRdy sv = 1"); }, 10000));
        Signal(p, SIGTERM);
        QCOMPARE(Finish(p), 0);
        QCOMPARE(CountPhraseFiles(folder.Path("Text")), 113);
        const QByteArray once = folder.Read("Settings/OnceImpActn.cfg");
        QVERIFY2(once.contains("AlcRdy sv = 1"), once.constData());
        QCOMPARE(folder.Log(), QByteArray("\nLexido started"));
    }

    void anInterruptWhileTheTitleIsShownEndsTheProgramInOrder()
    {
        ProgramCopy folder;
        folder.Write("Settings/UnSv.cfg", kUnSvCrLf);
        QProcess p;
        folder.Start(p);
        QVERIFY(folder.WaitForLog("\nLexido started"));
        // The title's timer is still asleep: the end must neither wait for it nor trip on it.
        Signal(p, SIGINT);
        QCOMPARE(Finish(p), 0);
        QCOMPARE(folder.Log(), QByteArray("\nLexido started"));
        QVERIFY(!folder.Read("Settings/UnSv.cfg").contains('\r')); // saved on the way out
    }

    void theSessionEndClosesTheRunningProgramAsExitDoes()
    {
        ProgramCopy folder;
        folder.Write("Settings/UnSv.cfg", kUnSvCrLf);
        const QByteArray gnrl = folder.Read("Settings/Gnrl.cfg");
        QProcess p;
        folder.Start(p);
        QVERIFY(folder.WaitForLog("\nLexido started"));
        // The main window comes when the title's two seconds are over.
        QTest::qWait(2600);
        QCOMPARE(p.state(), QProcess::Running);
        Signal(p, SIGTERM);
        QCOMPARE(Finish(p), 0);
        QCOMPARE(folder.Log(), QByteArray("\nLexido started"));
        const QByteArray unsv = folder.Read("Settings/UnSv.cfg");
        QVERIFY2(unsv.contains("Text/none.mix") && !unsv.contains('\r'), unsv.constData());
        QCOMPARE(folder.Read("Settings/Gnrl.cfg"), gnrl); // the sheet was never confirmed
    }

    // Two programs at once, the guards' folders made in one shared temporary folder: another
    // user's window, or one after a killed start, runs; a second program over a folder in use
    // ends at once (the terminal saying why) and leaves the first one's files alone.
    void twoProgramsSideBySide_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("over");
        QTest::addColumn<int>("code"); // the second's exit code; -1: it runs
        const QString w = "Lexido", t = "lexido-tty";
        QTest::newRow("another window of the user's") << w << w << int(kOwnFolder) << 0;
        QTest::newRow("another user's window, his guard's folder planted") << w << w << int(kNobodysFolder) << -1;
        QTest::newRow("a window after the first was killed") << w << w << int(kAfterKill) << -1;
        QTest::newRow("a window over a terminal's folder") << t << w << int(kSameFolder) << 0;
        QTest::newRow("two terminals over one folder") << t << t << int(kSameFolder) << 1;
        QTest::newRow("a terminal over the window's folder") << w << t << int(kSameFolder) << 1;
    }
    void twoProgramsSideBySide()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(int, over);
        QFETCH(int, code);
        if (over == kNobodysFolder && ::geteuid() != 0)
            QSKIP("starting a program as another user needs root");
        ProgramCopy a, b;
        const ProgramCopy& at = over <= kAfterKill ? a : b;
        QTemporaryDir shared;
        if (over == kNobodysFolder) // his copy, a folder shared as /tmp, someone else's where his guard's goes
            QCOMPARE(std::system(qPrintable(QString("chmod 755 %1 && chown -R nobody: %1 && chmod 1777 %2 && "
                                                    "mkdir %2/lexido-$(id -u nobody)").arg(b.Path(""), shared.path()))), 0);
        a.Write("lesson.mix", "* one\n= eins\n");
        a.Write("Settings/UnSv.cfg", kUnSvCrLf);
        QProcess p1, p2;
        a.Start(p1, first, shared.path());
        QVERIFY(first == "Lexido" ? a.WaitForLog("\nLexido started") : QTest::qWaitFor([&] { return p1.bytesAvailable() > 0; }));
        if (over == kAfterKill)
            QCOMPARE((Signal(p1, SIGKILL), Finish(p1)), -2);
        a.Write("DfltRslts/Mine_1.mix", "* mine\n");
        a.Write("Lexido.log", a.Log() + "\nthe first's");
        const QByteArray kept = "* mine\n" + a.Log() + kUnSvCrLf;
        at.Start(p2, second, shared.path(), over == kNobodysFolder);
        p2.closeWriteChannel();
        if (code < 0) {
            QVERIFY2(QTest::qWaitFor([&] { return at.Log() == "\nLexido started"; }), at.Log().constData());
            QCOMPARE(p2.state(), QProcess::Running);
            Signal(p2, SIGTERM);
            QCOMPARE(Finish(p2), 0);
        } else {
            QCOMPARE(Finish(p2), code);
            QCOMPARE(p2.readAllStandardError().contains("Lexido is already running over this program folder"), second != "Lexido");
            QCOMPARE(a.Read("DfltRslts/Mine_1.mix") + a.Log() + a.Read("Settings/UnSv.cfg"), kept);
        }
        if (over != kAfterKill) {
            QCOMPARE(p1.state(), QProcess::Running);
            p1.closeWriteChannel(); // the terminal's keys end
            if (first == "Lexido")
                Signal(p1, SIGTERM);
            QCOMPARE(Finish(p1), 0);
        }
    }
};

QTEST_GUILESS_MAIN(ProcessTest)
#include "ProcessTest.moc"
