#include "locale/ImportTexts.h"

#include "locale/CLocal.h"
#include "locale/ILocal.h"
#include "locale/LclCount.h"
#include "locale/LclFill.h"

#include "platform/PlatCodePage.h"
#include "platform/PlatUtf8.h"

#include <string>

namespace {

constexpr int kSummary = 191, kCut = 192, kMarkers = 193, kCannotRead = 194, kNotText = 195, kBadXml = 196,
              kUnknownForm = 197, kNoPhrases = 198, kCannotWrite = 199;
constexpr int kBadArchive = 570, kNoCollection = 571, kTooLarge = 572, kBadDatabase = 573, kNoDeck = 574,
              kMissing = 575, kMedia = 576, kReviews = 577, kExported = 580, kExportForm = 581, kExportCannotRead = 582,
              kExportNoPhrases = 583, kExportCannotWrite = 584;
// The forms of "phrase", counted in the summary.
constexpr int kPhrases = 443;

// The text with "%1" and "%2" replaced by the numbers, as the language writes them.
std::string Fill(ILocal& language, int index, int one, int two = 0)
{
    const int l = language.GetLanguage();
    return FillText(language.GetText(index), {LclNumber(one, l), LclNumber(two, l)});
}

// A UTF-8 detail (a deck's name, a library's message) in the language's code page; a character
// the code page lacks as '?'.
std::string InCodePage(const std::string& utf8, ILocal& language)
{
    std::string bytes;
    const int codePage = CLocal::CodePage(language.GetLanguage());
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t c = 0;
        unsigned char byte = '?';
        if (!plat::NextUtf8(utf8, pos, c))
            ++pos;
        else if (!plat::FromUnicode(c, codePage, byte))
            byte = '?';
        bytes += static_cast<char>(byte);
    }
    return bytes;
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
    case imp::Problem::BadArchive: return kBadArchive;
    case imp::Problem::NoCollection: return kNoCollection;
    case imp::Problem::TooLarge: return kTooLarge;
    case imp::Problem::BadDatabase: return kBadDatabase;
    case imp::Problem::NoDeck: return kNoDeck;
    case imp::Problem::None: break;
    }
    return 0;
}

} // namespace

std::string ImportOutcomeText(const imp::SResult& r, ILocal& language)
{
    if (r.problem != imp::Problem::None)
        return r.detail.empty() ? Fill(language, ProblemText(r.problem), r.line)
                                : FillText(language.GetText(ProblemText(r.problem)), {InCodePage(r.detail, language)});
    const std::string imported = LclCount(r.imported, kPhrases, language);
    std::string text = FillText(language.GetText(kSummary), {imported, LclNumber(r.skipped, language.GetLanguage())});
    if (r.cut)
        text += Fill(language, kCut, r.cut);
    if (r.markers)
        text += Fill(language, kMarkers, r.markers);
    if (r.missing)
        text += Fill(language, kMissing, r.missing);
    if (r.media)
        text += Fill(language, kMedia, r.media);
    if (r.reviews)
        text += Fill(language, kReviews, r.reviews);
    return text;
}

std::string ExportOutcomeText(const imp::SExportResult& r, ILocal& language)
{
    switch (r.problem) {
    case imp::ExportProblem::None:
        return FillText(language.GetText(kExported), {LclCount(r.exported, kPhrases, language)});
    case imp::ExportProblem::UnknownForm: return language.GetText(kExportForm);
    case imp::ExportProblem::CannotRead: return language.GetText(kExportCannotRead);
    case imp::ExportProblem::NoPhrases: return language.GetText(kExportNoPhrases);
    case imp::ExportProblem::CannotWrite: break;
    }
    return language.GetText(kExportCannotWrite);
}
