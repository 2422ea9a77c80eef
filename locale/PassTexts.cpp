#include "locale/PassTexts.h"

#include "locale/ILocal.h"
#include "locale/LclCount.h"
#include "locale/LclFill.h"
#include "locale/LocaleGlobals.h"

#include <initializer_list>

namespace {

constexpr int kPhraseOf = 125, kScreenOf = 126, kLegendPaced = 127, kLegendTimed = 128, kLegendLetter = 129,
              kLegendWord = 130, kLegendBrackets = 131, kSummary = 132, kNextIteration = 133, kNothingMarked = 134;
constexpr int kDirectionTurned = 380, kWrongLetter = 381, kWrongWord = 382, kNoBrackets = 383;
constexpr int kSecondToFirst = 14, kAddBrackets = 25;
constexpr int kLegendTyped = 542, kLegendChosen = 543, kRight = 544, kAlmost = 545, kWrong = 546;
constexpr int kWelcome = 150, kOpenStep = 151, kBookStep = 152, kStartStep = 153, kRecent = 154, kBookKey = 155,
              kMarked = 156, kOpenKey = 157, kStartKey = 158, kRecentKey = 159;
// The forms of "marked phrase" as the object of the next iteration's text.
constexpr int kMarkedPhrasesObject = 442;
constexpr int kStoppedPhrases = 340, kStoppedScreens = 341, kTakenBack = 342;

std::string Text(int index)
{
    const char* t = g_pILocal ? g_pILocal->GetText(index) : nullptr;
    return t ? t : "";
}

std::string Fill(int index, std::initializer_list<std::string> args) { return FillText(Text(index).c_str(), args); }

int Language() { return g_pILocal ? g_pILocal->GetLanguage() : LANGUAGE_ENGLISH; }

std::string Num(int n) { return LclNumber(n, Language()); }

std::string Count(int n, int forms) { return LclCount(n, Text(forms).c_str(), Language()); }

} // namespace

std::string FillText(const char* format, std::initializer_list<std::string> args)
{
    const std::string f = format ? format : "";
    std::string out;
    for (std::size_t i = 0; i < f.size(); ++i) {
        const char c = f[i];
        const std::size_t n = i + 1 < f.size() ? static_cast<std::size_t>(f[i + 1] - '1') : args.size();
        if (c == '%' && n < args.size()) {
            out += *(args.begin() + n);
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

std::string PassProgressText(const SPassProgress& p)
{
    std::string text =
        Fill(p.screens ? kScreenOf : kPhraseOf, {Num(p.index), Num(p.total), Num(p.Marks()), Num(p.pass)});
    if (p.takenBack)
        text += " \xB7 " + Text(kTakenBack);
    return text;
}

std::string PassLegendText(int mode)
{
    switch (mode) {
    case 0:
    case 1: return Text(kLegendPaced);
    case 3:
    case 4: return Text(kLegendTimed);
    case 2:
    case 6:
    case 8: return Text(kLegendLetter);
    case 5:
    case 7: return Text(kLegendWord);
    case 9:
    case 10: return Text(kLegendBrackets);
    case 11: return Text(kLegendTyped);
    case 12: return Text(kLegendChosen);
    default: return std::string();
    }
}

std::string PassKeysText(int mode, EPassNote note)
{
    const std::string legend = PassLegendText(mode);
    switch (note) {
    case EPassNote::WrongLetter: return Text(kWrongLetter) + " \xb7 " + legend; // a middle dot in both code pages
    case EPassNote::WrongWord: return Text(kWrongWord) + " \xb7 " + legend;
    case EPassNote::NoBrackets: return Fill(kNoBrackets, {Text(kAddBrackets)});
    case EPassNote::None: break;
    }
    return legend;
}

std::string DirectionTurnedText()
{
    return Fill(kDirectionTurned, {Text(kSecondToFirst)});
}

std::string PassSummaryText(const SPassProgress& p, const char* file, const char* nextIteration, const char* nextFile)
{
    const std::string name = file ? file : "";
    // A stopped pass tells how far it got; that nothing was marked in it says nothing.
    std::string text = p.completed ? Fill(kSummary, {name, Num(p.pass), Num(p.index), Num(p.marked)})
                                   : Fill(p.screens ? kStoppedScreens : kStoppedPhrases,
                                         {name, Num(p.pass), Num(p.index), Num(p.total), Num(p.marked)});
    if (p.marked > 0)
        text += ' ' + Fill(kNextIteration, {nextIteration ? nextIteration : "", Count(p.marked, kMarkedPhrasesObject)});
    else if (p.completed)
        text += ' ' + Fill(kNothingMarked, {nextFile ? nextFile : ""});
    return text;
}

std::string VerdictText(ESpan kind)
{
    switch (kind) {
    case ESpan::Right: return Text(kRight);
    case ESpan::Almost: return Text(kAlmost);
    case ESpan::Wrong: return Text(kWrong);
    default: return std::string();
    }
}

std::string PassMarkText()
{
    return Text(kMarked);
}

std::vector<std::string> WelcomeLines(bool terminal)
{
    if (terminal)
        return {Text(kWelcome), Text(kOpenKey), Text(kBookKey), Text(kStartKey), Text(kRecentKey)};
    return {Text(kWelcome), Text(kOpenStep), Text(kBookStep), Text(kStartStep), Text(kRecent)};
}
