#pragma once
// The line-based forms: tab-separated text, comma-separated text with RFC 4180 quoting, and
// Anki's plain-text export of notes (its "#key:value" header, then separated fields).

#include "import/PhraseSink.h"

#include <string>

namespace imp {

// The text with its ASCII letters in lower case (names, keys and extensions are compared so).
std::string AsciiLower(std::string s);

// True when the text opens with a header line of Anki's export ("#separator:tab", "#html:true").
bool HasAnkiHeader(const std::string& text);

// Each line's first two fields, split at every tab; a field in double quotes (doubled inside) may
// hold tabs and line ends, and loses its quotes.
void ReadTsv(const std::string& text, CPhraseSink& sink);
// Each record's first two fields: commas between them (semicolons in a file whose first line has
// them and no comma), quoted fields holding commas, doubled quotes and line ends.
void ReadCsv(const std::string& text, CPhraseSink& sink);
// The header's separator, HTML and column lines, then each note's first two fields (the guid,
// note type, deck and tags columns the header names are not fields). False, with nothing read,
// for a separator that is neither a name nor one ASCII character.
bool ReadAnki(const std::string& text, CPhraseSink& sink);

} // namespace imp
