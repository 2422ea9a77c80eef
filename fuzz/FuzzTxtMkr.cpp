// The text maker over two arbitrary source texts. The input is the first source, one record
// separator byte (0x1E), then the second source; an input without that byte is paired with
// itself. Both are made into a phrase file of a scratch program folder, plain and hidden, by
// the program's maker reading its sources and saving its output in memory (its tokenizers come
// from the factory, as in the program). Either making ends by the prescribed fatal exit (and
// then saves nothing), or both succeed and save their one phrase file each: the hidden file
// reads back to the plain one (less its carriage returns), and the plain one is no larger than
// what the sources can give. Nothing on disk is touched: the scratch folder, the maker's
// current folder, stays as it was.

#include "base/Globals.h"
#include "fuzz/FuzzMemFile.h"
#include "fuzz/FuzzSupport.h"
#include "settings/CLsnAFc.h"
#include "tests/FakeUtltsFile.h"
#include "texts/CAliceTxtMkr.h"
#include "texts/CPhraseReader.h"
#include "texts/CSmrtFile_HideText.h"
#include "texts/CSmrtFile_Nrml.h"

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {
constexpr char kSplit = '\x1e';
const char* const kFirst = "/Settings/Texts_Src/F/first.txt";
const char* const kSecond = "/Settings/Texts_Src/F/second.txt";
const char* const kPlain = "/Text/F/plain.mix";
const char* const kHidden = "/Text/F/hidden.mix";

std::string g_Top;  // the scratch folder: the program folder and a neighbour
std::string g_Prog; // the program folder
std::map<std::string, std::string> g_Files;               // the sources, by full path
std::vector<std::pair<std::string, std::string>> g_Saved; // what the makings saved, in order
std::vector<std::string> g_Watched;                       // what must stay as it is on disk
std::vector<struct stat> g_Stats;                         // and how it was

// The program's factory, but the tokenizers read the sources from memory.
class CFuzzFactory : public CLsnAFc {
public:
    IDbLexer* Create_IDbLexer() override { return new FuzzMemLexer(g_Files); }
};

// The program's maker, reading and saving in memory.
class CMemMaker : public CAliceTxtMkr {
protected:
    std::FILE* OpenSource(const std::string& path) override
    {
        const auto it = g_Files.find(path);
        return it == g_Files.end() ? nullptr : FuzzReadStream(it->second);
    }
    bool SaveOutput(const std::string& path, const std::string& bytes) override
    {
        g_Saved.emplace_back(path, bytes);
        return true;
    }
};

struct stat StatOf(const std::string& path)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        FuzzFail("a scratch entry is gone");
    return st;
}

// Same entry, same size, same last change: a folder changes when an entry is made or removed
// in it, a file when it is written.
bool Unchanged(const struct stat& a, const struct stat& b)
{
    return a.st_ino == b.st_ino && a.st_size == b.st_size && a.st_nlink == b.st_nlink &&
        a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec &&
        a.st_ctim.tv_sec == b.st_ctim.tv_sec && a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

void SetUpOnce()
{
    if (!g_Top.empty())
        return;
    g_pILsnAFc = new CFuzzFactory;
    FuzzInit();
    g_Top = FuzzScratchDir() + "/maker";
    g_Prog = g_Top + "/prog";
    fs::create_directories(g_Prog + "/Settings/Texts_Src/F");
    fs::create_directories(g_Prog + "/Text/F");
    fs::create_directories(g_Top + "/outside");
    std::ofstream(g_Top + "/outside/keep.txt") << "keep this";
    g_pIUtltsFile = new FakeUtltsFile(g_Prog);
    for (const auto& e : fs::recursive_directory_iterator(g_Top))
        g_Watched.push_back(e.path().string());
    g_Watched.push_back(g_Top);
    for (const std::string& path : g_Watched)
        g_Stats.push_back(StatOf(path));
}

bool Make(const char* output, bool plain)
{
    // As at start, the program folder is the current directory, so that even a relative write
    // would land inside it and be seen. The fuzzer's own folder is entered again afterwards:
    // its corpus and artifact paths may be relative.
    const int back = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (back < 0 || ::chdir(g_Prog.c_str()) != 0)
        FuzzFail("cannot enter the program folder");
    const bool made = FuzzRun([&] {
        CMemMaker maker;
        if (plain)
            maker.SetNrmlOutput();
        FUZZ_CHECK(maker.MakeOneMixFile(kFirst, kSecond, output) == 0);
    });
    if (::fchdir(back) != 0)
        FuzzFail("cannot leave the program folder");
    ::close(back);
    return made;
}

std::string ReadHidden(const std::string& bytes)
{
    std::string text;
    CSmrtFile_HideText f;
    FUZZ_CHECK(f.sf_fopen_stream(FuzzReadStream(bytes)) == 0);
    for (int c = f.sf_fgetc(); !f.sf_feof(); c = f.sf_fgetc())
        text.push_back(static_cast<char>(c));
    f.sf_fclose();
    return text;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SetUpOnce();
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find(kSplit);
    g_Files.clear();
    g_Files[g_Prog + kFirst] = split == std::string::npos ? input : input.substr(0, split);
    g_Files[g_Prog + kSecond] = split == std::string::npos ? input : input.substr(split + 1);
    const std::string& first = g_Files[g_Prog + kFirst];
    const std::string& second = g_Files[g_Prog + kSecond];
    g_Saved.clear();

    const bool madePlain = Make(kPlain, true);
    const std::size_t savedByPlain = g_Saved.size();
    const bool madeHidden = Make(kHidden, false);
    // The output mode changes only how the bytes are stored.
    FUZZ_CHECK(madePlain == madeHidden);
    // A failed making saves nothing; a making that succeeds saves its one file.
    FUZZ_CHECK(savedByPlain == (madePlain ? 1u : 0u) && g_Saved.size() == 2 * savedByPlain);
    if (madePlain) {
        FUZZ_CHECK(g_Saved[0].first == g_Prog + kPlain && g_Saved[1].first == g_Prog + kHidden);
        const std::string& mix = g_Saved[0].second;
        const std::string& hidden = g_Saved[1].second;

        // Each record costs "* ", "= " and at most one added line end beside bytes copied from
        // disjoint stretches of the sources, and every record opens with a "#" of the first.
        const std::size_t records = static_cast<std::size_t>(std::count(first.begin(), first.end(), '#'));
        FUZZ_CHECK(mix.size() <= first.size() + second.size() + 5 * records);
        FUZZ_CHECK(mix.empty() || mix.compare(0, 2, "* ") == 0);
        FUZZ_CHECK(hidden.size() == mix.size());
        // Hidden files are read as the program reads them: carriage returns are dropped.
        std::string noCr = mix;
        noCr.erase(std::remove(noCr.begin(), noCr.end(), '\r'), noCr.end());
        FUZZ_CHECK(ReadHidden(hidden) == noCr);

        // What the maker wrote is a phrase file the reader gets through.
        CSmrtFile_Nrml f;
        FUZZ_CHECK(f.sf_fopen_stream(FuzzReadStream(mix)) == 0);
        CPhraseReader reader(f);
        char a[MAX_PHRASE_FIELD_SZ], b[MAX_PHRASE_FIELD_SZ];
        std::size_t n = 0;
        while (reader.ReadRecord(a, b))
            FUZZ_CHECK(++n <= mix.size());
        f.sf_fclose();
    }
    // Nothing was made, removed or written on disk.
    for (std::size_t i = 0; i < g_Watched.size(); ++i)
        FUZZ_CHECK(Unchanged(StatOf(g_Watched[i]), g_Stats[i]));
    return 0;
}
