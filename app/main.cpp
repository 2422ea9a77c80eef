#include "app/CMainFrame.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Local AppWizard-Generated Applications");
    QCoreApplication::setApplicationName("Lexido");
    CMainFrame frame;
    frame.show();
    return app.exec();
}
