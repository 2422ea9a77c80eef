#include "programs/CAnswerModes.h"

#include "base/Log.h"
#include "engine/CScreen.h"
#include "engine/EngineGlobals.h"
#include "engine/IKbrd.h"
#include "engine/PassVerdicts.h"
#include "platform/PlatCodePage.h"
#include "platform/PlatScreenText.h"
#include "platform/PlatUtf8.h"
#include "programs/CWrkFile.h"
#include "programs/IPrStr.h"

#include <cstdlib>
#include <random>

namespace {

std::string WithoutBrackets(const char* text)
{
    std::string out;
    for (const char* p = text ? text : ""; *p; ++p)
        if (*p != '<' && *p != '>')
            out.push_back(*p);
    return out;
}

// Where each character of a text of the coding begins, and its end.
std::vector<int> CharStarts(const std::string& text, plat::TextCoding coding)
{
    std::vector<int> starts;
    for (std::size_t i = 0; i < text.size();) {
        starts.push_back(static_cast<int>(i));
        i += plat::IsUtf8Coding(coding)
            ? static_cast<std::size_t>(plat::Utf8Length(static_cast<unsigned char>(text[i])))
            : 1;
    }
    starts.push_back(static_cast<int>(text.size()));
    return starts;
}

int PutAndMeasure(const std::string& text)
{
    const int begin = g_pOScreen->GetWritePos();
    g_pOScreen->PutStr(text.c_str());
    return begin;
}

} // namespace

std::string CAnswerPrgr::ShownAnswer()
{
    return WithoutBrackets(m_pIPrStr->GetText());
}

std::u32string CAnswerPrgr::Chars(const std::string& text, const std::string& answer) const
{
    if (plat::IsUtf8Coding(m_Coding) || answer.empty())
        return plat::ScreenToUnicode(text.data(), static_cast<int>(text.size()), plat::kCpCyrillic, m_Coding);
    // A single-byte word of high letters only reads as its field does: the typed words are read
    // beside the answer's, so that a typed word is decoded as the same word of the answer is.
    const std::string both = answer + " " + text;
    const std::u32string chars =
        plat::ScreenToUnicode(both.data(), static_cast<int>(both.size()), plat::kCpCyrillic, m_Coding);
    return chars.substr(answer.size() + 1);
}

bool CAnswerPrgr::ShowWithoutAsking()
{
    g_pOScreen->PutStr(CONTINUE_LINE);
    WaitForKey();
    return ProcessKey() != 0;
}

bool CAnswerPrgr::ShowVerdict(
    EAnswer verdict, const std::string& answer, const std::string& given, const std::vector<bool>& differs)
{
    g_pOScreen->ClrScr();
    PutQuestion(m_pIPrStr->GetQuestion());
    g_pOScreen->PutStr(answer.c_str());
    g_pOScreen->PutStr("\n\n");
    const char* word = verdict == EAnswer::Right ? kRightWord : verdict == EAnswer::Almost ? kAlmostWord : kWrongWord;
    const ESpan kind = verdict == EAnswer::Right ? ESpan::Right
        : verdict == EAnswer::Almost             ? ESpan::Almost
                                                 : ESpan::Wrong;
    const int at = PutAndMeasure(word);
    g_pOScreen->AddSpan(SScreenSpan{at, g_pOScreen->GetWritePos(), kind, 0});
    if (verdict != EAnswer::Right && !given.empty()) {
        g_pOScreen->PutStr(": ");
        const int from = PutAndMeasure(given);
        // Each run of differing characters is one span.
        const std::vector<int> starts = CharStarts(given, m_Coding);
        for (std::size_t i = 0; i < differs.size() && i + 1 < starts.size();) {
            if (!differs[i]) {
                ++i;
                continue;
            }
            std::size_t k = i;
            while (k < differs.size() && k + 1 < starts.size() && differs[k])
                ++k;
            g_pOScreen->AddSpan(SScreenSpan{from + starts[i], from + starts[k], ESpan::Differs, 0});
            i = k;
        }
    }
    g_pOScreen->PutStr(CONTINUE_LINE);
    if (verdict == EAnswer::Wrong)
        MarkPhrase();
    else if (verdict == EAnswer::Almost)
        PassVerdicts().Hard();
    WaitForKey();
    return ProcessKey() != 0;
}

// ---- Type the Answer ------------------------------------------------------------------------

bool CTypeAnswer::TypeAnswer(std::string& typed)
{
    const int start = g_pOScreen->GetWritePos();
    g_pOScreen->ShowCaret(start);
    for (;;) {
        g_pIKbrd->GetKbHit();
        const char32_t key = g_pIKbrd->GetKey();
        g_pIKbrd->ClearKeyHit();
        if (key == KEY_ESCAPE)
            return false;
        if (key == KEY_ENTER)
            return true;
        if (key == KEY_BACKSPACE) {
            if (typed.empty())
                continue;
            typed.resize(
                plat::IsUtf8Coding(m_Coding) ? plat::Utf8LastCharStart(typed.data(), typed.size()) : typed.size() - 1);
            g_pOScreen->CutText(start + static_cast<int>(typed.size()));
            continue;
        }
        if (key < 0x20 || key == 0x7F)
            continue; // Tab and the other control keys type nothing
        const std::string one = plat::KeyText(key, m_Coding);
        // As long as the screen's input line holds: a longer text is refused, the typing goes on.
        if (typed.size() + one.size() > static_cast<std::size_t>(INPUT_BUFFER_SIZE - 1))
            continue;
        typed += one;
        g_pOScreen->PutStr(one.c_str());
    }
}

int CTypeAnswer::TypeDicOrBackDicFromFile(int DicOrBackDicInd)
{
    const bool matchCase = MatchCase();
    while (m_pOFile->ReadRecord()) {
        StartPhraseScreen(DicOrBackDicInd, "\nCTypeAnswer::TypeDicOrBackDicFromFile(), error, wrong DicOrBackDicInd");
        const std::string answer = ShownAnswer();
        const std::u32string answerChars = Chars(answer);
        bool going = true;
        if (ComparableAnswer(answerChars, matchCase).empty()) {
            g_pOScreen->PutStr(answer.c_str());
            going = ShowWithoutAsking();
        } else {
            std::string typed;
            if (!TypeAnswer(typed))
                return 0;
            const std::u32string typedChars = Chars(typed, answer);
            const EAnswer verdict = JudgeAnswer(typedChars, answerChars, matchCase);
            const std::vector<bool> differs =
                verdict == EAnswer::Right ? std::vector<bool>() : DifferingChars(typedChars, answerChars, matchCase);
            going = ShowVerdict(verdict, answer, typed, differs);
        }
        if (!going)
            return 0;
        if (m_PhraseMarked && !WritePhraseInFileOrder(DicOrBackDicInd))
            LogFatal("\nCTypeAnswer::TypeDicOrBackDicFromFile(), error, wrong DicOrBackDicInd");
    }
    return 0;
}

// ---- Choose the Answer ----------------------------------------------------------------------

unsigned CChooseAnswer::ChoiceSeed()
{
    if (const char* seed = std::getenv("LEXIDO_CHOICE_SEED"); seed && *seed)
        return static_cast<unsigned>(std::strtoul(seed, nullptr, 10));
    return std::random_device{}();
}

int CChooseAnswer::TypeDicOrBackDicFromFile(int DicOrBackDicInd)
{
    constexpr std::size_t kOptions = 4;
    const bool matchCase = MatchCase();
    // The answers of the side asked, once each as the judge compares them, in file order.
    struct SOther {
        std::string shown;
        std::u32string key;
    };
    std::vector<SOther> others;
    // A wrong direction is told at the first phrase, as in every mode.
    const bool known = DicOrBackDicInd == 0 || DicOrBackDicInd == 1;
    for (const std::string& text : known ? m_pOFile->AllTexts(DicOrBackDicInd == 1) : std::vector<std::string>()) {
        SOther o{WithoutBrackets(text.c_str()), {}};
        o.key = ComparableAnswer(Chars(o.shown), matchCase);
        bool same = o.key.empty();
        for (const SOther& k : others)
            same = same || k.key == o.key;
        if (!same)
            others.push_back(std::move(o));
    }
    std::mt19937 random(ChoiceSeed());
    const auto below = [&random](std::size_t n) { return static_cast<std::size_t>(random() % n); };

    while (m_pOFile->ReadRecord()) {
        StartPhraseScreen(DicOrBackDicInd, "\nCChooseAnswer::TypeDicOrBackDicFromFile(), error, wrong DicOrBackDicInd");
        const std::string answer = ShownAnswer();
        const std::u32string key = ComparableAnswer(Chars(answer), matchCase);
        bool going = true;
        if (key.empty()) {
            g_pOScreen->PutStr(answer.c_str());
            going = ShowWithoutAsking();
        } else {
            std::vector<const SOther*> pool;
            for (const SOther& o : others)
                if (o.key != key)
                    pool.push_back(&o);
            std::vector<std::string> options{answer};
            while (options.size() < kOptions && !pool.empty()) {
                const std::size_t k = below(pool.size());
                options.push_back(pool[k]->shown);
                pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(k));
            }
            for (std::size_t i = options.size(); i-- > 1;)
                std::swap(options[i], options[below(i + 1)]);
            for (std::size_t i = 0; i < options.size(); ++i) {
                const int at = PutAndMeasure(std::to_string(i + 1) + ". " + options[i]);
                g_pOScreen->AddSpan(SScreenSpan{at, g_pOScreen->GetWritePos(), ESpan::Option, static_cast<int>(i + 1)});
                g_pOScreen->PutStr("\n");
            }
            // A number chooses; Space gives up, as a wrong choice; Backspace takes a mark back.
            int chosen = -1;
            for (;;) {
                WaitForKey();
                WaitPastBackspaces();
                const char32_t k = g_pIKbrd->GetKey();
                g_pIKbrd->ClearKeyHit();
                if (k == KEY_ESCAPE)
                    return 0;
                if (k == KEY_SPACE)
                    break;
                if (k >= U'1' && k < U'1' + options.size()) {
                    chosen = static_cast<int>(k - U'1');
                    break;
                }
            }
            const std::string given = chosen >= 0 ? options[static_cast<std::size_t>(chosen)] : std::string();
            const bool right = chosen >= 0 && given == answer;
            going = ShowVerdict(right ? EAnswer::Right : EAnswer::Wrong, answer, given, {});
        }
        if (!going)
            return 0;
        if (m_PhraseMarked && !WritePhraseInFileOrder(DicOrBackDicInd))
            LogFatal("\nCChooseAnswer::TypeDicOrBackDicFromFile(), error, wrong DicOrBackDicInd");
    }
    return 0;
}
