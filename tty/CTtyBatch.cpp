#include "tty/CTtyBatch.h"

#include "base/Globals.h"
#include "engine/CKbrd.h"
#include "engine/CScreen.h"
#include "engine/CThread.h"
#include "engine/DrillCommands.h"
#include "engine/EngineGlobals.h"
#include "engine/IKbrd.h"
#include "engine/IMfcCmmnProc.h"
#include "locale/ILocal.h"
#include "locale/LocaleGlobals.h"
#include "locale/MemoryTexts.h"
#include "platform/PlatEvent.h"
#include "settings/LsnLogFont.h"
#include "texts/IUtltsFile.h"
#include "tty/CTtyView.h"
#include "tty/TtyInstall.h"
#include "tty/TtyMemory.h"
#include "tty/TtyText.h"

#include <unistd.h>

namespace tty {

namespace {
constexpr int kPollMs = 20; // how often the loop looks whether the pass has ended
}

bool CTtyBatch::AskOpenPath(const char*, const char*, std::string& path)
{
    path = m_OpenPath;
    return true;
}

bool CTtyBatch::AskSavePath(const char* defaultExt, const char*, const char*, std::string& path)
{
    path = m_SavePath;
    const std::size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.find('.') == std::string::npos && defaultExt && *defaultExt)
        path += std::string(".") + defaultExt;
    return true;
}

// The script asked for this name; replacing what lies there is what it wants.
bool CTtyBatch::ConfirmOverwrite(const std::vector<std::string>&)
{
    return true;
}

void CTtyBatch::ShowFileProblem(FileProblem problem, const char* path)
{
    const char* what = problem == FileProblem::CannotOpen   ? "cannot open"
                       : problem == FileProblem::CannotSave ? "cannot save the results to"
                                                            : "path too long:";
    std::fprintf(stderr, "lexido-tty: %s %s\n", what, path ? path : "");
    m_Problem = true;
}

void CTtyBatch::PrintScreen()
{
    static char text[SCREEN_TEXT_SIZE];
    const int length = g_pOScreen->CopyText(text, sizeof text);
    std::string shown =
        ScreenToUtf8(text, static_cast<std::size_t>(length), DisplayFontCodePage(), g_pOScreen->GetCoding());
    if (shown.empty() || shown.back() != '\n')
        shown += '\n';
    shown += "\f\n";
    std::fwrite(shown.data(), 1, shown.size(), m_Out);
    std::fflush(m_Out);
}

void CTtyBatch::OnTimeOutWait(int)
{
    ShowScreenAndPutKey();
}

void CTtyBatch::ShowScreenAndPutKey()
{
    std::lock_guard<std::mutex> lock(m_ScriptLock);
    PrintScreen();
    g_pIKbrd->PutKey(NextKey());
}

// The next key of the script; a line end is Enter, the end of the input Escape. With a UTF-8
// phrase file each UTF-8 character of the input is one key; a malformed one is U+FFFD, which
// matches no letter.
int CTtyBatch::NextKey()
{
    if (m_InputEnded)
        return KEY_ESCAPE;
    const int c = std::fgetc(m_In);
    if (c == EOF) {
        m_InputEnded = true;
        return KEY_ESCAPE;
    }
    if (c == '\n' || c == '\r')
        return KEY_ENTER;
    if (c < 0x80 || !plat::IsUtf8Coding(g_pOScreen->GetCoding()))
        return c;
    std::string bytes(1, static_cast<char>(c));
    for (int k = 1; k < plat::Utf8Length(static_cast<unsigned char>(c)); ++k) {
        const int next = std::fgetc(m_In);
        if (next == EOF)
            break;
        bytes += static_cast<char>(next);
    }
    char32_t key = 0;
    return TypedKey(bytes, plat::TextCoding::Utf8, key) ? static_cast<int>(key) : 0xFFFD;
}

void CTtyBatch::StartFirstPass(int mode)
{
    if (mode == 10 || (mode < 0 && drill::GetMode() == drill::kModeAddBrackets))
        drill::RunAddBrackets(mode == 10 ? 2 : 1);
    else if (mode == 9)
        drill::RunAddBrackets(1);
    else
        drill::RunFirstIteration();
}

int CTtyBatch::Run(const Options& options)
{
    char cwd[4096];
    const std::string startDir = getcwd(cwd, sizeof cwd) ? cwd : ".";
    m_OpenPath = AbsolutePath(options.file, startDir);
    m_SavePath = AbsolutePath(options.saveResults, startDir);

    CTtyView view(*this, [] {});
    if (!Install(view))
        return RefuseFolderInUse();
    if (options.mode >= 0)
        drill::SelectMode(options.mode > drill::kModeAddBrackets ? drill::kModeAddBrackets : options.mode);
    if (options.direction >= 0)
        drill::SelectDirection(options.direction);

    PrintNotices();
    if (!options.reviewDue)
        g_pIUtltsFile->OpenFile(&view);
    if (m_Problem) {
        Uninstall();
        return 1;
    }

    plat::CEvent keyWait;
    CKbrd::SetWaitObserver(&keyWait);
    CBsPrgr::SetTimeOutObserver(this);
    if (!options.reviewDue) {
        StartFirstPass(options.mode);
    } else if (const int started = drill::RunReviewDue(&view); started != 0) {
        CBsPrgr::SetTimeOutObserver(nullptr);
        CKbrd::SetWaitObserver(nullptr);
        if (started == drill::kNothingDue)
            std::fprintf(m_Out, "%s\n", NothingDueText(*g_pILocal).c_str());
        Uninstall();
        return started == drill::kNothingDue ? 0 : 1;
    }
    for (;;) {
        if (keyWait.Wait(kPollMs) == 0) {
            keyWait.Reset();
            ShowScreenAndPutKey();
            continue;
        }
        if (g_pCThrdAp && g_pCThrdAp->IsActive())
            continue;
        if (!m_InputEnded && drill::CanRunNextIteration()) {
            drill::RunNextIteration();
            continue;
        }
        break;
    }
    g_pIMfcCmmnProc->RetirePass();
    CBsPrgr::SetTimeOutObserver(nullptr);
    CKbrd::SetWaitObserver(nullptr);
    PrintNotices();

    int status = 0;
    if (!options.saveResults.empty()) {
        g_pIUtltsFile->SaveResultsAs(&view);
        if (m_Problem)
            status = 1;
    }
    if (Uninstall() != 0)
        status = 1;
    return status;
}

} // namespace tty
