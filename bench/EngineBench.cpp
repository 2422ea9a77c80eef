// What a learner feels: the time from a key to the changed screen. Measured from PutKey on
// this (the window's) thread to the end of the worker's next PutStr, its repaint request, with
// a program that echoes every key; median and 99th percentile over many keys in one run.
#include "base/Globals.h"
#include "config/IDbVars.h"
#include "engine/CKbrd.h"
#include "engine/CScreen.h"
#include "engine/EngineGlobals.h"
#include "engine/IKbrd.h"
#include "engine/IMfcCmmnProc.h"
#include "platform/PlatFs.h"
#include "tests/EngineTestKit.h"

#include "bench/Percentile.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

void BM_KeyToScreen(benchmark::State& state)
{
    plat::SetCurrentDir(LEXIDO_DATA_DIR);
    CTestFactory* factory = new CTestFactory;
    g_pILsnAFc = factory;
    g_pIDbVars = g_pILsnAFc->Create_IDbVars();
    g_pIDbVars->Open(nullptr, ".");
    CFakeView view;
    plat::CEvent keyWait;
    g_pIKbrd = g_pILsnAFc->Create_IKbrd(1);
    g_pOScreen = g_pILsnAFc->Create_OScreen();
    g_pOScreen->AttachView(&view);
    g_pIMfcCmmnProc = g_pILsnAFc->Create_IMfcCmmnProc();
    CKbrd::SetWaitObserver(&keyWait);
    g_pIMfcCmmnProc->StartFirstItrtn();

    std::vector<double> micros;
    micros.reserve(static_cast<std::size_t>(state.max_iterations));
    int i = 0;
    for (auto _ : state) {
        keyWait.Wait(); // the worker waits: the key cannot be lost to the wait's reset
        keyWait.Reset();
        view.repainted.Reset();
        const Clock::rep t0 = Clock::now().time_since_epoch().count();
        g_pIKbrd->PutKey('a' + i++ % 26);
        view.repainted.Wait();
        const Clock::duration d(view.lastRepaint.load() - t0);
        const double s = std::chrono::duration<double>(d).count();
        micros.push_back(s * 1e6);
        state.SetIterationTime(s);
    }

    g_pIMfcCmmnProc->RetirePass();
    CKbrd::SetWaitObserver(nullptr);
    delete g_pIMfcCmmnProc;
    g_pIMfcCmmnProc = nullptr;
    delete g_pOScreen;
    g_pOScreen = nullptr;
    delete g_pIKbrd;
    g_pIKbrd = nullptr;
    delete g_pIDbVars;
    g_pIDbVars = nullptr;
    delete factory;
    g_pILsnAFc = nullptr;

    const double median = Percentile(micros, 0.5);
    const double p99 = Percentile(micros, 0.99);
    state.counters["median_us"] = median;
    state.counters["p99_us"] = p99;
    std::printf("key to screen over %zu keys: median %.1f us, 99th percentile %.1f us\n", micros.size(),
                median, p99);
}
BENCHMARK(BM_KeyToScreen)->Iterations(20000)->UseManualTime()->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
