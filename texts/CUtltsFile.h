#pragma once
// The file utilities: program folder, opened file, results paths and folder copies.

#include "engine/CNxtPrFlSrvc.h"
#include "platform/PlatEvent.h"
#include "platform/PlatLock.h"
#include "platform/PlatUserFolder.h"
#include "texts/IUtltsFile.h"
#include "texts/PathField.h"

#include <string>
#include <vector>

class IFileDialogs;
class IFileView;
class ISmrtFile;

// The file utilities of the run (g_pIUtltsFile). Paths are held whole: a path that does not
// fit a field (plat::kMaxPath) is refused with a log line and never used cut, because a cut
// path names another file.
class CUtltsFile : public IUtltsFile {
public:
    // The program folder is the executable's; tests give a folder of their own. An installed
    // program's kept settings files go through update at every start (the factory passes the
    // configuration database's, which this folder stands below).
    explicit CUtltsFile(const char* programDir = nullptr, plat::SettingsUpdate update = {});

    int LockPrgrmDir() override;
    int Init() override;
    int InitNxtPrFlSrvc() override;
    int OpenFile(IFileView* view) override;
    int OpenFile_for_Phrase_book(IFileView* view, const char* folder, const char* file) override;
    int OpenPath(IFileView* view, const char* path) override;
    int SaveResultsAs(IFileView* view) override;
    int ScrallViewFile(IFileView* view, int code, int position, void* scrollBar) override;
    const char* GetPrgrmDir() override { return m_PrgrmDir.c_str(); }
    const char* GetFileDir() override { return m_FileDir.c_str(); }
    const char* GetFilePath() override { return m_FilePath.c_str(); }
    const char* GetFileName() override { return m_FileName.c_str(); }
    const char* GetFileNameNoExt() override { return m_FileNameNoExt.c_str(); }
    const char* GetFileExt() override { return m_FileExt.c_str(); }
    const char* GetCurrentFileName() override { return m_CurrentFileName.c_str(); }
    std::string CopyCurrentFileName() override;
    const char* GetCutFileName() override { return m_CutFileName.c_str(); }
    int SetFileDir(const char* s) override { return SetField(m_FileDir, s, "SetFileDir"); }
    int SetFilePath(const char* s) override { return SetField(m_FilePath, s, "SetFilePath"); }
    int SetFileName(const char* s) override { return SetField(m_FileName, s, "SetFileName"); }
    int SetFileNameNoExt(const char* s) override { return SetField(m_FileNameNoExt, s, "SetFileNameNoExt"); }
    int SetFileExt(const char* s) override { return SetField(m_FileExt, s, "SetFileExt"); }
    int SetCurrentFileName(const char* s) override;
    int SetCutFileName(const char* s) override { return SetField(m_CutFileName, s, "SetCutFileName"); }
    int GoToOpenedFile() override { return m_NxtPrFl.GoToOpenedFile(); }
    int GoToNextFile() override { return m_NxtPrFl.GoToNextFile(); }
    int GoToPreviousFile() override { return m_NxtPrFl.GoToPreviousFile(); }
    int CanStartIteration() override { return m_NxtPrFl.CanStartIteration(); }
    int HasNextFile() override { return m_NxtPrFl.HasNextFile(); }
    int HasPreviousFile() override { return m_NxtPrFl.HasPreviousFile(); }
    int CanStartAddBrackets() override { return m_NxtPrFl.CanStartAddBrackets(); }
    int MakeListOfAllDfltRsltsFiles(const char* folder, std::vector<std::string>& list) override;
    int DeleteAllFilesInDir(const char* folder) override;
    int CopyFromDirToDir(const char* srcDir, const char* dstDir, const char* baseName, const char* ext) override;
    int SwitchToNewName(const char* path) override;
    int CalcltFileNameAndExt(const char* fileName, std::string& name, std::string& ext) override;

    const CNxtPrFlSrvc& NxtPrFlSrvc() const { return m_NxtPrFl; }
    // The executable's folder or the one given, without a trailing separator; for a program
    // installed below <prefix>/bin, the learner's own folder (made when missing). Neither
    // locks nor fills it: a reader of the folder's files calls it alone.
    std::string FindPrgrmDir();

    // The view shows at most this many characters of a file.
    static constexpr std::size_t kMaxShownChars = 9998;
    // The file in the program folder that LockPrgrmDir locks: hidden, as no listing of the
    // program's (settings, results, phrase files) and no file dialog is meant to show it.
    static constexpr const char* kLockName = ".lexido.lock";
    static constexpr const char* kFilter = "Mix- Files (*.mix)|*.mix|Text- Files (*.txt)|*.txt|All Files (*.*)|*.*||";

private:
    struct CopyStep {
        std::string from;
        std::string to;
    };
    // Why the last CopyFromDirToDir failed: the file it could not write and the system's
    // error; an empty path when it did not fail so.
    struct SCopyFailure {
        std::string path;
        int error = 0;
    };

    int SetField(CPathField& field, const char* s, const char* op);
    int OpenChosenFile(IFileView& view, const char* initialPath);
    void SetCaption(IFileView& view);
    // The message of a save that failed: the file and the reason where these are known, else
    // the folder.
    void TellCopyFailure(IFileDialogs& dialogs, const std::string& dir);
    void ShowFile(IFileView& view, ISmrtFile& file);
    // What CopyFromDirToDir writes: the files of srcDir in pass order, each with its target.
    // False when a target does not fit or the base name or extension would leave dstDir.
    bool PlanCopy(const char* srcDir, const char* dstDir, const char* baseName, const char* ext,
                  std::vector<CopyStep>& plan, bool& listed);

    std::string m_ProgramDirOverride;
    plat::CFileLock m_PrgrmDirLock;
    std::string m_FoundPrgrmDir; // found once: the lock and Init name the same folder
    std::string m_Template;      // the installed program's template; empty for a build folder
    plat::SettingsUpdate m_SettingsUpdate;
    CPathField m_PrgrmDir;
    CPathField m_CutFileName;
    CPathField m_FileName;
    CPathField m_FileNameNoExt;
    CPathField m_FileExt;
    CPathField m_FileDir;
    CPathField m_FilePath;
    CPathField m_CurrentFileName;
    plat::CCriticalSection m_CurrentLock; // the writes of m_CurrentFileName and its copies
    CNxtPrFlSrvc m_NxtPrFl;
    SCopyFailure m_CopyFailure;
};
