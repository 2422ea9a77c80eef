#include "texts/PhraseList.h"

#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "engine/PassVerdicts.h"
#include "texts/CPhraseReader.h"
#include "texts/FileCoding.h"

#include <memory>

namespace {

using TextOf = std::string (*)(const char*, plat::TextCoding);

bool ListTexts(const std::string& path, std::vector<keeper::SCardTexts>& out, TextOf textOf)
{
    out.clear();
    std::unique_ptr<ISmrtFile> file(g_pILsnAFc ? g_pILsnAFc->Create_ISmrtFile() : nullptr);
    if (!file || file->sf_fopen(path.c_str(), "rb") != 0)
        return false;
    plat::TextCoding coding = plat::TextCoding::SingleByte;
    CountRecordsDeciding(*file, coding);
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
    return ListTexts(path, out, &CardText);
}

bool ListPhraseTexts(const std::string& path, std::vector<keeper::SCardTexts>& out)
{
    return ListTexts(path, out, &Utf8Text);
}
