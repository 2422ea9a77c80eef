#pragma once
// UTF-8 reading for the texts written in this source tree (interface tables, help files).

#include <string>

// Decodes the character at text[pos] and moves pos past it. False, with pos unchanged, at
// the end or on a malformed sequence (overlong forms, surrogates, beyond U+10FFFF included).
bool LclNextUtf8(const std::string& text, std::size_t& pos, char32_t& out);

// True when the whole text is well-formed UTF-8.
bool LclIsUtf8(const std::string& text);

// The bytes of a UTF-8 text in a single-byte code page. False when the text is not UTF-8 or
// holds a character the code page lacks; such a character becomes '?'.
bool LclUtf8ToCodePage(const std::string& utf8, int codePage, std::string& out);
