#include "tty/TtyHistory.h"

#include "engine/MemoryKeeper.h"
#include "engine/PassHistory.h"
#include "locale/ILocal.h"
#include "locale/LclCount.h"
#include "tty/TtyMemory.h"
#include "tty/TtyOptions.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace tty {

namespace {

// A count in a table column, its digits grouped.
std::string Num(int n) { return LclNumber(n, LANGUAGE_ENGLISH); }

void PrintFiles(const std::vector<hist::SPassRecord>& records, std::FILE* out)
{
    std::fprintf(out, "%-10s  %6s  %5s  %s\n", "Last date", "Passes", "Known", "File");
    for (const hist::SFileSummary& row : hist::SummariseFiles(records)) {
        // No pass of the file went to its end: nothing is known of it.
        const std::string known = row.knownPercent < 0 ? "-" : std::to_string(row.knownPercent) + "%";
        std::fprintf(out, "%-10s  %6s  %5s  %s\n", hist::FormatTime(row.last, false).c_str(), Num(row.passes).c_str(),
            known.c_str(), row.file.c_str());
    }
}

void PrintPasses(const std::vector<hist::SPassRecord>& passes, std::FILE* out)
{
    std::fprintf(out, "%-16s  %4s  %9s  %9s  %5s  %6s\n", "Ended", "Mode", "Direction", "Iteration", "Shown", "Marked");
    for (const hist::SPassRecord& r : passes)
        std::fprintf(out, "%-16s  %4d  %9d  %9s  %5s  %6s%s\n", hist::FormatTime(r.time, true).c_str(), r.mode,
            r.direction, Num(r.iteration).c_str(), Num(r.shown).c_str(), Num(r.marked).c_str(),
            r.completed ? "" : "  stopped");
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
    PrintPasses(hist::PassesOf(records, absolute), out);
    return 0;
}

} // namespace tty
