#pragma once
// Scripted speech: the text of the command line said in a language and written as a WAV file.

#include "tty/TtyOptions.h"

namespace tty {

// Writes the speech of options.file (the TEXT) in options.language to options.speakTo.
// 0 when written; 1, with a message on standard error, for an unknown language, a synthesiser
// that cannot start or a file that cannot be written.
int SpeakToFile(const Options& options);

} // namespace tty
