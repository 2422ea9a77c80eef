#pragma once
// Passes of the real training programs on the real worker thread: the file utilities and the
// iteration service over the test's program folder, a phrase file opened as the Open command
// opens it, and a key feeder that delivers each scripted key once the worker waits for it.
// Time-out programs get their keys inside chosen waits through the time-out observer.

#include "programs/CBsPrgr.h"
#include "tests/EngineTest.h"
#include "tests/FileTestSupport.h"

#include <map>
#include <mutex>
#include <string>
#include <vector>

class CUtltsFile;

constexpr char ESC = 27;
constexpr char ENTER = 13;

// Puts a scripted key at the start of chosen time-out waits (numbered from 0 over the pass)
// and records the length of every wait. Called on the worker thread.
class CTimeOutScript : public ITimeOutObserver {
public:
    bool OnTimeOutWait(int ms) override;
    void KeyAt(int wait, char key) { m_Keys[wait] = std::string(1, key); }
    void KeysAt(int wait, const std::string& keys) { m_Keys[wait] = keys; }
    std::vector<int> Waits();
    // The screen text as it stood when each wait began.
    std::vector<std::string> Screens();

private:
    std::mutex m_Lock;
    std::map<int, std::string> m_Keys;
    std::vector<int> m_Waits;
    std::vector<std::string> m_Screens;
};

class ProgramTest : public EngineTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the phrase file (below the program folder) and opens it: status 1.
    void Open(const std::string& rel, const std::string& bytes);
    // First Iteration (or the Add Brackets command for modes 9 and 10): back to the opened file,
    // then a pass of the mode in the direction.
    void FirstIteration(int mode, int direction = 0);
    // Next Iteration: a pass over the last results.
    void NextIteration(int mode, int direction = 0);
    // Feeds the keys one by one, each once the worker waits, and then waits for the end of the
    // pass. Returns the screen text as it stood at each key wait: [i] is what the learner saw
    // when he pressed keys[i]. Fails the test if the pass wants fewer or more keys.
    std::vector<std::string> Keys(const std::string& keys);
    // Waits for the end of a pass that needs no key (time-out programs), at most ms.
    void WaitForEnd(int ms = 10000);
    int Status();
    // Empties the log that the parent reads (also from a death test's child).
    void EmptyLog();
    // The results file of pass n of the opened file, empty when there is none.
    std::string Results(int n);
    bool HasResults(int n);
    std::string ResultsName(int n);

    CUtltsFile* m_pFiles = nullptr;
    FakeFileView m_FileView;
    CTimeOutScript m_TimeOuts;
    std::string m_OpenedRel;

private:
    void Start(int mode, int direction);
};

// The screen after the question: the question, the separator line, and what follows.
std::string Shown(const std::string& question, const std::string& rest);
