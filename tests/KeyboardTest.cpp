#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "engine/CKbrd.h"
#include "engine/CThread.h"
#include "engine/EngineGlobals.h"
#include "engine/IKbrd.h"
#include "engine/IMfcCmmnProc.h"
#include "tests/EngineTest.h"

#include <atomic>
#include <thread>

namespace {
// A worker that waits for one key through the manager, as a program does.
class CKeyWaiter {
public:
    CKeyWaiter()
        : m_Thread([this] {
              m_Result = g_pIKbrd->GetKbHit();
              m_Returned.Set();
          })
    {
    }
    ~CKeyWaiter() { m_Thread.join(); }
    bool Returned(int ms) { return m_Returned.Wait(ms) == 0; }
    int Result() const { return m_Result; }

private:
    plat::CEvent m_Returned;
    std::atomic<int> m_Result{-1};
    std::thread m_Thread;
};
} // namespace

class KeyboardTest : public EngineTest {};

TEST_F(KeyboardTest, ATypedKeyWakesTheWaitAndStaysHitUntilCleared)
{
    EXPECT_EQ(g_pIKbrd->GetKbrdType(), KBRD_TYPE_KEYBOARD);
    EXPECT_EQ(g_pIKbrd->GetKey(), 0); // no key yet
    EXPECT_EQ(g_pIKbrd->IsKeyHit(), 0);
    {
        CKeyWaiter waiter;
        PutKeyWhenWaiting('a');
        ASSERT_TRUE(waiter.Returned(5000));
        EXPECT_EQ(waiter.Result(), 0);
    }
    EXPECT_EQ(g_pIKbrd->GetKey(), 'a');
    EXPECT_NE(g_pIKbrd->IsKeyHit(), 0);
    EXPECT_NE(g_pIKbrd->IsKeyHit(), 0); // reading does not clear it
    g_pIKbrd->ClearKeyHit();
    EXPECT_EQ(g_pIKbrd->IsKeyHit(), 0);
    EXPECT_EQ(g_pIKbrd->GetKey(), 'a');
    g_pIKbrd->PutKey(0x300 | 'b'); // only the low byte is the character
    EXPECT_EQ(g_pIKbrd->GetKey(), 'b');
    g_pIKbrd->ClearKeyHit();
    g_pIKbrd->PutKey(0xE9); // a Western or Cyrillic letter stays its byte
    EXPECT_EQ(static_cast<unsigned char>(g_pIKbrd->GetKey()), 0xE9);
}

TEST_F(KeyboardTest, MouseActionsStandForTheirCharactersAndCancelForEscape)
{
    ASSERT_EQ(g_pIKbrd->SetKbrdType(KBRD_TYPE_MOUSE), 0);
    EXPECT_EQ(g_pIKbrd->GetKbrdType(), KBRD_TYPE_MOUSE);
    g_pIKbrd->PutKey(7); // not a mouse code: repeats the last key, and there was none
    EXPECT_EQ(g_pIKbrd->GetKey(), 0);
    EXPECT_NE(g_pIKbrd->IsKeyHit(), 0);
    const struct {
        int code;
        char key;
    } cases[] = {{2, ' '}, {1, 's'}, {3, '='}, {4, ' '}, {1, 's'}, {'a', 's'}, {27, 27}, {5, 27}};
    for (const auto& c : cases) {
        g_pIKbrd->ClearKeyHit();
        g_pIKbrd->PutKey(c.code);
        EXPECT_EQ(g_pIKbrd->GetKey(), c.key) << "code " << c.code;
        EXPECT_NE(g_pIKbrd->IsKeyHit(), 0);
    }
}

TEST_F(KeyboardTest, KeysDeliveredAheadWaitInOrderUpToTheBound)
{
    for (int i = 0; i <= CKbrd::kQueueSize; ++i) // the key hit and a full queue behind it
        ASSERT_EQ(g_pIKbrd->PutKey('a' + i % 26), 0) << i;
    EXPECT_EQ(g_pIKbrd->PutKey('!'), 1); // refused
    int taken = 0;
    for (; g_pIKbrd->IsKeyHit(); g_pIKbrd->ClearKeyHit())
        ASSERT_EQ(g_pIKbrd->GetKey(), 'a' + taken++ % 26);
    EXPECT_EQ(taken, CKbrd::kQueueSize + 1);
}

TEST_F(KeyboardTest, SwitchingToMouseWhileAWorkerWaitsKeepsItWaitingOnTheNewSource)
{
    CKeyWaiter waiter;
    ASSERT_TRUE(WaitForKeyWait());
    ASSERT_EQ(g_pIKbrd->SetKbrdType(KBRD_TYPE_MOUSE), 0);
    ASSERT_TRUE(WaitForKeyWait()) << "the worker did not wait again on the new source";
    EXPECT_FALSE(waiter.Returned(50));
    EXPECT_EQ(g_pIKbrd->GetKbrdType(), KBRD_TYPE_MOUSE);
    g_pIKbrd->PutKey(1);
    ASSERT_TRUE(waiter.Returned(5000));
    EXPECT_EQ(waiter.Result(), 0);
    EXPECT_EQ(g_pIKbrd->GetKey(), 's');
}

TEST_F(KeyboardTest, ChoosingTheCurrentTypeTouchesNothing)
{
    g_pIKbrd->PutKey('q');
    EXPECT_EQ(g_pIKbrd->SetKbrdType(KBRD_TYPE_KEYBOARD), 0);
    EXPECT_FALSE(g_KbToChgEvent->IsSet());
    EXPECT_FALSE(g_KbChgIsOverEvent->IsSet());
    EXPECT_EQ(g_pIKbrd->GetKey(), 'q'); // the same source

    EXPECT_EQ(g_pIKbrd->SetKbrdType(KBRD_TYPE_MOUSE), 0);
    EXPECT_FALSE(g_KbToChgEvent->IsSet());
    EXPECT_TRUE(g_KbChgIsOverEvent->IsSet());
    EXPECT_EQ(g_pIKbrd->GetKey(), 0); // a new source: the old key went with the old one
    g_KbChgIsOverEvent->Reset();
    EXPECT_EQ(g_pIKbrd->SetKbrdType(KBRD_TYPE_MOUSE), 0);
    EXPECT_FALSE(g_KbChgIsOverEvent->IsSet());
}

TEST_F(KeyboardTest, ChangesInQuickSuccessionNeverLoseAWaitingWorker)
{
    // A change requested just before the worker enters its wait must still reach it; otherwise
    // the change waits for the lock forever and the window thread hangs.
    std::atomic<int> waits{0};
    CFuncThread worker([&] {
        for (;;) {
            g_pIKbrd->GetKbHit();
            ++waits;
            if (g_pIKbrd->GetKey() == KEY_ESCAPE)
                return 0;
        }
    });
    ASSERT_EQ(worker.Start(), 1);
    for (int i = 0; i < 2000; ++i)
        g_pIKbrd->SetKbrdType(i % 2 ? KBRD_TYPE_KEYBOARD : KBRD_TYPE_MOUSE);
    worker.SignalStop();
    EXPECT_EQ(worker.Stop(false), 0);
    EXPECT_EQ(waits, 1); // the changes alone never ended a wait; the stop did
}

TEST_F(KeyboardTest, AStopRequestEndsTheKeyWaitAsEscape)
{
    CFuncThread t([] {
        g_pIKbrd->GetKbHit(); // takes the key put before
        g_pIKbrd->GetKbHit();
        return g_pIKbrd->IsKeyHit() ? g_pIKbrd->GetKey() : -2;
    });
    g_pIKbrd->PutKey('k');
    ASSERT_EQ(t.Start(), 1);
    ASSERT_TRUE(WaitForKeyWait());
    t.SignalStop();
    EXPECT_EQ(t.Stop(false), KEY_ESCAPE);
    // Only the stopped thread saw Escape; the lock was left, a change goes through at once.
    EXPECT_EQ(g_pIKbrd->GetKey(), 'k');
    EXPECT_EQ(g_pIKbrd->SetKbrdType(KBRD_TYPE_MOUSE), 0);
}

TEST_F(KeyboardTest, AWrongTypeIsLoggedAndEndsTheProcess)
{
    EXPECT_EXIT(
        {
            RemoveOwnFolderInDeathChild();
            g_pIKbrd->SetKbrdType(4);
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCKbrd_Main::SetKbrdType(), Error - wrong keyboard type required");
}

TEST_F(KeyboardTest, AManagerWithoutAKeySourceIsLoggedAndEndsTheProcess)
{
    m_pFactory->makeKeySources = false;
    EXPECT_EQ(g_pILsnAFc->Create_IKbrd(2), nullptr);
    EXPECT_EXIT(
        {
            RemoveOwnFolderInDeathChild();
            g_pILsnAFc->Create_IKbrd(1);
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCKbrd_Main::CKbrd_Main(), error, m_pIKbrd  == 0");
}

TEST_F(KeyboardTest, TheFactoryMakesTheManagerAndTheTwoSources)
{
    IKbrd* keyboard = g_pILsnAFc->Create_IKbrd(2);
    IKbrd* mouse = g_pILsnAFc->Create_IKbrd(3);
    ASSERT_NE(keyboard, nullptr);
    ASSERT_NE(mouse, nullptr);
    EXPECT_EQ(keyboard->GetKbrdType(), 2);
    EXPECT_EQ(mouse->GetKbrdType(), 3);
    EXPECT_EQ(keyboard->SetKbrdType(3), 1); // a source cannot change its type
    EXPECT_EQ(g_pILsnAFc->Create_IKbrd(0), nullptr);
    EXPECT_EQ(g_pILsnAFc->Create_IKbrd(4), nullptr);
    delete keyboard;
    delete mouse;
}
