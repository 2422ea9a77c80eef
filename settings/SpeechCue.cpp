#include "settings/SpeechCue.h"

#include "base/Globals.h"
#include "engine/CScreen.h"
#include "engine/DrillCommands.h"
#include "engine/EngineGlobals.h"
#include "locale/ILocal.h"
#include "locale/LocaleGlobals.h"
#include "programs/CBsPrgr.h"
#include "settings/LsnLogFont.h"
#include "settings/SpeechSettings.h"
#include "speech/SpeechLanguage.h"
#include "speech/SpeechText.h"
#include "texts/IUtltsFile.h"

#include <cstring>

namespace spch {

namespace {

// The screen of a pass cut into what the learner sees: the question and the answer shown so
// far (as screen bytes), and which text of the file each is.
struct SScreenParts {
    std::string question;
    std::string answer;
    int questionText = 0;
    int answerText = 1;
    bool revealed = false; // the answer shows (for the bracket modes: every bracket is open)
};

std::string Trimmed(const std::string& s)
{
    const std::size_t first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return std::string();
    return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

SScreenParts Split(const std::string& screen)
{
    SScreenParts parts;
    const int mode = drill::GetMode();
    const bool brackets = mode >= 5 && mode <= 8;
    // Type and Choose the Answer: what is typed or offered is no answer; the answer is the first
    // line below the separator once the verdict's continue line is there.
    const bool asks = mode == drill::kModeTypeAnswer || mode == drill::kModeChooseAnswer;
    // The line that ends a phrase (a continue or time-out line) is no part of it.
    const std::size_t end = screen.find("\n\n\n\n\n-");
    const std::string shown = screen.substr(0, end);
    const std::size_t sep = shown.find(SEPARATOR_LINE);
    if (sep == std::string::npos) {
        // A screen of plain text (Open Brackets without interpretation): one text, the first.
        parts.answer = Trimmed(shown);
        parts.answerText = 0;
        parts.revealed = !brackets || end != std::string::npos;
        return parts;
    }
    parts.question = Trimmed(shown.substr(0, sep));
    parts.answer = Trimmed(shown.substr(sep + std::strlen(SEPARATOR_LINE)));
    if (asks)
        parts.answer = Trimmed(parts.answer.substr(0, parts.answer.find('\n')));
    // The Open Brackets modes ask in the first text whatever the direction; the others by it.
    const int direction = brackets ? 0 : drill::GetDirection();
    parts.questionText = direction == 0 ? 0 : 1;
    parts.answerText = 1 - parts.questionText;
    // In the bracket modes the text is whole once its brackets are all open and the continue
    // line follows; before that it is the learner's to fill.
    parts.revealed = !parts.answer.empty() && (!(brackets || asks) || end != std::string::npos);
    return parts;
}

SSaying Saying(const std::string& bytes, int which)
{
    SSaying s;
    // A UTF-8 screen (of a UTF-8 phrase file) is said as it is; a single-byte one as it shows.
    const bool utf8 = g_pOScreen && g_pOScreen->GetCoding() != plat::TextCoding::SingleByte;
    s.text = Trimmed(utf8 ? speech::SpeakableFromUtf8(bytes) : speech::SpeakableFromScreen(bytes, DisplayFontCodePage()));
    if (!s.text.empty())
        s.language = TextLanguage(which, s.text);
    return s;
}

} // namespace

std::string TextLanguage(int which, const std::string& text)
{
    std::string first, second;
    const char* path = g_pIUtltsFile ? g_pIUtltsFile->GetFilePath() : nullptr;
    if (path && speech::PairLanguages(path, first, second))
        return which == 0 ? first : second;
    const SSettings settings = Read();
    const std::string& chosen = which == 0 ? settings.first : settings.second;
    if (!chosen.empty() && chosen != kGuess)
        return chosen;
    // Latin letters are read in the interface language; under the Russian interface, English.
    const int language = g_pILocal ? g_pILocal->GetLanguage() : LANGUAGE_ENGLISH;
    return speech::GuessLanguage(text, language == LANGUAGE_GERMAN ? "de" : "en");
}

bool CSpeechVoice::Say(const SSaying& saying)
{
    if (saying.text.empty())
        return false;
    if (!m_pSpeaker)
        m_pSpeaker = m_Make();
    const SSettings settings = Read();
    if (m_pSpeaker->Say(saying.text, saying.language, {settings.rate, settings.variant}) || m_OffTold)
        return false;
    // No sound device is no error: the program goes on without speech.
    m_OffTold = true;
    return true;
}

SSaying CSpeechCue::Revealed(const std::string& screen)
{
    const SScreenParts parts = Split(screen);
    if (parts.revealed || parts.question.empty())
        return Saying(parts.answer, parts.answerText);
    return Saying(parts.question, parts.questionText);
}

SSaying CSpeechCue::Follow(const std::string& screen)
{
    const SScreenParts parts = Split(screen);
    SSaying say;
    // A new phrase: another question, or the same question over a screen without its answer.
    if (parts.question != m_Question || (!m_Answer.empty() && parts.answer.empty())) {
        m_Question = parts.question;
        m_Answer.clear();
        if (!m_Question.empty() && Read().speakQuestions)
            say = Saying(m_Question, parts.questionText);
    }
    if (!parts.revealed || parts.answer == m_Answer)
        return say;
    // What was added to the answer shown before, or the whole of it when it changed otherwise.
    const bool grew = !m_Answer.empty() && parts.answer.compare(0, m_Answer.size(), m_Answer) == 0;
    const std::string added = grew ? parts.answer.substr(m_Answer.size()) : parts.answer;
    m_Answer = parts.answer;
    if (Read().speakAnswers) {
        SSaying answer = Saying(added, parts.answerText);
        if (!answer.text.empty())
            say = answer;
    }
    return say;
}

} // namespace spch
