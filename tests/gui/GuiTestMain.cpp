// The window tests: one QApplication, the lock of the single-instance guard in a folder of
// their own, so that a Lexido running on the machine does not disturb them.
#include <QApplication>
#include <QTemporaryDir>

int RunMainFrameTest(int argc, char** argv);
int RunAppTest(int argc, char** argv);
int RunScreenCodePageTest(int argc, char** argv);
int RunSessionEndTest(int argc, char** argv);
int RunViewPrinterTest(int argc, char** argv);
int RunScreenPainterTest(int argc, char** argv);

int main(int argc, char** argv)
{
    QTemporaryDir tmp;
    qputenv("TMPDIR", tmp.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    int failed = 0;
    failed += RunMainFrameTest(argc, argv);
    failed += RunScreenCodePageTest(argc, argv);
    failed += RunScreenPainterTest(argc, argv);
    failed += RunAppTest(argc, argv);
    failed += RunSessionEndTest(argc, argv);
    failed += RunViewPrinterTest(argc, argv);
    return failed;
}
