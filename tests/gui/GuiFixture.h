#pragma once
// A temporary program folder assembled like the real one (the build's program folder copied),
// a factory whose file utilities live there, and scripted answers to the file dialogs.

#include "texts/IFileView.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <memory>
#include <string>

class CDrill_SdiApp;

class CScriptDialogs : public IFileDialogs {
public:
    std::deque<std::string> openAnswers; // empty string: cancelled
    std::deque<std::string> saveAnswers;
    int problems = 0;
    FileProblem lastProblem = FileProblem::CannotOpen;
    std::string lastOpenInitial;

    bool AskOpenPath(const char* initialPath, const char*, std::string& path) override;
    bool AskSavePath(const char*, const char*, const char*, std::string& path) override;
    bool ConfirmOverwrite(const std::vector<std::string>&) override { return true; }
    void ShowFileProblem(FileProblem problem, const char*) override;
    // Results never saved: the answers (Discard when none is left), what was asked and told.
    std::deque<UnsavedAnswer> unsavedAnswers;
    std::vector<std::pair<int, int>> asked; // passes, marked phrases
    std::vector<std::string> keptTold;
    UnsavedAnswer AskUnsavedResults(int passes, int marked) override
    {
        asked.emplace_back(passes, marked);
        const UnsavedAnswer a = unsavedAnswers.empty() ? UnsavedAnswer::Discard : unsavedAnswers.front();
        return unsavedAnswers.empty() ? a : (unsavedAnswers.pop_front(), a);
    }
    void ShowKeptResults(const char* folder) override { keptTold.push_back(folder); }
    std::string folderAnswer; // the folder results are always saved into; empty: cancelled
    bool AskResultsFolder(std::string& folder) override { return !(folder = folderAnswer).empty(); }
    std::vector<std::string> importOutcomes; // what each import was told to have come to
    void ShowImportOutcome(bool, const char* text, const char*) override { importOutcomes.push_back(text); }
    std::vector<std::string> memoryNotices; // the memory's notices told in a message box
    void ShowMemoryNotice(const char* text) override { memoryNotices.push_back(text); }
};

class GuiProgramFolder {
public:
    // made: the shipped phrase files count as made (their makers are not run).
    explicit GuiProgramFolder(bool made = true);
    ~GuiProgramFolder();

    QString Path(const QString& rel) const { return m_Dir.path() + "/" + rel; }
    void Write(const QString& rel, const QByteArray& bytes) const;
    QByteArray Read(const QString& rel) const;
    QByteArray Log() const { return Read("Lexido.log"); }

    // Starts the application over this folder; waits for the main window when asked.
    CDrill_SdiApp& Start(bool waitForMainWindow = true);
    CDrill_SdiApp* App() { return m_App.get(); }
    // Ends the application (the view's destruction uninstalls), ready for the next test.
    void Stop();

    CScriptDialogs dialogs;
    int quitCode = -1;

private:
    QTemporaryDir m_Dir;
    std::unique_ptr<CDrill_SdiApp> m_App;
};

// Triggers the action of a command id by its object name, as a learner's click does.
bool Trigger(int id);
bool IsEnabled(int id);
bool IsChecked(int id);
// The screen text as the paint sees it.
std::string ScreenText();
void SaveShot(QWidget* w, const QString& name);
