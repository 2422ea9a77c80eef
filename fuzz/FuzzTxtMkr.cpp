// The text maker over two arbitrary source texts. The input is the first source, one record
// separator byte (0x1E), then the second source; an input without that byte is paired with
// itself. Both are made into a phrase file of a scratch program folder, plain and hidden, by
// the program's maker reading its sources and saving its output in memory (its tokenizers come
// from the program's factory and walk the bytes it read). Either making ends by the prescribed
// fatal exit (and then saves nothing), or both succeed and save their one phrase file each:
// the hidden file reads back to the plain one (less its carriage returns), and the plain one is
// no larger than what the sources can give. Nothing on disk is touched: the scratch folder, the maker's
// current folder, stays as it was (watched through inotify, which costs nothing per input).

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
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/inotify.h>
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

// The strings below keep their buffers from input to input: an allocation under the
// sanitizer costs more than the copying, and the makings allocate enough of their own.
std::string g_Top;                              // the scratch folder: the program folder and a neighbour
std::string g_Prog;                             // the program folder
std::string g_FirstPath, g_SecondPath;          // the sources' full paths
std::string g_First, g_Second;                  // the sources
std::string g_PlainPath, g_HiddenPath;          // where the makings save
std::pair<std::string, std::string> g_Saved[2]; // what the makings saved, in order
std::size_t g_SavedCount = 0;                   // and how many saves there were (a third is not kept)
int g_Watch = -1;                               // inotify over the scratch folders
int g_Back = -1;                                // the fuzzer's own current folder

// The program's maker, reading and saving in memory.
class CMemMaker : public CAliceTxtMkr {
protected:
    bool ReadSource(const std::string& path, std::string& bytes) override
    {
        if (path != g_FirstPath && path != g_SecondPath)
            return false;
        bytes = path == g_FirstPath ? g_First : g_Second;
        return true;
    }
    bool SaveOutput(const std::string& path, const std::string& bytes) override
    {
        if (g_SavedCount < 2) {
            g_Saved[g_SavedCount].first = path;
            g_Saved[g_SavedCount].second = bytes;
        }
        ++g_SavedCount;
        return true;
    }
};

void SetUpOnce()
{
    if (!g_Top.empty())
        return;
    g_pILsnAFc = new CLsnAFc;
    FuzzInit();
    g_Top = FuzzScratchDir() + "/maker";
    g_Prog = g_Top + "/prog";
    g_FirstPath = g_Prog + kFirst;
    g_SecondPath = g_Prog + kSecond;
    g_PlainPath = g_Prog + kPlain;
    g_HiddenPath = g_Prog + kHidden;
    fs::create_directories(g_Prog + "/Settings/Texts_Src/F");
    fs::create_directories(g_Prog + "/Text/F");
    fs::create_directories(g_Top + "/outside");
    std::ofstream(g_Top + "/outside/keep.txt") << "keep this";
    g_pIUtltsFile = new FakeUtltsFile(g_Prog);
    // Every entry made, removed, renamed, written or changed in any scratch folder is an event.
    g_Watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    std::vector<std::string> dirs{g_Top};
    for (const auto& e : fs::recursive_directory_iterator(g_Top))
        if (e.is_directory())
            dirs.push_back(e.path().string());
    const std::uint32_t changes =
        IN_CREATE | IN_DELETE | IN_MODIFY | IN_ATTRIB | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF;
    for (const std::string& dir : dirs)
        if (g_Watch < 0 || ::inotify_add_watch(g_Watch, dir.c_str(), changes) < 0)
            FuzzFail("cannot watch the scratch folders");
    g_Back = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (g_Back < 0)
        FuzzFail("cannot hold the current folder");
}

// As at start, the program folder is the current directory during the makings, so that even a
// relative write would land inside it and be seen. The fuzzer's own folder is entered again
// afterwards: its corpus and artifact paths may be relative.
void EnterProgramFolder()
{
    if (::chdir(g_Prog.c_str()) != 0)
        FuzzFail("cannot enter the program folder");
}

void LeaveProgramFolder()
{
    if (::fchdir(g_Back) != 0)
        FuzzFail("cannot leave the program folder");
}

bool Make(const char* output, bool plain)
{
    return FuzzRun([&] {
        CMemMaker maker;
        if (plain)
            maker.SetNrmlOutput();
        FUZZ_CHECK(maker.MakeOneMixFile(kFirst, kSecond, output) == 0);
    });
}

// Whether the hidden file reads as the program reads it (carriage returns dropped) to plain
// less its carriage returns. Each is put into a buffer kept from input to input, and the two
// are compared whole: the loop over the characters read does nothing else.
bool HiddenReadsAs(const std::string& bytes, const std::string& plain)
{
    static std::string read, noCr;
    // Every character read takes a byte stored at least: a file never reads longer.
    read.resize(bytes.size());
    char* const out = &read[0];
    std::size_t n = 0;
    CSmrtFile_HideText f;
    FUZZ_CHECK(f.sf_fopen_stream(FuzzReadStream(bytes)) == 0);
    // A character read is never past the end: the end is asked only when the value is EOF,
    // which the byte 0xFF reads as too.
    for (int c = f.sf_fgetc(); c != EOF || !f.sf_feof(); c = f.sf_fgetc()) {
        FUZZ_CHECK(n < bytes.size());
        out[n++] = static_cast<char>(c);
    }
    f.sf_fclose();
    noCr.clear();
    for (std::size_t from = 0; from < plain.size();) {
        const void* cr = std::memchr(plain.data() + from, '\r', plain.size() - from);
        const std::size_t to =
            cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - plain.data()) : plain.size();
        noCr.append(plain, from, to - from);
        from = to + 1;
    }
    return n == noCr.size() && std::memcmp(out, noCr.data(), n) == 0;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SetUpOnce();
    const char* const bytes = reinterpret_cast<const char*>(data);
    const void* const at = size ? std::memchr(bytes, kSplit, size) : nullptr;
    const std::size_t split = at ? static_cast<std::size_t>(static_cast<const char*>(at) - bytes) : size;
    g_First.assign(bytes, split);
    if (at)
        g_Second.assign(bytes + split + 1, size - split - 1);
    else
        g_Second.assign(bytes, size);
    const std::string& first = g_First;
    const std::string& second = g_Second;
    g_SavedCount = 0;

    EnterProgramFolder();
    const bool madePlain = Make(kPlain, true);
    const std::size_t savedByPlain = g_SavedCount;
    const bool madeHidden = Make(kHidden, false);
    LeaveProgramFolder();
    // The output mode changes only how the bytes are stored.
    FUZZ_CHECK(madePlain == madeHidden);
    // A failed making saves nothing; a making that succeeds saves its one file.
    FUZZ_CHECK(savedByPlain == (madePlain ? 1u : 0u) && g_SavedCount == 2 * savedByPlain);
    if (madePlain) {
        FUZZ_CHECK(g_Saved[0].first == g_PlainPath && g_Saved[1].first == g_HiddenPath);
        const std::string& mix = g_Saved[0].second;
        const std::string& hidden = g_Saved[1].second;

        // Each record costs "* ", "= " and at most one added line end beside bytes copied from
        // disjoint stretches of the sources, and every record opens with a "#" of the first.
        const std::size_t records = static_cast<std::size_t>(std::count(first.begin(), first.end(), '#'));
        FUZZ_CHECK(mix.size() <= first.size() + second.size() + 5 * records);
        FUZZ_CHECK(mix.empty() || mix.compare(0, 2, "* ") == 0);
        FUZZ_CHECK(hidden.size() == mix.size());
        // Hidden files are read as the program reads them: carriage returns are dropped.
        FUZZ_CHECK(HiddenReadsAs(hidden, mix));

        // What the maker wrote is a phrase file the reader gets through.
        CSmrtFile_Nrml f(4096); // a block of a page: the output is short
        FUZZ_CHECK(f.sf_fopen_stream(FuzzReadStream(mix)) == 0);
        CPhraseReader reader(f);
        char a[MAX_PHRASE_FIELD_SZ], b[MAX_PHRASE_FIELD_SZ];
        std::size_t n = 0;
        while (reader.ReadRecord(a, b))
            FUZZ_CHECK(++n <= mix.size());
        f.sf_fclose();
    }
    // Nothing was made, removed or written on disk.
    char event[sizeof(inotify_event) + NAME_MAX + 1];
    FUZZ_CHECK(::read(g_Watch, event, sizeof event) < 0 && errno == EAGAIN);
    return 0;
}
