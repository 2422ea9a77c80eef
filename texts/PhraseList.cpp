#include "texts/PhraseList.h"

#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "engine/PassVerdicts.h"
#include "texts/CPhraseReader.h"
#include "texts/FileCoding.h"

#include <algorithm>
#include <memory>

namespace {

using TextOf = std::string (*)(const char*, plat::TextCoding);

std::string Stored(const char* text, plat::TextCoding)
{
    return text;
}

bool ListTexts(const std::string& path, std::vector<keeper::SCardTexts>& out, TextOf textOf, plat::TextCoding& coding)
{
    out.clear();
    std::unique_ptr<ISmrtFile> file(g_pILsnAFc ? g_pILsnAFc->Create_ISmrtFile() : nullptr);
    if (!file || file->sf_fopen(path.c_str(), "rb") != 0)
        return false;
    coding = plat::TextCoding::SingleByte;
    out.reserve(static_cast<std::size_t>(std::max(0, CountRecordsDeciding(*file, coding))));
    CPhraseReader reader(*file, coding);
    static thread_local char first[MAX_PHRASE_FIELD_SZ], second[MAX_PHRASE_FIELD_SZ];
    while (reader.ReadRecord(first, second))
        out.push_back(keeper::SCardTexts{textOf(first, coding), textOf(second, coding)});
    file->sf_fclose();
    return true;
}

} // namespace

bool ListCardTexts(const std::string& path, std::vector<keeper::SCardTexts>& out)
{
    plat::TextCoding coding;
    return ListTexts(path, out, &CardText, coding);
}

bool ListPhraseTexts(const std::string& path, std::vector<keeper::SCardTexts>& out)
{
    plat::TextCoding coding;
    return ListTexts(path, out, &Utf8Text, coding);
}

bool ListStoredTexts(const std::string& path, std::vector<keeper::SCardTexts>& out, plat::TextCoding& coding)
{
    return ListTexts(path, out, &Stored, coding);
}
