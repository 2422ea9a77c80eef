#pragma once
// The interactive front-end: the screen text full-screen, a status line, and keys for what the
// window's commands do. Keys that are no command go to the running pass, as typed characters
// reach it in the window.

#include "engine/PassNote.h"
#include "settings/SpeechCue.h"
#include "speech/Speaker.h"
#include "texts/IFileView.h"
#include "tty/CTtyTerminal.h"
#include "tty/TtyOptions.h"

#include <memory>
#include <string>
#include <vector>

namespace tty {

class CTtyView;

class CTtyApp : public IFileDialogs {
public:
    // The exit code; false from Enter of the terminal is handled by the caller.
    int Run(const Options& options);

    bool AskOpenPath(const char* initialPath, const char* filter, std::string& path) override;
    bool AskSavePath(const char* defaultExt, const char* initialName, const char* filter, std::string& path) override;
    bool ConfirmOverwrite(const std::vector<std::string>& existing) override;
    void ShowFileProblem(FileProblem problem, const char* path) override;
    UnsavedAnswer AskUnsavedResults(int passes, int marked) override;
    bool AskResultsFolder(std::string& folder) override;
    void ShowKeptResults(const char* folder) override;

    CTtyTerminal& Terminal() { return m_Term; }
    // What says the texts; unset, eSpeak NG into the sound server, made at the first text.
    void SetSpeaker(std::unique_ptr<speech::ISpeaker> speaker) { m_Voice.Set(std::move(speaker)); }

private:
    void Render();
    std::string StatusLine(int cols);
    // The keys of the mode when a pass begins, its summary when it ends, on the message line.
    void FollowPass();
    void HandleKey(const Key& key);
    void PassKey(const std::string& text);
    // One line of input on the bottom row; false when the learner cancels with Escape.
    bool Prompt(const std::string& label, std::string& value);
    // A numbered list over the screen; false when cancelled.
    bool Choose(const std::string& title, const std::vector<std::string>& items, int& choice);
    void ShowKeys();
    void Say(const std::string& message) { m_Message = message; }
    // The interface text of index in UTF-8, its %1 filled with value (file system bytes).
    static std::string Text(int index, const std::string& value = std::string());
    // Ctrl+S: Save Results As, then what was saved where, or that there is nothing to save.
    void SaveResults();
    // Runs a command that is enabled, or says why nothing happens. A command that empties the
    // results folder asks first about results never saved.
    void Run(bool enabled, int (*command)(), const char* what, bool dropsResults = false);
    // Scroll codes as the window's scroll bar gives them: over a running pass's screen, or
    // else over the opened file.
    void Scroll(int code);
    void ChooseMode();
    void OpenPhraseBook();
    // F4 says the text revealed last; after each frame, what the Speech options say of it.
    void Speak(const spch::SSaying& saying);
    static std::string ScreenBytes();
    static std::unique_ptr<speech::ISpeaker> MakeSpeaker();
    // Takes the queued messages; true when the program is asked to close.
    bool TakeMessages();

    CTtyTerminal m_Term;
    CTtyView* m_pView = nullptr;
    std::string m_Message;
    std::string m_Started; // the command said last, which a pass it starts names with its keys
    int m_LegendPass = 0;  // the serial of the pass whose keys were said
    EPassNote m_Note = EPassNote::None; // the note said with them
    int m_SummaryPass = 0; // the serial of the pass whose summary was said
    std::string m_Overlay; // drawn over the screen text while a list or the keys are shown
    long m_OverlayFirst = 0; // the first line of the overlay shown, as it is scrolled
    bool m_Welcome = false; // the last frame showed the welcome page: its number keys work
    bool m_Quit = false;
    bool m_LearnerQuit = false; // Ctrl+Q or Ctrl+C, answered: nothing is kept at the end
    std::string m_CountedFile; // the file whose phrases m_Phrases counts
    int m_CountedPass = -1;
    long m_Phrases = 0;
    // How many lines a running pass's screen is shown above its end; 0 keeps the end in sight.
    long m_PassBack = 0;
    std::string m_SavedAs;      // the name Save Results As was given last
    bool m_SaveRefused = false; // the save was declined or failed, and said
    spch::CSpeechVoice m_Voice{[] { return MakeSpeaker(); }};
    spch::CSpeechCue m_SpeechCue;
};

} // namespace tty
