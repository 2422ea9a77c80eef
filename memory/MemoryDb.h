#pragma once
// The learner's memory of every phrase across days in one SQLite file: the review log, each
// card's FSRS state derived from it, the history of passes, and the queries the front-ends ask.

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace memory {

// One review of a card: a phrase (both texts UTF-8) in a direction, graded kAgain to kEasy.
struct SReview {
    std::string text1, text2;
    int direction = 0;  // 0 first language to second, 1 second to first
    int grade = 3;
    int mode = 0;       // the mode of the pass
    long long time = 0; // seconds since 1970, UTC
    std::string source; // the path of the phrase file it was practised from
};

// One finished pass, as the history of passes records it.
struct SPassRow {
    long long time = 0; // when the pass ended: seconds since 1970, UTC
    int mode = 0, direction = 0, iteration = 0, shown = 0, marked = 0;
    std::string file;      // the canonical path of the opened phrase file
    bool completed = true; // the pass ran to its end (not cut short)
};

// A card's state. lapses counts Again after a day or more; dueDay and lastDay are day numbers.
struct SCardState {
    long long dueDay = 0, lastDay = 0;
    double stability = 0, difficulty = 0;
    int reviews = 0, lapses = 0;
    std::string source;
};

struct SDuePhrase {
    std::string text1, text2, source;
    long long dueDay = 0;
};

struct SFileCount {
    std::string source;
    int count = 0;
};

// Cards of a file by stability: learning below 21 days, mature from 21 days.
struct SFileMaturity {
    std::string source;
    int learning = 0, mature = 0;
};

enum class EOpen {
    kOpened,   // an existing database
    kCreated,  // a new one
    kNewer,    // made by a newer Lexido: left untouched, the object stays closed
    kSetAside, // a damaged one was renamed to setAsidePath and a new one made
    kFailed    // cannot be opened or made: error says why, the object stays closed
};

struct SOpenResult {
    EOpen status = EOpen::kFailed;
    std::string setAsidePath;
    std::string error; // SQLite's text when kFailed
};

// The database. Used from two threads but never at once (the worker writes at the end of a
// pass, the window reads as it paints): every member takes the object's one mutex, and the
// connection is opened without SQLite's own (SQLITE_OPEN_NOMUTEX); another process holding the
// file is waited for up to 5 s. Reads on a closed object return nothing, writes false with why.
class CMemoryDb {
public:
    CMemoryDb();
    ~CMemoryDb();
    CMemoryDb(const CMemoryDb&) = delete;
    CMemoryDb& operator=(const CMemoryDb&) = delete;

    // Opens or makes the file; desiredRetention (0.70 to 0.97) sets the due days, which are
    // recomputed when the stored ones were made with another.
    SOpenResult Open(const std::string& path, double desiredRetention = 0.9);
    void Close();
    bool IsOpen() const;
    bool SetRetention(double desiredRetention, std::string* error = nullptr);

    // Every review updates its card (made when new) by the FSRS step, and the pass record (when
    // given) is appended: all in one transaction.
    bool WritePass(const std::vector<SReview>& reviews, const SPassRow* pass, std::string* error = nullptr);

    bool FindCard(const std::string& text1, const std::string& text2, int direction, SCardState& out) const;
    // The cards of a direction due on today (due day today or before): the most overdue first,
    // then in the order the cards were first reviewed.
    std::vector<SDuePhrase> Due(int direction, long long today) const;
    std::vector<SFileCount> DueByFile(int direction, long long today) const;
    // Due counts: [0] today, overdue included, then each next day.
    std::vector<int> Forecast(int direction, long long today, int days = 30) const;
    std::vector<SFileMaturity> Maturity(int direction) const;
    // The share of reviews of due cards in the last days (today included) graded Hard or better;
    // -1 without such reviews. reviewCount (may be null) gets their number.
    double TrueRetention(long long today, int days, int* reviewCount) const;
    // Every card derived anew from the review log.
    bool Rebuild(std::string* error = nullptr);

    bool AppendPass(const SPassRow& pass, std::string* error = nullptr);
    std::vector<SPassRow> Passes() const; // in time order
    bool HistoryImported() const;
    // Appends the records of the old history file, once: later calls do nothing and succeed.
    bool ImportHistory(const std::vector<SPassRow>& rows, std::string* error = nullptr);

private:
    struct SImpl;
    mutable std::mutex m_lock;
    std::unique_ptr<SImpl> m_impl;
};

} // namespace memory
