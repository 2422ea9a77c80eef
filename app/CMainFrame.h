#pragma once

#include <QMainWindow>

// The main frame. It grows the menu, toolbar, status bar and the phrase view later.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);
};
