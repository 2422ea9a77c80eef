#include "app/CDrill_SdiApp.h"

#include "app/CDrill_SdiDoc.h"
#include "app/CDrill_SdiView.h"
#include "app/CHeadBand.h"
#include "app/CMainFrame.h"
#include "app/CSessionEnd.h"
#include "app/FatalNotice.h"
#include "app/WindowTexts.h"
#include "locale/ILocal.h"
#include "locale/LocaleGlobals.h"
#include "platform/PlatExit.h"
#include "title/ITitlePctr.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QSettings>

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
    m_pFrame.reset(); // destroys the view, which uninstalls the services once
    m_pDoc.reset();
}

bool CDrill_SdiApp::InitInstance()
{
    // The guard: a second instance ends at once, showing nothing. A lock left by a process
    // that died is taken over, so a crash never locks the learner out.
    m_pMutex = std::make_unique<QLockFile>(QDir::tempPath() + "/" + kMutexName + ".lock");
    m_pMutex->setStaleLockTime(0);
    if (!m_pMutex->tryLock(0))
        return false;

    // From here on a fatal end shows its reason over the main window, once there is one.
    plat::SetFatalNotice(&ShowFatalNotice);

    QCoreApplication::setOrganizationName("Local AppWizard-Generated Applications");
    QCoreApplication::setApplicationName("Drill_Sdi");

    // The document, the hidden frame and the view; the view's first update installs every
    // service, shows the title picture and sets the interface language.
    g_pIHeadBandMaker = &g_HeadBandMaker;
    m_pDoc = std::make_unique<CDrill_SdiDoc>();
    m_pFrame = std::make_unique<CMainFrame>();
    auto* view = new CDrill_SdiView(m_pDoc.get(), m_pFrame.get(), m_Hooks);
    m_pFrame->SetView(view);
    view->OnInitialUpdate();

    m_pFrame->hide();
    g_pMainWnd = m_pFrame.get();
    m_pFrame->setWindowTitle(ProductTitle());
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
