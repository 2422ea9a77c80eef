#include "app/CHelpDesk.h"

#include "app/CHelpWnd.h"
#include "app/WindowTexts.h"
#include "base/Globals.h"
#include "texts/IUtltsFile.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QWhatsThis>
#include <QWhatsThisClickedEvent>

namespace {
const QString kScheme = "help:";
} // namespace

CHelpDesk::CHelpDesk(QMainWindow* frame, QWidget* view) : QObject(frame), m_pFrame(frame), m_pView(view)
{
    // A link clicked in a what's-this popup reaches the widget that showed it (a menu, a
    // button): seen here, wherever it lands.
    qApp->installEventFilter(this);
}

CHelpDesk::~CHelpDesk()
{
    qApp->removeEventFilter(this);
}

void CHelpDesk::Reload()
{
    const char* dir = g_pIUtltsFile ? g_pIUtltsFile->GetPrgrmDir() : nullptr;
    const std::string folder = dir ? dir : ".";
    m_Doc.Load(folder + "/Lexido.hlp", folder + "/Lexido.cnt");
    m_Read = true;
    if (m_pWnd)
        m_pWnd->Show(m_Doc);
    ApplyWhatsThis();
}

CHelpWnd& CHelpDesk::Wnd()
{
    if (!m_Read)
        Reload();
    if (!m_pWnd) {
        m_pWnd = new CHelpWnd(m_pFrame);
        m_pWnd->Show(m_Doc);
    }
    return *m_pWnd;
}

void CHelpDesk::ApplyWhatsThis()
{
    for (QAction* a : m_pFrame->findChildren<QAction*>()) {
        const int id = a->data().toInt();
        if (id > 0)
            a->setWhatsThis(WhatsThis(id));
    }
    if (m_pView)
        m_pView->setWhatsThis(QString()); // its help is a page of its own (eventFilter)
}

QString CHelpDesk::WhatsThis(int id) const
{
    QString prompt = CommandPrompt(id, CurrentLanguage());
    prompt = prompt.left(prompt.indexOf('\n')).trimmed();
    QString text = prompt.isEmpty() ? QString() : "<p>" + prompt.toHtmlEscaped() + "</p>";
    const SHelpPage* page = m_Doc.FindPageForCommand(id);
    if (page)
        text += "<p><a href=\"" + kScheme + QString::fromStdString(page->anchor) + "\">" + QString::fromStdString(page->title).toHtmlEscaped() + "</a></p>";
    return text;
}

void CHelpDesk::Present()
{
    // Shown from a modal dialog (the settings), the help must not be blocked by it: it is
    // modal itself then, and an ordinary window otherwise.
    const Qt::WindowModality wanted = QApplication::activeModalWidget() && QApplication::activeModalWidget() != m_pWnd
                                          ? Qt::ApplicationModal
                                          : Qt::NonModal;
    if (m_pWnd->windowModality() != wanted) {
        m_pWnd->hide();
        m_pWnd->setWindowModality(wanted);
    }
    m_pWnd->show();
    m_pWnd->raise();
    m_pWnd->activateWindow();
}

void CHelpDesk::ShowContents()
{
    Wnd().ShowHome();
    Present();
}

void CHelpDesk::ShowCommand(int id)
{
    const SHelpPage* page = Wnd().Doc().FindPageForCommand(id);
    if (!page || !m_pWnd->ShowPage(page->anchor))
        m_pWnd->ShowHome();
    Present();
}

bool CHelpDesk::ShowPage(const std::string& anchor)
{
    if (!Wnd().ShowPage(anchor))
        return false;
    Present();
    return true;
}

void CHelpDesk::EnterContextHelp()
{
    QWhatsThis::enterWhatsThisMode();
}

bool CHelpDesk::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::WhatsThisClicked) {
        const QString href = static_cast<QWhatsThisClickedEvent*>(e)->href();
        if (href.startsWith(kScheme)) {
            QWhatsThis::hideText();
            ShowPage(href.mid(kScheme.size()).toStdString());
            return true;
        }
    } else if (e->type() == QEvent::WhatsThis && m_pView && watched->isWidgetType() &&
               (watched == m_pView || m_pView->isAncestorOf(static_cast<QWidget*>(watched)))) {
        // The view has no command: a click on it in context-help mode shows the page about
        // the keys and the mouse, with which the learner answers there.
        if (!ShowPage(kViewPage))
            ShowContents();
        return true;
    }
    return QObject::eventFilter(watched, e);
}

CHelpWnd* CHelpDesk::Window() const
{
    return m_pWnd;
}
