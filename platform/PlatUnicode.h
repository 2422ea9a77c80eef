#pragma once
// What UTF-8 texts need of Unicode's tables (ICU): comparison under case folding, and the
// width a character takes in a terminal's cells.

namespace plat {

// Compares two zero-terminated UTF-8 texts under Unicode's full case folding: <0, 0, >0.
// A malformed sequence compares as U+FFFD.
int Utf8CaseCompare(const char* a, const char* b);

// Cells a character takes: 2 for East Asian wide and full-width ones, 0 for combining marks
// and other characters of no width, 1 otherwise.
int CellWidth(char32_t u);

} // namespace plat
