// The memory across days as passes feed it: the grade each mode's keys give a phrase, the card
// a phrase is whatever its file's coding, the source its reviews keep, Review Due, the old
// history imported once, and a database that cannot take the reviews.
#include "engine/DrillCommands.h"
#include "engine/EngineGlobals.h"
#include "engine/IMfcCmmnProc.h"
#include "engine/MemoryKeeper.h"
#include "memory/Fsrs.h"
#include "memory/MemoryDb.h"
#include "platform/PlatFs.h"
#include "tests/ProgramTest.h"
#include "texts/CUtltsFile.h"
#include "texts/PhraseList.h"

#include <cstdlib>

namespace {
long long s_Now = 1765000000; // 2025-12-06, 05:46 UTC
long long TestClock()
{
    return s_Now;
}
} // namespace

class MemoryPassTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        s_Now = 1765000000;
        keeper::SetClock(&TestClock);
        keeper::SetPhraseLister(&ListCardTexts);
        keeper::Open(m_Dir, 90);
        ASSERT_TRUE(keeper::IsOpen());
        for (const char* s : {"To_InWh", "To_WbW", "AddBrTo"})
            SetSetting(s, "TimeOut", 1);
    }
    void TearDown() override
    {
        ProgramTest::TearDown(); // the last pass's reviews are written as it retires
        keeper::Close();
        keeper::SetClock(nullptr);
    }
    // The grades of the phrases "A".."C" in direction 0, read from their cards after one pass
    // each: 'A' Again, 'G' Good, '-' never reviewed.
    static std::string Grades(const std::string& seconds = "abc")
    {
        memory::CMemoryDb db;
        keeper::Close(); // the keeper's database is read through a second connection
        EXPECT_NE(db.Open(kDbPath).status, memory::EOpen::kFailed);
        std::string grades;
        for (std::size_t i = 0; i < seconds.size(); ++i) {
            memory::SCardState card;
            const std::string one(1, static_cast<char>('A' + i)), two(1, seconds[i]);
            if (!db.FindCard(one, two, 0, card))
                grades += '-';
            else
                grades +=
                    card.stability == memory::FirstState(memory::kAgain, memory::DefaultParams()).stability ? 'A' : 'G';
        }
        return grades;
    }
    static memory::SCardState Card(const std::string& one, const std::string& two, int direction = 0)
    {
        memory::SCardState card;
        EXPECT_TRUE(keeper::IsOpen());
        memory::CMemoryDb db;
        db.Open(kDbPath);
        EXPECT_TRUE(db.FindCard(one, two, direction, card)) << one;
        return card;
    }
    static std::string kDbPath;
};
std::string MemoryPassTest::kDbPath;

// Keys per mode over the phrases A, B, C: in the paced modes A is marked, B shown to its end,
// and Escape stops the pass on C before its verdict; a second row takes A's mark back with
// Backspace. The time-out modes get their keys by wait ("." none; three waits a phrase).
TEST_F(MemoryPassTest, EachModeGradesTheVerdictsItGaveAndNothingElse)
{
    const struct {
        int mode;
        std::string keys;
        bool timed;
        bool brackets;
        std::string grades;
    } cases[] = {
        {0, " xxx\x1b", false, false, "AG-"},
        {0, " x\bxxxx", false, false, "GGG"},
        {1, " xxx\x1b", false, false, "AG-"},
        {2, " xbx\x1b", false, false, "AG-"},
        {2, " \bxbxcx", false, false, "GGG"},
        {3, " .....\x1b", true, false, "AG-"},
        {3, " ..\b", true, false, "GGG"},
        {4, " .....\x1b", true, false, "AG-"},
        {5, " kb\rk\x1b", false, true, "AG-"},
        {6, " kbk\x1b", false, true, "AG-"},
        {7, "kk", false, false, "---"},
        {8, "kk", false, false, "---"},
        {9, "x xxxx", false, false, "---"},
        {10, "", true, false, "---"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        kDbPath = Path(keeper::kFileName);
        keeper::Close();
        std::remove(kDbPath.c_str());
        keeper::Open(m_Dir, 90);
        Open("Lesson.mix", c.brackets ? "*A\n=<a>\n*B\n=<b>\n*C\n=<c>\n" : "*A\n=a\n*B\n=b\n*C\n=c\n");
        const std::size_t waits = m_TimeOuts.Waits().size();
        for (std::size_t i = 0; c.timed && i < c.keys.size(); ++i)
            if (c.keys[i] != '.')
                m_TimeOuts.KeyAt(static_cast<int>(waits + i), c.keys[i]);
        FirstIteration(c.mode);
        if (c.timed)
            WaitForEnd();
        else
            Keys(c.keys);
        g_pIMfcCmmnProc->RetirePass();
        EXPECT_EQ(Grades(), c.grades);
    }
}

// A phrase is one card whether its file is single-byte or UTF-8; its reviews keep the path of
// the file it was last practised from, the opened file also in the passes over its results
// and each phrase's own file in a pass over Review.mix.
TEST_F(MemoryPassTest, OneCardAcrossCodingsIterationsAndTheDueReview)
{
    kDbPath = Path(keeper::kFileName);
    const struct {
        std::string single, utf8, one, two;
    } cases[] = {{"*Caf\xE9\n=caf\xE9\n", "\xEF\xBB\xBF*Caf\xC3\xA9\n=caf\xC3\xA9\n", "Caf\xC3\xA9", "caf\xC3\xA9"},
        {"*Hi\n=\xCF\xF0\xE8\xE2\xE5\xF2\n", "*Hi\n=\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82\n", "Hi",
            "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82"}};
    for (const auto& c : cases) {
        Open("One.mix", c.single);
        FirstIteration(0);
        Keys(" x"); // marked: a results file, and a next iteration over it
        NextIteration(0);
        Keys("xx");
        Open("sub/Two.mix", c.utf8);
        FirstIteration(0);
        Keys("xx");
        g_pIMfcCmmnProc->RetirePass();
        const memory::SCardState card = Card(c.one, c.two);
        EXPECT_EQ(card.reviews, 3);
        EXPECT_EQ(card.source, plat::CanonicalPath(Path("sub/Two.mix")));
    }
    EXPECT_EQ(drill::RunReviewDue(&m_FileView), drill::kNothingDue);
    s_Now += 40 * 86400;
    ASSERT_EQ(drill::RunReviewDue(&m_FileView), 0);
    EXPECT_EQ(ReadFile(drill::kReviewFileName).substr(0, 3), plat::kUtf8Bom);
    Keys("xxxx");
    g_pIMfcCmmnProc->RetirePass();
    EXPECT_EQ(Card("Hi", cases[1].two).source, plat::CanonicalPath(Path("sub/Two.mix")));
    EXPECT_EQ(Card("Hi", cases[1].two).reviews, 4);
    EXPECT_EQ(keeper::DueToday(0).total, 0);
}

// A folder without reviews gets no database at the start: the first pass's write makes it, and
// one another process made meanwhile (the terminal's pass) is read from then on.
TEST_F(MemoryPassTest, TheDatabaseIsMadeByTheFirstWriteOrFoundWhenMadeElsewhere)
{
    kDbPath = Path(keeper::kFileName);
    for (const bool elsewhere : {false, true}) {
        SCOPED_TRACE(elsewhere);
        keeper::Close();
        std::remove(kDbPath.c_str());
        keeper::Open(m_Dir, 90);
        EXPECT_EQ(keeper::State(), keeper::EState::kNotMade);
        EXPECT_EQ(keeper::DueToday(0).total, 0);
        EXPECT_FALSE(plat::FileExists(kDbPath));
        if (elsewhere) {
            memory::CMemoryDb other;
            ASSERT_EQ(other.Open(kDbPath).status, memory::EOpen::kCreated);
            ASSERT_TRUE(other.WritePass({{"A", "a", 0, memory::kAgain, 0, s_Now - 5 * 86400, "/t/a.mix"}}, nullptr));
            EXPECT_EQ(keeper::DueToday(0).total, 1);
        } else {
            Open("Lesson.mix", "*A\n=a\n");
            FirstIteration(0);
            Keys(" x");
            g_pIMfcCmmnProc->RetirePass();
        }
        EXPECT_EQ(keeper::State(), keeper::EState::kOpen);
        EXPECT_EQ(Card("A", "a").reviews, 1);
    }
}

// The old History.txt is imported once and kept renamed; the passes then go to the database.
TEST_F(MemoryPassTest, TheOldHistoryIsImportedOnceAndKeptRenamed)
{
    keeper::Close();
    std::remove(Path(keeper::kFileName).c_str());
    const std::string old = "1764990000\t0\t0\t1\t20\t5\t/t/a.mix\n1764990600\t1\t1\t2\t5\t1\t/t/a.mix\n";
    WriteFile(hist::kFileName, old);
    keeper::Open(m_Dir, 90);
    EXPECT_EQ(ReadFile(std::string(hist::kFileName) + ".imported"), old);
    EXPECT_FALSE(plat::FileExists(Path(hist::kFileName)));
    WriteFile(hist::kFileName, old); // a file seen again is not imported twice
    keeper::Close();
    keeper::Open(m_Dir, 90);
    Open("Lesson.mix", "*A\n=a\n");
    FirstIteration(0);
    Keys("xx");
    g_pIMfcCmmnProc->RetirePass();
    std::string formatted;
    for (const hist::SPassRecord& r : keeper::History())
        formatted += hist::FormatRecord(r);
    // Old lines come back with the field a pass record has since gained: completed.
    EXPECT_EQ(formatted, "1764990000\t0\t0\t1\t20\t5\t1\t/t/a.mix\n1764990600\t1\t1\t2\t5\t1\t1\t/t/a.mix\n"
                         "1765000000\t0\t0\t1\t1\t0\t1\t" + Path("Lesson.mix") + "\n");
    EXPECT_EQ(ReadFile(hist::kFileName), old);
}
