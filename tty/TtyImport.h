#pragma once
// The command line's import and export: a learner's material made a phrase file, or a phrase
// file written in another form, the summary printed.

#include "tty/TtyOptions.h"

namespace tty {

// Imports options.importFrom into options.importTo. 0 with the summary on standard output; 1
// with the reason on standard error when nothing could be written.
int ImportToFile(const Options& options);
// Writes the phrase file options.exportFrom as options.exportTo; 0 with the summary on standard
// output, 1 with the reason on standard error when nothing was written.
int ExportToFile(const Options& options);

} // namespace tty
