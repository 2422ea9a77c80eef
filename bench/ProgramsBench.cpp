// The training programs at the learner's pace and beyond: a whole In Whole pass over a file of
// 100 000 phrases with a scripted key feed (two keys a phrase, every tenth phrase marked), on
// the real worker thread, keyboard manager, screen object and work file; and the string
// objects' screen and result texts of a 1023-byte text with 100 brackets; the judge of a typed
// answer of 100 characters.
#include "base/Globals.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "engine/CItrtnSrvc.h"
#include "engine/CKbrd.h"
#include "engine/CScreen.h"
#include "engine/CThread.h"
#include "engine/EngineGlobals.h"
#include "engine/IKbrd.h"
#include "engine/IMfcCmmnProc.h"
#include "engine/IterationGlobals.h"
#include "platform/PlatFs.h"
#include "platform/PlatUtf8.h"
#include "programs/AnswerJudge.h"
#include "programs/CPrStr.h"
#include "settings/CLsnAFc.h"
#include "tests/EngineTestKit.h"
#include "texts/CUtltsFile.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {
using Clock = std::chrono::steady_clock;
constexpr int kPhrases = 100000;

std::string MakeFolder()
{
    char tmpl[] = "/tmp/lexido-bench-XXXXXX";
    if (!mkdtemp(tmpl))
        std::abort();
    const std::string dir = tmpl;
    fs::copy(fs::path(LEXIDO_DATA_DIR) / "Settings", fs::path(dir) / "Settings", fs::copy_options::recursive);
    fs::create_directories(fs::path(dir) / "DfltRslts");
    std::ofstream out(dir + "/Lesson.mix", std::ios::binary);
    for (int i = 0; i < kPhrases; ++i)
        out << "*phrase number " << i << " in the first language\n=Satz Nummer " << i << " in der zweiten Sprache\n";
    return dir;
}

void BM_InWholePass(benchmark::State& state)
{
    const std::string dir = MakeFolder();
    plat::SetCurrentDir(dir); // the database reads Settings/ below the current folder
    g_pILsnAFc = new CLsnAFc;
    g_pIDbVars = g_pILsnAFc->Create_IDbVars();
    g_pIDbVars->Open(nullptr, dir.c_str());
    CUtltsFile* files = new CUtltsFile(dir.c_str());
    g_pIUtltsFile = files;
    files->Init();
    g_pIItrtnSrvc = new CItrtnSrvc;
    CFakeView view;
    plat::CEvent keyWait;
    g_pIKbrd = g_pILsnAFc->Create_IKbrd(1);
    g_pOScreen = g_pILsnAFc->Create_OScreen();
    g_pOScreen->AttachView(&view);
    g_pIMfcCmmnProc = g_pILsnAFc->Create_IMfcCmmnProc();
    CKbrd::SetWaitObserver(&keyWait);

    double phrasesPerSecond = 0;
    double storeMs = 0;
    long resultsBytes = 0;
    for (auto _ : state) {
        files->SetFileDir((dir + "/").c_str());
        files->SetFilePath((dir + "/Lesson.mix").c_str());
        files->SetFileName("Lesson.mix");
        files->SetFileNameNoExt("Lesson");
        files->SetFileExt("mix");
        g_pIItrtnSrvc->ResetIterations();
        const Clock::time_point t0 = Clock::now();
        g_pIMfcCmmnProc->StartFirstItrtn();
        for (int i = 0; i < kPhrases; ++i) {
            for (int k = 0; k < 2; ++k) {
                keyWait.Wait(); // the worker waits: the key cannot be lost to the wait's reset
                keyWait.Reset();
                g_pIKbrd->PutKey(k == 0 && i % 10 == 0 ? ' ' : 'a');
            }
        }
        const Clock::time_point lastKey = Clock::now();
        while (g_pCThrdAp->IsActive())
            std::this_thread::yield();
        const Clock::time_point end = Clock::now();
        const double seconds = std::chrono::duration<double>(lastKey - t0).count();
        phrasesPerSecond = kPhrases / seconds;
        storeMs = std::chrono::duration<double, std::milli>(end - lastKey).count();
        state.SetIterationTime(std::chrono::duration<double>(end - t0).count());
        resultsBytes = static_cast<long>(fs::file_size(dir + "/DfltRslts/Lesson_1.mix"));
    }
    state.counters["phrases_per_s"] = phrasesPerSecond;
    state.counters["store_ms"] = storeMs;
    state.counters["results_bytes"] = static_cast<double>(resultsBytes);
    std::printf("In Whole pass over %d phrases: %.0f phrases/s; results (%ld bytes) stored in %.2f ms\n",
                kPhrases, phrasesPerSecond, resultsBytes, storeMs);

    g_pIMfcCmmnProc->RetirePass();
    CKbrd::SetWaitObserver(nullptr);
    delete g_pIMfcCmmnProc;
    g_pIMfcCmmnProc = nullptr;
    delete g_pOScreen;
    g_pOScreen = nullptr;
    delete g_pIKbrd;
    g_pIKbrd = nullptr;
    delete g_pIItrtnSrvc;
    g_pIItrtnSrvc = nullptr;
    delete files;
    g_pIUtltsFile = nullptr;
    delete g_pIDbVars;
    g_pIDbVars = nullptr;
    delete g_pILsnAFc;
    g_pILsnAFc = nullptr;
    std::error_code ec;
    fs::remove_all(dir, ec);
}
BENCHMARK(BM_InWholePass)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

// 100 brackets of three letters among words, padded to 1023 bytes; half of them dealt with.
CPrStr* BracketedPhrase()
{
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += "<abc> de ";
    text += std::string(1023 - text.size(), 'x');
    CPrStr* s = new CPrStr;
    s->SetQuestionAndAnswer("question", text.c_str());
    s->ResetBrkt();
    for (int i = 0; i < 50; ++i) {
        if (i % 2)
            s->UserOpenedCrrntBrck();
        else
            s->UserSkippedCrrntBrck();
        s->NextBrkt();
    }
    return s;
}

void BM_GetScreenText(benchmark::State& state)
{
    CPrStr* s = BracketedPhrase();
    for (auto _ : state)
        benchmark::DoNotOptimize(s->GetScreenText());
    delete s;
}
BENCHMARK(BM_GetScreenText)->Unit(benchmark::kMicrosecond);

void BM_GetResultText(benchmark::State& state)
{
    CPrStr* s = BracketedPhrase();
    for (auto _ : state)
        benchmark::DoNotOptimize(s->GetResultText());
    delete s;
}
BENCHMARK(BM_GetResultText)->Unit(benchmark::kMicrosecond);

// What a whole-word turn asks for besides: the place of the bracket and the rest of its line.
void BM_BracketTurnTexts(benchmark::State& state)
{
    CPrStr* s = BracketedPhrase();
    for (auto _ : state) {
        benchmark::DoNotOptimize(s->GetLenToCrrntBrkt());
        benchmark::DoNotOptimize(s->GetRestOfLine());
        benchmark::DoNotOptimize(s->GetCrrntBrktText());
    }
    delete s;
}
BENCHMARK(BM_BracketTurnTexts)->Unit(benchmark::kMicrosecond);
} // namespace

// A typed answer of 100 characters against its answer, with accents and a swap of two letters
// (Almost): the verdict and the characters marked, as Type the Answer does at Enter.
void BM_JudgeTypedAnswer(benchmark::State& state)
{
    const auto chars = [](const std::string& utf8) {
        std::u32string out;
        char32_t u = 0;
        for (std::size_t pos = 0; plat::NextUtf8(utf8, pos, u);)
            out.push_back(u);
        return out;
    };
    const std::u32string answer = chars("Über den Wolken muss die Freiheit wohl grenzenlos sein, sagte er. "
                                        "Alle Ängste, alle Sorgen bleiben..");
    std::u32string typed = answer;
    std::swap(typed[20], typed[21]);
    typed[0] = U'U';
    if (typed.size() != 100)
        std::abort();
    for (auto _ : state) {
        benchmark::DoNotOptimize(JudgeAnswer(typed, answer, false));
        benchmark::DoNotOptimize(DifferingChars(typed, answer, false));
    }
}
BENCHMARK(BM_JudgeTypedAnswer)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
