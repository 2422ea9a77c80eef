#pragma once
// The engine's fixture: a program folder with the log (logging on) and the settings, the test
// factory, the pass driver, the keyboard manager and the screen bound to a fake view, as
// start-up leaves them. A worker's key waits are observed, so that a key is only delivered
// once the wait that must receive it has begun.

#include "platform/PlatEvent.h"
#include "tests/EngineTestKit.h"
#include "tests/TestProgramFolder.h"

class EngineTest : public ProgramFolderTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // True once a key wait has begun since the last call (at most ms).
    bool WaitForKeyWait(int ms = 5000);
    // Waits for the next key wait, then delivers code.
    void PutKeyWhenWaiting(int code);
    void SetSetting(const char* section, const char* parameter, int value);
    std::string ScreenText();

    // A death test's child runs the test afresh in a folder of its own but writes its log to the
    // parent's folder, where the parent reads it; the child's own folder is removed by this.
    void RemoveOwnFolderInDeathChild();

    CTestFactory* m_pFactory = nullptr;
    CFakeView m_View;
    plat::CEvent m_KeyWait;
    std::string m_LogDir;
};

// A death test of a worker that ends the process (status 1): the window thread goes on
// running meanwhile, as it would.
#define EXPECT_WORKER_EXITS_WITH_1(statement)                                                      \
    EXPECT_EXIT(                                                                                   \
        {                                                                                          \
            RemoveOwnFolderInDeathChild();                                                         \
            statement;                                                                             \
            for (;;)                                                                               \
                plat::Sleep(1);                                                                    \
        },                                                                                         \
        ::testing::ExitedWithCode(1), "")
