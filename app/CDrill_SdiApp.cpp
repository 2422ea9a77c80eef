#include "app/CDrill_SdiApp.h"

#include "app/CDrill_SdiDoc.h"
#include "app/CDrill_SdiView.h"
#include "app/CHeadBand.h"
#include "app/CMainFrame.h"
#include "app/CSessionEnd.h"
#include "app/FatalNotice.h"
#include "app/FileHandOver.h"
#include "app/ViewAccessible.h"
#include "app/WindowTexts.h"
#include "locale/ILocal.h"
#include "locale/LocaleGlobals.h"
#include "platform/PlatExit.h"
#include "platform/PlatLock.h"
#include "title/ITitlePctr.h"

#include <QApplication>

#include <cstdio>

namespace {
CHeadBandMaker g_HeadBandMaker;
}

CDrill_SdiApp::CDrill_SdiApp(AppHooks hooks) : m_Hooks(std::move(hooks)) {}

CDrill_SdiApp::~CDrill_SdiApp()
{
    ExitInstance();
}

void CDrill_SdiApp::ExitInstance()
{
    if (g_pMainWnd == m_pFrame.get())
        g_pMainWnd = nullptr;
    m_pHandOver.reset();
    m_pFrame.reset(); // destroys the view, which uninstalls the services once
    m_pDoc.reset();
}

std::string CDrill_SdiApp::GuardPath()
{
    const std::string dir = plat::UserRuntimeDir();
    return dir.empty() ? dir : dir + "/" + kMutexName + ".lock";
}

std::string CDrill_SdiApp::HandOverPath()
{
    const std::string dir = plat::UserRuntimeDir();
    return dir.empty() ? dir : dir + "/" + kMutexName + ".socket";
}

bool CDrill_SdiApp::InitInstance()
{
    // The guard: a second instance of the same user ends at once, showing nothing. Its lock
    // lives in the user's own folder, where no other user's program or file can reach it, and
    // the system drops it with the process, so a killed instance never keeps the next one out.
    // Without such a folder the program runs unguarded: the program folder's lock still keeps
    // a second program off the folder.
    const std::string guard = GuardPath();
    m_pGuard = std::make_unique<plat::CFileLock>();
    if (!guard.empty() && m_pGuard->Take(guard) == plat::CFileLock::Result::Busy) {
        // A file to open goes to the window that runs, which shows it.
        if (!m_StartFile.empty() &&
            !handover::HandTo(QString::fromStdString(HandOverPath()), QString::fromLocal8Bit(m_StartFile.c_str())))
            std::fprintf(stderr, "lexido: Lexido runs but did not take %s\n", m_StartFile.c_str());
        return false;
    }

    // From here on a fatal end shows its reason over the main window, once there is one.
    plat::SetFatalNotice(&ShowFatalNotice);

    QCoreApplication::setOrganizationName("Local AppWizard-Generated Applications");
    // What the window system, the desktop and assistive technology call the program.
    QCoreApplication::setApplicationName("Lexido");
    QGuiApplication::setApplicationDisplayName("Lexido");
    QGuiApplication::setDesktopFileName("lexido");
    a11y::InstallViewFactory();

    // The document, the hidden frame and the view; the view's first update installs every
    // service, shows the title picture and sets the interface language.
    g_pIHeadBandMaker = &g_HeadBandMaker;
    m_pDoc = std::make_unique<CDrill_SdiDoc>();
    m_pFrame = std::make_unique<CMainFrame>();
    auto* view = new CDrill_SdiView(m_pDoc.get(), m_pFrame.get(), m_Hooks);
    m_pFrame->SetView(view);
    if (!view->OnInitialUpdate()) {
        // Another program runs over the program folder: this one ends as a second instance.
        ExitInstance();
        return false;
    }

    m_pFrame->hide();
    g_pMainWnd = m_pFrame.get();
    m_pFrame->setWindowTitle(ProductTitle());
    if (!m_StartFile.empty())
        view->OpenFromDesktop(m_StartFile);
    if (!guard.empty())
        m_pHandOver =
            std::make_unique<handover::CServer>(QString::fromStdString(HandOverPath()), [this](const QString& file) {
                if (!m_pFrame || !m_pFrame->View())
                    return;
                m_pFrame->View()->OpenFromDesktop(file.toLocal8Bit().toStdString());
                m_pFrame->raise();
                m_pFrame->activateWindow();
            });
    return true;
}

int CDrill_SdiApp::Run()
{
    // From here on the session's end closes the program in order; a signal that comes while
    // the services install is answered once the message loop runs.
    CSessionEnd sessionEnd(m_Hooks.quit);
    if (!InitInstance())
        return 0;
    // The frame's closing ends the loop; the last window closed must not end it while only
    // the title picture was shown and closed.
    QApplication::setQuitOnLastWindowClosed(false);
    const int code = QApplication::exec();
    ExitInstance();
    return code;
}
