#include "texts/RsltsKeeping.h"

#include "base/Globals.h"
#include "base/Log.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "engine/CUnsavedRslts.h"
#include "engine/EngineGlobals.h"
#include "engine/IMfcCmmnProc.h"
#include "platform/PlatFs.h"
#include "texts/IFileView.h"
#include "texts/IUtltsFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sys/stat.h>
#include <unistd.h>

namespace rslts {

namespace {
constexpr const char* kKeptNotice = "/Kept/.notice";

std::string PrgrmDir()
{
    const char* dir = g_pIUtltsFile ? g_pIUtltsFile->GetPrgrmDir() : nullptr;
    return dir ? dir : "";
}

bool MakeDir(const std::string& dir)
{
    return ::mkdir(dir.c_str(), 0755) == 0 || (errno == EEXIST && plat::IsDirectory(dir));
}

// A new folder below root named by the local date and time; a second end in the same second
// gets "_2", "_3", ...
std::string MakeStampedDir(std::string root)
{
    while (root.size() > 1 && root.back() == '/')
        root.pop_back();
    if (!MakeDir(root))
        return std::string();
    const std::time_t now = std::time(nullptr);
    std::tm local = {};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &local);
    for (int n = 1; n < 100; ++n) {
        const std::string dir = root + "/" + stamp + (n > 1 ? "_" + std::to_string(n) : std::string());
        if (dir.size() >= plat::kMaxPath)
            return std::string();
        if (::mkdir(dir.c_str(), 0755) == 0)
            return dir;
        if (errno != EEXIST)
            return std::string();
    }
    return std::string();
}

void StoreFolder(const std::string& folder)
{
    if (WriteResultsFolder(folder))
        g_pIDbVars->Save(kSection);
}

std::string RealPath(const std::string& path)
{
    char real[PATH_MAX];
    return !path.empty() && ::realpath(path.c_str(), real) ? std::string(real) : std::string();
}

// The setting's way: the results saved into the folder chosen once; false when they were not.
bool SaveIntoChosenFolder(IFileDialogs& dialogs)
{
    std::string folder = ResultsFolder();
    if (folder.empty()) {
        if (!dialogs.AskResultsFolder(folder) || folder.empty())
            return false;
        if (folder.size() >= DB_VALUE_SIZE) {
            dialogs.ShowFileProblem(FileProblem::PathTooLong, folder.c_str());
            return false;
        }
        StoreFolder(folder);
    }
    if (CopyInto(folder).empty()) {
        dialogs.ShowFileProblem(FileProblem::CannotSave, folder.c_str());
        return false;
    }
    UnsavedRslts().Saved();
    return true;
}
} // namespace

std::string ResultsFolder()
{
    char folder[DB_VALUE_SIZE] = {};
    if (!g_pIDbVars || g_pIDbVars->TryRdVal(kSection, "Folder", PAR_TYPE_STRING_ANY, folder) != 0)
        return std::string();
    folder[DB_VALUE_SIZE - 1] = '\0';
    return folder;
}

bool WriteResultsFolder(const std::string& folder)
{
    if (!g_pIDbVars || !HasSection() || folder.size() > DB_MAX_STR_VAL)
        return false;
    char value[DB_VALUE_SIZE] = {};
    std::strncpy(value, folder.c_str(), DB_VALUE_SIZE - 1);
    return g_pIDbVars->WrVal(kSection, "Folder", PAR_TYPE_STRING_ANY, value) == 0;
}

std::string ProposedFolder(IFileDialogs& dialogs)
{
    const std::string texts = RealPath(PrgrmDir() + "/Text");
    const char* home = std::getenv("HOME");
    for (std::string folder : {ResultsFolder(), dialogs.DocumentsFolder(), std::string(home ? home : "")}) {
        while (folder.size() > 1 && folder.back() == '/')
            folder.pop_back();
        const std::string real = RealPath(folder);
        if (real.empty() || !plat::IsDirectory(real))
            continue;
        if (!texts.empty() && (real == texts || real.compare(0, texts.size() + 1, texts + "/") == 0))
            continue;
        return folder;
    }
    return std::string();
}

int WhenDropped()
{
    int when = kAsk;
    if (!g_pIDbVars || g_pIDbVars->TryRdVal(kSection, "WhenDropped", PAR_TYPE_INT, &when) != 0)
        return kAsk;
    return when >= kAsk && when <= kNeverAsk ? when : kAsk;
}

bool HasSection()
{
    int when = 0;
    return g_pIDbVars && g_pIDbVars->TryRdVal(kSection, "WhenDropped", PAR_TYPE_INT, &when) == 0;
}

bool MayDrop(IFileView* view)
{
    if (!view || !UnsavedRslts().Any())
        return true;
    const int when = WhenDropped();
    if (when == kNeverAsk)
        return true;
    IFileDialogs& dialogs = view->Dialogs();
    if (when == kSaveIntoFolder && SaveIntoChosenFolder(dialogs))
        return true;
    for (;;) {
        switch (dialogs.AskUnsavedResults(UnsavedRslts().Passes(), UnsavedRslts().Marked())) {
        case UnsavedAnswer::Discard: return true;
        case UnsavedAnswer::Cancel: return false;
        case UnsavedAnswer::Save:
            // The running pass's marks reach a results file only when it ends, so it ends
            // first, as on Escape, and its results are saved with the others.
            if (UnsavedRslts().RunningMarks() > 0 && g_pIMfcCmmnProc)
                g_pIMfcCmmnProc->RetirePass();
            if (g_pIUtltsFile->SaveResultsAs(view) != 0)
                LogFatal("\nrslts::MayDrop(), error after g_pIUtltsFile->SaveResultsAs()");
            if (!UnsavedRslts().Any())
                return true;
            break; // cancelled or failed: the question again
        }
    }
}

std::string CopyInto(const std::string& root)
{
    const std::string from = PrgrmDir() + "/DfltRslts/";
    std::vector<std::string> names;
    if (PrgrmDir().empty() || !plat::ListDir(from, "*", names)) {
        LogMsg("\nrslts::CopyInto(), error, the results folder cannot be listed");
        return std::string();
    }
    const std::string dir = MakeStampedDir(root);
    if (dir.empty()) {
        LogMsg("\nrslts::CopyInto(), error, cannot make a folder in [%s]", root.c_str());
        return std::string();
    }
    for (const std::string& name : names) {
        std::string bytes;
        const std::string path = from + name;
        if (plat::IsDirectory(path))
            continue;
        if (!plat::ReadFileWhole(path, bytes) || !plat::WriteFileAtomic(dir + "/" + name, bytes)) {
            LogMsg("\nrslts::CopyInto(), error, writing [%s]", (dir + "/" + name).c_str());
            return std::string();
        }
    }
    return dir;
}

std::string KeepUnsaved()
{
    if (!UnsavedRslts().Any() || WhenDropped() == kNeverAsk)
        return std::string();
    const std::string dir = CopyInto(PrgrmDir() + "/Kept");
    if (dir.empty())
        return dir;
    UnsavedRslts().Saved();
    if (!plat::WriteFileAtomic(PrgrmDir() + kKeptNotice, dir + "\n"))
        LogMsg("\nrslts::KeepUnsaved(), error, writing the notice");
    return dir;
}

std::string TakeKeptNotice()
{
    const std::string notice = PrgrmDir() + kKeptNotice;
    std::string dir;
    if (PrgrmDir().empty() || !plat::ReadFileWhole(notice, dir))
        return std::string();
    ::unlink(notice.c_str());
    while (!dir.empty() && (dir.back() == '\n' || dir.back() == '\r'))
        dir.pop_back();
    return dir;
}

} // namespace rslts
