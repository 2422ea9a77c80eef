#include "locale/ImportTexts.h"

#include "locale/ILocal.h"
#include "locale/LclFill.h"

#include <string>

namespace {

constexpr int kSummary = 191, kCut = 192, kMarkers = 193, kCannotRead = 194, kNotText = 195, kBadXml = 196,
              kUnknownForm = 197, kNoPhrases = 198, kCannotWrite = 199;

// The text with "%1" and "%2" replaced by the numbers.
std::string Fill(ILocal& language, int index, int one, int two = 0)
{
    return FillText(language.GetText(index), {std::to_string(one), std::to_string(two)});
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
    std::string text = Fill(language, kSummary, r.imported, r.skipped);
    if (r.cut)
        text += Fill(language, kCut, r.cut);
    if (r.markers)
        text += Fill(language, kMarkers, r.markers);
    return text;
}
