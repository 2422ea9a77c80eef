#pragma once
// The judge of a typed answer (mode Type the Answer): both texts made comparable, then Right,
// Almost (accents, or a slip of a few characters) or Wrong; and which typed characters differ.

#include <string>
#include <vector>

enum class EAnswer { Right, Almost, Wrong };

// The text as the judge compares it: NFC; runs of white space one space; trimmed; a leading
// "¿" or "¡" and a trailing run of white space and ". ! ? … ; : ," dropped; then full case
// folding unless matchCase.
std::u32string ComparableAnswer(const std::u32string& text, bool matchCase);

// The optimal-string-alignment distance: insertions, deletions, substitutions and swaps of two
// neighbours, each 1; limit + 1 for any distance above limit (found sooner).
int OsaDistance(const std::u32string& a, const std::u32string& b, int limit = 1 << 20);

// Right when the comparable texts are equal; Almost when they are equal without accents, or
// when something was typed and the accent-free texts are at most 0 (an answer under 4
// characters), 1 (4 to 9) or 2 (10 or more) apart; else Wrong.
EAnswer JudgeAnswer(const std::u32string& typed, const std::u32string& answer, bool matchCase);

// One flag for each character of typed: set where it stands in no place of the answer (typed
// in excess, in its stead, or swapped with its neighbour), by an alignment of least edits
// whose characters match under case folding (unless matchCase) and any white space matches any.
std::vector<bool> DifferingChars(const std::u32string& typed, const std::u32string& answer, bool matchCase);
