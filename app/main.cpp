#include "app/CDrill_SdiApp.h"
#include "app/WindowOptions.h"

#include <QApplication>
#include <QFileInfo>

#include <string>

int main(int argc, char** argv)
{
    // --help and --version answer without a display: no QApplication is made for them.
    std::string file;
    const int status = app::ReadWindowOptions(argc, argv, stdout, stderr, &file);
    if (status >= 0)
        return status;
    QApplication qtApp(argc, argv);
    CDrill_SdiApp lexido;
    // Named from the folder the program was started in, before it moves to its program folder.
    if (!file.empty())
        lexido.SetStartFile(
            QFileInfo(QString::fromLocal8Bit(file.c_str())).absoluteFilePath().toLocal8Bit().toStdString());
    return lexido.Run();
}
