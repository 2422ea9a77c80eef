#pragma once
// What the settings sheet's tests share: recording stand-ins for the view, the font chooser and
// the beep, a driver for modal dialogs, and the table of every control of the five pages.

#include "platform/PlatWindow.h"
#include "settings/LsnLogFont.h"

#include <QApplication>
#include <QList>
#include <QPair>
#include <QStringList>
#include <QTimer>

#include <functional>

class QComboBox;
class QWidget;

struct RecordingWindow : plat::IWindow {
    QList<int> posted;
    void PostMsg(int m) override { posted << m; }
    void Invalidate() override {}
};

struct ScriptedChooser : IFontChooser {
    bool confirm = true;
    LsnLogFont font{};
    bool ChooseFont(LsnLogFont& chosen, std::uint32_t&) override
    {
        if (confirm)
            chosen = font;
        return confirm;
    }
};

// The beeps heard, as (frequency, duration); RecordBeep is the sheet's beep in the tests.
extern QList<QPair<int, int>> g_Beeps;
void RecordBeep(int hz, int ms);

// Runs what once the modal dialog of the given class is up (inside its own event loop).
template <class Dialog>
void WhenModalIsUp(std::function<void(Dialog*)> what)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, what] {
        if (auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            what(d);
        }
    });
    poll->start(10);
}

enum Kind { kGroup, kRadio, kLabel, kList, kButton, kSlider, kCheck, kTypedList };
struct Ctl {
    int page;
    int id;
    Kind kind;
    int text; // interface text; 0 for none
};

// Every control of the seven pages with its kind and text.
extern const Ctl kControls[];
extern const int kControlCount;

QString TextOf(QWidget* w);
bool IsKind(QWidget* w, Kind k);
QStringList Items(QComboBox* c);
