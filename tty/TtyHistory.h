#pragma once
// lexido-tty --history [FILE]: the files practised, or one file's passes, from the history.

#include <cstdio>
#include <string>

namespace tty {

// Prints the table of every file practised (file empty) or the passes of file, a path taken
// against the current folder; 0.
int PrintHistory(const std::string& file, std::FILE* out);

} // namespace tty
