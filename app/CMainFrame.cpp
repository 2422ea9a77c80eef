#include "app/CMainFrame.h"

#include "app/CodePageText.h"
#include "app/ToolIcons.h"
#include "platform/PlatCodePage.h"
#include "resources/Resources.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace {
// The status-bar prompt is the part before "\n", the tool tip the part after it.
void SetPrompt(QAction* a, int id)
{
    const char* prompt = res::Prompt(id);
    if (!prompt)
        return;
    const QString text = FromCodePage(prompt, plat::kCpWestern);
    const int nl = text.indexOf('\n');
    a->setStatusTip(nl < 0 ? text : text.left(nl));
    if (nl >= 0)
        a->setToolTip(text.mid(nl + 1));
}
} // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("MainFrame");
    setWindowTitle("Lexido");
    auto* view = new QLabel(this);
    view->setObjectName("View");
    view->setAlignment(Qt::AlignCenter);
    setCentralWidget(view);
    BuildMenus();
    BuildToolBar();
    BuildAccelerators();
    statusBar()->setObjectName("StatusBar");
    statusBar()->showMessage(tr("Ready"));
    resize(800, 600);
}

QAction* CMainFrame::MakeAction(int id, const QString& text)
{
    auto* a = new QAction(text, this);
    a->setObjectName(QString::number(id));
    a->setData(id);
    SetPrompt(a, id);
    if (!m_Actions.contains(id))
        m_Actions.insert(id, a);
    return a;
}

void CMainFrame::BuildMenus()
{
    QMenuBar* bar = menuBar();
    for (const res::Popup& popup : res::MainMenu()) {
        QMenu* menu = bar->addMenu(FromCodePage(popup.caption, plat::kCpWestern));
        for (const res::MenuItem& item : popup.items) {
            if (item.separator) {
                menu->addSeparator();
                continue;
            }
            QAction* a = MakeAction(item.id, FromCodePage(item.caption, plat::kCpWestern));
            if (item.id == res::ID_NONE)
                a->setEnabled(false);
            menu->addAction(a);
        }
    }
}

void CMainFrame::BuildToolBar()
{
    QToolBar* tools = addToolBar(tr("Toolbar"));
    tools->setObjectName("ToolBar");
    tools->setIconSize(QSize(16, 15));
    for (int id : res::ToolBar()) {
        if (id == res::ID_NONE) {
            tools->addSeparator();
            continue;
        }
        // A toolbar button shares the menu item's action where both have the same id.
        QAction* a = m_Actions.value(id, nullptr);
        if (!a)
            a = MakeAction(id, QString());
        a->setIcon(ToolIcon(id));
        tools->addAction(a);
    }
}

void CMainFrame::BuildAccelerators()
{
    for (const res::Accel& k : res::Accelerators()) {
        QAction* a = m_Actions.value(k.id, nullptr);
        if (!a)
            a = MakeAction(k.id, QString());
        addAction(a); // the key works also while the toolbar is hidden
        int key = k.key == res::kKeyF1 ? int(Qt::Key_F1) : k.key;
        if (k.mods & res::kCtrl)
            key |= int(Qt::CTRL);
        if (k.mods & res::kShift)
            key |= int(Qt::SHIFT);
        a->setShortcut(QKeySequence(key));
    }
}
