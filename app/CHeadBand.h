#pragma once
// The title window and the hook that shows it on the window thread.

#include "title/ITitlePctr.h"

#include <QPixmap>
#include <QWidget>

// The title window: a borderless popup with the title picture (rendered at build time).
// Closing it tells the view to show the main window.
class CHeadBand : public QWidget, public IHeadBandWnd {
    Q_OBJECT
public:
    CHeadBand();
    void PostClose() override;

protected:
    void paintEvent(QPaintEvent*) override;
    void closeEvent(QCloseEvent* e) override;

private:
    QPixmap m_Picture;
};

// Makes and shows the title window on the GUI thread.
class CHeadBandMaker : public IHeadBandMaker {
public:
    IHeadBandWnd* MakeHeadBand() override;
};
