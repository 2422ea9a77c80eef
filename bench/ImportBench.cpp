// Anki packages in and phrase files out through the real lexido-tty: --import of a package of
// 50 000 notes in today's layout (a zstd-compressed collection, one review of each note in its
// log, brought into the memory), and --export of 100 000 phrases in each form. Each run is a
// child process: its wall time and its peak resident memory (peak_MiB) are reported.
#include <benchmark/benchmark.h>

#include <sqlite3.h>
#include <zip.h>
#include <zstd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int kNotes = 50000, kPhrases = 100000;

// A copy of the program folder, made once.
const std::string& Folder()
{
    static const std::string dir = [] {
        const std::string d = (fs::temp_directory_path() / ("lexido_importbench_" + std::to_string(getpid()))).string();
        fs::remove_all(d);
        fs::copy(LEXIDO_PROGRAM_DIR, d, fs::copy_options::recursive);
        std::ofstream(d + "/Settings/OnceImpActn.cfg") << "sn = OnceImpActn\n\npt_i AlcRdy sv = 1\npt_i CgRdy sv = 1\n";
        return d;
    }();
    return dir;
}

// The collection as SQLite makes it in memory, serialized.
std::string Collection()
{
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    sqlite3_exec(db,
        "CREATE TABLE notetypes (id integer PRIMARY KEY, name text);"
        "CREATE TABLE fields (ntid integer, ord integer, name text);"
        "CREATE TABLE decks (id integer PRIMARY KEY, name text);"
        "CREATE TABLE notes (id integer PRIMARY KEY, mid integer, flds text);"
        "CREATE TABLE cards (id integer PRIMARY KEY, nid integer, did integer, ord integer);"
        "CREATE TABLE revlog (id integer PRIMARY KEY, cid integer, ease integer, type integer);"
        "INSERT INTO notetypes VALUES (1, 'Basic'); INSERT INTO fields VALUES (1, 0, 'Front'), (1, 1, 'Back');"
        "INSERT INTO decks VALUES (1, 'Default');"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 50000)"
        " INSERT INTO notes SELECT i, 1, '<b>word ' || i || '</b>&nbsp;&eacute;t&eacute;' || char(31) ||"
        " 'the meaning of word ' || i || ' [sound:w' || i || '.mp3]' FROM n;"
        "INSERT INTO cards SELECT id, id, 1, 0 FROM notes;"
        "INSERT INTO revlog SELECT 1767225600000 + id, id, 3, 0 FROM notes;",
        nullptr, nullptr, nullptr);
    sqlite3_int64 size = 0;
    unsigned char* bytes = sqlite3_serialize(db, "main", &size, 0);
    std::string image(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(size));
    sqlite3_free(bytes);
    sqlite3_close(db);
    return image;
}

const std::string& Package()
{
    static const std::string path = [] {
        const std::string image = Collection();
        std::string packed(ZSTD_compressBound(image.size()), '\0');
        packed.resize(ZSTD_compress(&packed[0], packed.size(), image.data(), image.size(), 3));
        const std::string p = Folder() + "/notes.apkg";
        int error = 0;
        zip_t* zip = zip_open(p.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
        zip_file_add(zip, "collection.anki21b", zip_source_buffer(zip, packed.data(), packed.size(), 0), 0);
        zip_close(zip);
        return p;
    }();
    return path;
}

// Runs lexido-tty of the folder with args; its wall time, and its peak memory into peakKiB.
double Run(const std::vector<const char*>& args, long& peakKiB)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(Folder().c_str()) != 0 || !std::freopen("/dev/null", "w", stdout))
            _exit(127);
        std::vector<const char*> argv = {"lexido-tty"};
        argv.insert(argv.end(), args.begin(), args.end());
        argv.push_back(nullptr);
        execv("./lexido-tty", const_cast<char* const*>(argv.data()));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    peakKiB = usage.ru_maxrss;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Report(benchmark::State& state, const std::vector<const char*>& args)
{
    long peak = 0;
    for (auto _ : state) {
        const double seconds = Run(args, peak);
        if (seconds < 0) {
            state.SkipWithError("lexido-tty failed");
            return;
        }
        state.SetIterationTime(seconds);
    }
    state.counters["peak_MiB"] = static_cast<double>(peak) / 1024.0;
}

// Goal: under 2 s. Each run starts with a fresh memory, so that every review is written.
void BM_ImportPackage50000Notes(benchmark::State& state)
{
    const std::string package = Package();
    for (const char* f : {"Memory.db", "Memory.db-wal", "Memory.db-shm"})
        fs::remove(Folder() + "/" + f);
    long peak = 0;
    for (auto _ : state) {
        fs::remove(Folder() + "/Memory.db");
        const double seconds = Run({"--import", package.c_str(), "notes.mix"}, peak);
        if (seconds < 0) {
            state.SkipWithError("lexido-tty --import failed");
            return;
        }
        state.SetIterationTime(seconds);
    }
    state.counters["peak_MiB"] = static_cast<double>(peak) / 1024.0;
}
BENCHMARK(BM_ImportPackage50000Notes)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// Goal: under 0.5 s. range(0): 0 .tsv, 1 .csv, 2 .kvtml, 3 Anki's .txt.
void BM_Export100000Phrases(benchmark::State& state)
{
    static const bool made = [] {
        std::ofstream mix(Folder() + "/big.mix");
        for (int i = 0; i < kPhrases; ++i)
            mix << "*the <phrase> number " << i << ", in the first language\n=die <Phrase> Nummer " << i << "\n";
        return true;
    }();
    (void)made;
    static const char* const kOut[] = {"big.tsv", "big.csv", "big.kvtml", "big.txt"};
    Report(state, {"--export", "big.mix", kOut[state.range(0)]});
}
BENCHMARK(BM_Export100000Phrases)->DenseRange(0, 3)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
