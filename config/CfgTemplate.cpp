#include "config/CfgTemplate.h"

#include "config/CDbLexer.h"
#include "config/DbTypes.h"
#include "platform/PlatFs.h"

#include <cstring>
#include <set>
#include <vector>

namespace {

struct SPar {
    std::string type;
    std::string name;
    std::string value; // as written: between double quotes when the file quotes it
};

// The section's name and parameters as the section reader takes them ("sn = name", then
// "type name sv = value" groups); false when the text is not such a section.
bool ReadSection(const std::string& text, std::string& name, std::vector<SPar>& pars)
{
    if (text.empty())
        return false;
    // The tokenizer reads the text itself: the file's bytes are the ones kept.
    CDbScanner lx;
    lx.OpenBytes(text.data(), text.size(), "section");
    const auto next = [&lx] {
        lx.GetSym();
        return lx.GetSymType() != SYM_EOF;
    };
    const auto is = [&lx](const char* word) { return std::strcmp(lx.GetSymText(), word) == 0; };
    if (!next() || !is(DB_KEY_SECTION) || !next() || !is(DB_KEY_ASSIGN) || !next())
        return false;
    name = lx.GetSymText();
    while (next()) {
        SPar par;
        par.type = lx.GetSymText();
        if (DbTypeFromKeyword(par.type.c_str()) == 0 || !next())
            return false;
        par.name = lx.GetSymText();
        if (!next() || !is(DB_KEY_VALUE) || !next() || !is(DB_KEY_ASSIGN) || !next())
            return false;
        par.value = lx.GetSymType() == SYM_QUOTED ? "\"" + std::string(lx.GetSymText()) + "\"" : lx.GetSymText();
        pars.push_back(par);
    }
    return true;
}

} // namespace

bool CfgAddMissingPars(const std::string& tmpl, std::string& mine)
{
    std::string tmplName, mineName;
    std::vector<SPar> tmplPars, minePars;
    if (!ReadSection(tmpl, tmplName, tmplPars) || !ReadSection(mine, mineName, minePars) || tmplName != mineName)
        return false;
    std::set<std::string> have;
    for (const SPar& p : minePars)
        have.insert(p.name);
    // Each parameter on a line of its own, as a section's save writes it.
    std::string added;
    std::size_t count = minePars.size();
    for (const SPar& p : tmplPars)
        if (have.insert(p.name).second) {
            added += "\n" + p.type + " " + p.name + " " + DB_KEY_VALUE + " " + DB_KEY_ASSIGN + " " + p.value;
            ++count;
        }
    if (added.empty())
        return false;
    // Read again, the result must hold the learner's parameters, unchanged, and the added ones.
    std::string merged = mine + added;
    std::string mergedName;
    std::vector<SPar> mergedPars;
    if (!ReadSection(merged, mergedName, mergedPars) || mergedPars.size() != count)
        return false;
    for (std::size_t i = 0; i < minePars.size(); ++i)
        if (mergedPars[i].type != minePars[i].type || mergedPars[i].name != minePars[i].name ||
            mergedPars[i].value != minePars[i].value)
            return false;
    mine.swap(merged);
    return true;
}

bool CfgUpdateFromTemplate(const std::string& tmplPath, const std::string& minePath)
{
    std::string tmpl, mine;
    if (!plat::ReadFileWhole(tmplPath, tmpl) || !plat::ReadFileWhole(minePath, mine))
        return false;
    return !CfgAddMissingPars(tmpl, mine) || plat::WriteFileAtomic(minePath, mine);
}
