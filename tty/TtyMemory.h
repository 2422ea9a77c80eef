#pragma once
// lexido-tty --memory FILE and --due: the memory across days of a file's phrases, and what is
// due today, read from the program folder's database without starting the trainer.

#include "tty/TtyOptions.h"

#include <cstdio>
#include <string>
#include <vector>

namespace tty {

// The program folder's memory opened for one question from the command line: no lock is taken
// (the trainer may run meanwhile), the retention and the direction are read from the settings
// files; what the learner must be told goes to standard error. Closed at the end of the scope.
class CMemoryQuery {
public:
    CMemoryQuery();
    CMemoryQuery(const CMemoryQuery&) = delete;
    CMemoryQuery& operator=(const CMemoryQuery&) = delete;
    ~CMemoryQuery();
    // False when there is no program folder.
    bool Ok() const { return !m_Dir.empty(); }
    // The direction asked (0, 1) or, with -1, the settings'.
    int Direction(int asked) const { return asked >= 0 ? asked : m_Direction; }

private:
    std::string m_Dir;
    int m_Direction = 0;
};

// One line per phrase of options.file; 0, or 1 when the file cannot be read.
int PrintMemory(const Options& options, std::FILE* out);
// One line per file with phrases due today, then the total; 0.
int PrintDue(const Options& options, std::FILE* out);
// The notices of the memory keeper on standard error, in English.
void PrintNotices();
// For the full-screen trainer, in UTF-8 and the interface language: the notices queued since the
// last call on one line (empty: none), "Nothing is due today.", and the welcome page's lines of
// what is due (the database asked again only when a pass has ended or a minute has passed).
std::string TakeNoticeLine();
std::string NothingDueLine();
std::vector<std::string> DueWelcomeLinesUtf8();

} // namespace tty
