#pragma once
// What the engine's tests and its benchmark drive passes with: a training program that waits
// for keys (or sleeps through time-outs) and echoes them, the journal it keeps, a factory that
// makes it, and a view that records repaint requests and answers fixed font metrics.

#include "engine/CThread.h"
#include "engine/IScrnView.h"
#include "platform/PlatEvent.h"
#include "platform/PlatWindow.h"
#include "programs/IBsPrgr.h"
#include "settings/CLsnAFc.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

// The test programs' record of what happened, in order; shared with the worker thread.
class CPassJournal {
public:
    void Add(const std::string& event);
    std::vector<std::string> Events();
    // Blocks until event has been recorded `times` times, at most ms; true if it was.
    bool WaitFor(const std::string& event, int times = 1, int ms = 5000);
    void Clear();

private:
    std::mutex m_Lock;
    std::condition_variable m_Added;
    std::vector<std::string> m_Events;
};

// Key mode (sleepMs 0): waits for a key, records it, ends on Escape, otherwise echoes it at
// the start of the screen. Time-out mode: sleeps sleepMs between looks at the last key, as the
// time-out programs do, and ends on Escape.
class CTestPrgr : public IBsPrgr {
public:
    CTestPrgr(int number, CPassJournal* journal, int sleepMs);
    ~CTestPrgr() override;
    int ClearScreen() override;
    int Init() override { return 0; }
    int Run() override;
    int SetTimeOut(int ms) override;
    int WaitTimeOut() override;
    int TypeDicFromFile() override { return TypeDicOrBackDicFromFile(0); }
    int TypeBackDicFromFile() override { return TypeDicOrBackDicFromFile(1); }
    int TypeDicOrBackDicFromFile(int DicOrBackDicInd) override;
    int ProcessKey() override;
    int SetBackDic() override;
    int SetDic() override;
    int GetDicOrBackDicInd() override { return m_DicOrBackDicInd; }
    int Finish() override;
    int CompareStr(const char* a, const char* b) override;
    int Reserved1(int) override { return 0; }
    int Reserved2(int) override { return 0; }
    int Reserved3(int) override { return 0; }

private:
    int m_Number;
    CPassJournal* m_pJournal;
    int m_TimeOut;
    int m_DicOrBackDicInd = 0;
};

class CTestFactory : public CLsnAFc {
public:
    IBsPrgr* Create_IBsPrgr(int mode) override;

    CPassJournal journal;
    int sleepMs = 0;         // > 0 makes time-out programs
    bool makePrograms = true; // false: no program can be made
    bool realPrograms = false; // true: the system's own training programs
    bool makeStrings = true;   // false: no string object can be made
    IPrStr* Create_IPrStr() override;
    IScrnStr* Create_IScrnStr() override;
    bool makeKeySources = true; // false: no key source can be made
    IKbrd* Create_IKbrd(int type) override;
};

// The view as the screen object sees it; repaint requests are counted and time-stamped, and
// each sets `repainted`.
class CFakeView : public IScrnView, public plat::IWindow {
public:
    plat::IWindow* GetWindow() override { return this; }
    int GetLineHeight() override { return 19; } // 17 pixels of font and 2 of external leading
    int GetCharWidth(char c) override { return c == 'i' ? 4 : 10; }
    void PostMsg(int) override {}
    void Invalidate() override;

    std::atomic<int> repaints{0};
    std::atomic<std::chrono::steady_clock::rep> lastRepaint{0};
    plat::CEvent repainted;
};

// A thread object that runs the given body.
class CFuncThread : public CThread {
public:
    explicit CFuncThread(std::function<int()> body, bool suspended = false)
        : CThread(suspended, 0), m_Body(std::move(body))
    {
    }
    ~CFuncThread() override { EndThread(); }
    int ThreadFunc() override { return m_Body(); }

private:
    std::function<int()> m_Body;
};
