#pragma once
// The inside of CMemoryDb, shared by its source files: the connection, the prepared statements
// and the scheduler's settings. Inside memory/ only.

#include "memory/Fsrs.h"
#include "memory/MemoryDb.h"
#include "memory/Sqlite.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace memory {

// The schema this Lexido writes (PRAGMA user_version).
constexpr int kSchemaVersion = 2;
// The cards looked up and the reviews inserted by one statement: fewer statements run, each
// opening its tables once.
constexpr size_t kChunk = 64;
// Stability from which a card counts as mature, in days.
constexpr double kMatureDays = 21;
// The indexes of the cards' state: the due cards of a direction, and the cards of a file by
// maturity (a flag, so that a review touches it only when the card crosses 21 days).
constexpr const char* kCardIndexes = "CREATE INDEX cards_due ON cards(direction, due_day);"
                                     "CREATE INDEX cards_files ON cards(direction, source_id, mature);";

// The weights and the retention the due days are computed with.
struct SSchedule {
    SParams params = DefaultParams();
    double retention = 0.9;
};

// Whether an SQLite result code says the file is damaged (or no database at all).
bool IsDamage(int rc);

struct CMemoryDb::SImpl {
    // What opening found of the file.
    enum class EStart { kOk, kNewer, kDamaged, kFailed };

    // Null once closed: never opened, or closed for a damage found after the open.
    sqlite3* db = nullptr;
    std::string path;
    SSchedule schedule;
    // Source paths by id, filled as they are met.
    std::unordered_map<std::string, long long> sourceIds;
    // The first damage a statement reported (an SQLite result code), 0 without.
    int damage = 0;

    CStatement findCards, cardState, insertCard, updateCard, updateCardFile, insertReview, insertReviews, insertPass,
        findSource, insertSource;
    CStatement due, dueByFile, forecast, maturity, retained, passes, getMeta, setMeta, dataVersion;
    // The due count by file as last read (the welcome page asks at each of its paints), with
    // what it was read at: the day, the direction, this connection's changes and SQLite's data
    // version, which moves when another connection (the other front-end) commits.
    struct SDueByFile {
        int direction = -1;
        long long today = 0, changes = -1, version = -1;
        std::vector<SFileCount> counts;
    } dueByFileRead;
    // Every statement above with its SQL.
    struct SStatementSql {
        CStatement SImpl::*st;
        const char* sql;
    };
    static const SStatementSql kStatements[];

    ~SImpl();
    // Opens or makes the file, migrates it and prepares the statements; version gets the schema
    // version the file had (0: new).
    EStart Start(const std::string& file, int& version, std::string& error);
    // Prepares every statement; false with SQLite's text when one cannot be.
    bool PrepareAll(std::string* error);
    void FinalizeAll();
    // Whether impl holds a connection.
    static bool Live(const std::unique_ptr<SImpl>& impl);
    // Records a damage among SQLite's result codes; returns rc.
    int Note(int rc);
    // After a member's work: when a statement found the file damaged, the connection is closed
    // and the file marked, so that the next Open sets it aside. True when it was.
    bool CloseIfDamaged();
    // A read's last step: true for a row or the end, false for a failure (the connection closed
    // when it was a damage).
    bool Read(int rc)
    {
        Note(rc);
        return !CloseIfDamaged() && (rc == SQLITE_ROW || rc == SQLITE_DONE);
    }
    // Runs body in one write transaction: committed when it returns true, rolled back otherwise
    // (with SQLite's text in error and a damage noted).
    template <class F>
    bool InTransaction(std::string* error, F body);
    // A member's write: InTransaction, after a failure the ids of sources forgotten (the rollback
    // may have taken some back) and the connection closed when the file is damaged.
    template <class F>
    bool Write(std::string* error, F body)
    {
        if (InTransaction(error, body))
            return true;
        sourceIds.clear();
        CloseIfDamaged();
        return false;
    }
    // Write for the bulk writes whose every reference is an id read or made in the same
    // transaction: SQLite's check of each reference would only look up again what the body just
    // found, a third of a large pass's time. The check is on again afterwards (it cannot change
    // inside a transaction), for every other write.
    template <class F>
    bool WriteOwnReferences(std::string* error, F body)
    {
        Exec(db, "PRAGMA foreign_keys=OFF", nullptr);
        const bool ok = Write(error, body);
        // What the body wrote is committed or rolled back by now, and its result says which.
        if (db)
            Exec(db, "PRAGMA foreign_keys=ON", nullptr);
        return ok;
    }
    // The id of a source path, inserted when new; -1 on failure.
    long long SourceId(const std::string& path);
    std::string Meta(const char* key);
    bool SetMeta(const char* key, const std::string& value);
    // Every card's due day from its last day and stability at the present retention.
    bool RecomputeDueDays(std::string* error);
    // Inserts one pass record; its id, or -1.
    long long InsertPass(const SPassRow& pass);
    // A pass's reviews applied to their cards (made when new) and logged; false on a failure of
    // SQLite.
    bool WriteReviews(const std::vector<SReview>& reviews, long long passId);
};

// A card's row as a review changes it.
struct SCardRow {
    long long id = 0, sourceId = 0, lastDay = 0, dueDay = 0;
    SMemoryState state;
    int reviews = 0, lapses = 0;
};
// What one review on day does to its card (new when it has no review yet): the FSRS step, the
// lapse count, the due day; elapsed and scheduled get what the review log keeps of it. The one
// rule for writing a pass and for rebuilding from the log.
void ApplyGrade(SCardRow& card, int grade, long long day, const SParams& p, double retention, long long& elapsed,
    long long& scheduled);

// The retention the due days are computed with, brought into 0.70 to 0.97.
double ClampRetention(double retention);
// The file beside a database that marks it damaged: the next Open sets the database aside.
std::string DamageMarkName(const std::string& path);

template <class F>
bool CMemoryDb::SImpl::InTransaction(std::string* error, F body)
{
    if (error)
        error->clear();
    if (!Exec(db, "BEGIN IMMEDIATE", error)) {
        Note(sqlite3_extended_errcode(db));
        return false;
    }
    if (body() && Exec(db, "COMMIT", error))
        return true;
    Note(sqlite3_extended_errcode(db));
    if (error && error->empty())
        *error = ErrorText(db);
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    return false;
}

} // namespace memory
