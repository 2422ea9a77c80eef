#pragma once
// Screen bytes to the terminal and typed characters back: the system's texts are bytes of the
// single-byte code page of their language, decided word by word as in the window, or UTF-8 with
// a UTF-8 phrase file; the terminal speaks UTF-8.

#include "engine/CScreen.h"
#include "platform/PlatUtf8.h"

#include <string>
#include <vector>

namespace tty {

// The screen's bytes in UTF-8, each word in its code page (fontCodePage where the words do not
// decide); carriage returns are dropped, as the window does not draw them.
std::string ScreenToUtf8(
    const char* bytes, std::size_t length, int fontCodePage, plat::TextCoding coding = plat::TextCoding::SingleByte);

// Interface text, bytes of one code page, in UTF-8.
std::string CodePageToUtf8(const std::string& bytes, int codePage);

// Decodes one UTF-8 character of a typed key into the byte the window delivers for it. False
// for a character neither code page has, or a malformed sequence.
bool KeyToByte(const std::string& utf8, unsigned char& byte);

// Decodes one UTF-8 character of a typed key into the key delivered for a screen of this
// coding (plat::TypedCharToKey).
bool TypedKey(const std::string& utf8, plat::TextCoding coding, char32_t& key);

// The screen bytes with `on` before and `off` after each span of typed characters that differ
// from the answer (ESpan::Differs).
std::string WithDifferences(
    const char* bytes, int length, const std::vector<SScreenSpan>& spans, const char* on, const char* off);
// The two bytes the full screen puts around the differing characters: of no width, turned into
// reverse video once the lines are fitted.
constexpr char kDifferOn = '\x0E', kDifferOff = '\x0F';

// The bytes of the UTF-8 character at text[pos] (1 for a byte that begins none) and the
// terminal cells it takes (none for kDifferOn and kDifferOff).
int CharCells(const std::string& utf8, std::size_t pos, std::size_t& bytes);

// Splits text into display lines of at most width cells (line feeds end a line; a wide
// character that would pass the edge begins the next line; a line of nothing but dashes is cut
// to the width, a rule across it).
std::vector<std::string> WrapLines(const std::string& utf8, int width);

// The cell of WrapLines' lines where the character after the first `at` screen bytes goes:
// row and column from 0.
void CellAt(const char* bytes, int at, int width, int& row, int& column,
            plat::TextCoding coding = plat::TextCoding::SingleByte);

} // namespace tty
