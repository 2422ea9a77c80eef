// Loading the settings at start-up, and the lookups every pass and every log line make.
#include "base/Globals.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "platform/PlatFs.h"
#include "settings/CLsnAFc.h"

#include <benchmark/benchmark.h>

namespace {
struct InDataFolder {
    InDataFolder()
    {
        plat::SetCurrentDir(LEXIDO_DATA_DIR);
        if (!g_pILsnAFc)
            g_pILsnAFc = new CLsnAFc;
    }
};

void BM_OpenShippedSettings(benchmark::State& state)
{
    InDataFolder here;
    for (auto _ : state) {
        IDbVars* db = g_pILsnAFc->Create_IDbVars();
        db->Open(nullptr, ".");
        benchmark::DoNotOptimize(db);
        delete db;
    }
}
BENCHMARK(BM_OpenShippedSettings);

void BM_ReadOneSetting(benchmark::State& state)
{
    InDataFolder here;
    IDbVars* db = g_pILsnAFc->Create_IDbVars();
    db->Open(nullptr, ".");
    int v = 0;
    for (auto _ : state) {
        db->RdVal("Gnrl", "lfPitchAndFamily", PAR_TYPE_INT, &v); // the last integer of the largest section
        benchmark::DoNotOptimize(v);
    }
    delete db;
}
BENCHMARK(BM_ReadOneSetting);
} // namespace

BENCHMARK_MAIN();
