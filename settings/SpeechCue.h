#pragma once
// What speech says during a pass, found in the screen text as the learner sees it: the question
// above the separator line, the answer revealed below it, and the language of each.

#include "speech/Speaker.h"

#include <functional>
#include <memory>
#include <string>

namespace spch {

// A text to say (UTF-8, without brackets) and its language (an eSpeak code); nothing when empty.
struct SSaying {
    std::string text;
    std::string language;
};

class CSpeechCue {
public:
    // Follows the screen text after a paint: what the options "speak each question as it is
    // shown" and "speak each answer as it is revealed" say now, or nothing. An answer revealed
    // word by word is said a word at a time.
    SSaying Follow(const std::string& screen);
    // What Speak says: the text revealed last, the answer once it shows, else the question.
    static SSaying Revealed(const std::string& screen);

private:
    std::string m_Question;
    std::string m_Answer;
};

// The language of the file's text (0 the first, 1 the second) holding text: the phrase-book's
// folder pair, else the learner's choice, a guess from its script when he chose "guess".
std::string TextLanguage(int which, const std::string& text);

// A front-end's speaker, made at the first text, saying with the Speech page's rate and variant.
class CSpeechVoice {
public:
    using Maker = std::function<std::unique_ptr<speech::ISpeaker>()>;
    explicit CSpeechVoice(Maker make) : m_Make(std::move(make)) {}
    void Set(std::unique_ptr<speech::ISpeaker> speaker) { m_pSpeaker = std::move(speaker); }
    // Says it (nothing when empty); true the one time speech turned out to be off, which the
    // front-end then tells the learner.
    bool Say(const SSaying& saying);

private:
    Maker m_Make;
    std::unique_ptr<speech::ISpeaker> m_pSpeaker;
    bool m_OffTold = false;
};

} // namespace spch
