#pragma once
// What the status line of the terminal shows besides the file: captions of the commands as the
// menus give them, and the phrase count of a file.

#include <string>

namespace tty {

// The English menu caption of a command without its "&" and its key ("In Whole").
std::string CommandCaption(int id);
// The caption of mode 0 to 10 (9 and 10 the two Add Brackets passes).
std::string ModeCaption(int mode);
// The phrases of a phrase file; 0 when it cannot be read.
long CountPhrases(const char* path);

} // namespace tty
