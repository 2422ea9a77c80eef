// The window tests: one QApplication, the lock of the single-instance guard in a folder of
// their own, so that a Lexido running on the machine does not disturb them. A first argument
// naming a suite runs that suite alone (CTest runs the suites side by side).
#include "app/LateModules.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstring>
#include <vector>

int RunMainFrameTest(int argc, char** argv);
int RunAppTest(int argc, char** argv);
int RunSettingsRunTest(int argc, char** argv);
int RunSameScriptTest(int argc, char** argv);
int RunLanguageTest(int argc, char** argv);
int RunHelpWndTest(int argc, char** argv);
int RunSessionEndTest(int argc, char** argv);
int RunViewPrinterTest(int argc, char** argv);
int RunScreenPainterTest(int argc, char** argv);
int RunUnsavedResultsTest(int argc, char** argv);
int RunPassViewTest(int argc, char** argv);
int RunSpeechWndTest(int argc, char** argv);
int RunMemoryWndTest(int argc, char** argv);
int RunDesktopTest(int argc, char** argv);

namespace {
struct Suite {
    const char* name;
    int (*run)(int, char**);
};
const Suite kSuites[] = {
    {"MainFrame", RunMainFrameTest},   {"ScreenPainter", RunScreenPainterTest},
    {"App", RunAppTest},
    {"SessionEnd", RunSessionEndTest}, {"ViewPrinter", RunViewPrinterTest},
    {"SettingsRun", RunSettingsRunTest}, {"SameScript", RunSameScriptTest},
    {"Language", RunLanguageTest},     {"HelpWnd", RunHelpWndTest},
    {"UnsavedResults", RunUnsavedResultsTest}, {"PassView", RunPassViewTest},
    {"SpeechWnd", RunSpeechWndTest}, {"MemoryWnd", RunMemoryWndTest},
    {"Desktop", RunDesktopTest}};
} // namespace

int main(int argc, char** argv)
{
    // The single-instance lock in a folder of our own, never the learner's runtime folder.
    QTemporaryDir tmp;
    qputenv("TMPDIR", tmp.path().toLocal8Bit());
    qunsetenv("XDG_RUNTIME_DIR");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // The modules as the build lays them out, or where gui.NoModules says.
    late::SetModuleDir(qEnvironmentVariable("LEXIDO_TEST_MODULE_DIR", LEXIDO_PROGRAM_DIR));
    const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    std::vector<char*> args(argv, argv + argc);
    if (only)
        args.erase(args.begin() + 1);
    int failed = 0;
    int ran = 0;
    for (const Suite& s : kSuites) {
        if (only && std::strcmp(only, s.name) != 0)
            continue;
        ++ran;
        failed += s.run(static_cast<int>(args.size()), args.data());
    }
    return ran ? failed : 1;
}
