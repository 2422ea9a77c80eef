#include "texts/CUtltsFile.h"

#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "base/Log.h"
#include "engine/IItrtnSrvc.h"
#include "engine/IterationGlobals.h"
#include "platform/PlatFs.h"
#include "platform/PlatUserFolder.h"
#include "texts/FileCoding.h"
#include "texts/IFileView.h"
#include "texts/ISmrtFile.h"
#include "texts/RsltsKeeping.h"
#include "texts/SmrtFileOps.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <mutex>
#include <utility>

namespace {
constexpr std::size_t kMaxCaption = 127;

// The folder of a path with its trailing separator, and the name after it.
void SplitPath(const std::string& path, std::string& dir, std::string& name)
{
    const std::size_t slash = path.rfind('/');
    dir = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    name = slash == std::string::npos ? path : path.substr(slash + 1);
}

// The characters shown from here, c being the one just read. Reading stops once the screen is
// full: the rest of a large file would not be shown.
std::string ReadScreen(ISmrtFile& file, int c)
{
    std::string text;
    text.reserve(CUtltsFile::kMaxShownChars);
    for (; !file.sf_feof(); c = file.sf_fgetc()) {
        text.push_back(static_cast<char>(c));
        if (text.size() >= CUtltsFile::kMaxShownChars)
            break;
    }
    return text;
}

std::unique_ptr<ISmrtFile> MakeFile(const char* nullMessage)
{
    ISmrtFile* f = g_pILsnAFc ? g_pILsnAFc->Create_ISmrtFile() : nullptr;
    if (!f)
        LogFatal("%s", nullMessage);
    return std::unique_ptr<ISmrtFile>(f);
}
} // namespace

CUtltsFile::CUtltsFile(const char* programDir, plat::SettingsUpdate update)
    : m_ProgramDirOverride(programDir ? programDir : ""), m_SettingsUpdate(std::move(update)), m_NxtPrFl(*this)
{
}

std::string CUtltsFile::FindPrgrmDir()
{
    if (!m_FoundPrgrmDir.empty())
        return m_FoundPrgrmDir;
    std::string dir = m_ProgramDirOverride.empty() ? plat::ExeDir() : plat::NormalizeSeparators(m_ProgramDirOverride);
    // Installed below <prefix>/bin, the program folder is the learner's own, filled from the
    // template once the folder is locked (LockPrgrmDir).
    m_Template = m_ProgramDirOverride.empty() ? plat::InstalledTemplateDir(dir) : std::string();
    if (!m_Template.empty()) {
        dir = plat::UserProgramDir();
        if (dir.empty() || !plat::MakeFolders(dir))
            return std::string();
    }
    while (dir.size() > 1 && dir.back() == '/')
        dir.pop_back();
    m_FoundPrgrmDir = dir;
    return dir;
}

int CUtltsFile::LockPrgrmDir()
{
    const std::string dir = FindPrgrmDir();
    if (dir.empty())
        return 1;
    switch (m_PrgrmDirLock.Take(dir + "/" + kLockName)) {
    case plat::CFileLock::Result::Taken:
        // The learner's folder gets what the template has and it lacks: at the first start
        // everything, after an upgrade what the new template adds, new parameters of a kept
        // settings file too.
        return m_Template.empty() || plat::FillFromTemplate(m_Template, dir, m_SettingsUpdate) ? 0 : 1;
    case plat::CFileLock::Result::Busy:
        return PRGRM_DIR_IN_USE;
    default:
        return 1;
    }
}

int CUtltsFile::Init()
{
    // Runs before the log exists: a failure ends the program without a line.
    const std::string dir = FindPrgrmDir();
    const std::string cut = dir + "/current.cut";
    if (dir.empty() || cut.size() >= plat::kMaxPath)
        ExitFatal();
    if (!plat::SetCurrentDir(dir))
        ExitFatal();
    m_PrgrmDir.Set(dir);
    m_CutFileName.Set(cut);
    DeleteAllFilesInDir((dir + "/DfltRslts/").c_str());
    return 0;
}

int CUtltsFile::InitNxtPrFlSrvc()
{
    return m_NxtPrFl.Init();
}

int CUtltsFile::SetField(CPathField& field, const char* s, const char* op)
{
    if (!field.Set(s)) {
        LogMsg("\nCUtltsFile::%s(), error, path too long", op);
        return 1;
    }
    return 0;
}

int CUtltsFile::SetCurrentFileName(const char* s)
{
    std::lock_guard<plat::CCriticalSection> lk(m_CurrentLock);
    return SetField(m_CurrentFileName, s, "SetCurrentFileName");
}

std::string CUtltsFile::CopyCurrentFileName()
{
    std::lock_guard<plat::CCriticalSection> lk(m_CurrentLock);
    return m_CurrentFileName.str();
}

int CUtltsFile::CalcltFileNameAndExt(const char* fileName, std::string& name, std::string& ext)
{
    if (!fileName)
        return 1;
    const char* dot = std::strchr(fileName, '.');
    if (!dot) {
        name = fileName;
        ext.clear();
    } else {
        name.assign(fileName, static_cast<std::size_t>(dot - fileName));
        ext = dot + 1;
    }
    return 0;
}

int CUtltsFile::SwitchToNewName(const char* path)
{
    if (SetFilePath(path) != 0)
        return 1;
    const std::string p = m_FilePath.str();
    const std::string folder = m_FileDir.str();
    std::string dir, name, noExt, ext;
    SplitPath(p, dir, name);
    if (!folder.empty() && p.compare(0, folder.size(), folder) == 0)
        name = p.substr(folder.size());
    if (CalcltFileNameAndExt(name.c_str(), noExt, ext) != 0)
        LogFatal("\nCUtltsFile::SwitchToNewName(), error after CalcltFileNameAndExt()");
    // Parts of a path that fits fit too.
    m_FileName.Set(name);
    m_FileNameNoExt.Set(noExt);
    m_FileExt.Set(ext);
    if (g_pIItrtnSrvc)
        g_pIItrtnSrvc->ResetIterations();
    return 0;
}

void CUtltsFile::SetCaption(IFileView& view)
{
    // With no file open the caption is the product name alone.
    const char* title = view.GetCaptionTitle();
    std::string caption = title ? title : "";
    if (*m_FileName.c_str())
        caption += std::string(" - ") + m_FileName.c_str();
    if (caption.size() > kMaxCaption)
        caption.resize(kMaxCaption);
    view.SetCaption(caption.c_str());
}

void CUtltsFile::ShowFile(IFileView& view, ISmrtFile& file)
{
    const long length = MeasureSmrtFile(file);
    view.SetTextCoding(DecideFileCoding(file, static_cast<long>(kMaxShownChars)));
    const std::string text = ReadScreen(file, file.sf_fgetc());
    view.ClearText();
    view.PutText(text.c_str());
    file.sf_fclose();
    view.SetScrollSizes(length, length / 10, length / 100);
    view.FileShown(m_FilePath.c_str());
}

int CUtltsFile::OpenFile(IFileView* view)
{
    if (!view) {
        LogMsg("\nCUtltsFile::OpenFile(), error, view == 0");
        return 0;
    }
    return OpenChosenFile(*view, m_FilePath.c_str());
}

int CUtltsFile::OpenFile_for_Phrase_book(IFileView* view, const char* folder, const char* file)
{
    if (!view)
        LogFatal("\nCUtltsFile::OpenFile_for_Phrase_book(), error, pCScrollView == 0");
    const std::string initial =
        plat::NormalizeSeparators(m_PrgrmDir.str() + "/" + (folder ? folder : "") + (file ? file : ""));
    if (initial.size() >= plat::kMaxPath) {
        LogMsg("\nCUtltsFile::OpenFile_for_Phrase_book(), error, strlen (pszOpenDirLocalPath) + strlen (pszOpenDirLocalPath) + 1) >= MAX_FILE_PATH_SZ");
        view->Dialogs().ShowFileProblem(FileProblem::PathTooLong, initial.c_str());
        return 0;
    }
    return OpenChosenFile(*view, initial.c_str());
}

int CUtltsFile::OpenChosenFile(IFileView& view, const char* initialPath)
{
    std::string chosen;
    if (!view.Dialogs().AskOpenPath(initialPath, kFilter, chosen)) {
        SetCaption(view);
        return 0;
    }
    return OpenPath(&view, chosen.c_str());
}

// The chosen file is opened before any field changes: a file that cannot be read leaves the
// opened file, the stepping and the iterations as they were, and the learner is told.
int CUtltsFile::OpenPath(IFileView* pView, const char* path)
{
    if (!pView || !path) {
        LogMsg("\nCUtltsFile::OpenPath(), error, view == 0");
        return 0;
    }
    IFileView& view = *pView;
    std::string chosen = plat::NormalizeSeparators(path);
    if (chosen.size() >= plat::kMaxPath) {
        LogMsg("\nCUtltsFile::OpenFile(), error, path too long");
        view.Dialogs().ShowFileProblem(FileProblem::PathTooLong, chosen.c_str());
        SetCaption(view);
        return 0;
    }
    std::string dir, name, noExt, ext;
    SplitPath(chosen, dir, name);
    if (CalcltFileNameAndExt(name.c_str(), noExt, ext) != 0)
        LogFatal("\nCUtltsFile::OpenFile(), error after CalcltFileNameAndExt()");

    std::unique_ptr<ISmrtFile> file = MakeFile("\nCUtltsFile::OpenFile(), Error, pISf == 0");
    if (file->sf_fopen(chosen.c_str(), "rb") != 0) {
        LogMsg("\n, CDrill_SdiView::OnSlfileFirstFileOpen(), error after pISf->sf_fopen ()");
        view.Dialogs().ShowFileProblem(FileProblem::CannotOpen, chosen.c_str());
        SetCaption(view);
        return 0;
    }
    m_FileName.Set(name);
    m_FilePath.Set(chosen);
    m_FileDir.Set(dir);
    m_FileNameNoExt.Set(noExt);
    m_FileExt.Set(ext);
    if (InitNxtPrFlSrvc() != 0)
        LogFatal("\nCUtltsFile::OpenFile(), error after InitNxtPrFlSrvc()");
    ShowFile(view, *file);
    SetCaption(view);
    return 0;
}

int CUtltsFile::ScrallViewFile(IFileView* view, int, int position, void*)
{
    if (!view) {
        LogMsg("\nCUtltsFile::ScrallViewFile(), error, view == 0");
        return 0;
    }
    std::unique_ptr<ISmrtFile> file = MakeFile("\nCUtltsFile::ScrallViewFile(), Error, pISf == 0");
    const std::string current = m_CurrentFileName.str();
    if (file->sf_fopen(current.c_str(), "rb") != 0) {
        LogMsg("\n,CUtltsFile::ScrallViewFile(), error after fopen(...)");
        return 0;
    }
    const long length = MeasureSmrtFile(*file);
    float ratio = length > 0 ? static_cast<float>(position) / static_cast<float>(length) : 0.0f;
    if (ratio < 0.0f)
        ratio = 0.0f;
    if (ratio > 1.0f)
        ratio = 1.0f;

    const long at = static_cast<long>(static_cast<double>(length) * ratio);
    file->sf_fseek(at, 0);
    int c = file->sf_fgetc();
    if (ratio != 0.0f) {
        // The shown text begins at a line start. A line longer than the screen has none near:
        // the search stops after a screen and the text is shown from the position itself, so a
        // file without line ends is not read to its end at every scroll step.
        std::size_t skipped = 0;
        while (!file->sf_feof() && c != '\n' && skipped < kMaxShownChars) {
            c = file->sf_fgetc();
            ++skipped;
        }
        if (c == '\n' && !file->sf_feof()) {
            c = file->sf_fgetc();
        } else if (!file->sf_feof()) {
            file->sf_fseek(at, 0);
            c = file->sf_fgetc();
        }
    }
    const std::string text = ReadScreen(*file, c);
    view->ClearText();
    view->PutText(text.c_str());
    file->sf_fclose();
    return 0;
}

int CUtltsFile::SaveResultsAs(IFileView* view)
{
    if (!view) {
        LogMsg("\nCUtltsFile::SaveResultsAs(), error, view == 0");
        return 0;
    }
    // A folder of the learner's is proposed, never the opened file's: results saved beside a
    // shipped topic would stand among the topics.
    const std::string folder = rslts::ProposedFolder(view->Dialogs());
    const std::string initial = folder.empty() ? m_FileNameNoExt.str() : folder + "/" + m_FileNameNoExt.str();
    std::string chosen;
    if (!view->Dialogs().AskSavePath("mix", initial.c_str(), kFilter, chosen))
        return 0;
    chosen = plat::NormalizeSeparators(chosen);
    std::string dir, name;
    SplitPath(chosen, dir, name);
    const std::size_t dot = name.rfind('.');
    const std::string ext = dot == std::string::npos ? std::string() : name.substr(dot + 1);
    const std::string base = ext.empty() ? name : name.substr(0, dot);
    if (!g_pIItrtnSrvc) {
        LogMsg("\nCUtltsFile::SaveResultsAs(), error, g_pIItrtnSrvc == 0");
        return 0;
    }

    std::vector<CopyStep> plan;
    bool listed = true;
    if (chosen.size() >= plat::kMaxPath ||
        !PlanCopy(g_pIItrtnSrvc->GetRsltsDir(), dir.c_str(), base.c_str(), ext.c_str(), plan, listed)) {
        LogMsg("\nCUtltsFile::SaveResultsAs(), error, path too long");
        view->Dialogs().ShowFileProblem(FileProblem::PathTooLong, chosen.c_str());
        return 0;
    }
    // The dialog asked about the chosen name only; the numbered names are asked about here.
    std::vector<std::string> existing;
    for (const CopyStep& step : plan)
        if (plat::FileExists(step.to))
            existing.push_back(step.to);
    if (!existing.empty() && !view->Dialogs().ConfirmOverwrite(existing))
        return 0;

    if (g_pIItrtnSrvc->SetRsltsTarget(dir.c_str(), base.c_str(), ext.c_str()) != 0) {
        view->Dialogs().ShowFileProblem(FileProblem::PathTooLong, chosen.c_str());
        return 0;
    }
    if (g_pIItrtnSrvc->SaveRslts() != 0)
        TellCopyFailure(view->Dialogs(), dir);
    return 0;
}

void CUtltsFile::TellCopyFailure(IFileDialogs& dialogs, const std::string& dir)
{
    const SCopyFailure& f = m_CopyFailure;
    const int e = f.error;
    const FileProblem problem = f.path.empty()     ? FileProblem::CannotSave
        : e == ENOSPC || e == EDQUOT || e == EFBIG ? FileProblem::NoSpace
        : e == EACCES || e == EPERM || e == EROFS  ? FileProblem::NoPermission
        : e == ELOOP                               ? FileProblem::LinkRefused
                                                   : FileProblem::CannotSave;
    dialogs.ShowFileProblem(problem, problem == FileProblem::CannotSave ? dir.c_str() : f.path.c_str());
}
