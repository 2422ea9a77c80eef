#pragma once
// The inside of CMemoryDb, shared by its source files: the connection, the prepared statements
// and the scheduler's settings. Inside memory/ only.

#include "memory/Fsrs.h"
#include "memory/MemoryDb.h"
#include "memory/Sqlite.h"

#include <string>
#include <unordered_map>

namespace memory {

// The schema this Lexido writes (PRAGMA user_version).
constexpr int kSchemaVersion = 1;
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

struct CMemoryDb::SImpl {
    sqlite3* db = nullptr;
    SSchedule schedule;
    // Source paths by id, filled as they are met.
    std::unordered_map<std::string, long long> sourceIds;

    CStatement findCard, cardState, insertCard, updateCard, updateCardFile, insertReview, insertPass, findSource,
        insertSource;
    CStatement due, dueByFile, forecast, maturity, retained, passes, getMeta, setMeta;

    ~SImpl();
    // Prepares every statement; false with SQLite's text when one cannot be.
    bool PrepareAll(std::string* error);
    // The id of a source path, inserted when new; -1 on failure.
    long long SourceId(const std::string& path);
    std::string Meta(const char* key);
    bool SetMeta(const char* key, const std::string& value);
    // Every card's due day from its last day and stability at the present retention.
    bool RecomputeDueDays(std::string* error);
    // Inserts one pass record; its id, or -1.
    long long InsertPass(const SPassRow& pass);
    // One review applied to its card and logged; false on a failure of SQLite.
    bool ApplyReview(const SReview& review, long long passId);
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
// Runs body in one write transaction: committed when it returns true, rolled back otherwise.
template <class F>
bool InTransaction(sqlite3* db, std::string* error, F body)
{
    if (error)
        error->clear();
    if (!Exec(db, "BEGIN IMMEDIATE", error))
        return false;
    if (body() && Exec(db, "COMMIT", error))
        return true;
    if (error && error->empty())
        *error = ErrorText(db);
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    return false;
}

} // namespace memory
