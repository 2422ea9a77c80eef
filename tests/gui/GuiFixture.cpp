#include "GuiFixture.h"

#include "app/AppHooks.h"
#include "app/CDrill_SdiApp.h"
#include "app/CDrill_SdiView.h"
#include "app/CMainFrame.h"
#include "base/Globals.h"
#include "base/IOutFile.h"
#include "engine/CScreen.h"
#include "engine/EngineGlobals.h"
#include "engine/IItrtnSrvc.h"
#include "engine/IKbrd.h"
#include "engine/IMfcCmmnProc.h"
#include "engine/INxtPrFlSrvc.h"
#include "engine/IterationGlobals.h"
#include "settings/CLsnAFc.h"
#include "settings/CLsnInst.h"
#include "settings/ILsnFont.h"
#include "settings/ILsnInst.h"
#include "texts/CUtltsFile.h"
#include "title/ITitlePctr.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QtTest>

#include <filesystem>

namespace {
class CFolderFactory : public CLsnAFc {
public:
    explicit CFolderFactory(std::string dir) : m_Dir(std::move(dir)) {}
    IUtltsFile* Create_IUtltsFile() override { return new CUtltsFile(m_Dir.c_str()); }

private:
    std::string m_Dir;
};
} // namespace

bool CScriptDialogs::AskOpenPath(const char* initialPath, const char*, std::string& path)
{
    lastOpenInitial = initialPath ? initialPath : "";
    if (openAnswers.empty())
        return false;
    path = openAnswers.front();
    openAnswers.pop_front();
    return !path.empty();
}

bool CScriptDialogs::AskSavePath(const char*, const char*, const char*, std::string& path)
{
    if (saveAnswers.empty())
        return false;
    path = saveAnswers.front();
    saveAnswers.pop_front();
    return !path.empty();
}

void CScriptDialogs::ShowFileProblem(FileProblem problem, const char*)
{
    ++problems;
    lastProblem = problem;
}

GuiProgramFolder::GuiProgramFolder(bool made)
{
    namespace fs = std::filesystem;
    const fs::path src(LEXIDO_PROGRAM_DIR);
    const fs::path dst(m_Dir.path().toStdString());
    for (const char* sub : {"Settings", "Text", "DfltRslts"})
        fs::copy(src / sub, dst / sub, fs::copy_options::recursive);
    // The window tests measure the Classic layout unless they choose the other.
    Write("Settings/Screen.cfg", "sn = Screen\n\npt_i Layout sv = 0");
    if (made)
        Write("Settings/OnceImpActn.cfg", "sn = OnceImpActn\n\npt_i AlcRdy sv = 1\npt_i CgRdy sv = 1\n");
}

GuiProgramFolder::~GuiProgramFolder()
{
    Stop();
}

void GuiProgramFolder::Write(const QString& rel, const QByteArray& bytes) const
{
    QDir().mkpath(QFileInfo(Path(rel)).path());
    QFile f(Path(rel));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray GuiProgramFolder::Read(const QString& rel) const
{
    QFile f(Path(rel));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

CDrill_SdiApp& GuiProgramFolder::Start(bool waitForMainWindow)
{
    // Each start is a fresh process as far as the installer is concerned.
    g_DeInstallCount = 0;
    g_pILsnInst = nullptr;
    g_SettingsChanged = 0;
    g_FontColour = 0;
    const std::string dir = m_Dir.path().toStdString();
    m_App = std::make_unique<CDrill_SdiApp>(AppHooks{[dir]() -> ILsnAFc* { return new CFolderFactory(dir); },
                                                     [this](int code) { quitCode = code; }});
    if (!m_App->InitInstance())
        return *m_App;
    m_App->MainFrame()->View()->SetDialogs(&dialogs);
    // The Phrase-book's chooser is answered as the Open dialog is, the first topic its start.
    m_App->MainFrame()->View()->SetTopicChooser([this](const QString&, std::vector<STopicRow> rows) {
        std::string path;
        return dialogs.AskOpenPath(rows.front().path.c_str(), "", path) ? path : std::string();
    });
    if (waitForMainWindow) {
        if (!QTest::qWaitFor([&] { return m_App->MainFrame()->isVisible(); }, 5000))
            qWarning("the main window was not shown");
        // The title timer must be over before the next start replaces the title picture.
        (void)QTest::qWaitFor([] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == "HeadBand")
                    return false;
            return true;
        }, 3000);
    }
    return *m_App;
}

namespace {
template <class T>
void Release(T*& p)
{
    delete p;
    p = nullptr;
}

// What a real process keeps until it ends: released here, since every test starts anew in
// this one process (and LeakSanitizer would count each start's services as lost).
void ReleaseProcessServices()
{
    Release(g_pITitlePctr);
    Release(g_pIMfcCmmnProc);
    Release(g_pIKbrd);
    Release(g_pIItrtnSrvc);
    Release(g_pINxtPrFlSrvc);
    Release(g_pILsnFont);
    Release(g_pIUtltsFile);
    Release(g_pILsnInst);
    Release(g_pILogFile);
    Release(g_pILsnAFc);
}
} // namespace

void GuiProgramFolder::Stop()
{
    if (m_App) {
        m_App->ExitInstance();
        m_App.reset();
        ReleaseProcessServices();
    }
}

static QAction* FindAction(int id)
{
    return g_pMainWnd ? g_pMainWnd->findChild<QAction*>(QString::number(id)) : nullptr;
}

bool Trigger(int id)
{
    QAction* a = FindAction(id);
    if (!a)
        return false;
    a->trigger();
    return true;
}

bool IsEnabled(int id)
{
    if (g_pMainWnd && g_pMainWnd->View())
        g_pMainWnd->View()->UpdateCommandUI();
    QAction* a = FindAction(id);
    return a && a->isEnabled();
}

bool IsChecked(int id)
{
    if (g_pMainWnd && g_pMainWnd->View())
        g_pMainWnd->View()->UpdateCommandUI();
    QAction* a = FindAction(id);
    return a && a->isChecked();
}

std::string ScreenText()
{
    if (!g_pOScreen)
        return std::string();
    std::string s(SCREEN_TEXT_SIZE, '\0');
    s.resize(static_cast<std::size_t>(g_pOScreen->CopyText(s.data(), SCREEN_TEXT_SIZE)));
    return s;
}

void SaveShot(QWidget* w, const QString& name)
{
    const QString shots = qEnvironmentVariable("LEXIDO_SCREENSHOTS");
    if (shots.isEmpty() || !w)
        return;
    QDir().mkpath(shots);
    w->grab().save(shots + "/" + name + ".png");
}
