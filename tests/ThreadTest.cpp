#include "engine/CThread.h"
#include "tests/EngineTest.h"

#include <atomic>
#include <chrono>
#include <thread>

using namespace std::chrono;

namespace {
class CRefusingThread : public CFuncThread {
public:
    using CFuncThread::CFuncThread;
    int OnStart() override { return 0; }
};

milliseconds Since(steady_clock::time_point t0)
{
    return duration_cast<milliseconds>(steady_clock::now() - t0);
}
} // namespace

class ThreadTest : public EngineTest {};

TEST_F(ThreadTest, StartsOnceAndStopGivesTheExitCode)
{
    std::atomic<int> runs{0};
    CFuncThread t([&] { ++runs; return 7; });
    EXPECT_EQ(t.Stop(false), -1); // no thread yet
    EXPECT_EQ(t.Start(), 1);
    EXPECT_EQ(t.Start(), 0); // it has a thread already
    EXPECT_EQ(t.Stop(false), 7);
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(t.IsActive());
    EXPECT_EQ(t.Stop(false), -1); // the handle was released

    std::atomic<int> refusedRuns{0};
    CRefusingThread refused([&] { ++refusedRuns; return 1; });
    EXPECT_EQ(refused.Start(), 0);
    EXPECT_EQ(refused.Stop(false), -1);
    EXPECT_EQ(refusedRuns, 0);
}

TEST_F(ThreadTest, StopWakesASleepOfTheThreadAtOnce)
{
    CFuncThread t([] { return CThread::SleepUnlessStopped(10000) ? 1 : 0; });
    ASSERT_EQ(t.Start(), 1);
    const auto t0 = steady_clock::now();
    t.SignalStop();
    EXPECT_EQ(t.Stop(false), 1); // the sleep was cut short
    EXPECT_LT(Since(t0), milliseconds(CThread::kGraceMs));
}

TEST_F(ThreadTest, AThreadBusyBeyondTheGracePeriodIsWaitedForNotAbandoned)
{
    std::atomic<int> finished{0};
    CFuncThread t([&] {
        CThread::StopEventHere()->Wait();
        plat::Sleep(CThread::kGraceMs + 150); // e.g. storing the results of a long pass
        finished = 1;
        return 5;
    });
    ASSERT_EQ(t.Start(), 1);
    t.SignalStop();
    EXPECT_EQ(t.Stop(false), 5);
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(Log(), "\nCThread::Stop(), thread still active after the grace period, waiting for its end");
}

TEST_F(ThreadTest, StopWithoutWaitingKeepsARunningThreadUntilItEnds)
{
    plat::CEvent release;
    CFuncThread t([&] {
        release.Wait();
        return 3;
    });
    ASSERT_EQ(t.Start(), 1);
    EXPECT_EQ(t.Stop(true), CThread::kStillActive);
    EXPECT_TRUE(t.IsActive());
    EXPECT_EQ(t.Start(), 0); // still owns its thread
    release.Set();
    EXPECT_EQ(t.Stop(false), 3);
}

TEST_F(ThreadTest, ASuspendedThreadRunsOnlyOnceReleasedByTheStopRequest)
{
    std::atomic<int> ran{0};
    CFuncThread t(
        [&] {
            ran = 1;
            return CThread::IsStopRequestedHere() ? 2 : 0;
        },
        true);
    ASSERT_EQ(t.Start(), 1);
    plat::Sleep(30);
    EXPECT_EQ(ran, 0);
    EXPECT_TRUE(t.IsActive());
    t.SignalStop();
    EXPECT_EQ(t.Stop(false), 2);
    EXPECT_EQ(ran, 1);
}

TEST_F(ThreadTest, OtherThreadsHaveNoStopEventAndSleepInFull)
{
    EXPECT_EQ(CThread::StopEventHere(), nullptr);
    EXPECT_FALSE(CThread::IsStopRequestedHere());
    const auto t0 = steady_clock::now();
    EXPECT_FALSE(CThread::SleepUnlessStopped(20));
    EXPECT_GE(Since(t0), milliseconds(20));
}

TEST_F(ThreadTest, TheDestructorStopsARunningThreadBeforeTheObjectGoes)
{
    std::atomic<int> ended{0};
    {
        CFuncThread t([&] {
            CThread::StopEventHere()->Wait();
            ended = 1;
            return 0;
        });
        ASSERT_EQ(t.Start(), 1);
    }
    EXPECT_EQ(ended, 1);
}
