#include "tty/TtyImport.h"

#include "base/Globals.h"
#include "engine/MemoryKeeper.h"
#include "import/Export.h"
#include "import/Import.h"
#include "locale/CLocal.h"
#include "locale/ImportTexts.h"
#include "locale/LclFill.h"
#include "platform/PlatCodePage.h"
#include "settings/CLsnAFc.h"
#include "tty/TtyMemory.h"
#include "tty/TtyText.h"

#include <cstdio>

namespace tty {

namespace {

// The texts of the command line: English, as it runs without the program folder's language.
std::string English(const std::string& text)
{
    return CodePageToUtf8(text, plat::kCpWestern);
}

// The package's review log into the memory of the program folder, for the phrase file written;
// the count goes into the summary, a failure to standard error.
void KeepReviews(imp::Reviews& reviews, const std::string& phraseFile, imp::SResult& result)
{
    result.reviews = 0;
    if (reviews.empty())
        return;
    CMemoryQuery query; // opens the memory of the program folder, and closes it
    std::string error;
    const int written = keeper::ImportReviews(std::move(reviews), phraseFile, error);
    if (written < 0) {
        CLocal_English english;
        std::fprintf(stderr, "lexido-tty: %s\n", English(FillText(english.GetText(586), {error})).c_str());
    }
    result.reviews = written > 0 ? written : 0;
}

} // namespace

int ImportToFile(const Options& options)
{
    imp::SOptions what;
    what.fields = options.fields;
    what.deck = options.deck;
    imp::Reviews reviews;
    imp::SResult result = imp::ImportFile(options.importFrom, options.importTo, what, &reviews);
    if (result.problem == imp::Problem::None)
        KeepReviews(reviews, options.importTo, result);
    CLocal_English english;
    const std::string text = English(ImportOutcomeText(result, english));
    if (result.problem != imp::Problem::None) {
        std::fprintf(stderr, "lexido-tty: %s: %s\n",
            imp::SubjectPath(result, options.importFrom, options.importTo).c_str(), text.c_str());
        return 1;
    }
    std::printf("%s\n", text.c_str());
    return 0;
}

int ExportToFile(const Options& options)
{
    // The phrase file's reader comes from the service factory.
    CLsnAFc factory;
    g_pILsnAFc = &factory;
    const imp::SExportResult result = imp::ExportFile(options.exportFrom, options.exportTo);
    g_pILsnAFc = nullptr;
    CLocal_English english;
    const std::string text = English(ExportOutcomeText(result, english));
    if (result.problem != imp::ExportProblem::None) {
        const bool read =
            result.problem == imp::ExportProblem::CannotRead || result.problem == imp::ExportProblem::NoPhrases;
        std::fprintf(
            stderr, "lexido-tty: %s: %s\n", (read ? options.exportFrom : options.exportTo).c_str(), text.c_str());
        return 1;
    }
    std::printf("%s\n", text.c_str());
    return 0;
}

} // namespace tty
