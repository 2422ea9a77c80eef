#pragma once
// Screen bytes to the terminal and typed characters back: the system's texts are bytes of one
// single-byte code page (chosen by the display font's character set, as in the window); the
// terminal speaks UTF-8.

#include <string>
#include <vector>

namespace tty {

// The code page of the screen's bytes: windows-1251 for a Cyrillic display font, else 1252.
int ScreenCodePage();

// The bytes in UTF-8; carriage returns are dropped, as the window does not draw them.
std::string ToUtf8(const char* bytes, std::size_t length, int codePage);

// Appends the UTF-8 form of one code point.
void AppendUtf8(char32_t u, std::string& out);

// Decodes one UTF-8 character of a typed key into the byte of the code page that has it.
// False for a character the page lacks.
bool KeyToByte(const std::string& utf8, int codePage, unsigned char& byte);

// Splits text into display lines of at most width characters (line feeds end a line).
std::vector<std::string> WrapLines(const std::string& utf8, int width);

} // namespace tty
