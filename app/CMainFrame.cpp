#include "app/CMainFrame.h"

#include "app/AppHooks.h"
#include "app/CHelpDesk.h"
#include "app/CPassPane.h"
#include "app/CProgressWnd.h"
#include "app/DesktopMenus.h"
#include "app/ToolIcons.h"
#include "app/WindowTexts.h"
#include "base/Globals.h"
#include "engine/PassHistory.h"
#include "platform/PlatCodePage.h"
#include "qttext/CodePageText.h"
#include "qttext/QtTranslations.h"
#include "resources/Resources.h"
#include "texts/IUtltsFile.h"

#include "app/CAboutDlg.h"
#include "app/CDrill_SdiView.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>

#include <algorithm>
#include <chrono>

CMainFrame* g_pMainWnd = nullptr;

namespace {
// The status-bar prompt is the part before "\n", the tool tip the part after it.
void SetPrompt(QAction* a, int id)
{
    const QString text = CommandPrompt(id, CurrentLanguage());
    if (text.isEmpty())
        return;
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
    setWindowIcon(AppIcon());
    BuildMenus();
    BuildToolBar();
    BuildAccelerators();
    BuildStatusBar();
    desk::AddMenus(this);
    resize(800, 600);
}

namespace {
// The keyboard's lock lights as the kernel shows them. Where each light lives is looked up once
// and kept: the status bar asks four times a second, and a machine without the lights would
// otherwise fail to open eighteen files each time. Without it, it is looked for again every few
// seconds (a keyboard plugged in later); no light is read meanwhile.
class CLockLights {
public:
    bool operator()(int lock, bool& on)
    {
        static const char* const kLeds[] = {"capslock", "numlock", "scrolllock"};
        static const char* const kInputs[] = {"input0", "input1", "input2", "input3", "input4", "input5"};
        SLight& light = m_Lights[lock];
        if (light.path.isEmpty()) {
            const auto now = std::chrono::steady_clock::now();
            if (light.looked && now - light.lookedAt < std::chrono::seconds(5))
                return false;
            light.looked = true;
            light.lookedAt = now;
            for (const char* in : kInputs) {
                const QString path = QString("/sys/class/leds/%1::%2/brightness").arg(in, kLeds[lock]);
                if (QFile::exists(path)) {
                    light.path = path;
                    break;
                }
            }
        }
        QFile f(light.path);
        if (light.path.isEmpty() || !f.open(QIODevice::ReadOnly)) {
            light.path.clear(); // gone with its keyboard: looked for again
            return false;
        }
        on = f.readAll().trimmed() != "0";
        return true;
    }

private:
    struct SLight {
        QString path;
        bool looked = false;
        std::chrono::steady_clock::time_point lookedAt;
    };
    SLight m_Lights[3];
};
} // namespace

void CMainFrame::BuildStatusBar()
{
    statusBar()->setObjectName("StatusBar");
    // The keys and the pass's place are read whole: they wrap, and the bar grows in height.
    m_pLegend = new QLabel(this);
    m_pLegend->setObjectName("LegendPane");
    m_pLegend->setWordWrap(true);
    m_pLegend->hide();
    statusBar()->addPermanentWidget(m_pLegend, 2);
    m_pPassPane = new CPassPane(this);
    statusBar()->addPermanentWidget(m_pPassPane, 1);
    connect(statusBar(), &QStatusBar::messageChanged, this, [this] { ArrangePanes(); });
    static const char* const kNames[] = {"CAP", "NUM", "SCRL"};
    for (int i = 0; i < 3; ++i) {
        m_pIndicator[i] = new QLabel(this);
        m_pIndicator[i]->setObjectName(QString("Indicator") + kNames[i]);
        m_pIndicator[i]->setMinimumWidth(m_pIndicator[i]->fontMetrics().horizontalAdvance("SCRL") + 8);
        m_pIndicator[i]->setAlignment(Qt::AlignCenter);
        statusBar()->addPermanentWidget(m_pIndicator[i]);
    }
    statusBar()->showMessage(WndText(EWndText::Ready));
    m_ReadLock = CLockLights(); // kept, and changed by its reads, inside the function object
    qApp->installEventFilter(this);
    UpdateIndicators();
}

void CMainFrame::UpdateIndicators()
{
    static const char* const kNames[] = {"CAP", "NUM", "SCRL"};
    for (int i = 0; i < 3; ++i) {
        bool on = m_LockOn[i];
        if (m_ReadLock && m_ReadLock(i, on))
            m_LockOn[i] = on;
        m_pIndicator[i]->setText(m_LockOn[i] ? kNames[i] : "");
    }
}

QString CMainFrame::Indicators() const
{
    QStringList shown;
    for (QLabel* l : m_pIndicator)
        shown << l->text();
    return shown.join(' ');
}

void CMainFrame::SetLockReader(LockReader reader)
{
    m_ReadLock = std::move(reader);
    UpdateIndicators();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* e)
{
    // Where the lights cannot be read, the lock keys are followed as they are pressed. A key
    // that no widget takes is passed on to each parent in turn and seen here each time: only
    // the first press after a release counts.
    const bool press = e->type() == QEvent::KeyPress;
    // A menu or a dialog that closes gives the keys back to the view, so that a pass gets them:
    // a menu closed with Escape would leave the menu bar waiting for Enter.
    if (e->type() == QEvent::Hide && m_pView && watched->isWidgetType() &&
        (qobject_cast<QMenu*>(watched) ||
            (qobject_cast<QDialog*>(watched) && static_cast<QWidget*>(watched)->isWindow())))
        QTimer::singleShot(0, m_pView, [view = m_pView] {
            if (QApplication::activePopupWidget() || QApplication::activeModalWidget() || !view->isVisible())
                return;
            view->setFocus(Qt::OtherFocusReason);
        });
    if (e->type() == QEvent::Show && watched->isWidgetType() && qobject_cast<QDialog*>(watched))
        desk::NameControls(static_cast<QWidget*>(watched));
    if (e->type() == QEvent::Resize && m_pPassPane && (watched == m_pLegend || watched == m_pPassPane))
        FitBarHeight();
    if ((press || e->type() == QEvent::KeyRelease) && watched->isWidgetType()) {
        const auto* k = static_cast<QKeyEvent*>(e);
        const int key = k->key();
        const int i = key == Qt::Key_CapsLock ? 0 : key == Qt::Key_NumLock ? 1 : key == Qt::Key_ScrollLock ? 2 : -1;
        if (i >= 0 && !k->isAutoRepeat()) {
            if (press && !m_LockDown[i])
                m_LockOn[i] = !m_LockOn[i];
            m_LockDown[i] = press;
            UpdateIndicators();
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

void CMainFrame::SetView(CDrill_SdiView* view)
{
    m_pView = view;
    setCentralWidget(view);
    m_pHelp = new CHelpDesk(this, view);
    for (auto it = m_Actions.cbegin(); it != m_Actions.cend(); ++it) {
        const int id = it.key();
        connect(it.value(), &QAction::triggered, this, [this, id] { OnFrameCommand(id); });
    }
    for (QAction* top : menuBar()->actions())
        if (QMenu* menu = top->menu())
            connect(menu, &QMenu::aboutToShow, view, [this, view] {
                view->UpdateCommandUI();
                desk::UpdateChecks(this);
            });
    // The toolbar's buttons follow the rules as the idle update of a frame keeps them.
    auto* idle = new QTimer(this);
    connect(idle, &QTimer::timeout, this, [this] {
        if (m_pView) {
            m_pView->UpdateCommandUI();
            m_pView->ShowMemoryNotices();
            m_pView->FollowReading(); // the end of a pass, read aloud as it is shown
        }
        UpdateIndicators();
        ShowPassState(); // the end of a pass, which paints nothing more
    });
    idle->start(250);
}

void CMainFrame::OnFrameCommand(int id)
{
    if (desk::OnCommand(this, id))
        return;
    switch (id) {
    case res::ID_APP_ABOUT: {
        CAboutDlg about(this);
        about.exec();
        return;
    }
    case res::ID_VIEW_TOOLBAR: m_pToolBar->setVisible(!m_pToolBar->isVisible()); break;
    case res::ID_VIEW_STATUS_BAR: statusBar()->setVisible(!statusBar()->isVisible()); break;
    case res::ID_VIEW_PROGRESS: ShowProgress(); return;
    default:
        if (m_pView)
            m_pView->OnCommand(id);
        return;
    }
    if (m_pView)
        m_pView->UpdateCommandUI();
}

void CMainFrame::ShowProgress()
{
    if (!g_pIUtltsFile)
        return;
    if (!m_pProgress)
        m_pProgress = new CProgressWnd(this);
    m_pProgress->Load(std::string(g_pIUtltsFile->GetPrgrmDir()) + "/" + hist::kFileName, g_pIUtltsFile->GetFilePath());
    m_pProgress->show();
    m_pProgress->raise();
    m_pProgress->activateWindow();
}

void CMainFrame::ApplyInterfaceTexts()
{
    // The menus are retitled by the interface language itself; the rest of the frame here.
    UseQtTranslations(CurrentLanguage());
    for (QAction* a : findChildren<QAction*>())
        if (a->data().toInt() > 0)
            SetPrompt(a, a->data().toInt());
    m_pToolBar->setWindowTitle(PlainCaption(LclText(7, "&Toolbar")));
    ShowPassState();
    statusBar()->showMessage(IdleMessage());
    desk::ApplyTexts(this);
    if (m_pHelp)
        m_pHelp->Reload();
}

bool CMainFrame::event(QEvent* e)
{
    // A prompt that goes (the pointer leaves a command) gives way to the idle text, not to an
    // empty bar.
    if (e->type() == QEvent::StatusTip && static_cast<QStatusTipEvent*>(e)->tip().isEmpty()) {
        statusBar()->showMessage(IdleMessage());
        return true;
    }
    return QMainWindow::event(e);
}

void CMainFrame::ShowPassState()
{
    if (!m_pPassPane)
        return;
    if (m_pPassPane->Refresh())
        statusBar()->showMessage(IdleMessage());
    ArrangePanes();
}

void CMainFrame::ArrangePanes()
{
    if (!m_pPassPane)
        return;
    // The bar's message (the keys of a pass, a prompt, a notice) is shown by the wrapping label
    // rather than drawn on one line; "Ready" gives way to the summary of a pass.
    const QString message = statusBar()->currentMessage();
    const bool idle = message.isEmpty() || message == IdleMessage();
    const QString legend = message.isEmpty() ? m_pPassPane->Legend() : message;
    if (m_pLegend->text() != legend)
        m_pLegend->setText(legend);
    m_pPassPane->setVisible(idle && !m_pPassPane->text().isEmpty());
    m_pLegend->setVisible(!m_pLegend->text().isEmpty() &&
                          (m_pPassPane->isHidden() || message != WndText(EWndText::Ready)));
    FitBarHeight();
}

void CMainFrame::FitBarHeight()
{
    // The bar is as tall as the panes' wrapped lines need at the widths they got; a new height
    // keeps those widths, so this settles at once.
    SBarFit fit;
    fit.legend = m_pLegend->isHidden() ? QString() : m_pLegend->text();
    fit.pass = m_pPassPane->isHidden() ? QString() : m_pPassPane->text();
    fit.legendWidth = m_pLegend->width();
    fit.passWidth = m_pPassPane->width();
    fit.legendFont = m_pLegend->font();
    fit.passFont = m_pPassPane->font();
    if (fit == m_BarFit)
        return; // the same wrapped lines as last time: the height stands
    m_BarFit = fit;
    int need = 0;
    for (const QLabel* pane : {static_cast<QLabel*>(m_pLegend), static_cast<QLabel*>(m_pPassPane)})
        if (!pane->isHidden())
            need = std::max(need, pane->heightForWidth(pane->width()));
    const int height = need > 0 ? need + 7 : 0; // the bar's own spacing above and below its panes
    if (statusBar()->minimumHeight() != height)
        statusBar()->setMinimumHeight(height);
}

QString CMainFrame::PassText() const
{
    return m_pPassPane && !m_pPassPane->isHidden() ? m_pPassPane->text() : QString();
}

QString CMainFrame::LegendText() const
{
    return m_pLegend && !m_pLegend->isHidden() ? m_pLegend->text() : QString();
}

void CMainFrame::ShowWithinScreen()
{
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect free = shown ? shown->availableGeometry() : QRect(0, 0, 800, 600);
    resize(size().boundedTo(free.size()));
    show();
    // The frame is known once the window is shown: the whole of it stays in the free area.
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(size().boundedTo(free.size() - frame));
    QRect outer = frameGeometry();
    outer.moveCenter(free.center());
    move(std::max(outer.left(), free.left()), std::max(outer.top(), free.top()));
}

QString CMainFrame::IdleMessage() const
{
    return m_pPassPane && !m_pPassPane->Legend().isEmpty() ? m_pPassPane->Legend() : WndText(EWndText::Ready);
}

bool CMainFrame::ToolBarShown() const
{
    return m_pToolBar && !m_pToolBar->isHidden();
}

bool CMainFrame::StatusBarShown() const
{
    return !statusBar()->isHidden();
}

void CMainFrame::closeEvent(QCloseEvent* e)
{
    // Closing the frame ends the program: the view's destruction uninstalls the services.
    if (m_pView && !m_pView->ResultsMayGo()) {
        e->ignore();
        return;
    }
    QMainWindow::closeEvent(e);
    if (e->isAccepted() && m_pView) {
        CDrill_SdiView* view = m_pView;
        m_pView = nullptr;
        const AppHooks hooks = view->Hooks();
        delete view;
        hooks.Quit(0);
    }
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
            if (res::DrawnAsSeparator(item)) {
                menu->addSeparator();
                continue;
            }
            QAction* a = MakeAction(item.id, FromCodePage(item.caption, plat::kCpWestern));
            if (item.id == res::ID_NONE)
                a->setEnabled(false);
            menu->addAction(a);
        }
    }
    // One of each choice holds: the items of a choice are radio items of one group.
    for (const std::vector<int>& choice : res::Choices()) {
        auto* group = new QActionGroup(this);
        for (int id : choice)
            if (QAction* a = m_Actions.value(id, nullptr)) {
                a->setCheckable(true);
                group->addAction(a);
            }
    }
}

void CMainFrame::BuildToolBar()
{
    QToolBar* tools = addToolBar(PlainCaption(LclText(7, "&Toolbar")));
    m_pToolBar = tools;
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
        const bool function = k.key >= res::kKeyF1 && k.key < res::kKeyF1 + 12;
        int key = function ? int(Qt::Key_F1) + (k.key - res::kKeyF1) : k.key;
        if (k.mods & res::kCtrl)
            key |= int(Qt::CTRL);
        if (k.mods & res::kShift)
            key |= int(Qt::SHIFT);
        a->setShortcut(QKeySequence(key));
    }
}
