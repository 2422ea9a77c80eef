#pragma once
// Export of a phrase file to the forms the import reads: tab- and comma-separated text, a kvtml
// 2.0 vocabulary and Anki's plain-text notes, chosen by the extension of the file written.

#include "engine/MemoryKeeper.h"

#include <string>
#include <vector>

namespace imp {

enum class ExportForm {
    Unknown,
    Tsv,   // .tsv: two fields a line, a field in double quotes where it begins with one
    Csv,   // .csv: RFC 4180, CR LF line ends, fields with commas, semicolons or quotes quoted
    Kvtml, // .kvtml: two identifiers, an entry a phrase
    Anki   // .txt: Anki's notes with "#separator:tab", "#html:false", "#columns:Front\tBack";
           // brackets become cloze deletions
};

ExportForm ExportFormFor(const std::string& path);

// A phrase as the export writes it: both texts UTF-8, brackets kept.
using PhraseTexts = std::vector<keeper::SCardTexts>;

// The file of form made of the phrases (title names a kvtml vocabulary).
std::string ExportText(const PhraseTexts& phrases, ExportForm form, const std::string& title);

enum class ExportProblem {
    None,
    UnknownForm, // the extension of the file to write names none of the forms
    CannotRead,  // the phrase file cannot be read
    NoPhrases,   // the phrase file holds no phrase
    CannotWrite, // the file cannot be written
};

struct SExportResult {
    ExportProblem problem = ExportProblem::None;
    int exported = 0;
};

// Reads the phrase file in (plain or hidden, in a single-byte code page or UTF-8) and writes its
// phrases to out as UTF-8 in the form out's extension names, through the atomic writer; nothing
// is written when there is a problem. Needs the service factory (the phrase file's reader).
SExportResult ExportFile(const std::string& in, const std::string& out);

} // namespace imp
