// The section parser over an arbitrary .cfg file. A file it accepts is saved (into memory) and
// the saved text parsed again: when that text is one the format can carry (every name and
// value stays one symbol), saving the second section gives the same text again. Files are
// read from memory and saved into it.

#include "base/Globals.h"
#include "config/CDbLexer.h"
#include "config/CDbSec.h"
#include "config/ICfgFile.h"
#include "fuzz/FuzzMemFile.h"
#include "fuzz/FuzzSupport.h"
#include "settings/CLsnAFc.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {
std::string g_Saved;                         // what the last section save wrote
std::map<std::string, std::string> g_Files; // the files a section reads, by name

class CMemCfgFile : public ICfgFile {
public:
    int Write(const char* text) override
    {
        m_Text += text;
        return 0;
    }
    int RequestShutDown() override { return 0; }
    int Commit() override
    {
        g_Saved = m_Text;
        return 0;
    }
    const char* GetPath() override { return "memory"; }

private:
    std::string m_Text;
};

// The factory of the running program, but sections read from and save into memory.
class CFuzzFactory : public CLsnAFc {
public:
    ICfgFile* Create_ICfgFile(const char*, const char*) override { return new CMemCfgFile; }
    IDbLexer* Create_IDbLexer() override { return new FuzzMemLexer(g_Files); }
};

// Parses the file; the saved text when it was accepted, or false after a fatal exit.
bool ParseAndSave(const std::string& path, std::string& saved, std::size_t& pars)
{
    return FuzzRun([&] {
        std::unique_ptr<CDbSec> sec(new CDbSec);
        FUZZ_CHECK(sec->ParseFile(path.c_str()) == 0);
        pars = sec->ParCount();
        g_Saved.clear();
        FUZZ_CHECK(sec->Save() == 0);
        saved = g_Saved;
    });
}

// True when the saved text is one the format carries: lexed again, its symbols rebuild it in
// the writer's layout exactly, so no name or value was split, cut or folded on the way.
bool Carried(const std::string& path, const std::string& saved, std::size_t pars)
{
    std::vector<std::string> syms;
    FuzzMemLexer lexer(g_Files);
    lexer.OpenFile(path.c_str());
    for (lexer.GetSym(); lexer.GetSymType() != SYM_EOF; lexer.GetSym())
        syms.push_back(lexer.GetSymText());
    if (syms.size() != 3 + 5 * pars)
        return false;
    std::string rebuilt = "sn = " + syms[2] + "\n";
    for (std::size_t k = 3; k < syms.size(); k += 5) {
        const bool quoted = syms[k] == "pt_str_any";
        rebuilt += "\n" + syms[k] + " " + syms[k + 1] + " sv = " + (quoted ? "\"" + syms[k + 4] + "\"" : syms[k + 4]);
    }
    return rebuilt == saved;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static CFuzzFactory* factory = nullptr;
    if (!factory) {
        factory = new CFuzzFactory;
        g_pILsnAFc = factory;
    }
    FuzzInit();
    const std::string path = "T.cfg";
    g_Files[path].assign(reinterpret_cast<const char*>(data), size);

    std::string first;
    std::size_t pars = 0;
    if (!ParseAndSave(path, first, pars))
        return 0;
    // Header, then one line per parameter; nothing after the last value.
    FUZZ_CHECK(first.compare(0, 5, "sn = ") == 0);

    const std::string again = "Again.cfg";
    g_Files[again] = first;
    const bool carried = Carried(again, first, pars);
    std::string second;
    std::size_t pars2 = 0;
    const bool ok = ParseAndSave(again, second, pars2);
    if (carried) {
        FUZZ_CHECK(ok);
        FUZZ_CHECK(pars2 == pars);
        FUZZ_CHECK(second == first);
    }
    return 0;
}
