// The memory database's file: opening, the schema and its migrations, a damaged file set aside,
// and the retention the due days are computed with.
#include "memory/MemoryDb.h"

#include "memory/CardKey.h"
#include "memory/MemoryDbImpl.h"
#include "platform/PlatFs.h"

#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace memory {

namespace {

// The migrations: step i brings a database of version i to version i + 1; a new file takes them
// all. They run with the foreign keys off, so that a table can be made anew; each ends with the
// check of every reference.
const std::string kMigrations[] = {
    // 1: reviews are the truth; a card's state is derived from its reviews.
    "CREATE TABLE meta(key TEXT PRIMARY KEY, value TEXT NOT NULL) WITHOUT ROWID;"
    "CREATE TABLE sources(id INTEGER PRIMARY KEY, path TEXT NOT NULL UNIQUE);"
    "CREATE TABLE cards(id INTEGER PRIMARY KEY, text1 TEXT NOT NULL, text2 TEXT NOT NULL,"
    " direction INTEGER NOT NULL, source_id INTEGER NOT NULL REFERENCES sources(id),"
    " stability REAL NOT NULL, difficulty REAL NOT NULL, last_day INTEGER NOT NULL,"
    " due_day INTEGER NOT NULL, reviews INTEGER NOT NULL, lapses INTEGER NOT NULL,"
    " mature INTEGER NOT NULL, UNIQUE(text1, text2, direction));"
    "CREATE INDEX cards_due ON cards(direction, due_day);"
    "CREATE INDEX cards_files ON cards(direction, source_id, mature);"
    "CREATE TABLE passes(id INTEGER PRIMARY KEY, time INTEGER NOT NULL, mode INTEGER NOT NULL,"
    " direction INTEGER NOT NULL, iteration INTEGER NOT NULL, shown INTEGER NOT NULL,"
    " marked INTEGER NOT NULL, completed INTEGER NOT NULL, file TEXT NOT NULL);"
    "CREATE INDEX passes_time ON passes(time);"
    // elapsed: days since the card's review before (-1 at the first); scheduled: the interval
    // the card had been given then (0 at the first), so that a review of a due card is known.
    "CREATE TABLE reviews(id INTEGER PRIMARY KEY, card_id INTEGER NOT NULL REFERENCES cards(id),"
    " time INTEGER NOT NULL, day INTEGER NOT NULL, grade INTEGER NOT NULL, mode INTEGER NOT NULL,"
    " elapsed INTEGER NOT NULL, scheduled INTEGER NOT NULL,"
    " source_id INTEGER NOT NULL REFERENCES sources(id), pass_id INTEGER REFERENCES passes(id));"
    "CREATE INDEX reviews_day ON reviews(day, scheduled, elapsed, grade);",
    // 2: a card is found by the hash of its texts (memory_key) instead of a unique index over the
    // texts, five times its size; the true retention's index holds the reviews of due cards only.
    std::string("CREATE TABLE cards_new(id INTEGER PRIMARY KEY, key INTEGER NOT NULL, text1 TEXT NOT NULL,"
                " text2 TEXT NOT NULL, direction INTEGER NOT NULL,"
                " source_id INTEGER NOT NULL REFERENCES sources(id), stability REAL NOT NULL,"
                " difficulty REAL NOT NULL, last_day INTEGER NOT NULL, due_day INTEGER NOT NULL,"
                " reviews INTEGER NOT NULL, lapses INTEGER NOT NULL, mature INTEGER NOT NULL);"
                "INSERT INTO cards_new SELECT id, memory_key(text1, text2, direction), text1, text2, direction,"
                " source_id, stability, difficulty, last_day, due_day, reviews, lapses, mature FROM cards"
                " ORDER BY id;"
                "DROP TABLE cards;"
                "ALTER TABLE cards_new RENAME TO cards;"
                "CREATE INDEX cards_key ON cards(key);") +
        kCardIndexes +
        "DROP INDEX reviews_day;"
        "CREATE INDEX reviews_due ON reviews(day, grade) WHERE scheduled > 0 AND elapsed >= scheduled;",
};
static_assert(sizeof kMigrations / sizeof kMigrations[0] == kSchemaVersion, "one migration per version");

constexpr int kBusyTimeoutMs = 5000;

bool Exists(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

// Reads the top of every table and index (the root page and the first leaf beneath it): the
// damage most likely to hurt at once is found at the start, without reading the whole file as
// PRAGMA quick_check does. Only a damage counts: other errors (a tree SQLite cannot be asked for
// in this way) are left to the statements. SQLite's result code of the first damage, else 0.
int TouchTrees(sqlite3* db)
{
    std::vector<std::string> queries;
    {
        CStatement list;
        if (!list.Prepare(db, "SELECT type, name, tbl_name, sql FROM sqlite_master WHERE rootpage > 0"))
            return sqlite3_extended_errcode(db);
        int rc;
        while ((rc = list.Step()) == SQLITE_ROW) {
            const auto quoted = [](const std::string& name) {
                std::string q = "\"";
                for (char c : name)
                    q += c == '"' ? std::string("\"\"") : std::string(1, c);
                return q + '"';
            };
            const std::string type = list.ColText(0), sql = list.ColText(3);
            std::string query = "SELECT 1 FROM " + quoted(list.ColText(2));
            if (type == "table") {
                query += " NOT INDEXED";
            } else {
                query += " INDEXED BY " + quoted(list.ColText(1));
                const size_t where = sql.rfind(" WHERE "); // a partial index is used only under its condition
                if (where != std::string::npos)
                    query += sql.substr(where);
            }
            queries.push_back(query + " LIMIT 1");
        }
        if (rc != SQLITE_DONE)
            return sqlite3_extended_errcode(db);
    }
    for (const std::string& query : queries) {
        CStatement st;
        if (!st.Prepare(db, query.c_str())) {
            if (IsDamage(sqlite3_extended_errcode(db)))
                return sqlite3_extended_errcode(db);
            continue;
        }
        const int rc = st.Step();
        if (IsDamage(rc))
            return rc;
    }
    return 0;
}

// Whether the file is a database of a later schema, looked at through a read-only connection,
// so that not even a checkpoint of its journal changes it. Any other finding is left to Open.
bool IsNewer(const std::string& path)
{
    if (!Exists(path))
        return false;
    sqlite3* db = nullptr;
    int version = 0;
    if (OpenSqlite(path, &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX) == SQLITE_OK) {
        sqlite3_busy_timeout(db, kBusyTimeoutMs);
        CStatement st;
        if (st.Prepare(db, "PRAGMA user_version") && st.Step() == SQLITE_ROW)
            version = static_cast<int>(st.ColInt(0));
    }
    sqlite3_close_v2(db);
    return version > kSchemaVersion;
}

// A free name beside path for a damaged file: path.damaged-YYYYMMDD-HHMM, then -2, -3, ...
std::string SetAsideName(const std::string& path)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M", &local);
    const std::string base = path + ".damaged-" + stamp;
    std::string name = base;
    for (int n = 2; Exists(name) || Exists(name + "-wal") || Exists(name + "-shm"); ++n)
        name = base + "-" + std::to_string(n);
    return name;
}

// The database file and its journal files renamed aside; false with the reason when the file
// itself cannot be.
bool SetAside(const std::string& path, std::string& aside, std::string& error)
{
    aside = SetAsideName(path);
    if (std::rename(path.c_str(), aside.c_str()) != 0) {
        error = "cannot rename " + path + " to " + aside;
        return false;
    }
    for (const char* suffix : {"-wal", "-shm"})
        if (Exists(path + suffix))
            std::rename((path + suffix).c_str(), (aside + suffix).c_str());
    return true;
}

// The interval of a card in SQL: memory_interval(stability) at the connection's retention.
void SqlInterval(sqlite3_context* ctx, int, sqlite3_value** args)
{
    const auto* schedule = static_cast<const SSchedule*>(sqlite3_user_data(ctx));
    sqlite3_result_int(ctx, IntervalDays(sqlite3_value_double(args[0]), schedule->retention, schedule->params));
}

// A card's key in SQL, for the migration: memory_key(text1, text2, direction).
void SqlKey(sqlite3_context* ctx, int, sqlite3_value** args)
{
    auto text = [&](int i) {
        const auto* bytes = reinterpret_cast<const char*>(sqlite3_value_text(args[i]));
        return bytes ? std::string(bytes, static_cast<size_t>(sqlite3_value_bytes(args[i]))) : std::string();
    };
    sqlite3_result_int64(ctx, CardKey(text(0), text(1), sqlite3_value_int(args[2])));
}

} // namespace

bool IsDamage(int rc)
{
    rc &= 0xff;
    return rc == SQLITE_CORRUPT || rc == SQLITE_NOTADB;
}

std::string DamageMarkName(const std::string& path)
{
    return path + "-damaged";
}

double ClampRetention(double retention)
{
    if (!(retention >= 0.70)) // NaN too
        return retention > 0.97 ? 0.97 : 0.70;
    return retention > 0.97 ? 0.97 : retention;
}

CMemoryDb::SImpl::~SImpl()
{
    // The statements are finalized after this; close_v2 waits for them.
    sqlite3_close_v2(db);
}

CMemoryDb::CMemoryDb() = default;
CMemoryDb::~CMemoryDb() = default;

CMemoryDb::SImpl::EStart CMemoryDb::SImpl::Start(const std::string& file, int& version, std::string& error)
{
    path = file;
    const int opened =
        OpenSqlite(file, &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX);
    if (opened != SQLITE_OK) {
        error = db ? ErrorText(db) : sqlite3_errstr(opened);
        return IsDamage(opened) ? EStart::kDamaged : EStart::kFailed;
    }
    // Every failure below: damaged when SQLite said so, now or in a statement before.
    auto failed = [&] {
        if (error.empty())
            error = ErrorText(db);
        return IsDamage(sqlite3_extended_errcode(db)) || damage ? EStart::kDamaged : EStart::kFailed;
    };
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    // Reads first, changing nothing in the file: the header, the version, the schema and the top
    // of every tree.
    {
        CStatement st;
        if (!st.Prepare(db, "PRAGMA user_version") || Note(st.Step()) != SQLITE_ROW)
            return failed();
        version = static_cast<int>(st.ColInt(0));
    }
    if (version > kSchemaVersion)
        return EStart::kNewer;
    if (Note(TouchTrees(db)))
        return failed();
    {
        CStatement mode;
        if (!mode.Prepare(db, "PRAGMA journal_mode=WAL") || Note(mode.Step()) != SQLITE_ROW || mode.ColText(0) != "wal")
            return failed();
    }
    // A larger page cache than the default 2 MB: a pass touches cards all over the file. The
    // journal is copied into the file once it holds 8192 pages (32 MB at 4 KB) instead of 1000: a
    // pass of 10 000 reviews writes some 900, mostly the same ones each time, and each is then
    // copied once for several passes instead of at every pass.
    if (!Exec(db, "PRAGMA synchronous=NORMAL; PRAGMA cache_size=-32768; PRAGMA wal_autocheckpoint=8192", &error) ||
        sqlite3_create_function(db, "memory_interval", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, &schedule, SqlInterval,
            nullptr, nullptr) != SQLITE_OK ||
        sqlite3_create_function(
            db, "memory_key", 3, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, SqlKey, nullptr, nullptr) != SQLITE_OK)
        return failed();
    for (int v = version; v < kSchemaVersion; ++v) {
        const std::string bump = "PRAGMA user_version=" + std::to_string(v + 1);
        CStatement check; // outside the body: a failure's code and text outlive it
        if (!InTransaction(&error, [&] {
                if (!Exec(db, kMigrations[v].c_str(), &error) || !Exec(db, bump.c_str(), &error))
                    return false;
                int found = SQLITE_ERROR;
                if (check.Prepare(db, "PRAGMA foreign_key_check") && (found = Note(check.Step())) == SQLITE_DONE)
                    return true;
                if (found == SQLITE_ROW)
                    error = "a reference without its row in table " + check.ColText(0);
                return false;
            }))
            return failed();
    }
    if (!Exec(db, "PRAGMA foreign_keys=ON", &error) || !PrepareAll(&error))
        return failed();
    // Due days made with another retention (or none yet) are made again.
    const std::string stored = Meta("retention");
    if (damage)
        return failed();
    if (stored.empty() || std::strtod(stored.c_str(), nullptr) != schedule.retention) {
        if (!InTransaction(&error, [&] { return RecomputeDueDays(&error); }))
            return failed();
    }
    return EStart::kOk;
}

SOpenResult CMemoryDb::Open(const std::string& path, double desiredRetention)
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_impl.reset();
    SOpenResult result;
    if (IsNewer(path)) {
        result.status = EOpen::kNewer;
        return result;
    }
    // A file a statement found damaged after an earlier open.
    const std::string mark = DamageMarkName(path);
    if (Exists(mark)) {
        if (Exists(path) && !SetAside(path, result.setAsidePath, result.error))
            return result;
        std::remove(mark.c_str());
    }
    for (int attempt = 0;; ++attempt) {
        auto impl = std::make_unique<SImpl>();
        impl->schedule.retention = ClampRetention(desiredRetention);
        int version = 0;
        const SImpl::EStart start = impl->Start(path, version, result.error);
        if (start == SImpl::EStart::kOk) {
            result.status = !result.setAsidePath.empty() ? EOpen::kSetAside
                : version == 0                           ? EOpen::kCreated
                                                         : EOpen::kOpened;
            m_impl = std::move(impl);
            return result;
        }
        impl.reset();
        if (start == SImpl::EStart::kNewer) {
            result.status = EOpen::kNewer;
            result.error.clear();
            return result;
        }
        if (start == SImpl::EStart::kFailed || attempt > 0)
            return result;
        if (!SetAside(path, result.setAsidePath, result.error))
            return result;
        result.error.clear();
    }
}

void CMemoryDb::Close()
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_impl.reset();
}

bool CMemoryDb::IsOpen() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return SImpl::Live(m_impl);
}

bool CMemoryDb::SImpl::Live(const std::unique_ptr<SImpl>& impl)
{
    return impl && impl->db;
}

int CMemoryDb::SImpl::Note(int rc)
{
    if (!damage && IsDamage(rc))
        damage = rc;
    return rc;
}

bool CMemoryDb::SImpl::CloseIfDamaged()
{
    if (!damage || !db)
        return false;
    // The file is set aside at the next Open, not now: the marker is all that is written.
    plat::WriteFileAtomic(DamageMarkName(path), std::string(sqlite3_errstr(damage)) + "\n");
    FinalizeAll();
    sqlite3_close_v2(db);
    db = nullptr;
    return true;
}

bool CMemoryDb::SetRetention(double desiredRetention, std::string* error)
{
    std::lock_guard<std::mutex> lock(m_lock);
    if (!SImpl::Live(m_impl)) {
        if (error)
            *error = "the memory database is not open";
        return false;
    }
    const double old = m_impl->schedule.retention;
    m_impl->schedule.retention = ClampRetention(desiredRetention);
    if (std::fabs(old - m_impl->schedule.retention) <= 1e-9)
        return true;
    SImpl* p = m_impl.get();
    if (p->Write(error, [&] { return p->RecomputeDueDays(error); }))
        return true;
    p->schedule.retention = old;
    return false;
}

bool CMemoryDb::SImpl::RecomputeDueDays(std::string* error)
{
    char value[32];
    std::snprintf(value, sizeof value, "%.17g", schedule.retention);
    if (!Exec(db, "UPDATE cards SET due_day = last_day + memory_interval(stability)", error))
        return false;
    if (SetMeta("retention", value))
        return true;
    if (error)
        *error = ErrorText(db);
    return false;
}

std::string CMemoryDb::SImpl::Meta(const char* key)
{
    getMeta.Reset().Bind(1, std::string(key));
    std::string value = Note(getMeta.Step()) == SQLITE_ROW ? getMeta.ColText(0) : std::string();
    getMeta.Reset();
    return value;
}

bool CMemoryDb::SImpl::SetMeta(const char* key, const std::string& value)
{
    setMeta.Reset().Bind(1, std::string(key)).Bind(2, value);
    return setMeta.Step() == SQLITE_DONE;
}

} // namespace memory
