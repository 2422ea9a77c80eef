#pragma once
// The history of finished passes, one line a pass in the program folder, and what the
// front-ends show of it: each file practised with its last date and share of known phrases, a
// file's passes, and their totals day by day.

#include "memory/MemoryDb.h"

#include <string>
#include <vector>

namespace hist {

// The history's name in the program folder.
constexpr const char* kFileName = "History.txt";

// A pass as the history keeps it, in History.txt and in the memory's database alike: the mode
// 0 to 8, 11 or 12 as the view-mode setting numbers them, the direction, the iteration from 1, the phrases
// (or screens) shown and of them marked, whether it went through its whole input, and the
// canonical path of the opened phrase file.
using SPassRecord = memory::SPassRow;

struct SFileSummary {
    std::string file;
    long long last = 0; // time of its last pass
    int passes = 0;
    // Phrases known, rounded, in its last completed first iteration (or, lacking one, its last
    // completed pass); -1 when no pass of it was completed.
    int knownPercent = -1;
};

struct SDayTotal {
    long long day = 0; // local midnight, seconds since 1970
    int shown = 0;
    int marked = 0;
};

// One record as a line with its end: the numbers, whether the pass was completed (1 or 0),
// then the path, tab-separated; a backslash and a line end in the path are written as "\\"
// and "\n". A line without the completed field (the path, which is absolute, follows the
// numbers) is a completed pass.
std::string FormatRecord(const SPassRecord& r);
// Appends one record as one whole line. A cut line left by a crash before it is ended first,
// so that it stays a line of its own that the reader skips. False when it cannot be written.
bool AppendRecord(const std::string& path, const SPassRecord& r);
// Every whole, well-formed line of bytes, in order; cut or malformed lines are skipped.
std::vector<SPassRecord> ParseRecords(const std::string& bytes);
// The history file read, each file named by its canonical path; an absent or unreadable
// history holds no pass.
std::vector<SPassRecord> ReadHistory(const std::string& path);

// One row per file, the most recently practised first.
std::vector<SFileSummary> SummariseFiles(const std::vector<SPassRecord>& records);
// The records of one file (by its canonical path), in order; taken out of records, which a
// caller is done with.
std::vector<SPassRecord> PassesOf(std::vector<SPassRecord> records, const std::string& file);
// The passes' shown and marked phrases added up per local day, in time order.
std::vector<SDayTotal> DayTotals(const std::vector<SPassRecord>& passes);
// The local date (and with withTime the hour and minute) of a time, "2026-12-09 10:31".
std::string FormatTime(long long time, bool withTime);

// The record of the running pass of this mode and direction, which has just ended; false when
// it has none: it showed nothing, or is an Add Brackets pass (these make files and have none).
bool EndedPassRecord(int mode, int direction, SPassRecord& r);

} // namespace hist
