#pragma once
// A text as it is to be said: the UTF-8 form of what the learner sees, without the brackets
// that the bracket modes put around hidden words.

#include <string>

namespace speech {

// A single-byte screen text, decoded word by word into the code page the screen shows it in
// (fontCodePage decides where the words do not).
std::string SpeakableFromScreen(const std::string& bytes, int fontCodePage);

// A text already in UTF-8.
std::string SpeakableFromUtf8(const std::string& utf8);

} // namespace speech
