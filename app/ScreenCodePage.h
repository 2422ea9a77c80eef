#pragma once
// Which code page each byte of the screen text is shown in. Phrase texts are bytes in the code
// page of their language (Western for English, French and German, Cyrillic for Russian), and a
// French_Russian or German_Russian text holds both on one screen. A word with an ASCII letter
// is Western; a word of high letters only is read as the rest of its field reads (a field ends
// at a line end, "*" or "="); where nothing decides, the font's character set does.
// Plain C++: the paint and the tests share it.

#include <string>

// The code page of a font character set: 204 (Cyrillic) gives windows-1251, any other 1252.
int CodePageOfCharSet(int charSet);

// One code point for each of the n bytes of text.
std::u32string ScreenToUnicode(const char* text, int n, int fontCodePage);

// The byte a typed character is delivered as: the Western byte where windows-1252 has the
// character, else the Cyrillic one; false where neither has it.
bool TypedCharToByte(char32_t u, unsigned char& byte);
