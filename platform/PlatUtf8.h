#pragma once
// The system's one UTF-8 codec: the texts written in this source tree (interface tables, help
// files, the masters of the shipped texts) and the terminal's output and keys pass through it.

#include <string>

namespace plat {

// Decodes the character at text[pos] and moves pos past it. False, with pos unchanged, at the
// end or on a malformed sequence (cut short, overlong, a surrogate, beyond U+10FFFF).
bool NextUtf8(const std::string& text, std::size_t& pos, char32_t& out);

// True when the whole text is well-formed UTF-8.
bool IsUtf8(const std::string& text);

// Appends the UTF-8 form of one code point; one that UTF-8 cannot hold (a surrogate, beyond
// U+10FFFF) is appended as U+FFFD.
void AppendUtf8(char32_t u, std::string& out);

// The UTF-8 form of a sequence of code points.
std::string ToUtf8(const std::u32string& text);

// The bytes of a UTF-8 text in a single-byte code page. False when the text is not UTF-8 or
// holds a character the code page lacks; each such byte or character becomes '?'.
bool Utf8ToCodePage(const std::string& utf8, int codePage, std::string& out);

} // namespace plat
