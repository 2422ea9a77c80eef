// The real Lexido executable, started as the learner's desktop starts it (offscreen), in a
// copy of the program folder of its own: the exit codes, the log, the single-instance guard,
// the first start's phrase files and the end of the session.
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <filesystem>

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

    // Starts the executable; the lock of the single-instance guard lives in this copy's tmp.
    void Start(QProcess& p) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("TMPDIR", Path("tmp"));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(m_Dir.path());
        p.start(Path("Lexido"), QStringList());
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

} // namespace

class ProcessTest : public QObject {
    Q_OBJECT
private slots:
    void aBrokenConfigurationFileEndsWithCodeOneAndItsLogLine()
    {
        ProgramCopy folder;
        // The log is off as shipped; the learner turns it on to see why the program ends.
        folder.Write("Settings/Gnrl.cfg", folder.Read("Settings/Gnrl.cfg").replace("Logging sv = 0", "Logging sv = 1"));
        folder.Write("Settings/To_WbW.cfg", "sn=To_WbW\n");
        QProcess p;
        folder.Start(p);
        QCOMPARE(Finish(p), 1);
        const QByteArray log = folder.Log();
        QVERIFY2(log.startsWith("\nLexido started"), log.constData());
        QVERIFY2(log.contains("\nCDbSec::ParseFile(), error, should be sn marker"), log.constData());
        // Nothing was saved on the way out.
        QVERIFY(folder.Read("Settings/To_WbW.cfg") == "sn=To_WbW\n");
    }

    // While the first runs; once it is killed, the next start takes its lock over and runs.
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
        Signal(first, SIGKILL);
        QCOMPARE(Finish(first), -2);
        QFile::remove(folder.Path("Lexido.log"));
        QProcess third;
        folder.Start(third);
        QVERIFY(folder.WaitForLog("\nLexido started"));
        QTest::qWait(1500);
        QCOMPARE(third.state(), QProcess::Running);
        Signal(third, SIGTERM);
        QCOMPARE(Finish(third), 0);
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
};

QTEST_GUILESS_MAIN(ProcessTest)
#include "ProcessTest.moc"
