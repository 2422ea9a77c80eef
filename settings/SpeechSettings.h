#pragma once
// The speech settings ("Speech" section): the language of each text, the rate, the voice variant
// and the two options that speak on their own; read where speech is used, written by the sheet.

#include <string>

namespace spch {

constexpr const char* kSection = "Speech";
constexpr const char* kGuess = "guess"; // the language of a text guessed from its script
constexpr int kDefaultRate = 175;       // words a minute, eSpeak's own

struct SSettings {
    std::string first = kGuess;  // the first text's language: an eSpeak code or kGuess
    std::string second = kGuess; // the second text's
    int rate = kDefaultRate;
    std::string variant; // a voice variant; empty: the language's own voice
    bool speakAnswers = false;
    bool speakQuestions = false;
};

// Whether the settings hold the section (an older read-only program folder may lack it).
bool HasSection();
// The settings; each value that cannot be read is its default.
SSettings Read();
// Writes them into the settings in memory; a text the settings file could not read back is not
// stored (the old value stays). False when one was refused.
bool Write(const SSettings& settings);
// Writes the section to its file (atomically); false on failure.
bool Save();

} // namespace spch
