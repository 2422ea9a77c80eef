// Reading phrase files, showing and scrolling a large one, and hidden against plain files.
// The files are made at start in a temporary folder and removed at the end; the ratios the
// figures are judged by are printed after the table.
#include "base/Globals.h"
#include "engine/CItrtnSrvc.h"
#include "engine/IterationGlobals.h"
#include "settings/CLsnAFc.h"
#include "texts/CPhraseReader.h"
#include "texts/CSmrtFile_HideText.h"
#include "texts/CSmrtFile_Nrml.h"
#include "texts/CUtltsFile.h"
#include "texts/FileCoding.h"
#include "texts/IFileView.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

namespace fs = std::filesystem;

namespace {
constexpr long kMB = 1024 * 1024;

std::string g_Dir;

std::string FilePath(const char* name)
{
    return g_Dir + "/" + name;
}

// A phrase file of about the given size, in the work file's form.
void MakePhraseFile(const std::string& path, long bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    long written = 0;
    for (long i = 0; written < bytes; ++i) {
        written += std::fprintf(f, "*Good morning, how are you today? (%ld)\n=Guten Morgen, wie geht es dir heute? (%ld)\n",
                                i, i);
    }
    std::fclose(f);
}

// The same in UTF-8: Greek, Polish and Chinese phrases, no byte-order mark.
void MakeUtf8PhraseFile(const std::string& path, long bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    long written = 0;
    for (long i = 0; written < bytes; ++i) {
        written += std::fprintf(
            f, "*Καλημέρα, τι κάνεις σήμερα; (%ld)\n=Dzień dobry, jak się dziś masz? 你今天好吗 (%ld)\n", i, i);
    }
    std::fclose(f);
}

class ScriptedDialogs : public IFileDialogs {
public:
    std::string answer;
    bool AskOpenPath(const char*, const char*, std::string& path) override
    {
        path = answer;
        return true;
    }
    bool AskSavePath(const char*, const char*, const char*, std::string&) override { return false; }
    bool ConfirmOverwrite(const std::vector<std::string>&) override { return false; }
    void ShowFileProblem(FileProblem, const char*) override {}
};

class View : public IFileView {
public:
    std::string text;
    ScriptedDialogs dialogs;
    void ClearText() override { text.clear(); }
    void PutText(const char* t) override { text += t; }
    void SetScrollSizes(long, long, long) override {}
    void SetCaption(const char*) override {}
    const char* GetCaptionTitle() override { return "Lexido"; }
    IFileDialogs& Dialogs() override { return dialogs; }
};

void Setup()
{
    char tmpl[] = "/tmp/lexido-bench-XXXXXX";
    g_Dir = mkdtemp(tmpl);
    fs::create_directories(g_Dir + "/DfltRslts");
    fs::create_directories(g_Dir + "/Text");
    MakePhraseFile(FilePath("Text/phrases50.mix"), 50 * kMB);
    MakePhraseFile(FilePath("Text/big200.mix"), 200 * kMB);
    MakePhraseFile(FilePath("Text/small1.mix"), 1 * kMB);
    MakeUtf8PhraseFile(FilePath("Text/utf8_50.mix"), 50 * kMB);
    g_pILsnAFc = new CLsnAFc;
    g_pIUtltsFile = new CUtltsFile(g_Dir.c_str());
    g_pIUtltsFile->Init();
    g_pIItrtnSrvc = new CItrtnSrvc;
}

void BM_Fread50MB(benchmark::State& state)
{
    static char buf[64 * 1024];
    for (auto _ : state) {
        std::FILE* f = std::fopen(FilePath("Text/phrases50.mix").c_str(), "rb");
        std::size_t n, total = 0;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
            total += n;
        std::fclose(f);
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(state.iterations() * 50 * kMB);
}
BENCHMARK(BM_Fread50MB)->Unit(benchmark::kMillisecond);

void BM_ReadRecords50MB(benchmark::State& state)
{
    char a[MAX_PHRASE_FIELD_SZ], b[MAX_PHRASE_FIELD_SZ];
    long records = 0;
    for (auto _ : state) {
        CSmrtFile_Nrml f;
        f.sf_fopen(FilePath("Text/phrases50.mix").c_str(), "rb");
        CPhraseReader reader(f);
        records = 0;
        while (reader.ReadRecord(a, b))
            ++records;
        f.sf_fclose();
        benchmark::DoNotOptimize(records);
    }
    state.SetBytesProcessed(state.iterations() * 50 * kMB);
    state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(BM_ReadRecords50MB)->Unit(benchmark::kMillisecond);

// The reading of a UTF-8 file that decides its coding: the records counted as a pass does when
// it opens its input, the coding decided in the same reading.
void BM_ReadUtf8Records50MB(benchmark::State& state)
{
    long records = 0;
    for (auto _ : state) {
        CSmrtFile_Nrml f;
        f.sf_fopen(FilePath("Text/utf8_50.mix").c_str(), "rb");
        plat::TextCoding coding = plat::TextCoding::SingleByte;
        records = CountRecordsDeciding(f, coding);
        f.sf_fclose();
        if (coding != plat::TextCoding::Utf8)
            state.SkipWithError("not read as UTF-8");
        benchmark::DoNotOptimize(records);
    }
    state.SetBytesProcessed(state.iterations() * 50 * kMB);
    state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(BM_ReadUtf8Records50MB)->Unit(benchmark::kMillisecond);

// The decision alone, in a reading of its own (hidden files, and what a view shows).
void BM_DecideUtf8Coding50MB(benchmark::State& state)
{
    for (auto _ : state) {
        CSmrtFile_Nrml f;
        f.sf_fopen(FilePath("Text/utf8_50.mix").c_str(), "rb");
        benchmark::DoNotOptimize(DecideFileCoding(f));
        f.sf_fclose();
    }
    state.SetBytesProcessed(state.iterations() * 50 * kMB);
}
BENCHMARK(BM_DecideUtf8Coding50MB)->Unit(benchmark::kMillisecond);

void OpenFile(benchmark::State& state, const char* name)
{
    View view;
    view.dialogs.answer = FilePath(name);
    for (auto _ : state)
        g_pIUtltsFile->OpenFile(&view);
    benchmark::DoNotOptimize(view.text);
}

void BM_OpenFile200MB(benchmark::State& state) { OpenFile(state, "Text/big200.mix"); }
BENCHMARK(BM_OpenFile200MB)->Unit(benchmark::kMillisecond);

void BM_OpenFile1MB(benchmark::State& state) { OpenFile(state, "Text/small1.mix"); }
BENCHMARK(BM_OpenFile1MB)->Unit(benchmark::kMillisecond);

void ScrollStep(benchmark::State& state, const char* name, long length)
{
    View view;
    view.dialogs.answer = FilePath(name);
    g_pIUtltsFile->OpenFile(&view);
    int step = 0;
    for (auto _ : state) {
        // Positions spread over the file, as dragging the thumb gives them.
        const long pos = (length / 97) * (step++ % 97);
        g_pIUtltsFile->ScrallViewFile(&view, 5, static_cast<int>(pos), nullptr);
    }
    benchmark::DoNotOptimize(view.text);
}

void BM_ScrollStep200MB(benchmark::State& state) { ScrollStep(state, "Text/big200.mix", 200 * kMB); }
BENCHMARK(BM_ScrollStep200MB)->Unit(benchmark::kMillisecond);

void BM_ScrollStep1MB(benchmark::State& state) { ScrollStep(state, "Text/small1.mix", 1 * kMB); }
BENCHMARK(BM_ScrollStep1MB)->Unit(benchmark::kMillisecond);

template <class File>
void WriteAndReadBack(benchmark::State& state)
{
    const std::string path = FilePath("Text/rw.mix");
    const std::string line = "*Wie viel kostet das Zimmer pro Nacht?\n=How much is the room per night?\n";
    const long bytes = 10 * kMB;
    for (auto _ : state) {
        {
            File out;
            out.sf_fopen(path.c_str(), "wb");
            for (long n = 0; n < bytes; n += static_cast<long>(line.size()))
                out.sf_fputs(line.c_str());
            out.sf_fclose();
        }
        File in;
        in.sf_fopen(path.c_str(), "rb");
        long n = 0;
        for (int c = in.sf_fgetc(); !in.sf_feof(); c = in.sf_fgetc())
            n += c != 0;
        in.sf_fclose();
        benchmark::DoNotOptimize(n);
    }
    state.SetBytesProcessed(state.iterations() * 2 * bytes);
}

void BM_Nrml_WriteRead10MB(benchmark::State& state) { WriteAndReadBack<CSmrtFile_Nrml>(state); }
BENCHMARK(BM_Nrml_WriteRead10MB)->Unit(benchmark::kMillisecond);

void BM_HideText_WriteRead10MB(benchmark::State& state) { WriteAndReadBack<CSmrtFile_HideText>(state); }
BENCHMARK(BM_HideText_WriteRead10MB)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's time per iteration (all in milliseconds) for the ratios.
class Collector : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> ms;
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration)
                ms[r.benchmark_name()] = r.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

void PrintRatio(const Collector& c, const char* what, const char* a, const char* b)
{
    const auto x = c.ms.find(a), y = c.ms.find(b);
    if (x != c.ms.end() && y != c.ms.end() && y->second > 0)
        std::printf("%-48s %8.2f x  (%.2f ms / %.2f ms)\n", what, x->second / y->second, x->second, y->second);
}
} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    Setup();
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    std::printf("\n");
    PrintRatio(collector, "record reading / fread (goal < 4)", "BM_ReadRecords50MB", "BM_Fread50MB");
    PrintRatio(collector, "UTF-8 record reading / fread (goal < 4)", "BM_ReadUtf8Records50MB", "BM_Fread50MB");
    PrintRatio(collector, "open 200 MB / open 1 MB", "BM_OpenFile200MB", "BM_OpenFile1MB");
    PrintRatio(collector, "scroll step 200 MB / 1 MB", "BM_ScrollStep200MB", "BM_ScrollStep1MB");
    PrintRatio(collector, "hidden / plain, write and read 10 MB", "BM_HideText_WriteRead10MB", "BM_Nrml_WriteRead10MB");
    benchmark::Shutdown();
    std::error_code ec;
    fs::remove_all(g_Dir, ec);
    return 0;
}
