#pragma once
// The history of finished passes, one line a pass in the program folder, and what the
// front-ends show of it: each file practised with its last date and share of known phrases, a
// file's passes, and their totals day by day.

#include <string>
#include <vector>

namespace hist {

// The history's name in the program folder.
constexpr const char* kFileName = "History.txt";

struct SPassRecord {
    long long time = 0; // when the pass ended: seconds since 1970, UTC
    int mode = 0;       // 0 to 8, as the view-mode setting numbers the modes
    int direction = 0;  // 0 first language to second, 1 second to first
    int iteration = 0;  // the pass's iteration number, from 1
    int shown = 0;      // phrases (or screens) shown
    int marked = 0;     // of them marked
    std::string file;   // the full path of the opened phrase file
    bool completed = true; // the pass reached its end (not stopped)
};

struct SFileSummary {
    std::string file;
    long long last = 0; // time of its last pass
    int passes = 0;
    int knownPercent = 0; // phrases known in its last first iteration (or, lacking one, last pass)
};

struct SDayTotal {
    long long day = 0; // local midnight, seconds since 1970
    int shown = 0;
    int marked = 0;
};

// One record as a line with its end: the numbers, then the path, tab-separated; a backslash
// and a line end in the path are written as "\\" and "\n".
std::string FormatRecord(const SPassRecord& r);
// Appends one record as one whole line. A cut line left by a crash before it is ended first,
// so that it stays a line of its own that the reader skips. False when it cannot be written.
bool AppendRecord(const std::string& path, const SPassRecord& r);
// Every whole, well-formed line of bytes, in order; cut or malformed lines are skipped.
std::vector<SPassRecord> ParseRecords(const std::string& bytes);
// The history file read; an absent or unreadable history holds no pass.
std::vector<SPassRecord> ReadHistory(const std::string& path);

// One row per file, the most recently practised first.
std::vector<SFileSummary> SummariseFiles(const std::vector<SPassRecord>& records);
// The records of one file, in order; taken out of records, which a caller is done with.
std::vector<SPassRecord> PassesOf(std::vector<SPassRecord> records, const std::string& file);
// The passes' shown and marked phrases added up per local day, in time order.
std::vector<SDayTotal> DayTotals(const std::vector<SPassRecord>& passes);
// The local date (and with withTime the hour and minute) of a time, "2026-12-09 10:31".
std::string FormatTime(long long time, bool withTime);

// The record of the running pass of this mode and direction, which has just ended; false when
// it has none: it showed nothing, or is an Add Brackets pass (these make files and have none).
bool EndedPassRecord(int mode, int direction, SPassRecord& r);

} // namespace hist
