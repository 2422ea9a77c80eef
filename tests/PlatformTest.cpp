#include "platform/PlatEvent.h"
#include "platform/PlatFs.h"
#include "platform/PlatTextFile.h"
#include "tests/TestProgramFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace std::chrono;

TEST(Event, ManualResetStaysSetUntilReset)
{
    plat::CEvent e;
    EXPECT_FALSE(e.IsSet());
    EXPECT_EQ(e.Wait(0), plat::kWaitTimeout);
    e.Set();
    EXPECT_EQ(e.Wait(0), 0);
    EXPECT_EQ(e.Wait(), 0); // still set: a manual-reset event releases every wait
    e.Reset();
    EXPECT_EQ(e.Wait(10), plat::kWaitTimeout);
}

TEST(Event, WaitAnyTellsWhichFiredAndPrefersTheFirst)
{
    plat::CEvent a, b;
    EXPECT_EQ(plat::CEvent::WaitAny(a, b, 5), plat::kWaitTimeout);
    b.Set();
    EXPECT_EQ(plat::CEvent::WaitAny(a, b, 0), 1);
    a.Set();
    EXPECT_EQ(plat::CEvent::WaitAny(a, b, 0), 0);
}

TEST(Event, WaitAnyOfSeveralSkipsMissingEventsAndPrefersTheLowest)
{
    plat::CEvent a, b, c;
    plat::CEvent* events[] = {&a, nullptr, &b, &c};
    EXPECT_EQ(plat::CEvent::WaitAny(events, 4, 5), plat::kWaitTimeout);
    c.Set();
    EXPECT_EQ(plat::CEvent::WaitAny(events, 4, 0), 3);
    a.Set();
    EXPECT_EQ(plat::CEvent::WaitAny(events, 4), 0);
    a.Reset();
    c.Reset();
    std::thread t([&] {
        std::this_thread::sleep_for(milliseconds(20));
        b.Set();
    });
    EXPECT_EQ(plat::CEvent::WaitAny(events, 4), 2);
    t.join();
    EXPECT_EQ(plat::CEvent::WaitAny(events, 2, 0), plat::kWaitTimeout); // b lies beyond the first two
}

TEST(Event, SetFromAnotherThreadWakesAnInfiniteWait)
{
    plat::CEvent a, b;
    std::thread t([&] {
        std::this_thread::sleep_for(milliseconds(20));
        b.Set();
    });
    EXPECT_EQ(plat::CEvent::WaitAny(a, b), 1);
    t.join();
}

// More threads wait than there are waiting places: each is woken by its own event, in any order,
// and an event set again (already set) is no wake-up lost.
TEST(Event, ManyThreadsEachWokenByItsOwnEvent)
{
    constexpr int kThreads = 48;
    std::vector<std::unique_ptr<plat::CEvent>> events;
    std::atomic<int> woken{0};
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i)
        events.push_back(std::make_unique<plat::CEvent>());
    for (int i = 0; i < kThreads; ++i)
        threads.emplace_back([&, i] {
            if (events[i]->Wait(10000) == 0)
                ++woken;
        });
    std::this_thread::sleep_for(milliseconds(20));
    for (int i = kThreads; i-- > 0;) {
        events[i]->Set();
        events[i]->Set();
    }
    for (std::thread& t : threads)
        t.join();
    EXPECT_EQ(kThreads, woken.load());
}

TEST(Event, StopCutsASleepShort)
{
    plat::CEvent stop;
    std::thread t([&] {
        std::this_thread::sleep_for(milliseconds(20));
        stop.Set();
    });
    const auto t0 = steady_clock::now();
    EXPECT_TRUE(plat::SleepUnless(stop, 10000));
    EXPECT_LT(steady_clock::now() - t0, seconds(5));
    t.join();
    plat::CEvent never;
    EXPECT_FALSE(plat::SleepUnless(never, 1));
}

TEST(Pattern, WildcardsMatchWithoutCase)
{
    EXPECT_TRUE(plat::MatchPattern("*.cfg", "Gnrl.cfg"));
    EXPECT_TRUE(plat::MatchPattern("*.cfg", "GNRL.CFG"));
    EXPECT_FALSE(plat::MatchPattern("*.cfg", "Gnrl.cfg.tmp"));
    EXPECT_FALSE(plat::MatchPattern("*.cfg", "cfg"));
    EXPECT_TRUE(plat::MatchPattern("*.*", "no_dot"));
    EXPECT_TRUE(plat::MatchPattern("a?c*", "abcdef"));
    EXPECT_TRUE(plat::MatchPattern("*b*b", "abab"));
    EXPECT_FALSE(plat::MatchPattern("*b*b", "abba_"));
}

class DirTest : public ProgramFolderTest {};

TEST_F(DirTest, ListingIsSortedByNameAndSkipsDotEntries)
{
    WriteFile("d/02 At the hotel.mix", "x");
    WriteFile("d/10 Travel.mix", "x");
    WriteFile("d/01 Food and drink.mix", "x");
    WriteFile("d/b.txt", "x");
    WriteFile("d/A.mix", "x");
    std::vector<std::string> names;
    ASSERT_TRUE(plat::ListDir("d", "*.mix", names));
    EXPECT_EQ(names, (std::vector<std::string>{"01 Food and drink.mix", "02 At the hotel.mix", "10 Travel.mix", "A.mix"}));
    names.clear();
    ASSERT_TRUE(plat::ListDir("d/", "*.*", names));
    EXPECT_EQ(names.size(), 5u);
    EXPECT_FALSE(plat::ListDir("no such folder", "*", names));
}

TEST_F(DirTest, AtomicWriteReplacesWholeOrLeavesTheOldFile)
{
    WriteFile("f.cfg", "old contents");
    ASSERT_TRUE(plat::WriteFileAtomic(Path("f.cfg"), "new"));
    EXPECT_EQ(ReadFile("f.cfg"), "new");

    plat::SetWriteBudgetForTests(2); // the disk fills after two bytes
    EXPECT_FALSE(plat::WriteFileAtomic(Path("f.cfg"), "longer new contents"));
    plat::SetWriteBudgetForTests(-1);
    EXPECT_EQ(ReadFile("f.cfg"), "new");
    EXPECT_FALSE(plat::FileExists(Path("f.cfg.tmp")));

    EXPECT_FALSE(plat::WriteFileAtomic(Path("no/such/folder/f.cfg"), "x"));

    // A crash's leftover, then a link planted at the temporary name: never written through.
    WriteFile("victim", "keep");
    WriteFile("f.cfg.tmp", "leftover");
    ASSERT_TRUE(plat::WriteFileAtomic(Path("f.cfg"), "one"));
    ASSERT_EQ(symlink(Path("victim").c_str(), Path("f.cfg.tmp").c_str()), 0);
    ASSERT_TRUE(plat::WriteFileAtomic(Path("f.cfg"), "two"));
    EXPECT_EQ(ReadFile("f.cfg") + ReadFile("victim"), "twokeep");
}

TEST_F(DirTest, CrashInTheMiddleOfAWriteLeavesTheOldFile)
{
    WriteFile("f.cfg", "old contents");
    EXPECT_EXIT(
        {
            plat::SetCrashOnBudgetForTests(7);
            plat::SetWriteBudgetForTests(3);
            plat::WriteFileAtomic(Path("f.cfg"), "new contents that never land");
        },
        ::testing::ExitedWithCode(7), "");
    EXPECT_EQ(ReadFile("f.cfg"), "old contents");
}

// Every block size meets the block's edge somewhere: in a CR LF, after a lone CR, at the end.
// Block 0 stands for the same bytes read in place in memory.
TEST_F(DirTest, TextReaderTurnsCrLfIntoOneLineEndAndKeepsByteOffsets)
{
    const std::string bytes("a\r\nb\rc\r\n\r\n\xff", 11);
    WriteFile("t.txt", bytes);
    for (std::size_t block : {std::size_t{2}, std::size_t{3}, std::size_t{5}, plat::CTextReader::kBlock, std::size_t{0}}) {
        SCOPED_TRACE(block);
        plat::CTextReader r(block);
        ASSERT_TRUE(block ? r.Open(Path("t.txt")) : r.Open(bytes.data(), bytes.size()));
        EXPECT_EQ(r.GetC(), 'a');
        EXPECT_EQ(r.Tell(), 1);
        EXPECT_EQ(r.GetC(), '\n');
        EXPECT_EQ(r.Tell(), 3); // both bytes consumed
        EXPECT_EQ(r.GetC(), 'b');
        ASSERT_TRUE(r.Seek(r.Tell() - 1)); // a step back over one byte
        EXPECT_EQ(r.GetC(), 'b');
        EXPECT_EQ(r.GetC(), '\r'); // a lone CR is an ordinary character
        ASSERT_TRUE(r.Seek(r.Tell() - 1)); // a step back over it, the next byte read ahead
        EXPECT_EQ(r.GetC(), '\r');
        EXPECT_EQ(r.GetC(), 'c');
        const long before = r.Tell();
        EXPECT_EQ(r.GetC(), '\n');
        ASSERT_TRUE(r.Seek(before));
        EXPECT_EQ(r.GetC(), '\n'); // seeking back reads the same line end again
        EXPECT_EQ(r.GetC(), '\n');
        EXPECT_EQ(r.GetC(), 0xFF); // byte 255 is a character, not the end
        EXPECT_FALSE(r.Eof());
        EXPECT_EQ(r.GetC(), EOF);
        EXPECT_TRUE(r.Eof());
        ASSERT_TRUE(r.Seek(r.Tell())); // where the end was found: the end again
        EXPECT_FALSE(r.Eof());
        EXPECT_EQ(r.GetC(), EOF);
        ASSERT_TRUE(r.Seek(40)); // past the end: the end
        EXPECT_EQ(r.Tell(), 40);
        EXPECT_EQ(r.GetC(), EOF);
        EXPECT_FALSE(r.Seek(-1));
        ASSERT_TRUE(r.Seek(0));
        EXPECT_FALSE(r.Eof());
        EXPECT_EQ(r.GetC(), 'a');
    }
}

TEST_F(DirTest, TextReaderKeepsACrAtTheVeryEnd)
{
    WriteFile("t.txt", "x\r");
    for (std::size_t block : {std::size_t{2}, plat::CTextReader::kBlock}) {
        plat::CTextReader r(block);
        ASSERT_TRUE(r.Open(Path("t.txt")));
        EXPECT_EQ(r.GetC(), 'x');
        EXPECT_EQ(r.GetC(), '\r');
        EXPECT_FALSE(r.Eof());
        EXPECT_EQ(r.GetC(), EOF);
        EXPECT_TRUE(r.Eof());
    }
}

TEST_F(DirTest, AppendAndTruncate)
{
    ASSERT_TRUE(plat::TruncateFile(Path("l.log")));
    EXPECT_TRUE(plat::AppendText(Path("l.log"), "\none"));
    EXPECT_TRUE(plat::AppendText(Path("l.log"), "\ntwo"));
    EXPECT_EQ(ReadFile("l.log"), "\none\ntwo");
    ASSERT_TRUE(plat::TruncateFile(Path("l.log")));
    EXPECT_EQ(ReadFile("l.log"), "");
    EXPECT_FALSE(plat::AppendText(Path("missing/l.log"), "x"));
}

TEST(Paths, SeparatorsAndProgramFolder)
{
    EXPECT_EQ(plat::NormalizeSeparators("Settings\\Help\\English\\"), "Settings/Help/English/");
    const std::string exe = plat::ExeDir();
    ASSERT_FALSE(exe.empty());
    EXPECT_NE(exe.back(), '/');
    EXPECT_TRUE(plat::IsDirectory(exe));
}
