#pragma once

#include <QHash>
#include <QMainWindow>

class QAction;

// The main frame: the menu bar, the toolbar and the status bar built from the main resource,
// with the phrase view in the middle. Every action carries its command id as object name.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);

    // The action of a command id (a menu item, a toolbar button or an accelerator), or null.
    QAction* Action(int id) const { return m_Actions.value(id, nullptr); }

private:
    QAction* MakeAction(int id, const QString& text);
    void BuildMenus();
    void BuildToolBar();
    void BuildAccelerators();

    QHash<int, QAction*> m_Actions;
};
