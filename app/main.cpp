#include "app/CDrill_SdiApp.h"
#include "app/WindowOptions.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // --help and --version answer without a display: no QApplication is made for them.
    const int status = app::ReadWindowOptions(argc, argv, stdout, stderr);
    if (status >= 0)
        return status;
    QApplication qtApp(argc, argv);
    CDrill_SdiApp lexido;
    return lexido.Run();
}
