#pragma once
// The batch front-end: the passes over one file with the learner's keys read as bytes from
// standard input, the screen printed at every key wait. A script drives it as a learner would.
// The time-out modes wait for no key: each of their waits takes the script's next byte as the
// key pressed during it, so a script marks the same phrases however short the waits are.

#include "engine/CKbrd.h"
#include "programs/CBsPrgr.h"
#include "texts/IFileView.h"
#include "tty/TtyOptions.h"

#include <atomic>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

namespace tty {

class CTtyBatch : public IFileDialogs, private ITimeOutObserver, private IKeyFeed {
public:
    CTtyBatch(std::FILE* in, std::FILE* out) : m_In(in), m_Out(out) {}
    // The exit code: 0 when the passes ran (a file without phrases, said on standard error,
    // too) and the results were saved as asked, 1 when the file could not be opened, a pass
    // could not start, the results could not be saved or would replace earlier ones without
    // --replace.
    int Run(const Options& options);

    bool AskOpenPath(const char* initialPath, const char* filter, std::string& path) override;
    bool AskSavePath(const char* defaultExt, const char* initialName, const char* filter, std::string& path) override;
    bool ConfirmOverwrite(const std::vector<std::string>& existing) override;
    void ShowFileProblem(FileProblem problem, const char* path) override;

private:
    // On the worker thread, as a time-out wait begins: the screen, then the key of this wait,
    // which is all the wait takes: it lasts no longer.
    bool OnTimeOutWait(int ms) override;
    // On the worker thread, as a key wait would block: the screen, then the key of this wait.
    void FeedKey() override;
    // The screen as the learner sees it, then the key he presses; for either kind of wait.
    void ShowScreenAndPutKey();
    void PrintScreen();
    int NextKey();
    int StartFirstPass(int mode); // 0, or nonzero when the pass could not start
    // The files of the save path's folder named as its results would be (NAME_n.EXT).
    std::vector<std::string> EarlierResults() const;

    std::FILE* m_In;
    std::FILE* m_Out;
    std::string m_OpenPath;
    std::string m_SavePath;
    bool m_Replace = false;
    bool m_Problem = false;
    std::atomic<bool> m_InputEnded{false};
    std::mutex m_ScriptLock; // the script and the printing, shared with the time-out waits
};

} // namespace tty
