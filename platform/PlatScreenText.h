#pragma once
// Which code page each byte of the screen text is shown in, for every front-end. Phrase texts
// are bytes in the code page of their language (Western for English, French and German,
// Cyrillic for Russian), and a French_Russian or German_Russian text holds both on one screen.
// A word with an ASCII letter is Western; a word of high letters only is read as the rest of
// its field reads (a field ends at a line end, "*" or "="); where nothing decides, the display
// font's code page does. A screen of a UTF-8 phrase file is UTF-8 throughout.

#include "platform/PlatUtf8.h"

#include <string>

namespace plat {

// The characters of the n bytes of text. A single-byte screen gives one code point a byte,
// fontCodePage deciding where the words do not; a UTF-8 screen one a character, a byte that
// is no part of one (a cut text) as U+FFFD, the byte-order mark left out.
std::u32string ScreenToUnicode(const char* text, int n, int fontCodePage, TextCoding coding = TextCoding::SingleByte);

// The byte a typed character is delivered as: the Western byte where windows-1252 has the
// character, else the Cyrillic one; false where neither has it.
bool TypedCharToByte(char32_t u, unsigned char& byte);

// The key a typed character is delivered as for a screen of this coding: the character itself
// for UTF-8, the byte of TypedCharToByte otherwise; false where there is none.
bool TypedCharToKey(char32_t u, TextCoding coding, char32_t& key);

// A key as a text of the coding: its UTF-8 form, or its one byte.
std::string KeyText(char32_t key, TextCoding coding);

} // namespace plat
