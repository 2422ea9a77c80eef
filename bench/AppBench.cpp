// The window's figures, offscreen: painting a full screen, the time from a key given to the
// view to the end of the paint that shows what the pass answered, and the start-up of the
// real executable up to its main window (less the title's fixed two seconds), with the phrase
// files already made and at a first start that makes them.
#include "settings/ScreenSettings.h"
#include "tests/gui/GuiFixture.h"

#include "app/CDrill_SdiApp.h"
#include "app/CDrill_SdiView.h"
#include "app/CMainFrame.h"
#include "app/CProgressWnd.h"
#include "base/Globals.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "engine/CKbrd.h"
#include "engine/CScreen.h"
#include "engine/EngineGlobals.h"
#include "engine/PassHistory.h"
#include "platform/PlatEvent.h"
#include "platform/PlatFs.h"
#include "resources/Resources.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QProcess>
#include <QTemporaryDir>

#include "bench/Percentile.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {
// Lines of `width` characters up to the screen's 9999.
std::string FullScreen(int width)
{
    std::string s;
    while (s.size() < SCREEN_TEXT_SIZE - 1) {
        for (int i = 0; i < width - 1; ++i)
            s += static_cast<char>('a' + (s.size() + static_cast<std::size_t>(i)) % 26);
        s += '\n';
    }
    s.resize(SCREEN_TEXT_SIZE - 1);
    return s;
}

// The paint of a full screen: in the first window, lines of 60 characters (a page of a phrase
// file, most of it below the window) and of 400 (most beyond the right edge); in a large
// window, lines of 150 characters, every character of the 9999 visible and drawn, and line
// ends only (the cost of the window itself: its background and the backing store).
void BM_PaintFullScreen(benchmark::State& state)
{
    GuiProgramFolder folder;
    folder.Start();
    CDrill_SdiView* view = g_pMainWnd->View();
    scrcfg::WriteLayout(static_cast<int>(state.range(3))); // 0 Classic, 1 Comfortable
    if (state.range(1) != 0)
        g_pMainWnd->resize(static_cast<int>(state.range(1)), static_cast<int>(state.range(2)));
    QCoreApplication::processEvents();
    state.counters["view_w"] = view->viewport()->width();
    state.counters["view_h"] = view->viewport()->height();
    g_pOScreen->ClrScr();
    g_pOScreen->PutStr(FullScreen(static_cast<int>(state.range(0))).c_str());
    QCoreApplication::processEvents();
    for (auto _ : state)
        view->viewport()->repaint(); // painted now, not at the next turn of the loop
    folder.Stop();
}
BENCHMARK(BM_PaintFullScreen)
    ->Args({60, 0, 0, 0})
    ->Args({400, 0, 0, 0})
    ->Args({150, 1600, 1500, 0})
    ->Args({1, 1600, 1500, 0})
    ->Args({60, 0, 0, 1})
    ->Args({400, 0, 0, 1})
    ->Args({150, 1600, 1500, 1})
    ->Args({1, 1600, 1500, 1})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);

// A sound device that takes the samples and plays nothing: speech costs what synthesis costs.
struct DiscardingOut : speech::IAudioOut {
    bool Open(int) override { return true; }
    void Restart() override {}
    void Write(const std::int16_t*, int) override {}
};

// A key to the view (as the keyboard gives it), the pass's answer typed by the worker, the
// repaint: until the worker waits for the next key and a paint has ended after its last
// PutStr (each PutStr resets the paint-done event, each paint's end sets it). Argument 1:
// speech on, every question and answer said by eSpeak NG as it shows. Second argument: the
// mode, In Whole (0) or Type the Answer (11), where each key is a character typed and shown;
// third: the layout, Classic (0) or Comfortable (1).
void BM_KeyToPaint(benchmark::State& state)
{
    GuiProgramFolder folder;
    std::string phrases;
    for (int i = 0; i < 2000; ++i)
        phrases += "*Phrase number " + std::to_string(i) + " of the file=Satz Nummer " + std::to_string(i) + " der Datei\n";
    folder.Write("Text/bench.mix", QByteArray::fromStdString(phrases));
    folder.Start();
    CDrill_SdiView* view = g_pMainWnd->View();
    const bool speech = state.range(0) != 0;
    scrcfg::WriteLayout(static_cast<int>(state.range(2))); // 0 Classic, 1 Comfortable
    if (speech) {
        view->SetSpeaker(std::make_unique<speech::CSpeaker>(std::make_unique<DiscardingOut>()));
        const int on = 1;
        g_pIDbVars->WrVal("Speech", "SpeakAnswers", PAR_TYPE_INT, &on);
        g_pIDbVars->WrVal("Speech", "SpeakQuestions", PAR_TYPE_INT, &on);
    }
    plat::CEvent keyWait;
    CKbrd::SetWaitObserver(&keyWait);
    folder.dialogs.openAnswers.push_back(folder.Path("Text/bench.mix").toStdString());
    Trigger(32772);
    Trigger(state.range(1) == 11 ? 32890 : 32776);
    Trigger(32800); // In Whole: every key shows the answer or the next phrase; Type the Answer types it
    std::vector<double> ms;
    for (auto _ : state) {
        while (!keyWait.IsSet())
            QCoreApplication::processEvents();
        keyWait.Reset();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_N, Qt::NoModifier, "n");
        QElapsedTimer t;
        t.start();
        QApplication::sendEvent(view, &press);
        while (!(keyWait.IsSet() && g_WritingToWindowIsOverEvent->IsSet()))
            QCoreApplication::processEvents();
        const double s = static_cast<double>(t.nsecsElapsed()) * 1e-9;
        ms.push_back(s * 1e3);
        state.SetIterationTime(s);
        // A learner's pace: the texts shown are said (speech on) while the next key comes.
        QElapsedTimer pause;
        pause.start();
        while (pause.elapsed() < 60)
            QCoreApplication::processEvents();
    }
    CKbrd::SetWaitObserver(nullptr);
    folder.Stop();
    state.counters["median_ms"] = Percentile(ms, 0.5);
    state.counters["p99_ms"] = Percentile(ms, 0.99);
    std::printf("key to paint over %zu keys, mode %d, layout %s, speech %s: median %.2f ms, 99th percentile %.2f ms\n",
                ms.size(), static_cast<int>(state.range(1)), state.range(2) ? "Comfortable" : "Classic",
                speech ? "on" : "off", Percentile(ms, 0.5), Percentile(ms, 0.99));
}
BENCHMARK(BM_KeyToPaint)
    ->Args({0, 0, 0})
    ->Args({1, 0, 0})
    ->Args({0, 11, 0})
    ->Args({0, 0, 1})
    ->Args({0, 11, 1})
    ->Iterations(300)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The real executable in a fresh copy of the program folder, timed from its start to the
// moment its main window is raised. Nothing in the program marks that moment for us: the
// offscreen platform reports, on the standard error, that it cannot raise a window, and the
// view raises the main window right after showing it. The session's end then closes it.
void BM_StartUp(benchmark::State& state)
{
    const bool firstStart = state.range(0) != 0;
    std::vector<double> ms;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        std::filesystem::copy(LEXIDO_PROGRAM_DIR, dir.path().toStdString(), std::filesystem::copy_options::recursive);
        QDir().mkpath(dir.path() + "/tmp");
        if (!firstStart) {
            QFile once(dir.path() + "/Settings/OnceImpActn.cfg");
            once.open(QIODevice::WriteOnly | QIODevice::Truncate);
            once.write("sn = OnceImpActn\n\npt_i AlcRdy sv = 1\npt_i CgRdy sv = 1\n");
        }
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("TMPDIR", dir.path() + "/tmp");
        env.remove("XDG_RUNTIME_DIR");
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir.path());
        state.ResumeTiming();
        QElapsedTimer t;
        t.start();
        p.start(dir.path() + "/Lexido", QStringList());
        QByteArray err;
        bool shown = false;
        while (!shown && t.elapsed() < 15000 && p.state() != QProcess::NotRunning) {
            p.waitForReadyRead(5);
            err += p.readAllStandardError();
            shown = err.contains("does not support raise()");
        }
        const double s = static_cast<double>(t.nsecsElapsed()) * 1e-9 - 2.0;
        state.PauseTiming();
        if (p.state() == QProcess::Running)
            ::kill(static_cast<pid_t>(p.processId()), SIGTERM);
        p.waitForFinished(5000);
        state.ResumeTiming();
        if (!shown) {
            state.SkipWithError("the main window was not seen");
            break;
        }
        ms.push_back(s * 1e3);
        state.SetIterationTime(s);
    }
    if (!ms.empty()) {
        state.counters["median_ms"] = Percentile(ms, 0.5);
        std::printf("start-up %s, less the title's 2000 ms: median %.0f ms over %zu starts\n",
                    firstStart ? "making the phrase files" : "with the phrase files made", Percentile(ms, 0.5), ms.size());
    }
}
BENCHMARK(BM_StartUp)->Arg(0)->Arg(1)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

// File > Open of a file of 100 000 phrases, from the command to the end of the paint that shows
// it: range(0) 1 in the Comfortable layout (its list of phrases), 0 in the Classic (raw text).
void BM_OpenLongFile(benchmark::State& state)
{
    GuiProgramFolder folder;
    std::string bytes;
    for (int i = 0; i < 100000; ++i)
        bytes += "*Question number " + std::to_string(i) + "\n=Answer number " + std::to_string(i) + "\n";
    folder.Write("long.mix", QByteArray::fromStdString(bytes));
    folder.Start();
    CDrill_SdiView* view = g_pMainWnd->View();
    if (!scrcfg::WriteLayout(state.range(0) ? scrcfg::kComfortable : scrcfg::kClassic))
        state.SkipWithError("layout not written");
    std::vector<double> ms;
    for (auto _ : state) {
        folder.dialogs.openAnswers = {folder.Path("long.mix").toStdString()};
        QElapsedTimer t;
        t.start();
        Trigger(res::ID_FILE_OPEN);
        view->viewport()->repaint();
        ms.push_back(static_cast<double>(t.nsecsElapsed()) * 1e-6);
        state.SetIterationTime(ms.back() * 1e-3);
    }
    state.counters["median_ms"] = Percentile(ms, 0.5);
    std::printf("Open of 100000 phrases, %s: median %.0f ms\n", state.range(0) ? "listed" : "raw", Percentile(ms, 0.5));
}
BENCHMARK(BM_OpenLongFile)->Arg(0)->Arg(1)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

// The Progress window over a history of 100 000 passes of 500 files, from the read of the file
// to the end of its first paint; the open file holds range(0) of the passes (its charts draw
// every one of them).
void BM_OpenProgressWindow(benchmark::State& state)
{
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/" + hist::kFileName;
    const int own = static_cast<int>(state.range(0));
    std::string bytes;
    for (int i = 0; i < 100000; ++i) {
        const bool current = i < own;
        const std::string file =
            current ? "/home/learner/Text/Lesson.mix" : "/home/learner/Text/File" + std::to_string(i % 500) + ".mix";
        bytes += hist::FormatRecord({1700000000LL + i * 900LL, i % 9, i % 2, 1 + i % 3, 32, i % 33, file});
    }
    plat::WriteFileAtomic(path, bytes);
    std::vector<double> ms;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        CProgressWnd w(nullptr);
        w.Load(path, "/home/learner/Text/Lesson.mix");
        w.show();
        QCoreApplication::processEvents();
        w.grab();
        ms.push_back(static_cast<double>(t.nsecsElapsed()) * 1e-6);
        state.SetIterationTime(ms.back() * 1e-3);
    }
    state.counters["median_ms"] = Percentile(ms, 0.5);
    std::printf("Progress window over 100000 passes, %d of the open file: median %.0f ms\n", own, Percentile(ms, 0.5));
}
BENCHMARK(BM_OpenProgressWindow)
    ->Arg(200)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    // Offscreen unless told otherwise; the single-instance lock in a folder of our own.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir tmp;
    qputenv("TMPDIR", tmp.path().toLocal8Bit());
    qunsetenv("XDG_RUNTIME_DIR");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
