#include "tty/CTtyBatch.h"

#include "base/Globals.h"
#include "engine/CKbrd.h"
#include "engine/CPassProgress.h"
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
#include "platform/PlatFs.h"
#include "settings/LsnLogFont.h"
#include "texts/IUtltsFile.h"
#include "tty/CTtyView.h"
#include "tty/TtyInstall.h"
#include "tty/TtyMemory.h"
#include "tty/TtyText.h"

#include <unistd.h>

namespace tty {

namespace {
// The longest one wait for the pass's end lasts before the loop looks again.
constexpr int kPollMs = 20;
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

// Earlier results of the name given are replaced only with --replace.
bool CTtyBatch::ConfirmOverwrite(const std::vector<std::string>& existing)
{
    if (m_Replace)
        return true;
    std::string names;
    for (const std::string& e : existing)
        names += (names.empty() ? "" : ", ") + e;
    std::fprintf(stderr,
        "lexido-tty: these files exist already and would be replaced (give --replace to replace them): %s\n",
        names.c_str());
    m_Problem = true;
    return false;
}

void CTtyBatch::ShowFileProblem(FileProblem problem, const char* path)
{
    const char* what = problem == FileProblem::CannotOpen ? "cannot open"
        : problem == FileProblem::PathTooLong             ? "path too long:"
                                                          : "cannot save the results to";
    const char* why = SaveFailureReason(problem);
    std::fprintf(stderr, "lexido-tty: %s %s%s%s\n", what, path ? path : "", why ? ": " : "", why ? why : "");
    m_Problem = true;
}

std::vector<std::string> CTtyBatch::EarlierResults() const
{
    std::string dir, name = m_SavePath;
    const std::size_t slash = name.rfind('/');
    if (slash != std::string::npos) {
        dir = name.substr(0, slash + 1);
        name = name.substr(slash + 1);
    }
    std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) {
        name += ".mix"; // as the Save dialog adds its default extension
        dot = name.rfind('.');
    }
    const std::string base = name.substr(0, dot) + "_", ext = name.substr(dot);
    std::vector<std::string> names, earlier;
    plat::ListDir(dir, "*", names);
    for (const std::string& n : names) {
        const std::size_t digits = n.size() - base.size() - ext.size();
        if (n.size() > base.size() + ext.size() && n.compare(0, base.size(), base) == 0 &&
            n.compare(n.size() - ext.size(), ext.size(), ext) == 0 &&
            n.find_first_not_of("0123456789", base.size()) == base.size() + digits)
            earlier.push_back(dir + n);
    }
    return earlier;
}

void CTtyBatch::PrintScreen()
{
    static char text[SCREEN_TEXT_SIZE];
    std::vector<SScreenSpan> spans;
    const int length = g_pOScreen->CopyText(text, sizeof text, nullptr, &spans);
    // The typed characters that differ from the answer are shown in brackets.
    const std::string marked = WithDifferences(text, length, spans, "[", "]");
    std::string shown = ScreenToUtf8(marked.data(), marked.size(), DisplayFontCodePage(), g_pOScreen->GetCoding());
    if (shown.empty() || shown.back() != '\n')
        shown += '\n';
    shown += "\f\n";
    std::fwrite(shown.data(), 1, shown.size(), m_Out);
    std::fflush(m_Out);
}

bool CTtyBatch::OnTimeOutWait(int)
{
    ShowScreenAndPutKey();
    return true;
}

void CTtyBatch::FeedKey()
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

int CTtyBatch::StartFirstPass(int mode)
{
    if (mode == 10 || (mode < 0 && drill::GetMode() == drill::kModeAddBrackets))
        return drill::RunAddBrackets(mode == 10 ? 2 : 1);
    if (mode == 9)
        return drill::RunAddBrackets(1);
    return drill::RunFirstIteration();
}

int CTtyBatch::Run(const Options& options)
{
    char cwd[4096];
    const std::string startDir = getcwd(cwd, sizeof cwd) ? cwd : ".";
    m_OpenPath = AbsolutePath(options.file, startDir);
    m_SavePath = AbsolutePath(options.saveResults, startDir);
    m_Replace = options.replace;
    // Refused before the first pass, so that a script's passes are not run for nothing.
    if (!options.saveResults.empty()) {
        const std::vector<std::string> earlier = EarlierResults();
        if (!earlier.empty() && !ConfirmOverwrite(earlier))
            return 1;
    }

    CTtyView view(*this, [] {});
    if (!Install(view))
        return RefuseFolderInUse();
    if (options.mode >= 0)
        drill::SelectMode(ModeSetting(options.mode));
    if (options.direction >= 0)
        drill::SelectDirection(options.direction);

    PrintNotices();
    if (!options.reviewDue)
        g_pIUtltsFile->OpenFile(&view);
    if (m_Problem) {
        Uninstall();
        return 1;
    }

    // The worker takes each key from the script itself; this thread only starts the passes.
    CKbrd::SetKeyFeed(this);
    CBsPrgr::SetTimeOutObserver(this);
    int status = 0;
    bool started = true;
    if (!options.reviewDue) {
        started = StartFirstPass(options.mode) == 0;
    } else if (const int due = drill::RunReviewDue(&view); due != 0) {
        CBsPrgr::SetTimeOutObserver(nullptr);
        CKbrd::SetKeyFeed(nullptr);
        if (due == drill::kNothingDue)
            std::fprintf(m_Out, "%s\n", NothingDueText(*g_pILocal).c_str());
        Uninstall();
        return due == drill::kNothingDue ? 0 : 1;
    }
    for (; started;) {
        if (g_pCThrdAp && !g_pCThrdAp->WaitForEnd(kPollMs))
            continue;
        if (!m_InputEnded && drill::CanRunNextIteration()) {
            started = drill::RunNextIteration() == 0;
            continue;
        }
        break;
    }
    g_pIMfcCmmnProc->RetirePass();
    CBsPrgr::SetTimeOutObserver(nullptr);
    CKbrd::SetKeyFeed(nullptr);
    PrintNotices();

    // A pass that could not start is a failure; a file without phrases is not, but it is said,
    // as a script would otherwise see an ordinary end with nothing done.
    const SPassProgress pass = PassProgress().Get();
    if (!started) {
        std::fprintf(stderr, "lexido-tty: the pass could not start: the system could not make its thread\n");
        status = 1;
    } else if (pass.ended && pass.total == 0) {
        std::fprintf(stderr, "lexido-tty: %s holds no phrase\n", options.file.c_str());
    }
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
