// The FSRS-6 scheduler against the published reference's vectors, and the learner's day.
#include "memory/Fsrs.h"
#include "memory/ReviewDay.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

namespace {

void ExpectClose(double expected, double actual, const std::string& what)
{
    EXPECT_LE(std::fabs(expected - actual), 1e-4 * std::max(1.0, std::fabs(expected))) << what;
}

// Each line of the table is one review of a case: the first a card's first review, the next
// ones after the elapsed days given, with the state and interval ts-fsrs computed.
TEST(Fsrs, MatchesReferenceVectors)
{
    std::ifstream in(LEXIDO_TEST_DATA_DIR "/memory/fsrs_vectors.txt");
    ASSERT_TRUE(in) << "no reference table";
    const memory::SParams p = memory::DefaultParams();
    std::string line, lastCase;
    memory::SMemoryState state;
    int rows = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string name, elapsed, r;
        double retention = 0, stability = 0, difficulty = 0;
        int grade = 0, interval = 0;
        ASSERT_TRUE(fields >> name >> retention >> elapsed >> grade >> r >> stability >> difficulty >> interval) << line;
        if (name != lastCase) {
            ASSERT_EQ("-", elapsed) << line;
            state = memory::FirstState(grade, p);
            lastCase = name;
        } else {
            const long long days = std::stoll(elapsed);
            ExpectClose(std::stod(r), memory::Retrievability(static_cast<double>(days), state.stability, p), line);
            state = memory::NextState(state, grade, days, p);
        }
        ExpectClose(stability, state.stability, line);
        ExpectClose(difficulty, state.difficulty, line);
        EXPECT_EQ(interval, memory::IntervalDays(state.stability, retention, p)) << line;
        // Go on from the reference's state, so that one difference shows once, not in every later row.
        state = memory::SMemoryState{stability, difficulty};
        ++rows;
    }
    EXPECT_GT(rows, 300);
}

// Local times in a zone with summer time: the day turns at 04:00 on the wall clock.
TEST(ReviewDay, StartsAtFourLocal)
{
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    auto at = [](int y, int mo, int d, int h, int mi) {
        std::tm t{};
        t.tm_year = y - 1900;
        t.tm_mon = mo - 1;
        t.tm_mday = d;
        t.tm_hour = h;
        t.tm_min = mi;
        t.tm_isdst = -1;
        return static_cast<long long>(std::mktime(&t));
    };
    struct {
        int y, mo, d, h, mi;
        const char* day;
    } const cases[] = {
        {2026, 12, 9, 21, 30, "2026-12-09"}, {2026, 12, 10, 0, 5, "2026-12-09"}, {2026, 12, 10, 1, 30, "2026-12-09"},
        {2026, 12, 10, 3, 59, "2026-12-09"}, {2026, 12, 10, 4, 0, "2026-12-10"}, {2027, 1, 1, 2, 0, "2026-12-31"},
        {2027, 1, 1, 4, 1, "2027-01-01"},    {1970, 1, 1, 12, 0, "1970-01-01"},
        // Clocks go forward at 02:00 on 28 March and back at 03:00 on 31 October 2027.
        {2027, 3, 28, 1, 59, "2027-03-27"},  {2027, 3, 28, 3, 30, "2027-03-27"}, {2027, 3, 28, 4, 0, "2027-03-28"},
        {2027, 10, 31, 2, 30, "2027-10-30"}, {2027, 10, 31, 3, 59, "2027-10-30"}, {2027, 10, 31, 4, 0, "2027-10-31"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.day, memory::FormatDay(memory::DayOf(at(c.y, c.mo, c.d, c.h, c.mi))))
            << c.y << "-" << c.mo << "-" << c.d << " " << c.h << ":" << c.mi;
    EXPECT_EQ(0, memory::DayOf(12 * 3600));
    EXPECT_EQ("2000-02-29", memory::FormatDay(11016));
    if (old)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

} // namespace
