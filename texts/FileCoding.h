#pragma once
// The coding of a phrase file (plain or hidden, or a plain text of the Open Brackets modes),
// decided once from its whole content by the rule of plat::CCodingProbe.

#include "platform/PlatUtf8.h"

class ISmrtFile;

// Reads the open file through to its end and decides; the file is then put at its first text
// byte (RewindText). With a limit, only that many bytes are read: what a view shows of a
// file is decided over the part it shows, so that showing a huge file never reads it all.
plat::TextCoding DecideFileCoding(ISmrtFile& file, long limit = -1);

// Counts the phrase records of a file open at its start, reading it through to its end, and
// decides its coding on the way (a plain file in the same reading, another by DecideFileCoding).
// The file is then at its first text byte.
int CountRecordsDeciding(ISmrtFile& file, plat::TextCoding& coding);

// Puts an open file at its first text byte: after the byte-order mark of a file that has one.
void RewindText(ISmrtFile& file, plat::TextCoding coding);
