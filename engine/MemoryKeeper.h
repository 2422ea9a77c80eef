#pragma once
// The memory of every phrase across days, as both front-ends reach it: the one open database
// of the process (Memory.db in the program folder), what is due today, the Memory page's
// figures, the history of passes and the notices the front-ends show once.

#include "engine/PassHistory.h"
#include "memory/MemoryDb.h"

#include <string>
#include <vector>

namespace keeper {

// The database's name in the program folder.
constexpr const char* kFileName = "Memory.db";
// The desired retention in percent: its bounds and default ("Memory"/"Retention").
constexpr int kRetentionLow = 70, kRetentionHigh = 97, kRetentionDefault = 90;

enum class EState {
    kClosed, // not opened (before start-up, after shut-down)
    kOpen,   // reviews are kept
    kNotMade, // reviews are kept, but none yet: the database is made at the first write, and
              // until then reads answer as from an empty one (a start touches no SQLite)
    kNewer,  // made by a newer Lexido: left untouched, practice goes on without memory
    kFailed  // cannot be opened or made: practice goes on without memory
};

// Something the learner is told once; the front-ends word it through locale/MemoryTexts.
enum class ENotice {
    kSetAside, // a damaged database was set aside at detail; a new one started
    kNewer,    // the database is from a newer Lexido: practice goes on without memory
    kFailed,   // the database cannot be opened (detail: why): practice goes on without memory
    kNotStored // the reviews of a pass were not stored (detail: why); its results are kept
};

struct SNotice {
    ENotice kind = ENotice::kFailed;
    std::string detail;
};

// Opens Memory.db in folder with the desired retention in percent, imports an old History.txt
// once (renamed History.txt.imported) and queues what the learner must be told. Without either
// file nothing is made yet (kNotMade). Called by the installer after the settings are read;
// never fails the start-up.
void Open(const std::string& folder, int retentionPercent);
// Closes the database at shut-down.
void Close();
EState State();
// Whether reviews are kept (kOpen or kNotMade).
bool IsOpen();
// A new desired retention (clamped to its bounds); the due days follow.
void SetRetention(int percent);
int Retention();

// The notices queued since the last call, oldest first; each is returned once.
std::vector<SNotice> TakeNotices();

struct SFileDue {
    std::string file; // the source path of the phrases
    int count = 0;
};

struct SDueToday {
    int total = 0;
    std::vector<SFileDue> files; // the most due first
};

// The phrases of a direction due today or earlier, in all and per file.
SDueToday DueToday(int direction);

struct SFileMemory {
    std::string file;
    int fresh = 0;    // phrases of the file never reviewed in the direction (0 for a file gone)
    int learning = 0; // reviewed, stability below 21 days
    int mature = 0;   // stability of 21 days or more
};

struct SMemoryPage {
    std::vector<int> forecast;      // due counts: [0] today (overdue included), then each day
    std::vector<SFileMemory> files; // every file with reviewed phrases, by its path
    double trueRetention = -1;      // share of due reviews of the last 30 days passed; -1 none
    int retentionReviews = 0;       // the number of those reviews
};

// What the Memory page shows for a direction (30 days of forecast).
SMemoryPage MemoryPage(int direction);

// One phrase of a file as --memory prints it.
struct SPhraseMemory {
    std::string text1;    // the first text, UTF-8
    bool fresh = true;    // never reviewed in the direction
    long long dueDay = 0; // day number (memory::FormatDay writes it)
    double stability = 0, difficulty = 0;
    int reviews = 0, lapses = 0;
};

// The phrases of the file at path in its order, with their memory in the direction; false
// (and error) when the file cannot be read.
bool PhrasesOf(const std::string& path, int direction, std::vector<SPhraseMemory>& out, std::string& error);

// A phrase's two card texts (engine/PassVerdicts' CardText), in the file's order.
struct SCardTexts {
    std::string text1, text2;
};
// Reads the phrases of a phrase file as card texts, in its order; false when it cannot be read.
// The file side installs it at start-up (texts/PhraseList): the engine reads no phrase file.
using PhraseLister = bool (*)(const std::string& path, std::vector<SCardTexts>& out);
void SetPhraseLister(PhraseLister lister);

// The clock of the reviews and of "today", seconds since 1970; tests and benchmarks set their
// own (null: the system's).
using Clock = long long (*)();
void SetClock(Clock clock);
long long Now();
// Today's day number (memory::DayOf: the learner's day starts at 04:00).
long long Today();

// Writes the phrases of direction due today or earlier, the most overdue first, as a UTF-8
// phrase file (with its byte-order mark) at path, through the atomic writer. Returns how many
// were written: 0 when none is due or memory is not kept; -1 when the file cannot be written.
int WriteDueFile(int direction, const std::string& path);

// The history of passes in time order: from the database, or from History.txt without one.
std::vector<hist::SPassRecord> History();

// Brings the review log of an imported package (oldest first, card texts without brackets) into
// the memory for the phrase file at path: a card's reviews after the last day the memory has
// for it, so that importing the same package again adds nothing. Returns how many were written:
// 0 when memory is not kept; -1 (error says why) when they cannot be written.
int ImportReviews(std::vector<memory::SReview> reviews, const std::string& path, std::string& error);

// The running pass of this mode and direction has ended (on the worker thread, after its
// results were stored): its reviews and its history record are written in one transaction.
void NotePassEnded(int mode, int direction);

} // namespace keeper
