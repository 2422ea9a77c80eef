#include "app/CMainFrame.h"

#include <QLabel>

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("MainFrame");
    setWindowTitle("Lexido");
    auto* view = new QLabel(this);
    view->setObjectName("View");
    view->setAlignment(Qt::AlignCenter);
    setCentralWidget(view);
    resize(800, 600);
}
