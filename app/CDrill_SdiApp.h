#pragma once
// The application object: the single-instance guard and the start sequence in which the main
// window stays hidden until the title picture has closed.

#include "app/AppHooks.h"

#include <memory>
#include <string>

namespace handover {
class CServer;
}
namespace plat {
class CFileLock;
}
class CDrill_SdiDoc;
class CMainFrame;

class CDrill_SdiApp {
public:
    // The name of the lock that stands for the program's mutex.
    static constexpr const char* kMutexName = "{Lexido_GuidID-5E0B7C3A-92D4-4F1E-B86A-3C7D19E4A205}";
    // Where that lock lives: kMutexName + ".lock" in the user's runtime folder; empty when the
    // user has no private one.
    static std::string GuardPath();

    explicit CDrill_SdiApp(AppHooks hooks = {});
    ~CDrill_SdiApp();

    // The start sequence: true to run the message loop, false when another instance runs.
    bool InitInstance();
    // InitInstance, then the message loop; the process's exit code.
    int Run();

    // A phrase file to open once the window is shown; with another window running, it is
    // handed to that one instead.
    void SetStartFile(std::string path) { m_StartFile = std::move(path); }
    // Where the running window takes the files of later starts: beside the guard's lock.
    static std::string HandOverPath();

    CMainFrame* MainFrame() const { return m_pFrame.get(); }
    // Ends the frame (and with the view the services) without the message loop.
    void ExitInstance();

private:
    AppHooks m_Hooks;
    std::unique_ptr<plat::CFileLock> m_pGuard;
    std::unique_ptr<handover::CServer> m_pHandOver;
    std::string m_StartFile;
    std::unique_ptr<CDrill_SdiDoc> m_pDoc;
    std::unique_ptr<CMainFrame> m_pFrame;
};
