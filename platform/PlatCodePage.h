#pragma once
// The two single-byte code pages of the system's texts: windows-1252 (English, French, German)
// and windows-1251 (Russian). Texts stay bytes inside the system; these tables convert them at
// the window's boundary and give the case-insensitive comparison of the platform.

namespace plat {

constexpr int kCpWestern = 1252;
constexpr int kCpCyrillic = 1251;

// Unicode code point of a byte in the code page (any code page other than 1251 is read as 1252).
char32_t ToUnicode(unsigned char byte, int codePage);

// The byte that holds code point u in the code page; false when the page has no such character.
bool FromUnicode(char32_t u, int codePage, unsigned char& byte);

// Lower-case form of a byte in its code page (ASCII, Western and Cyrillic letters).
unsigned char ToLower(unsigned char byte, int codePage);

// Case-insensitive comparison of two zero-terminated texts in a code page: <0, 0, >0.
int StrCmpI(const char* a, const char* b, int codePage);

} // namespace plat
