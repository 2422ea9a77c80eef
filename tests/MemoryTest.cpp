// The memory database: a pass's reviews and the queries over them, the rebuild from the log, and
// the files it meets: newer, damaged, read-only, a full disk, a process killed while writing.
#include "memory/Fsrs.h"
#include "memory/MemoryDb.h"
#include "tests/FileTestSupport.h"
#include "tests/Permissions.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>

namespace {

namespace fs = std::filesystem;
using memory::CMemoryDb;
using memory::EOpen;
using memory::SReview;

constexpr long long kDay0 = 20000; // 2024-10-04

long long At(long long day, int hour, int minute = 0)
{
    return day * 86400 + hour * 3600 + minute * 60;
}

std::string Bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// One SQL query's first value as text, straight from the file.
std::string Sql(const std::string& path, const char* sql)
{
    sqlite3* db = nullptr;
    std::string value = "(none)";
    sqlite3_stmt* st = nullptr;
    if (sqlite3_open(path.c_str(), &db) == SQLITE_OK && sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW && sqlite3_column_text(st, 0))
        value = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
    sqlite3_finalize(st);
    sqlite3_close(db);
    return value;
}

class MemoryDbTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char tmpl[] = "/tmp/lexido_memory_XXXXXX";
        m_dir = mkdtemp(tmpl);
        m_path = m_dir + "/Memory.db";
        const char* tz = std::getenv("TZ");
        m_tz = tz ? tz : "";
        m_hadTz = tz != nullptr;
        setenv("TZ", "UTC", 1);
        tzset();
    }
    void TearDown() override
    {
        m_hadTz ? setenv("TZ", m_tz.c_str(), 1) : unsetenv("TZ");
        tzset();
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }
    static SReview Review(const std::string& text, int direction, int grade, long long time, const char* source)
    {
        return SReview{text, text + "'", direction, grade, 0, time, source};
    }
    memory::SCardState Card(CMemoryDb& db, const std::string& text, int direction = 0)
    {
        memory::SCardState s;
        EXPECT_TRUE(db.FindCard(text, text + "'", direction, s)) << text;
        return s;
    }
    std::string m_dir, m_path, m_tz;
    bool m_hadTz = false;
};

// A hand-made log of three days: what each query makes of it.
TEST_F(MemoryDbTest, QueriesOverAHandMadeLog)
{
    CMemoryDb db;
    ASSERT_EQ(EOpen::kCreated, db.Open(m_path).status);
    const memory::SParams p = memory::DefaultParams();
    auto interval = [&](int grade) { return memory::IntervalDays(memory::FirstState(grade, p).stability, 0.9, p); };
    memory::SPassRow pass;
    pass.time = At(kDay0, 10);
    ASSERT_TRUE(db.WritePass(
        {Review("e", 0, 4, At(kDay0 - 20, 9), "/A"), Review("e", 0, 4, At(kDay0 - 12, 9), "/A")}, nullptr));
    ASSERT_TRUE(db.WritePass(
        {Review("a", 0, 3, pass.time, "/A"), Review("b", 0, 1, pass.time, "/A"), Review("c", 0, 4, pass.time, "/A"),
            Review("d", 0, 3, pass.time, "/B"), Review("a", 1, 3, pass.time, "/A")},
        &pass));
    EXPECT_EQ(kDay0 + interval(3), Card(db, "a").dueDay);
    // The most overdue first, then in the order the cards were met; other directions apart.
    const auto due = db.Due(0, kDay0 + 2);
    ASSERT_EQ(3u, due.size());
    EXPECT_EQ("b", due[0].text1);
    EXPECT_EQ("a", due[1].text1);
    EXPECT_EQ("d", due[2].text1);
    EXPECT_EQ("/B", due[2].source);
    EXPECT_EQ(kDay0 + 1, due[0].dueDay);
    const auto byFile = db.DueByFile(0, kDay0 + 2);
    ASSERT_EQ(2u, byFile.size());
    EXPECT_EQ("/A", byFile[0].source);
    EXPECT_EQ(2, byFile[0].count);
    EXPECT_EQ(1, byFile[1].count);
    std::vector<int> forecast(30);
    forecast[0] = 1;
    forecast[interval(3) - 1] = 2;
    forecast[interval(4) - 1] += 1;
    EXPECT_EQ(forecast, db.Forecast(0, kDay0 + 1));
    EXPECT_EQ(1, db.Forecast(1, kDay0 + 2)[0]);
    // 01:30 counts for the day before; an Again on the day of the last review is no lapse.
    ASSERT_TRUE(
        db.WritePass({Review("c", 0, 1, At(kDay0, 23), "/A"), Review("a", 0, 3, At(kDay0 + 3, 1, 30), "/B"),
                         Review("b", 0, 1, At(kDay0 + 3, 1, 30), "/A"), Review("d", 0, 2, At(kDay0 + 3, 1, 30), "/B")},
            nullptr));
    const memory::SCardState a = Card(db, "a"), b = Card(db, "b"), c = Card(db, "c");
    EXPECT_EQ(kDay0 + 2, a.lastDay);
    EXPECT_EQ("/B", a.source);
    EXPECT_EQ(2, a.reviews);
    EXPECT_EQ(0, a.lapses);
    EXPECT_EQ(1, b.lapses);
    EXPECT_EQ(0, c.lapses);
    EXPECT_EQ(2, c.reviews);
    ASSERT_GE(Card(db, "e").stability, 21);
    const auto maturity = db.Maturity(0);
    ASSERT_EQ(2u, maturity.size());
    EXPECT_EQ(2, maturity[0].learning); // b, c
    EXPECT_EQ(1, maturity[0].mature);   // e
    EXPECT_EQ(2, maturity[1].learning); // a, d
    // Due reviews: e Easy, a Good, b Again, d Hard (c's same-day review and first reviews are not).
    int count = 0;
    EXPECT_NEAR(0.75, db.TrueRetention(kDay0 + 2, 30, &count), 1e-12);
    EXPECT_EQ(4, count);
    EXPECT_NEAR(2.0 / 3, db.TrueRetention(kDay0 + 2, 3, &count), 1e-12);
    EXPECT_EQ(-1, db.TrueRetention(kDay0 + 40, 30, &count));
    // Passes, in time order; the old history is taken once.
    EXPECT_FALSE(db.WritePass({Review("x", 0, 5, pass.time, "/A")}, nullptr));
    memory::SPassRow old;
    old.time = At(kDay0 - 30, 8);
    old.completed = false;
    old.file = "/old";
    EXPECT_FALSE(db.HistoryImported());
    ASSERT_TRUE(db.ImportHistory({old, old}));
    ASSERT_TRUE(db.ImportHistory({old}));
    EXPECT_TRUE(db.HistoryImported());
    ASSERT_TRUE(db.AppendPass(pass));
    const auto passes = db.Passes();
    ASSERT_EQ(4u, passes.size());
    EXPECT_EQ("/old", passes[0].file);
    EXPECT_FALSE(passes[0].completed);
    EXPECT_EQ(pass.time, passes[3].time);
    // A count read again follows a write of another connection (the other front-end's pass).
    const int before = db.DueByFile(0, kDay0 + 30)[0].count;
    {
        CMemoryDb other;
        ASSERT_EQ(EOpen::kOpened, other.Open(m_path).status);
        ASSERT_TRUE(other.WritePass({Review("new", 0, 1, At(kDay0 + 5, 11), "/A")}, nullptr));
    }
    EXPECT_EQ(before + 1, db.DueByFile(0, kDay0 + 30)[0].count);
}

// Cards rebuilt from the log equal those written pass by pass; due days follow the retention.
TEST_F(MemoryDbTest, RebuildAndRetention)
{
    std::vector<std::string> texts;
    {
        CMemoryDb db;
        ASSERT_EQ(EOpen::kCreated, db.Open(m_path).status);
        std::mt19937 rng(7);
        for (int day = 0; day < 60; ++day) {
            std::vector<SReview> pass;
            for (int k = 0; k < 8; ++k)
                pass.push_back(Review("p" + std::to_string(rng() % 40), static_cast<int>(rng() % 2),
                    1 + static_cast<int>(rng() % 4), At(kDay0 + day, 8 + k), k % 2 ? "/A" : "/B"));
            ASSERT_TRUE(db.WritePass(pass, nullptr));
        }
    }
    auto snapshot = [&](CMemoryDb& db) {
        std::vector<std::string> rows;
        for (int i = 0; i < 40; ++i)
            for (int d = 0; d < 2; ++d) {
                memory::SCardState s;
                if (db.FindCard("p" + std::to_string(i), "p" + std::to_string(i) + "'", d, s))
                    rows.push_back(std::to_string(s.dueDay) + " " + std::to_string(s.lastDay) + " " +
                        std::to_string(s.stability) + " " + std::to_string(s.difficulty) + " " +
                        std::to_string(s.reviews) + " " + std::to_string(s.lapses) + " " + s.source);
            }
        return rows;
    };
    CMemoryDb db;
    ASSERT_EQ(EOpen::kOpened, db.Open(m_path).status);
    const auto written = snapshot(db);
    ASSERT_GT(written.size(), 60u);
    db.Close();
    Sql(m_path, "UPDATE cards SET stability = 1, difficulty = 1, due_day = 0, reviews = 0, lapses = 9");
    ASSERT_EQ(EOpen::kOpened, db.Open(m_path).status);
    ASSERT_TRUE(db.Rebuild());
    EXPECT_EQ(written, snapshot(db));
    // The passes and the rebuild write without SQLite's reference checks: every reference holds.
    EXPECT_EQ("(none)", Sql(m_path, "PRAGMA foreign_key_check"));
    // Another retention moves every due day, also when it is given at the next start.
    const memory::SParams p = memory::DefaultParams();
    ASSERT_TRUE(db.SetRetention(0.8));
    memory::SCardState s = Card(db, "p1");
    EXPECT_EQ(s.lastDay + memory::IntervalDays(s.stability, 0.8, p), s.dueDay);
    db.Close();
    ASSERT_EQ(EOpen::kOpened, db.Open(m_path, 0.97).status);
    s = Card(db, "p1");
    EXPECT_EQ(s.lastDay + memory::IntervalDays(s.stability, 0.97, p), s.dueDay);
    db.Close();
    ASSERT_EQ(EOpen::kOpened, db.Open(m_path).status);
    EXPECT_EQ(written, snapshot(db));
}

// A newer database is left as it is; a damaged one is set aside under a free name and a new one
// starts in its place.
TEST_F(MemoryDbTest, NewerOrDamagedFiles)
{
    auto make = [&](int reviews) {
        CMemoryDb db;
        ASSERT_EQ(EOpen::kCreated, db.Open(m_path).status);
        std::vector<SReview> pass;
        for (int k = 0; k < reviews; ++k)
            pass.push_back(Review(std::string(100, 'x') + std::to_string(k), 0, 3, At(kDay0, 9), "/A"));
        ASSERT_TRUE(db.WritePass(pass, nullptr));
    };
    make(1);
    Sql(m_path, "PRAGMA user_version = 99");
    const std::string newer = Bytes(m_path);
    CMemoryDb db;
    EXPECT_EQ(EOpen::kNewer, db.Open(m_path).status);
    EXPECT_FALSE(db.IsOpen());
    EXPECT_FALSE(db.WritePass({Review("a", 0, 3, At(kDay0, 9), "/A")}, nullptr));
    EXPECT_EQ(newer, Bytes(m_path));
    fs::remove(m_path);

    std::vector<std::string> asides;
    for (int damage = 0; damage < 3; ++damage) {
        if (damage == 2) {
            make(300); // a page of the cards' index overwritten
            std::fstream f(m_path, std::ios::in | std::ios::out | std::ios::binary);
            f.seekp(4096 * 3);
            f << std::string(4096, '\xff');
        } else {
            std::ofstream(m_path, std::ios::binary) << std::string(3000, 'L'); // no database at all
        }
        const std::string bytes = Bytes(m_path);
        const memory::SOpenResult r = db.Open(m_path);
        ASSERT_EQ(EOpen::kSetAside, r.status) << damage << " " << r.error;
        EXPECT_EQ(bytes, Bytes(r.setAsidePath));
        EXPECT_EQ(0u, r.setAsidePath.find(m_path + ".damaged-"));
        asides.push_back(r.setAsidePath);
        ASSERT_TRUE(db.WritePass({Review("a", 0, 3, At(kDay0, 9), "/A")}, nullptr));
        EXPECT_EQ(1, Card(db, "a").reviews);
        db.Close();
        fs::remove(m_path);
    }
    EXPECT_NE(asides[0], asides[1]);
    EXPECT_TRUE(fs::exists(asides[0]));
}

// A damage the open does not read (it reads only the top of every tree) is met by a later
// statement: the member fails, the connection is closed, and the next Open sets the file aside.
TEST_F(MemoryDbTest, DamageMetAfterTheOpen)
{
    std::vector<SReview> pass;
    for (int k = 0; k < 3000; ++k)
        pass.push_back(Review(std::string(60, 'z') + std::to_string(k), k % 2, 3, At(kDay0, 9), "/A"));
    {
        CMemoryDb db;
        ASSERT_EQ(EOpen::kCreated, db.Open(m_path).status);
        ASSERT_TRUE(db.WritePass(pass, nullptr));
    }
    const long pageSize = std::stol(Sql(m_path, "PRAGMA page_size"));
    const long pages = std::stol(Sql(m_path, "PRAGMA page_count"));
    std::fstream(m_path, std::ios::in | std::ios::out | std::ios::binary).seekp(pageSize * (pages / 2))
        << std::string(static_cast<size_t>(pageSize), '\xff');
    CMemoryDb db;
    ASSERT_EQ(EOpen::kOpened, db.Open(m_path).status);
    std::string error;
    int count = 0;
    EXPECT_FALSE(db.Rebuild(&error) && db.WritePass(pass, nullptr, &error) &&
        db.TrueRetention(kDay0 + 1, 100000, &count) >= -1 && db.Due(0, kDay0 + 100000).size() == 1500);
    EXPECT_FALSE(db.IsOpen()) << error;
    EXPECT_FALSE(db.WritePass(pass, nullptr, &error));
    EXPECT_FALSE(error.empty());
    const memory::SOpenResult r = db.Open(m_path);
    ASSERT_EQ(EOpen::kSetAside, r.status) << r.error;
    EXPECT_TRUE(fs::exists(r.setAsidePath));
    ASSERT_TRUE(db.WritePass({Review("a", 0, 3, At(kDay0, 9), "/A")}, nullptr));
    EXPECT_EQ(1, Card(db, "a").reviews);
    db.Close();
    EXPECT_EQ(EOpen::kOpened, db.Open(m_path).status);
}

// No writable folder, no room: Open and WritePass fail with SQLite's reason, nothing is cut.
TEST_F(MemoryDbTest, ReadOnlyFolderAndFullDisk)
{
    {
        CMemoryDb db;
        ASSERT_EQ(EOpen::kCreated, db.Open(m_path).status);
        ASSERT_TRUE(db.WritePass({Review("a", 0, 3, At(kDay0, 9), "/A")}, nullptr));
    }
    fs::permissions(m_dir, fs::perms::owner_read | fs::perms::owner_exec);
    const int readOnly = InChild([&] {
        if (!GiveUpPermissionOverride(m_dir))
            _exit(77);
        CMemoryDb db;
        const memory::SOpenResult made = db.Open(m_dir + "/New.db");
        if (made.status != EOpen::kFailed || made.error.empty() || db.IsOpen())
            _exit(1);
        const memory::SOpenResult old = db.Open(m_path);
        std::string error;
        if (old.status == EOpen::kOpened ? db.WritePass({Review("b", 0, 3, 0, "/A")}, nullptr, &error) || error.empty()
                                         : old.status != EOpen::kFailed || old.error.empty())
            _exit(2);
        _exit(0);
    });
    fs::permissions(m_dir, fs::perms::owner_all);
    const std::string small = m_dir + "/small";
    fs::create_directory(small);
    const int full = InChild([&] {
        if (unshare(CLONE_NEWNS) != 0 || mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("tmpfs", small.c_str(), "tmpfs", 0, "size=256k") != 0)
            _exit(77);
        CMemoryDb db;
        if (db.Open(small + "/Memory.db").status != EOpen::kCreated)
            _exit(1);
        std::string error;
        size_t written = 0;
        memory::SPassRow row;
        for (int n = 0; n < 1000 && error.empty(); ++n) {
            std::vector<SReview> pass;
            for (int k = 0; k < 20; ++k)
                pass.push_back(Review(std::string(300, 'y') + std::to_string(n * 100 + k), 0, 3, At(kDay0, 9), "/A"));
            written += db.WritePass(pass, &row, &error) ? 1 : 0;
        }
        if (error.find("full") == std::string::npos || db.Passes().size() != written || written == 0)
            _exit(2);
        db.Close();
        _exit(Sql(small + "/Memory.db", "PRAGMA integrity_check") == "ok" ? 0 : 3);
    });
    if (readOnly == 77 && full == 77)
        GTEST_SKIP() << "root's overrides cannot be given up and no tmpfs can be mounted";
    EXPECT_TRUE(readOnly == 0 || readOnly == 77) << readOnly;
    EXPECT_TRUE(full == 0 || full == 77) << full;
}

// A writer killed at random moments: every pass is there with all its reviews, or not at all.
TEST_F(MemoryDbTest, KilledWritesLeaveWholePasses)
{
    std::mt19937 rng(20261209);
    size_t passes = 0;
    for (int round = 0; round < 6; ++round) {
        const pid_t pid = fork();
        if (pid == 0) {
            CMemoryDb db;
            if (db.Open(m_path).status == EOpen::kFailed)
                _exit(1);
            for (long long n = 0;; ++n) {
                std::vector<SReview> pass;
                for (int k = 0; k < 40; ++k)
                    pass.push_back(Review("w" + std::to_string(k), 0, 3, At(kDay0, 8) + n, "/A"));
                memory::SPassRow row;
                row.time = n;
                db.WritePass(pass, &row);
            }
        }
        usleep(static_cast<useconds_t>(30000 + rng() % 70000));
        kill(pid, SIGKILL);
        int st = 0;
        waitpid(pid, &st, 0);
        ASSERT_TRUE(WIFSIGNALED(st));
        CMemoryDb db;
        const EOpen status = db.Open(m_path).status;
        ASSERT_TRUE(status == EOpen::kOpened || status == EOpen::kCreated) << round;
        passes = db.Passes().size();
        for (int k = 0; k < 40 && passes > 0; ++k)
            EXPECT_EQ(static_cast<int>(passes), Card(db, "w" + std::to_string(k)).reviews) << round;
        db.Close();
        EXPECT_EQ("ok", Sql(m_path, "PRAGMA integrity_check")) << round;
    }
    EXPECT_GT(passes, 0u);
}

} // namespace
