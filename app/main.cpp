#include "app/CDrill_SdiApp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    CDrill_SdiApp lexido;
    return lexido.Run();
}
