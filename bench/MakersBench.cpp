// Making all 113 shipped phrase files, as the first start does (goal: under 0.5 s). The
// shipped source texts are copied into a temporary program folder, which is removed at the end.
#include "base/Globals.h"
#include "settings/CLsnAFc.h"
#include "tests/FakeUtltsFile.h"
#include "texts/IAliceTxtMkr.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace fs = std::filesystem;

namespace {
std::string g_Dir;

// One maker from the factory, plain output, every file it makes; false on a failure.
bool Make(int type)
{
    std::unique_ptr<IAliceTxtMkr> maker(g_pILsnAFc->Create_IAliceTxtMkr(type));
    return maker && maker->SetNrmlOutput() == 0 && maker->UnfastenText() == 0;
}

void MakersBench(benchmark::State& state, bool alice, bool cg)
{
    for (auto _ : state) {
        if ((alice && !Make(1)) || (cg && !Make(2)))
            state.SkipWithError("making failed");
    }
}

void BM_MakeAll113(benchmark::State& state) { MakersBench(state, true, true); }
BENCHMARK(BM_MakeAll113)->Unit(benchmark::kMillisecond);
void BM_MakeAlice5(benchmark::State& state) { MakersBench(state, true, false); }
BENCHMARK(BM_MakeAlice5)->Unit(benchmark::kMillisecond);
void BM_MakeGuide108(benchmark::State& state) { MakersBench(state, false, true); }
BENCHMARK(BM_MakeGuide108)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    char tmpl[] = "/tmp/lexido-bench-makers-XXXXXX";
    if (!mkdtemp(tmpl))
        return 1;
    g_Dir = tmpl;
    fs::copy(LEXIDO_TEXTS_DIR, g_Dir, fs::copy_options::recursive);
    g_pILsnAFc = new CLsnAFc;
    FakeUtltsFile files(g_Dir);
    g_pIUtltsFile = &files;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_pIUtltsFile = nullptr;
    std::error_code ec;
    fs::remove_all(g_Dir, ec);
    return 0;
}
