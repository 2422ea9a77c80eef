#pragma once
// The languages of a phrase file's two texts, read from its folder's pair (English_Russian:
// the first text English, the second Russian), as eSpeak NG's language codes.

#include <string>

namespace speech {

// The code of a language named as the phrase-book's folders name it ("Russian": "ru"); null
// for a name it does not know.
const char* LanguageCode(const std::string& name);

// The codes of the two texts of the file at path (either kind of slash) when its folder is
// named FIRST_SECOND by two known languages; false, leaving them as they were, otherwise.
bool PairLanguages(const std::string& path, std::string& first, std::string& second);

// The language of a UTF-8 text, guessed from the script most of its letters are written in:
// Cyrillic Russian, Greek Greek, Hebrew, Arabic, Armenian, Georgian, Devanagari (Hindi), Thai,
// Hangul (Korean), kana (Japanese), Han (Mandarin); Latin, and a text without letters, the code
// the caller gives for Latin (the interface language's).
std::string GuessLanguage(const std::string& utf8, const std::string& latin);

} // namespace speech
