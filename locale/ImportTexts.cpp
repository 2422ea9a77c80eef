#include "locale/ImportTexts.h"

#include "locale/ILocal.h"
#include "locale/LclCount.h"
#include "locale/LclFill.h"

#include <string>

namespace {

constexpr int kSummary = 191, kCut = 192, kMarkers = 193, kCannotRead = 194, kNotText = 195, kBadXml = 196,
              kUnknownForm = 197, kNoPhrases = 198, kCannotWrite = 199;
// The forms of "phrase", counted in the summary.
constexpr int kPhrases = 443;

// The text with "%1" and "%2" replaced by the numbers, as the language writes them.
std::string Fill(ILocal& language, int index, int one, int two = 0)
{
    const int l = language.GetLanguage();
    return FillText(language.GetText(index), {LclNumber(one, l), LclNumber(two, l)});
}

int ProblemText(imp::Problem problem)
{
    switch (problem) {
    case imp::Problem::CannotRead: return kCannotRead;
    case imp::Problem::NotText: return kNotText;
    case imp::Problem::BadXml: return kBadXml;
    case imp::Problem::UnknownForm: return kUnknownForm;
    case imp::Problem::NoPhrases: return kNoPhrases;
    case imp::Problem::CannotWrite: return kCannotWrite;
    case imp::Problem::None: break;
    }
    return 0;
}

} // namespace

std::string ImportOutcomeText(const imp::SResult& r, ILocal& language)
{
    if (r.problem != imp::Problem::None)
        return Fill(language, ProblemText(r.problem), r.line);
    const std::string imported = LclCount(r.imported, kPhrases, language);
    std::string text = FillText(language.GetText(kSummary), {imported, LclNumber(r.skipped, language.GetLanguage())});
    if (r.cut)
        text += Fill(language, kCut, r.cut);
    if (r.markers)
        text += Fill(language, kMarkers, r.markers);
    return text;
}
