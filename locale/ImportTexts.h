#pragma once
// What an import or an export came to, in an interface language: the summary of the phrases
// written, or why nothing was.

#include "import/Export.h"
#include "import/Import.h"

#include <string>

class ILocal;

// "312 phrases imported, 4 skipped (empty side)", and the texts cut or changed when there were
// any; or the problem. Bytes of the language's code page.
std::string ImportOutcomeText(const imp::SResult& result, ILocal& language);
// "312 phrases exported.", or why nothing was written.
std::string ExportOutcomeText(const imp::SExportResult& result, ILocal& language);
