#pragma once
// The text of an Anki field: HTML made plain text, cloze deletions made Lexido's brackets.

#include <string>

namespace imp {

// Tags removed (one that breaks a line or a block as a blank), every named and numbered HTML5
// character reference decoded ("&nbsp;" as a blank), sound references ("[sound:x.mp3]") and
// pictures ("<img ...>") removed and counted in media (when given), runs of white space made
// one blank, blanks at both ends removed.
std::string HtmlToText(const std::string& html, int* media = nullptr);

// The character named by an HTML5 reference without its '&' and ';' ("eacute", "#233",
// "#xE9") as UTF-8; false for a name HTML5 does not know.
bool DecodeEntity(const std::string& name, std::string& utf8);

// Cloze deletions "{{c1::word}}" and "{{c1::word::hint}}" as "<word>" (hints dropped; a cloze
// inside another gives its word to the outer one); other text as it is.
std::string ClozeToBrackets(const std::string& text);

} // namespace imp
