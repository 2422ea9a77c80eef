// The memory across days as the learner meets it, through the real lexido-tty in batch over a
// copy of the program folder: the start-up through the installer to the first screen, the time
// from a key to the next screen over a pass of 1 000 phrases, and the end of that pass (its
// reviews and history record written), each with a database of 100 000 cards (range(0) 1) and
// without one (0); and a whole batch pass of In Whole over 100 000 phrases, as phrases a second.
#include "memory/MemoryDb.h"

#include "bench/Percentile.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kCards = 100000, kPhrases = 1000;

// A fresh program folder with the phrase file p.mix and, with cards, a database of that many.
std::string MakeFolder(bool cards)
{
    const std::string dir = (fs::temp_directory_path() / ("lexido_memuse_" + std::to_string(getpid()))).string();
    fs::remove_all(dir);
    fs::copy(LEXIDO_PROGRAM_DIR, dir, fs::copy_options::recursive);
    std::ofstream(dir + "/Settings/OnceImpActn.cfg") << "sn = OnceImpActn\n\npt_i AlcRdy sv = 1\npt_i CgRdy sv = 1\n";
    std::ofstream mix(dir + "/p.mix");
    for (int i = 0; i < kPhrases; ++i)
        mix << "*phrase " << i << " in the first language\n=phrase " << i << " in the second\n";
    if (cards) {
        memory::CMemoryDb db;
        db.Open(dir + "/Memory.db");
        std::vector<memory::SReview> reviews;
        const long long now = static_cast<long long>(std::time(nullptr));
        for (int i = 0; i < kCards; ++i)
            reviews.push_back({"card " + std::to_string(i) + " of the first language", "its second text", i % 2,
                i % 7 ? 3 : 1, 0, now - (i % 400) * 86400LL, dir + "/f" + std::to_string(i % 50) + ".mix"});
        db.WritePass(reviews, nullptr);
    }
    return dir;
}

struct SChild {
    pid_t pid = -1;
    int in = -1, out = -1; // its standard input and output
};

SChild Start(const std::string& dir)
{
    int in[2], out[2];
    if (pipe(in) != 0 || pipe(out) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(in[0], 0);
        dup2(out[1], 1);
        close(in[1]);
        close(out[0]);
        if (chdir(dir.c_str()) != 0)
            _exit(127);
        execl("./lexido-tty", "lexido-tty", "--mode", "0", "--direction", "0", "p.mix", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    return SChild{pid, in[1], out[0]};
}

// Reads until the end of the next printed screen (its form-feed line); false at the end.
bool NextScreen(int fd)
{
    char c = 0, last = 0;
    while (read(fd, &c, 1) == 1) {
        if (last == '\f' && c == '\n')
            return true;
        last = c;
    }
    return false;
}

double Seconds(Clock::time_point from)
{
    return std::chrono::duration<double>(Clock::now() - from).count();
}

void BM_TtyWithMemory(benchmark::State& state)
{
    const bool cards = state.range(0) != 0;
    const std::string dir = MakeFolder(cards);
    std::vector<double> starts, keys, ends;
    for (auto _ : state) {
        if (!cards)
            for (const char* name : {"/Memory.db", "/Memory.db-wal", "/Memory.db-shm"})
                fs::remove(dir + name);
        const Clock::time_point t0 = Clock::now();
        SChild child = Start(dir);
        if (!NextScreen(child.out)) {
            state.SkipWithError("no first screen");
            break;
        }
        starts.push_back(Seconds(t0) * 1e3);
        for (int k = 0; k < 2 * kPhrases - 1; ++k) {
            const char key = k % 20 == 0 ? ' ' : 'x';
            const Clock::time_point t = Clock::now();
            if (write(child.in, &key, 1) != 1 || !NextScreen(child.out))
                break;
            keys.push_back(Seconds(t) * 1e6);
        }
        // The last key ends the pass; the input's end then stops the next iteration at once.
        const Clock::time_point t1 = Clock::now();
        const char key = 'x';
        if (write(child.in, &key, 1) != 1)
            break;
        close(child.in);
        while (NextScreen(child.out)) {}
        int status = 0;
        waitpid(child.pid, &status, 0);
        close(child.out);
        ends.push_back(Seconds(t1) * 1e3);
        state.SetIterationTime(Seconds(t0));
    }
    fs::remove_all(dir);
    if (starts.empty() || keys.empty())
        return;
    state.counters["start_ms"] = Percentile(starts, 0.5);
    state.counters["key_us_median"] = Percentile(keys, 0.5);
    state.counters["key_us_p99"] = Percentile(keys, 0.99);
    state.counters["end_ms"] = Percentile(ends, 0.5);
    std::printf("%s: start-up to the first screen %.1f ms; key to screen median %.0f us, 99th percentile %.0f us; "
                "end of a %d-phrase pass and of the program %.1f ms\n",
        cards ? "100 000 cards" : "no database", Percentile(starts, 0.5), Percentile(keys, 0.5), Percentile(keys, 0.99),
        kPhrases, Percentile(ends, 0.5));
}
BENCHMARK(BM_TtyWithMemory)->Arg(0)->Arg(1)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

// A script answering every phrase of a 100 000-phrase file, from the start of lexido-tty to its
// end (the pass's 100 000 reviews written): a line end shows the answer, the next the phrase after.
void BM_BatchPass100k(benchmark::State& state)
{
    constexpr int kBig = 100000;
    const std::string dir = MakeFolder(false);
    {
        std::ofstream mix(dir + "/big.mix");
        for (int i = 0; i < kBig; ++i)
            mix << "*question number " << i << " here\n=die Antwort Nummer " << i << "\n";
        std::ofstream(dir + "/keys.txt") << std::string(2 * kBig + 1, '\n');
    }
    const std::string command = "cd '" + dir + "' && ./lexido-tty --mode 0 --direction 0 big.mix < keys.txt > /dev/null";
    std::vector<double> rates;
    for (auto _ : state) {
        for (const char* name : {"/Memory.db", "/Memory.db-wal", "/Memory.db-shm"})
            fs::remove(dir + name);
        const Clock::time_point t0 = Clock::now();
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("the batch pass failed");
            break;
        }
        const double s = Seconds(t0);
        state.SetIterationTime(s);
        rates.push_back(kBig / s);
    }
    fs::remove_all(dir);
    if (rates.empty())
        return;
    state.counters["phrases_per_s"] = Percentile(rates, 0.5);
    std::printf("batch pass, In Whole, %d phrases: median %.0f phrases a second\n", kBig, Percentile(rates, 0.5));
}
BENCHMARK(BM_BatchPass100k)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
