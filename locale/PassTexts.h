#pragma once
// The texts the front-ends show beside a pass's screen text: where the pass is, the keys of its
// mode, its mark and what it came to; and the welcome page of the empty screen. All are bytes
// of the interface language's code page.

#include "engine/CPassProgress.h"
#include "engine/CScreen.h"
#include "engine/PassNote.h"

#include <string>
#include <vector>

// "Phrase 7 of 32 · 3 marked · pass 2" ("Screen 3 of 12 ..." for a pass over plain text); the
// marks include the shown phrase's, and a mark just taken back is said.
std::string PassProgressText(const SPassProgress& progress);
// The keys of mode 0 to 12 (9 and 10 the two Add Brackets passes); empty for another.
std::string PassLegendText(int mode);
// The keys as the pass needs them now: after a wrong answer the note comes first; a text
// without brackets has only its note, since nothing is typed into it.
std::string PassKeysText(int mode, EPassNote note);
// The Mode menu turned the direction for an Open Brackets mode: what the front-ends say.
std::string DirectionTurnedText();
// The end of a pass: file, pass number, phrases shown (of how many, for a stopped pass) and
// marked, then what comes next, named by nextIteration or nextFile (a key or a command caption,
// in the same code page).
std::string PassSummaryText(const SPassProgress& progress, const char* file, const char* nextIteration,
                            const char* nextFile);
// The word of a verdict span (Right, Almost, Wrong) in the interface language; empty for
// another kind of span.
std::string VerdictText(ESpan kind);
// The badge beside a question whose phrase is marked ("Marked").
std::string PassMarkText();
// The welcome page: its title, the three steps (the phrase-book as the window or the terminal
// reaches it) and the heading of the recent files.
std::vector<std::string> WelcomeLines(bool terminal);
