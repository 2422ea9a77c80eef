// A bare Qt main window (a menu bar, a tool bar, a status bar, an empty central widget): what the
// start of any Qt Widgets program costs on this machine, against which Lexido's start is measured.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu("&File")->addAction("E&xit", &app, &QApplication::quit);
    window.addToolBar("Tools")->addAction("Open");
    window.setCentralWidget(new QLabel("A bare window"));
    window.statusBar()->showMessage("Ready");
    window.resize(800, 600);
    window.show();
    return app.exec();
}
