#pragma once
// Copying and measuring a file through the character interface, as the results files and the
// view of a file need them.

#include "texts/ISmrtFile.h"

// Copies every character of from (open for reading) to to (open for writing): read; while not
// at the end, write and read. Byte-exact for plain files. Returns the characters copied.
long CopySmrtFile(ISmrtFile& from, ISmrtFile& to);

// The length in bytes (end position less start position); the file is left at its start.
long MeasureSmrtFile(ISmrtFile& file);
