#include "tty/TtyImport.h"

#include "import/Import.h"
#include "locale/CLocal.h"
#include "locale/ImportTexts.h"

#include <cstdio>

namespace tty {

int ImportToFile(const Options& options)
{
    const imp::SResult result = imp::ImportFile(options.importFrom, options.importTo);
    // The command line runs without the program folder, so without its interface language.
    CLocal_English english;
    const std::string text = ImportOutcomeText(result, english);
    if (result.problem != imp::Problem::None) {
        std::fprintf(stderr, "lexido-tty: %s: %s\n",
            imp::SubjectPath(result, options.importFrom, options.importTo).c_str(), text.c_str());
        return 1;
    }
    std::printf("%s\n", text.c_str());
    return 0;
}

} // namespace tty
