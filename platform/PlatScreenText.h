#pragma once
// Which code page each byte of the screen text is shown in, for every front-end. Phrase texts
// are bytes in the code page of their language (Western for English, French and German,
// Cyrillic for Russian), and a French_Russian or German_Russian text holds both on one screen.
// A word with an ASCII letter is Western; a word of high letters only is read as the rest of
// its field reads (a field ends at a line end, "*" or "="); where nothing decides, the display
// font's code page does.

#include <string>

namespace plat {

// One code point for each of the n bytes of text; fontCodePage decides where the words do not.
std::u32string ScreenToUnicode(const char* text, int n, int fontCodePage);

// The byte a typed character is delivered as: the Western byte where windows-1252 has the
// character, else the Cyrillic one; false where neither has it.
bool TypedCharToByte(char32_t u, unsigned char& byte);

} // namespace plat
