#include "tty/TtyHistory.h"

#include "engine/PassHistory.h"
#include "locale/ILocal.h"
#include "locale/LclCount.h"
#include "texts/CUtltsFile.h"
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

// A count in a table column, its digits grouped.
std::string Num(int n) { return LclNumber(n, LANGUAGE_ENGLISH); }

void PrintFiles(const std::vector<hist::SPassRecord>& records, std::FILE* out)
{
    std::fprintf(out, "%-10s  %6s  %5s  %s\n", "Last date", "Passes", "Known", "File");
    for (const hist::SFileSummary& row : hist::SummariseFiles(records))
        std::fprintf(out, "%-10s  %6s  %4d%%  %s\n", hist::FormatTime(row.last, false).c_str(), Num(row.passes).c_str(),
            row.knownPercent, row.file.c_str());
}

void PrintPasses(const std::vector<hist::SPassRecord>& passes, std::FILE* out)
{
    std::fprintf(out, "%-16s  %4s  %9s  %9s  %5s  %6s\n", "Ended", "Mode", "Direction", "Iteration", "Shown", "Marked");
    for (const hist::SPassRecord& r : passes)
        std::fprintf(out, "%-16s  %4d  %9d  %9s  %5s  %6s\n", hist::FormatTime(r.time, true).c_str(), r.mode,
            r.direction, Num(r.iteration).c_str(), Num(r.shown).c_str(), Num(r.marked).c_str());
}

} // namespace

int PrintHistory(const std::string& file, std::FILE* out)
{
    CUtltsFile files;
    const std::string dir = files.FindPrgrmDir();
    const std::vector<hist::SPassRecord> records = hist::ReadHistory(dir + "/" + hist::kFileName);
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
