#pragma once
// The window's side of the file utilities, answered from a script, and a program folder with
// the file utilities, the iteration service, the settings and the log in place; and what the
// file tests share (a folder's files, a phrase file's phrases, a child process).

#include "tests/TestProgramFolder.h"
#include "texts/IFileView.h"

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

class CUtltsFile;
class ISmrtFile;

using PhrasePairs = std::vector<std::pair<std::string, std::string>>;

// Every phrase of a phrase file read through f as the passes read it; none when it cannot be
// opened.
PhrasePairs ReadPhrases(ISmrtFile& f, const std::string& path);

// Every regular file below a folder (relative name) with its bytes.
std::map<std::string, std::string> Files(const std::string& dir);

// Runs f in a child process; its exit status, or 128 + the signal that ended it.
template <class F>
int InChild(F f)
{
    const pid_t pid = fork();
    if (pid == 0) {
        f();
        _exit(0);
    }
    int st = 0;
    waitpid(pid, &st, 0);
    return WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
}

class ScriptedDialogs : public IFileDialogs {
public:
    // Each dialog takes the next answer: a path, or std::nullopt for Cancel (also when the
    // script has run out).
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    bool confirmOverwrite = true;

    std::vector<std::string> openInitial;
    std::vector<std::string> saveInitial;
    std::string lastDefaultExt;
    std::string lastFilter;
    std::vector<std::vector<std::string>> overwriteAsked;
    std::vector<std::pair<FileProblem, std::string>> problems;

    bool AskOpenPath(const char* initialPath, const char* filter, std::string& path) override;
    bool AskSavePath(const char* defaultExt, const char* initialName, const char* filter, std::string& path) override;
    bool ConfirmOverwrite(const std::vector<std::string>& existing) override;
    void ShowFileProblem(FileProblem problem, const char* path) override;
};

class FakeFileView : public IFileView {
public:
    std::string text;
    int clears = 0;
    long total = -1, page = -1, line = -1;
    std::string caption;
    int captions = 0;
    ScriptedDialogs dialogs;

    void ClearText() override;
    void PutText(const char* t) override { text += t; }
    void SetScrollSizes(long t, long p, long l) override;
    void SetCaption(const char* c) override;
    const char* GetCaptionTitle() override { return "Lexido"; }
    IFileDialogs& Dialogs() override { return dialogs; }
};

class FilesTest : public ProgramFolderTest {
protected:
    void SetUp() override;
    void TearDown() override;

    void SetMode(int mode);
    // Runs one pass as a training program does around its work: begin, name the results,
    // write them (when marks is not empty), status 2 or 3, end.
    void RunPass(const std::string& marks);
    // Every file below the program folder other than the results and current.cut, with its
    // contents: what a reader of phrase files must leave as it found it.
    std::vector<std::pair<std::string, std::string>> Snapshot() const;

    CUtltsFile* m_pFiles = nullptr;
    FakeFileView m_View;
};
