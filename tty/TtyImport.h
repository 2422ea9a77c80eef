#pragma once
// The command line's import: a learner's material made a phrase file, the summary printed.

#include "tty/TtyOptions.h"

namespace tty {

// Imports options.importFrom into options.importTo. 0 with the summary on standard output; 1
// with the reason on standard error when nothing could be written.
int ImportToFile(const Options& options);

} // namespace tty
