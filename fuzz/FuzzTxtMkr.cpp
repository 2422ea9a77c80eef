// The text maker over two arbitrary source texts. The input is the first source, one record
// separator byte (0x1E), then the second source; an input without that byte is paired with
// itself. Both are made into a phrase file of a scratch program folder, plain and hidden.
// Either making ends by the prescribed fatal exit (and then leaves no phrase file behind), or
// both succeed: the hidden file reads back to the plain one (less its carriage returns), and
// the plain one is no larger than what the sources can give. Nothing is ever written but the
// two phrase files below Text/F/ of that folder.

#include "base/Globals.h"
#include "fuzz/FuzzSupport.h"
#include "tests/FakeUtltsFile.h"
#include "texts/CAliceTxtMkr.h"
#include "texts/CPhraseReader.h"
#include "texts/CSmrtFile_HideText.h"
#include "texts/CSmrtFile_Nrml.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
constexpr char kSplit = '\x1e';
const char* const kFirst = "/Settings/Texts_Src/F/first.txt";
const char* const kSecond = "/Settings/Texts_Src/F/second.txt";
const char* const kPlain = "/Text/F/plain.mix";
const char* const kHidden = "/Text/F/hidden.mix";
const char* const kKeep = "keep this";

std::string g_Top;  // the scratch folder: the program folder and a neighbour
std::string g_Prog; // the program folder
FakeUtltsFile* g_pFiles = nullptr;

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void Write(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out.flush())
        FuzzFail("cannot write an input file");
}

void SetUpOnce()
{
    if (g_pFiles)
        return;
    g_Top = FuzzScratchDir() + "/maker";
    g_Prog = g_Top + "/prog";
    fs::create_directories(g_Prog + "/Settings/Texts_Src/F");
    fs::create_directories(g_Prog + "/Text/F");
    fs::create_directories(g_Top + "/outside");
    Write(g_Top + "/outside/keep.txt", kKeep);
    g_pFiles = new FakeUtltsFile(g_Prog);
    g_pIUtltsFile = g_pFiles;
}

// Every entry below the scratch folder, with its bytes ("<dir>" for a folder, "<other>" for a
// link or anything else).
std::map<std::string, std::string> Tree()
{
    std::map<std::string, std::string> out;
    for (const auto& e : fs::recursive_directory_iterator(g_Top)) {
        const std::string rel = fs::relative(e.path(), g_Top).string();
        if (e.is_symlink())
            out[rel] = "<other>";
        else if (e.is_directory())
            out[rel] = "<dir>";
        else if (e.is_regular_file())
            out[rel] = ReadAll(e.path().string());
        else
            out[rel] = "<other>";
    }
    return out;
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
        CAliceTxtMkr maker;
        if (plain)
            maker.SetNrmlOutput();
        FUZZ_CHECK(maker.MakeOneMixFile(kFirst, kSecond, output) == 0);
    });
    if (::fchdir(back) != 0)
        FuzzFail("cannot leave the program folder");
    ::close(back);
    return made;
}

std::string ReadHidden(const std::string& path)
{
    std::string text;
    CSmrtFile_HideText f;
    FUZZ_CHECK(f.sf_fopen(path.c_str(), "rb") == 0);
    for (int c = f.sf_fgetc(); !f.sf_feof(); c = f.sf_fgetc())
        text.push_back(static_cast<char>(c));
    f.sf_fclose();
    return text;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInit();
    SetUpOnce();
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find(kSplit);
    const std::string first = split == std::string::npos ? input : input.substr(0, split);
    const std::string second = split == std::string::npos ? input : input.substr(split + 1);

    for (const auto& e : fs::directory_iterator(g_Prog + "/Text/F"))
        fs::remove_all(e.path());
    Write(g_Prog + kFirst, first);
    Write(g_Prog + kSecond, second);

    const bool madePlain = Make(kPlain, true);
    const bool madeHidden = Make(kHidden, false);
    // The output mode changes only how the bytes are stored.
    FUZZ_CHECK(madePlain == madeHidden);

    std::map<std::string, std::string> expected{
        {"outside", "<dir>"},          {"outside/keep.txt", kKeep},
        {"prog", "<dir>"},             {"prog/Settings", "<dir>"},
        {"prog/Settings/Texts_Src", "<dir>"}, {"prog/Settings/Texts_Src/F", "<dir>"},
        {"prog/Settings/Texts_Src/F/first.txt", first}, {"prog/Settings/Texts_Src/F/second.txt", second},
        {"prog/Text", "<dir>"},        {"prog/Text/F", "<dir>"},
    };
    std::map<std::string, std::string> tree = Tree();
    if (madePlain) {
        const auto plain = tree.find("prog/Text/F/plain.mix");
        const auto hidden = tree.find("prog/Text/F/hidden.mix");
        FUZZ_CHECK(plain != tree.end() && hidden != tree.end());
        const std::string mix = plain->second;
        expected["prog/Text/F/plain.mix"] = mix;
        expected["prog/Text/F/hidden.mix"] = hidden->second;

        // Each record costs "* ", "= " and at most one added line end beside bytes copied from
        // disjoint stretches of the sources, and every record opens with a "#" of the first.
        const std::size_t records = static_cast<std::size_t>(std::count(first.begin(), first.end(), '#'));
        FUZZ_CHECK(mix.size() <= first.size() + second.size() + 5 * records);
        FUZZ_CHECK(mix.empty() || mix.compare(0, 2, "* ") == 0);
        FUZZ_CHECK(hidden->second.size() == mix.size());
        // Hidden files are read as the program reads them: carriage returns are dropped.
        std::string noCr = mix;
        noCr.erase(std::remove(noCr.begin(), noCr.end(), '\r'), noCr.end());
        FUZZ_CHECK(ReadHidden(g_Prog + kHidden) == noCr);

        // What the maker wrote is a phrase file the reader gets through.
        CSmrtFile_Nrml f;
        FUZZ_CHECK(f.sf_fopen((g_Prog + kPlain).c_str(), "rb") == 0);
        CPhraseReader reader(f);
        char a[MAX_PHRASE_FIELD_SZ], b[MAX_PHRASE_FIELD_SZ];
        std::size_t n = 0;
        while (reader.ReadRecord(a, b))
            FUZZ_CHECK(++n <= mix.size());
        f.sf_fclose();
    }
    // A failed making leaves no phrase file and no temporary; nothing is written anywhere else,
    // and the sources are as they were.
    FUZZ_CHECK(tree == expected);
    return 0;
}
