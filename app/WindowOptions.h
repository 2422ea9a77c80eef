#pragma once
// The window's own command line (--help, --version), read before Qt starts.

#include <cstdio>

namespace app {

// Reads argv before a QApplication exists: --help and --version print to out and give 0, an
// option that is neither ours nor Qt's prints the usage to err and gives 2; -1 lets the window
// start. Qt's own options (-platform NAME, -style NAME, ...) are left to Qt.
int ReadWindowOptions(int argc, const char* const* argv, std::FILE* out, std::FILE* err);

} // namespace app
