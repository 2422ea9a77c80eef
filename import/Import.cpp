#include "import/Import.h"

#include "import/AnkiArchive.h"
#include "import/AnkiPackage.h"
#include "import/Delimited.h"
#include "import/Kvtml.h"
#include "import/PhraseSink.h"
#include "platform/PlatFs.h"
#include "platform/PlatUtf8.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace imp {

namespace {

// The input as UTF-8 text without a byte-order mark; false when it is not text: neither UTF-8
// nor UTF-16 with its mark, or holding a zero byte (a binary file).
bool DecodeText(const std::string& bytes, std::string& text)
{
    const auto starts = [&](const char* bom) {
        return bytes.compare(0, std::char_traits<char>::length(bom), bom) == 0;
    };
    if (starts("\xFF\xFE") || starts("\xFE\xFF"))
        return plat::Utf16ToUtf8(bytes, bytes[0] == '\xFE', text);
    text = bytes.substr(starts(plat::kUtf8Bom) ? plat::kUtf8BomSize : 0);
    return text.find('\0') == std::string::npos && plat::IsUtf8(text);
}

// Where the extension of a file name begins: at its last dot, if that is in the last part.
std::size_t ExtensionDot(const std::string& name)
{
    const std::size_t slash = name.find_last_of('/');
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos || (slash != std::string::npos && dot < slash) ? std::string::npos : dot;
}

// The extension of a file name, lower-case, without its dot.
std::string Extension(const std::string& name)
{
    const std::size_t dot = ExtensionDot(name);
    return dot == std::string::npos ? std::string() : AsciiLower(name.substr(dot + 1));
}

Form ChooseForm(const std::string& text, const std::string& ext)
{
    // XML by its extension or its start; a table may begin with a tag of its own.
    const std::size_t first = std::min(text.find_first_not_of(" \t\r\n"), text.size());
    const bool table = ext == "tsv" || ext == "txt" || ext == "csv";
    const auto opens = [&](const char* s) { return text.compare(first, std::strlen(s), s) == 0; };
    if (ext == "kvtml" || ext == "xml" || opens("<?xml") || opens("<kvtml") || opens("<!DOCTYPE") ||
        (opens("<") && !table))
        return Form::Kvtml;
    if (HasAnkiHeader(text))
        return Form::Anki;
    if (ext == "csv")
        return Form::Csv;
    if (ext == "tsv" || ext == "txt" || text.substr(0, text.find('\n')).find('\t') != std::string::npos)
        return Form::Tsv;
    return Form::Unknown;
}

} // namespace

SResult ImportBytes(
    const std::string& bytes, const std::string& name, std::string& phrases, const SOptions& options, Reviews* reviews)
{
    SResult result;
    phrases.clear();
    const std::string ext = Extension(name);
    std::string text;
    Reviews read;
    if (ext == "apkg" || ext == "colpkg" || LooksLikeZip(bytes)) {
        result.form = Form::Package;
        CPhraseSink sink(result, phrases);
        try {
            ReadPackage(bytes, options, sink, result, reviews ? &read : nullptr);
        } catch (const std::bad_alloc&) {
            // A collection within the bound that still does not fit the memory left.
            result.problem = Problem::TooLarge;
        }
    } else if (!DecodeText(bytes, text)) {
        result.problem = Problem::NotText;
    } else {
        result.form = ChooseForm(text, ext);
        CPhraseSink sink(result, phrases);
        switch (result.form) {
        case Form::Tsv: ReadTsv(text, sink); break;
        case Form::Csv: ReadCsv(text, sink); break;
        case Form::Anki:
            if (!ReadAnki(text, sink))
                result.problem = Problem::UnknownForm;
            break;
        case Form::Kvtml: ReadKvtml(text, sink, result); break;
        case Form::Unknown:
        case Form::Package: result.problem = Problem::UnknownForm; break;
        }
    }
    if (result.problem == Problem::None && result.imported == 0)
        result.problem = Problem::NoPhrases;
    if (result.problem != Problem::None) {
        phrases.clear();
        result.reviews = 0;
    } else if (reviews) {
        reviews->insert(reviews->end(), read.begin(), read.end());
    }
    return result;
}

SResult ReadInput(const std::string& in, std::string& phrases, const SOptions& options, Reviews* reviews)
{
    std::string bytes;
    if (!plat::ReadFileWhole(in, bytes)) {
        phrases.clear();
        SResult result;
        result.problem = Problem::CannotRead;
        return result;
    }
    return ImportBytes(bytes, in, phrases, options, reviews);
}

void WritePhrases(const std::string& out, const std::string& phrases, SResult& result)
{
    if (result.problem == Problem::None && !plat::WriteFileAtomic(out, phrases))
        result.problem = Problem::CannotWrite;
}

SResult ImportFile(const std::string& in, const std::string& out, const SOptions& options, Reviews* reviews)
{
    std::string phrases;
    Reviews read;
    SResult result = ReadInput(in, phrases, options, reviews ? &read : nullptr);
    WritePhrases(out, phrases, result);
    if (reviews && result.problem == Problem::None)
        reviews->insert(reviews->end(), read.begin(), read.end());
    return result;
}

std::string PhraseFileFor(const std::string& in)
{
    return in.substr(0, std::min(ExtensionDot(in), in.size())) + ".mix";
}

const std::string& SubjectPath(const SResult& result, const std::string& in, const std::string& out)
{
    return result.problem == Problem::None || result.problem == Problem::CannotWrite ? out : in;
}

} // namespace imp
