#include "tty/TtyHistory.h"

#include "engine/MemoryKeeper.h"
#include "tty/TtyMemory.h"
#include "tty/TtyOptions.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace tty {

namespace {

// The path as the history names it: absolute, without "." and ".." steps or links.
std::string Canonical(const std::string& path)
{
    std::error_code ec;
    const std::filesystem::path p = std::filesystem::weakly_canonical(path, ec);
    return ec ? path : p.string();
}

void PrintFiles(const std::vector<hist::SPassRecord>& records, std::FILE* out)
{
    std::fprintf(out, "%-10s  %6s  %5s  %s\n", "Last date", "Passes", "Known", "File");
    for (const hist::SFileSummary& row : hist::SummariseFiles(records))
        std::fprintf(out, "%-10s  %6d  %4d%%  %s\n", hist::FormatTime(row.last, false).c_str(), row.passes,
            row.knownPercent, row.file.c_str());
}

void PrintPasses(const std::vector<hist::SPassRecord>& passes, std::FILE* out)
{
    std::fprintf(out, "%-16s  %4s  %9s  %9s  %5s  %6s\n", "Ended", "Mode", "Direction", "Iteration", "Shown", "Marked");
    for (const hist::SPassRecord& r : passes)
        std::fprintf(out, "%-16s  %4d  %9d  %9d  %5d  %6d\n", hist::FormatTime(r.time, true).c_str(), r.mode,
            r.direction, r.iteration, r.shown, r.marked);
}

} // namespace

int PrintHistory(const std::string& file, std::FILE* out)
{
    // From the memory's database, or from History.txt when there is none to use.
    CMemoryQuery query;
    const std::vector<hist::SPassRecord> records = keeper::History();
    if (file.empty()) {
        PrintFiles(records, out);
        return 0;
    }
    std::error_code ec;
    const std::string absolute = AbsolutePath(file, std::filesystem::current_path(ec).string());
    const std::string canonical = Canonical(absolute);
    std::vector<hist::SPassRecord> passes;
    for (const hist::SPassRecord& r : records)
        if (r.file == absolute || r.file == canonical)
            passes.push_back(r);
    PrintPasses(passes, out);
    return 0;
}

} // namespace tty
