// The memory database's file: opening, the schema and its migrations, a damaged file set aside,
// and the retention the due days are computed with.
#include "memory/MemoryDb.h"

#include "memory/MemoryDbImpl.h"

#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace memory {

namespace {

// The migrations: step i brings a database of version i to version i + 1.
const std::string kMigrations[] = {
    // 1: reviews are the truth; a card's state is derived from its reviews.
    std::string("CREATE TABLE meta(key TEXT PRIMARY KEY, value TEXT NOT NULL) WITHOUT ROWID;"
                "CREATE TABLE sources(id INTEGER PRIMARY KEY, path TEXT NOT NULL UNIQUE);"
                "CREATE TABLE cards(id INTEGER PRIMARY KEY, text1 TEXT NOT NULL, text2 TEXT NOT NULL,"
                " direction INTEGER NOT NULL, source_id INTEGER NOT NULL REFERENCES sources(id),"
                " stability REAL NOT NULL, difficulty REAL NOT NULL, last_day INTEGER NOT NULL,"
                " due_day INTEGER NOT NULL, reviews INTEGER NOT NULL, lapses INTEGER NOT NULL,"
                " mature INTEGER NOT NULL, UNIQUE(text1, text2, direction));") +
        kCardIndexes +
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
        // The true retention of recent days is read from this index alone.
        "CREATE INDEX reviews_day ON reviews(day, scheduled, elapsed, grade);",
};
static_assert(sizeof kMigrations / sizeof kMigrations[0] == kSchemaVersion, "one migration per version");

constexpr int kBusyTimeoutMs = 5000;

bool Exists(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

bool IsDamage(int rc)
{
    rc &= 0xff;
    return rc == SQLITE_CORRUPT || rc == SQLITE_NOTADB;
}

enum class EProbe { kOk, kNewer, kDamaged, kFailed };

// Reads the schema version and runs the quick check, changing nothing in the file.
EProbe Probe(sqlite3* db, int& version, std::string& error)
{
    CStatement st;
    int rc = SQLITE_ERROR;
    if (st.Prepare(db, "PRAGMA user_version") && (rc = st.Step()) == SQLITE_ROW) {
        version = static_cast<int>(st.ColInt(0));
    } else {
        rc = rc == SQLITE_ERROR ? sqlite3_extended_errcode(db) : rc;
        error = ErrorText(db);
        return IsDamage(rc) ? EProbe::kDamaged : EProbe::kFailed;
    }
    if (version > kSchemaVersion)
        return EProbe::kNewer;
    if (!st.Prepare(db, "PRAGMA quick_check")) {
        error = ErrorText(db);
        return IsDamage(sqlite3_extended_errcode(db)) ? EProbe::kDamaged : EProbe::kFailed;
    }
    rc = st.Step();
    if (rc == SQLITE_ROW && st.ColText(0) == "ok")
        return EProbe::kOk;
    error = rc == SQLITE_ROW ? st.ColText(0) : ErrorText(db);
    return rc == SQLITE_ROW || IsDamage(rc) || IsDamage(sqlite3_extended_errcode(db)) ? EProbe::kDamaged
                                                                                      : EProbe::kFailed;
}

// Whether the file is a database of a later schema, looked at through a read-only connection,
// so that not even a checkpoint of its journal changes it. Any other finding is left to Open.
bool IsNewer(const std::string& path)
{
    if (!Exists(path))
        return false;
    sqlite3* db = nullptr;
    int version = 0;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) == SQLITE_OK) {
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

} // namespace

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

SOpenResult CMemoryDb::Open(const std::string& path, double desiredRetention)
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_impl.reset();
    SOpenResult result;
    if (IsNewer(path)) {
        result.status = EOpen::kNewer;
        return result;
    }
    std::unique_ptr<SImpl> impl;
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    int version = 0;
    for (int attempt = 0;; ++attempt) {
        impl = std::make_unique<SImpl>();
        impl->schedule.retention = ClampRetention(desiredRetention);
        int rc = sqlite3_open_v2(path.c_str(), &impl->db, flags, nullptr);
        EProbe probe = EProbe::kFailed;
        if (rc == SQLITE_OK) {
            sqlite3_extended_result_codes(impl->db, 1);
            sqlite3_busy_timeout(impl->db, kBusyTimeoutMs);
            probe = Probe(impl->db, version, result.error);
        } else {
            result.error = impl->db ? ErrorText(impl->db) : sqlite3_errstr(rc);
            probe = IsDamage(rc) ? EProbe::kDamaged : EProbe::kFailed;
        }
        if (probe == EProbe::kOk)
            break;
        impl.reset();
        if (probe == EProbe::kNewer) {
            result.status = EOpen::kNewer;
            result.error.clear();
            return result;
        }
        if (probe == EProbe::kFailed || attempt > 0)
            return result;
        if (!SetAside(path, result.setAsidePath, result.error))
            return result;
        result.error.clear();
    }
    sqlite3* db = impl->db;
    {
        CStatement mode;
        if (!mode.Prepare(db, "PRAGMA journal_mode=WAL") || mode.Step() != SQLITE_ROW || mode.ColText(0) != "wal") {
            result.error = ErrorText(db);
            return result;
        }
    }
    // A larger page cache than the default 2 MB: a pass touches cards all over the file.
    if (!Exec(db, "PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON; PRAGMA cache_size=-32768", &result.error))
        return result;
    for (int v = version; v < kSchemaVersion; ++v) {
        const std::string bump = "PRAGMA user_version=" + std::to_string(v + 1);
        if (!InTransaction(db, &result.error, [&] {
                return Exec(db, kMigrations[v].c_str(), &result.error) && Exec(db, bump.c_str(), &result.error);
            }))
            return result;
    }
    if (sqlite3_create_function(
            db, "memory_interval", 1, SQLITE_UTF8, &impl->schedule, SqlInterval, nullptr, nullptr) != SQLITE_OK ||
        !impl->PrepareAll(&result.error))
        return result;
    // Due days made with another retention (or none yet) are made again.
    const std::string stored = impl->Meta("retention");
    if (stored.empty() || std::strtod(stored.c_str(), nullptr) != impl->schedule.retention) {
        SImpl* p = impl.get();
        if (!InTransaction(db, &result.error, [&] { return p->RecomputeDueDays(&result.error); }))
            return result;
    }
    result.status = result.setAsidePath.empty() ? (version == 0 ? EOpen::kCreated : EOpen::kOpened) : EOpen::kSetAside;
    m_impl = std::move(impl);
    return result;
}

void CMemoryDb::Close()
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_impl.reset();
}

bool CMemoryDb::IsOpen() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_impl != nullptr;
}

bool CMemoryDb::SetRetention(double desiredRetention, std::string* error)
{
    std::lock_guard<std::mutex> lock(m_lock);
    if (!m_impl) {
        if (error)
            *error = "the memory database is not open";
        return false;
    }
    const double old = m_impl->schedule.retention;
    m_impl->schedule.retention = ClampRetention(desiredRetention);
    if (std::fabs(old - m_impl->schedule.retention) <= 1e-9)
        return true;
    SImpl* p = m_impl.get();
    if (InTransaction(p->db, error, [&] { return p->RecomputeDueDays(error); }))
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
    std::string value = getMeta.Step() == SQLITE_ROW ? getMeta.ColText(0) : std::string();
    getMeta.Reset();
    return value;
}

bool CMemoryDb::SImpl::SetMeta(const char* key, const std::string& value)
{
    setMeta.Reset().Bind(1, std::string(key)).Bind(2, value);
    return setMeta.Step() == SQLITE_DONE;
}

} // namespace memory
