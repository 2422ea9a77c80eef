#pragma once
// The settings sheet: a modal dialog of seven pages with OK, Cancel and Help. OK confirms every
// page opened during this showing; Cancel writes nothing (what "Default" or the font chooser did
// stays in effect for the run).

#include <QDialog>

#include <functional>
#include <memory>

class CQtFontChooser;
class CZelPrprtPg;
class QDialogButtonBox;
class QTabWidget;

class CZelPrprtSheet : public QDialog {
    Q_OBJECT
public:
    // showHelp shows the platform help; none: the beep only. beep sounds before help is shown
    // (frequency in Hz, duration in ms); none: QApplication::beep(), which has neither.
    explicit CZelPrprtSheet(QWidget* owner, std::function<void()> showHelp = {},
                            std::function<void(int frequency, int duration)> beep = {});
    ~CZelPrprtSheet() override;

    CZelPrprtPg* Page(int index) const;
    int PageCount() const;
    QTabWidget* Tabs() const { return m_Tabs; }

    void accept() override;

    // Help, as the Help button and F1 ask for it: the General page shows it itself after its
    // beep of 200 Hz for 200 ms, the other pages leave it to the sheet (100 Hz, 100 ms).
    void OnHelp();

private:
    void OnPageShown(int index);

    QTabWidget* m_Tabs;
    QDialogButtonBox* m_Buttons;
    std::function<void()> m_ShowHelp;
    std::function<void(int, int)> m_Beep;
    // The chooser of "Font..." while the window offers none of its own.
    std::unique_ptr<CQtFontChooser> m_FontChooser;
};

// Shows the sheet modally over parent; 1 when it was closed with OK, 0 otherwise.
int ShowSettingsSheet(QWidget* parent, std::function<void()> showHelp = {});
