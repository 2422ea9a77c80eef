#pragma once
// The window's own command line (--help, --version), read before Qt starts.

#include <cstdio>
#include <string>

namespace app {

// Reads argv before a QApplication exists: --help and --version print to out and give 0, an
// option that is neither ours nor Qt's prints the usage to err and gives 2; -1 lets the window
// start. Qt's own options (-platform NAME, -style NAME, ...) are left to Qt. A phrase file to
// open is the one argument that is not an option ("--" before a name beginning with a dash);
// its path goes to file, a second one is refused as an unknown option is.
int ReadWindowOptions(int argc, const char* const* argv, std::FILE* out, std::FILE* err, std::string* file = nullptr);

} // namespace app
