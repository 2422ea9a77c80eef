#pragma once
// The main window: menus, toolbar and status bar around the phrase view.

#include <QFont>
#include <QHash>
#include <QMainWindow>

#include <functional>

class QAction;
class QLabel;
class QToolBar;
class CDrill_SdiView;
class CHelpDesk;
class CPassPane;
class CProgressWnd;

// The main frame: the menu bar, the toolbar and the status bar built from the main resource,
// with the phrase view in the middle. Every action carries its command id as object name.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);

    // The action of a command id (a menu item, a toolbar button or an accelerator), or null.
    QAction* Action(int id) const { return m_Actions.value(id, nullptr); }

    // Routes every command to the view (the About box and the bars' own commands stay here)
    // and runs the view's update rules before a menu opens and, for the toolbar, regularly.
    void SetView(CDrill_SdiView* view);
    CDrill_SdiView* View() const { return m_pView; }
    // The help of the window; null before SetView.
    CHelpDesk* HelpDesk() const { return m_pHelp; }
    // After the interface language was set: the prompts, tool tips, the status bar's idle
    // text and the help follow it.
    void ApplyInterfaceTexts();
    bool ToolBarShown() const;
    bool StatusBarShown() const;
    // The Caps Lock, Num Lock and Scroll Lock indicators, as shown now.
    QString Indicators() const;
    // The running pass's place and marks (or its summary once over) in the status bar, and the
    // keys of its mode as the bar's idle message; the view calls it at every paint.
    void ShowPassState();
    // The pass pane's text, empty when it is hidden.
    QString PassText() const;
    // The bar's message as it shows it (the keys of a pass, a prompt, a notice), wrapped; empty
    // when it is hidden.
    QString LegendText() const;
    // Shows the window at its size, or smaller where the screen's free area is smaller, with
    // its frame within that area.
    void ShowWithinScreen();
    // Reads the state of a lock (0 Caps, 1 Num, 2 Scroll) into on; false when the system does
    // not tell it, and the lock keys are then followed as they are pressed. By default the
    // keyboard's lights; tests give a reader that knows nothing.
    using LockReader = std::function<bool(int lock, bool& on)>;
    void SetLockReader(LockReader reader);
    // Makes the action of a command, with its prompt; the first action of an id is Action(id).
    QAction* MakeAction(int id, const QString& text);

protected:
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BuildMenus();
    void BuildToolBar();
    void BuildAccelerators();
    void BuildStatusBar();
    void UpdateIndicators();
    void OnFrameCommand(int id);
    // Opens (or raises) the Progress window over the program folder's history.
    void ShowProgress();
    // The bar's message when no command prompt is shown: the mode's keys during a pass.
    QString IdleMessage() const;
    // The message and the pass pane wrap in the bar; a prompt or a notice hides the pane.
    void ArrangePanes();
    void FitBarHeight();

    QHash<int, QAction*> m_Actions;
    CDrill_SdiView* m_pView = nullptr;
    CHelpDesk* m_pHelp = nullptr;
    QToolBar* m_pToolBar = nullptr;
    QLabel* m_pIndicator[3] = {};
    CPassPane* m_pPassPane = nullptr;
    QLabel* m_pLegend = nullptr;
    // What the bar's height was last fitted to: the panes' texts, widths and fonts (hidden: no text).
    struct SBarFit {
        QString legend, pass;
        int legendWidth = -1, passWidth = -1;
        QFont legendFont, passFont;
        bool operator==(const SBarFit& o) const
        {
            return legend == o.legend && pass == o.pass && legendWidth == o.legendWidth && passWidth == o.passWidth &&
                legendFont == o.legendFont && passFont == o.passFont;
        }
    } m_BarFit;
    CProgressWnd* m_pProgress = nullptr;
    bool m_LockOn[3] = {};
    // A lock key held down: its press is counted once, however far it is passed on.
    bool m_LockDown[3] = {};
    LockReader m_ReadLock;
};

// The main window, set by the start sequence once it exists; the view shows it when the title
// picture closes.
extern CMainFrame* g_pMainWnd;
