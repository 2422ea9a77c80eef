// The memory database at the size of years of practice: 100 000 cards and 1 000 000 reviews.
// The database is made at start in a temporary folder (straight into SQLite, one transaction)
// and removed at the end. Goals: a 10 000-phrase pass written under 50 ms, each query under
// 30 ms, the rebuild under 1 s.
#include "engine/MemoryKeeper.h"
#include "memory/CardKey.h"
#include "memory/Fsrs.h"
#include "memory/MemoryDb.h"
#include "memory/ReviewDay.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr int kCards = 100000;
constexpr int kReviewsPerCard = 10;
constexpr int kSources = 50;

std::string g_Dir, g_Path;
long long g_Today = 0;
long long g_Clock = 0; // the time of the next pass written

std::string Text(int card)
{
    return "phrase number " + std::to_string(card / 2) + " in the first language";
}
std::string Source(int card)
{
    return "/home/learner/Lexido/Text/file" + std::to_string(card % kSources) + ".txt";
}

void Exec(sqlite3* db, const char* sql)
{
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s: %s\n", sql, sqlite3_errmsg(db));
        std::exit(1);
    }
}

// The schema comes from CMemoryDb; the rows are inserted directly: cards in both directions
// with states spread as a year of practice leaves them, ten reviews each.
void MakeDatabase()
{
    memory::CMemoryDb made;
    if (made.Open(g_Path).status != memory::EOpen::kCreated) {
        std::fprintf(stderr, "cannot make %s\n", g_Path.c_str());
        std::exit(1);
    }
    made.Close();
    sqlite3* db = nullptr;
    sqlite3_open(g_Path.c_str(), &db);
    Exec(db, "BEGIN");
    sqlite3_stmt *source = nullptr, *card = nullptr, *review = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO sources(id, path) VALUES(?, ?)", -1, &source, nullptr);
    sqlite3_prepare_v2(db,
        "INSERT INTO cards(id, text1, text2, direction, source_id, stability, difficulty, last_day,"
        " due_day, reviews, lapses, mature, key) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, 0, ?6 >= 21, ?11)",
        -1, &card, nullptr);
    sqlite3_prepare_v2(db,
        "INSERT INTO reviews(card_id, time, day, grade, mode, elapsed, scheduled, source_id)"
        " VALUES(?, ?, ?, ?, 0, ?, ?, ?)",
        -1, &review, nullptr);
    for (int s = 0; s < kSources; ++s) {
        sqlite3_bind_int(source, 1, s + 1);
        const std::string path = Source(s);
        sqlite3_bind_text(source, 2, path.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(source);
        sqlite3_reset(source);
    }
    std::mt19937 rng(20261209);
    // Stabilities of ten days to three years; due days from three days ago to the end of each
    // card's interval, as daily practice leaves them (some 8 % of the cards due today).
    std::uniform_real_distribution<double> logS(std::log(10.0), std::log(1000.0));
    const memory::SParams p = memory::DefaultParams();
    for (int c = 0; c < kCards; ++c) {
        const double stability = std::exp(logS(rng));
        const int interval = memory::IntervalDays(stability, 0.9, p);
        const long long due = g_Today - 3 + static_cast<long long>(rng() % static_cast<unsigned>(interval + 3));
        const std::string t1 = Text(c), t2 = "die Phrase Nummer " + std::to_string(c / 2);
        sqlite3_bind_int(card, 1, c + 1);
        sqlite3_bind_text(card, 2, t1.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(card, 3, t2.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(card, 4, c % 2);
        sqlite3_bind_int(card, 5, c % kSources + 1);
        sqlite3_bind_double(card, 6, stability);
        sqlite3_bind_double(card, 7, 1 + (rng() % 900) / 100.0);
        sqlite3_bind_int64(card, 8, due - interval);
        sqlite3_bind_int64(card, 9, due);
        sqlite3_bind_int(card, 10, kReviewsPerCard);
        sqlite3_bind_int64(card, 11, memory::CardKey(t1, t2, c % 2));
        sqlite3_step(card);
        sqlite3_reset(card);
    }
    // The log in time order: review k of every card, then review k + 1.
    for (int k = 0; k < kReviewsPerCard; ++k)
        for (int c = 0; c < kCards; ++c) {
            const long long day = g_Today - 360 + k * 36 + c % 30; // the last ones within 36 days
            sqlite3_bind_int(review, 1, c + 1);
            sqlite3_bind_int64(review, 2, day * 86400 + 12 * 3600);
            sqlite3_bind_int64(review, 3, day);
            sqlite3_bind_int(review, 4, 1 + static_cast<int>(rng() % 4));
            sqlite3_bind_int(review, 5, k == 0 ? -1 : 36);
            sqlite3_bind_int(review, 6, k == 0 ? 0 : 30);
            sqlite3_bind_int(review, 7, c % kSources + 1);
            sqlite3_step(review);
            sqlite3_reset(review);
        }
    sqlite3_finalize(source);
    sqlite3_finalize(card);
    sqlite3_finalize(review);
    Exec(db, "COMMIT");
    sqlite3_close(db);
}

memory::CMemoryDb& Db()
{
    static memory::CMemoryDb db;
    if (!db.IsOpen() && db.Open(g_Path).status != memory::EOpen::kOpened) {
        std::fprintf(stderr, "cannot open %s\n", g_Path.c_str());
        std::exit(1);
    }
    return db;
}

// A pass over 10 000 known phrases of one direction, a day after the one before.
void BM_WritePass10k(benchmark::State& state)
{
    std::vector<memory::SReview> pass(10000);
    for (auto _ : state) {
        state.PauseTiming();
        Db(); // opened outside the time: the open has its own measure
        g_Clock += 86400;
        for (int i = 0; i < 10000; ++i)
            pass[i] = memory::SReview{
                Text(2 * i), "die Phrase Nummer " + std::to_string(i), 0, i % 5 ? 3 : 1, 0, g_Clock + i, Source(2 * i)};
        state.ResumeTiming();
        if (!Db().WritePass(pass, nullptr))
            state.SkipWithError("WritePass failed");
    }
}
BENCHMARK(BM_WritePass10k)->Unit(benchmark::kMillisecond)->Iterations(10);

// A pass record written outside the time: the due count by file, which is kept until the
// database changes, is read anew as at a first look.
void Changed(benchmark::State& state)
{
    state.PauseTiming();
    memory::SPassRow pass;
    pass.time = g_Clock;
    Db().AppendPass(pass);
    state.ResumeTiming();
}

void BM_DueAndDueByFile(benchmark::State& state)
{
    size_t due = 0;
    for (auto _ : state) {
        Changed(state);
        due = Db().Due(0, g_Today).size();
        benchmark::DoNotOptimize(Db().DueByFile(0, g_Today));
    }
    state.counters["due"] = static_cast<double>(due);
}
BENCHMARK(BM_DueAndDueByFile)->Unit(benchmark::kMillisecond);

// What Review Due does before its pass: the welcome page's count, then the file of due phrases.
void BM_ReviewDueFile(benchmark::State& state)
{
    if (!keeper::IsOpen())
        keeper::Open(g_Dir, 90);
    int written = 0;
    for (auto _ : state) {
        Changed(state);
        benchmark::DoNotOptimize(keeper::DueToday(0));
        written = keeper::WriteDueFile(0, g_Dir + "/Review.mix");
    }
    if (written <= 0)
        state.SkipWithError("no due file written");
    state.counters["phrases"] = written;
}
BENCHMARK(BM_ReviewDueFile)->Unit(benchmark::kMillisecond);

void BM_Forecast(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Db().Forecast(0, g_Today));
}
BENCHMARK(BM_Forecast)->Unit(benchmark::kMillisecond);

void BM_Maturity(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Db().Maturity(0));
}
BENCHMARK(BM_Maturity)->Unit(benchmark::kMillisecond);

void BM_TrueRetention(benchmark::State& state)
{
    int count = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(Db().TrueRetention(g_Today, 30, &count));
    state.counters["reviews"] = count;
}
BENCHMARK(BM_TrueRetention)->Unit(benchmark::kMillisecond);

void BM_FindCard(benchmark::State& state)
{
    memory::SCardState card;
    for (auto _ : state)
        benchmark::DoNotOptimize(Db().FindCard(Text(5000), "die Phrase Nummer 2500", 0, card));
}
BENCHMARK(BM_FindCard)->Unit(benchmark::kMicrosecond);

void BM_Rebuild(benchmark::State& state)
{
    for (auto _ : state)
        if (!Db().Rebuild())
            state.SkipWithError("Rebuild failed");
}
BENCHMARK(BM_Rebuild)->Unit(benchmark::kMillisecond)->Iterations(3);

// The start-up's share: opening the large database, and making a new one where there was none.
void BM_OpenLarge(benchmark::State& state)
{
    Db().Close();
    memory::CMemoryDb db;
    for (auto _ : state) {
        if (db.Open(g_Path).status != memory::EOpen::kOpened)
            state.SkipWithError("Open failed");
        db.Close();
    }
}
BENCHMARK(BM_OpenLarge)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_OpenNone(benchmark::State& state)
{
    const std::string path = g_Dir + "/New.db";
    memory::CMemoryDb db;
    for (auto _ : state) {
        state.PauseTiming();
        for (const char* suffix : {"", "-wal", "-shm"})
            fs::remove(path + suffix);
        state.ResumeTiming();
        if (db.Open(path).status != memory::EOpen::kCreated)
            state.SkipWithError("Open failed");
        db.Close();
    }
}
BENCHMARK(BM_OpenNone)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    char tmpl[] = "/tmp/lexido_memory_bench_XXXXXX";
    g_Dir = mkdtemp(tmpl);
    g_Path = g_Dir + "/Memory.db";
    g_Clock = static_cast<long long>(std::time(nullptr));
    g_Today = memory::DayOf(g_Clock);
    MakeDatabase();
    std::printf("database of %d cards and %d reviews: %.0f MB\n", kCards, kCards * kReviewsPerCard,
        static_cast<double>(fs::file_size(g_Path)) / (1024 * 1024));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Db().Close();
    keeper::Close();
    std::error_code ec;
    fs::remove_all(g_Dir, ec);
    return 0;
}
