#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "platform/PlatEvent.h"
#include "platform/PlatWindow.h"
#include "settings/CLsnAFc.h"
#include "tests/TestProgramFolder.h"
#include "title/CTitlePctr.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>

using namespace std::chrono;

namespace {
struct FakeHeadBand : IHeadBandWnd {
    plat::CEvent closed;
    steady_clock::time_point at;
    void PostClose() override
    {
        at = steady_clock::now();
        closed.Set();
    }
};

struct FakeMaker : IHeadBandMaker {
    FakeHeadBand band;
    int made = 0;
    IHeadBandWnd* MakeHeadBand() override
    {
        ++made;
        return &band;
    }
};

struct RecordingWindow : plat::IWindow {
    std::mutex m;
    std::vector<int> posted;
    void PostMsg(int msg) override
    {
        std::lock_guard<std::mutex> lk(m);
        posted.push_back(msg);
    }
    void Invalidate() override {}
};

struct NoTimerFactory : CLsnAFc {
    CThread* Create_CThread_TtlTimeOut(int) override { return nullptr; }
};
} // namespace

class TitleTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        MakeLog();
        g_pIHeadBandMaker = &m_Maker;
        g_hWndView = &m_View;
    }
    void TearDown() override
    {
        delete g_pITitlePctr;
        g_pITitlePctr = nullptr;
        g_pIHeadBandMaker = nullptr;
        ProgramFolderTest::TearDown();
    }
    FakeMaker m_Maker;
    RecordingWindow m_View;
};

TEST_F(TitleTest, OnlyTheStaticPictureAndTimerZeroAreMade)
{
    EXPECT_EQ(g_pILsnAFc->Create_ITitlePctr(0), nullptr);
    EXPECT_EQ(g_pILsnAFc->Create_ITitlePctr(2), nullptr);
    EXPECT_EQ(g_pILsnAFc->Create_CThread_TtlTimeOut(1), nullptr);
    std::unique_ptr<ITitlePctr> t(g_pILsnAFc->Create_ITitlePctr(1));
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->Init(g_pILsnAFc, 3000, 100), 0);
    EXPECT_EQ(t->GetHeadBandWnd(), nullptr);
}

TEST_F(TitleTest, TheWindowClosesTwoSecondsAfterTheStart)
{
    g_pITitlePctr = g_pILsnAFc->Create_ITitlePctr(1);
    ASSERT_EQ(g_pITitlePctr->CreateHeadBand(), 0);
    EXPECT_EQ(g_pITitlePctr->GetHeadBandWnd(), &m_Maker.band);
    const auto start = steady_clock::now();
    ASSERT_EQ(g_pITitlePctr->DrawMovie(), 0);
    EXPECT_FALSE(m_Maker.band.closed.IsSet());
    ASSERT_EQ(m_Maker.band.closed.Wait(10000), 0);
    EXPECT_GE(m_Maker.band.at - start, milliseconds(CThread_TtlTimeOut::kShowMs));
    EXPECT_EQ(Log(), "");
}

TEST_F(TitleTest, WithoutATimerTheProgramIsAskedToShutDown)
{
    delete g_pILsnAFc;
    g_pILsnAFc = new NoTimerFactory;
    g_pITitlePctr = g_pILsnAFc->Create_ITitlePctr(1);
    g_pITitlePctr->CreateHeadBand();
    EXPECT_EQ(g_pITitlePctr->DrawMovie(), 0);
    EXPECT_EQ(Log(), "\nCTitlePctr_Static::DrawMovie(), error, m_pCThrd_TtlTimeOut  == 0");
    EXPECT_EQ(m_View.posted, std::vector<int>{WM_DEINSTALL_ALL});
    EXPECT_FALSE(m_Maker.band.closed.IsSet());
}

TEST_F(TitleTest, WithoutATitleWindowTheStartEnds)
{
    g_pIHeadBandMaker = nullptr;
    std::unique_ptr<ITitlePctr> t(g_pILsnAFc->Create_ITitlePctr(1));
    EXPECT_EXIT(t->CreateHeadBand(), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCTitlePctr::DrawMovie(), error, l_pCHeadBand == 0");
}

TEST_F(TitleTest, ShuttingDownDuringTheTwoSecondsClosesTheTitleAtOnce)
{
    g_pITitlePctr = g_pILsnAFc->Create_ITitlePctr(1);
    g_pITitlePctr->CreateHeadBand();
    g_pITitlePctr->DrawMovie();
    const auto start = steady_clock::now();
    delete g_pITitlePctr; // stops the timer thread
    g_pITitlePctr = nullptr;
    EXPECT_LT(steady_clock::now() - start, milliseconds(1500));
}

// Without its timer the title would stay up and the window hidden: it closes at once.
TEST_F(TitleTest, ATimerThatCannotStartClosesTheTitleAtOnce)
{
    g_pITitlePctr = g_pILsnAFc->Create_ITitlePctr(1);
    g_pITitlePctr->CreateHeadBand();
    CThread::RefuseStartsForTests(true);
    g_pITitlePctr->DrawMovie();
    CThread::RefuseStartsForTests(false);
    EXPECT_TRUE(m_Maker.band.closed.IsSet());
    EXPECT_EQ(Log(), "\nCTitlePctr_Static::DrawMovie(), error, the timer's thread could not start");
}
