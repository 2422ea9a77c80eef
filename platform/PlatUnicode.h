#pragma once
// What UTF-8 texts need of Unicode's tables (ICU): comparison under case folding, the
// width a character takes in a terminal's cells, and the forms an answer is judged in.

#include <string>

namespace plat {

// Compares two zero-terminated UTF-8 texts under Unicode's full case folding: <0, 0, >0.
// A malformed sequence compares as U+FFFD.
int Utf8CaseCompare(const char* a, const char* b);

// Cells a character takes: 2 for East Asian wide and full-width ones, 0 for combining marks
// and other characters of no width, 1 otherwise.
int CellWidth(char32_t u);

// Unicode's canonical composition (NFC).
std::u32string Nfc(const std::u32string& text);
// The text without its accents: decomposed (NFD), the nonspacing marks dropped, composed again.
std::u32string WithoutAccents(const std::u32string& text);
// Unicode's full case folding ("Straße" folds to "strasse", a final sigma to a sigma).
std::u32string FoldCase(const std::u32string& text);
// The simple (one character) case folding of a character.
char32_t FoldChar(char32_t u);
// Unicode's White_Space property.
bool IsWhiteSpace(char32_t u);

} // namespace plat
