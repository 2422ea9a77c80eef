#include "engine/PassHistory.h"

#include "base/Globals.h"
#include "base/Log.h"
#include "engine/CPassProgress.h"
#include "engine/DrillCommands.h"
#include "engine/IterationGlobals.h"
#include "engine/PassVerdicts.h"
#include "platform/PlatFs.h"
#include "platform/PlatTextFile.h"
#include "texts/IUtltsFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <unordered_map>

namespace hist {

namespace {

// A field of digits (a leading minus for the time) up to the next tab; false when malformed.
bool ParseNumber(const char*& p, const char* end, long long low, long long high, long long& value)
{
    const char* q = p;
    const bool negative = q < end && *q == '-';
    if (negative)
        ++q;
    const char* const digits = q;
    long long v = 0;
    for (; q < end && *q >= '0' && *q <= '9' && q - digits < 16; ++q)
        v = v * 10 + (*q - '0');
    v = negative ? -v : v;
    if (q == digits || q == end || *q != '\t' || v < low || v > high)
        return false;
    value = v;
    p = q + 1;
    return true;
}

bool ParseLine(const char* p, const char* end, SPassRecord& r)
{
    long long v[6];
    const long long lows[6] = {-(1LL << 40), 0, 0, 1, 0, 0};
    const long long highs[6] = {1LL << 40, drill::kModeChooseAnswer, 1, 1 << 30, 1 << 30, 1 << 30};
    for (int i = 0; i < 6; ++i)
        if (!ParseNumber(p, end, lows[i], highs[i], v[i]))
            return false;
    if (v[5] > v[4] || p == end)
        return false;
    // The completed field, which older lines lack: their path, absolute, follows at once.
    long long completed = 1;
    if (*p != '/' && !ParseNumber(p, end, 0, 1, completed))
        return false;
    if (p == end)
        return false;
    r.completed = completed != 0;
    r.time = v[0];
    r.mode = static_cast<int>(v[1]);
    r.direction = static_cast<int>(v[2]);
    r.iteration = static_cast<int>(v[3]);
    r.shown = static_cast<int>(v[4]);
    r.marked = static_cast<int>(v[5]);
    r.file.clear();
    r.file.reserve(static_cast<std::size_t>(end - p));
    for (; p < end; ++p) {
        if (*p != '\\') {
            r.file.push_back(*p);
            continue;
        }
        if (++p == end || (*p != '\\' && *p != 'n'))
            return false;
        r.file.push_back(*p == 'n' ? '\n' : '\\');
    }
    return true;
}

// The local midnight that begins the day of time, from its offset that day (a day that changes
// its offset at night starts at the old one: the day is the same).
long long LocalDay(long long time)
{
    const std::time_t t = static_cast<std::time_t>(time);
    std::tm local{};
    localtime_r(&t, &local);
    return time - (local.tm_hour * 3600LL + local.tm_min * 60LL + local.tm_sec);
}

} // namespace

std::string FormatRecord(const SPassRecord& r)
{
    char numbers[128];
    std::snprintf(numbers, sizeof numbers, "%lld\t%d\t%d\t%d\t%d\t%d\t%d\t", r.time, r.mode, r.direction, r.iteration,
        r.shown, r.marked, r.completed ? 1 : 0);
    std::string line = numbers;
    for (const char c : r.file) {
        if (c == '\\')
            line += "\\\\";
        else if (c == '\n')
            line += "\\n";
        else
            line.push_back(c);
    }
    line.push_back('\n');
    return line;
}

bool AppendRecord(const std::string& path, const SPassRecord& r)
{
    std::string line = FormatRecord(r);
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (in && in.tellg() > 0) {
        char last = '\n';
        in.seekg(-1, std::ios::end);
        in.get(last);
        if (last != '\n')
            line.insert(line.begin(), '\n');
    }
    return plat::AppendText(path, line.c_str());
}

std::vector<SPassRecord> ParseRecords(const std::string& bytes)
{
    std::vector<SPassRecord> records;
    records.reserve(bytes.size() / 48);
    SPassRecord r;
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    while (p < end) {
        const char* eol = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
        if (!eol)
            break; // a cut last line
        if (ParseLine(p, eol, r))
            records.push_back(r);
        p = eol + 1;
    }
    return records;
}

std::vector<SPassRecord> ReadHistory(const std::string& path)
{
    std::string bytes;
    if (!plat::ReadFileWhole(path, bytes))
        return {};
    std::vector<SPassRecord> records = ParseRecords(bytes);
    // Lines written before files were recorded by their canonical paths name them so too.
    std::unordered_map<std::string, std::string> canonical;
    for (SPassRecord& r : records) {
        auto it = canonical.find(r.file);
        if (it == canonical.end())
            it = canonical.emplace(r.file, plat::CanonicalPath(r.file)).first;
        r.file = it->second;
    }
    return records;
}

std::vector<SFileSummary> SummariseFiles(const std::vector<SPassRecord>& records)
{
    std::vector<SFileSummary> rows;
    std::unordered_map<std::string, std::size_t> index;
    std::vector<bool> firstSeen; // the row's share comes from a first iteration
    for (const SPassRecord& r : records) {
        const auto [it, added] = index.emplace(r.file, rows.size());
        if (added) {
            rows.push_back(SFileSummary{r.file, 0, 0, -1});
            firstSeen.push_back(false);
        }
        SFileSummary& row = rows[it->second];
        row.last = std::max(row.last, r.time);
        ++row.passes;
        // A stopped pass knows nothing of the phrases it did not show.
        if (!r.completed || r.shown <= 0)
            continue;
        const bool first = r.iteration == 1;
        if (first || !firstSeen[it->second])
            row.knownPercent = static_cast<int>(((r.shown - r.marked) * 200LL + r.shown) / (2LL * r.shown));
        firstSeen[it->second] = firstSeen[it->second] || first;
    }
    std::stable_sort(
        rows.begin(), rows.end(), [](const SFileSummary& a, const SFileSummary& b) { return a.last > b.last; });
    return rows;
}

std::vector<SPassRecord> PassesOf(std::vector<SPassRecord> records, const std::string& file)
{
    const std::string canonical = plat::CanonicalPath(file);
    records.erase(std::remove_if(records.begin(), records.end(),
                      [&](const SPassRecord& r) { return r.file != file && r.file != canonical; }),
        records.end());
    return records;
}

std::vector<SDayTotal> DayTotals(const std::vector<SPassRecord>& passes)
{
    std::vector<SDayTotal> days;
    long long day = 0, next = 0; // the day of the last pass and where it ends
    for (const SPassRecord& r : passes) {
        if (days.empty() || r.time < day || r.time >= next) {
            day = LocalDay(r.time);
            next = day + 86400;
        }
        auto it = std::find_if(days.rbegin(), days.rend(), [day](const SDayTotal& d) { return d.day == day; });
        if (it == days.rend()) {
            days.push_back(SDayTotal{day, 0, 0});
            it = days.rbegin();
        }
        it->shown += r.shown;
        it->marked += r.marked;
    }
    std::stable_sort(days.begin(), days.end(), [](const SDayTotal& a, const SDayTotal& b) { return a.day < b.day; });
    return days;
}

std::string FormatTime(long long time, bool withTime)
{
    const std::time_t t = static_cast<std::time_t>(time);
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, withTime ? "%Y-%m-%d %H:%M" : "%Y-%m-%d", &local);
    return text;
}

bool EndedPassRecord(int mode, int direction, SPassRecord& r)
{
    const SPassProgress p = PassProgress().Get();
    if (!IsIterationMode(mode) || !p.ended || p.index <= 0 || !g_pIUtltsFile || !*g_pIUtltsFile->GetPrgrmDir() ||
        !*g_pIUtltsFile->GetFilePath())
        return false;
    r.time = static_cast<long long>(std::time(nullptr));
    r.mode = mode;
    r.direction = direction;
    r.iteration = p.pass > 0 ? p.pass : 1;
    r.shown = p.index;
    r.marked = std::min(p.marked, p.index);
    r.completed = p.completed;
    r.file = plat::CanonicalPath(g_pIUtltsFile->GetFilePath());
    return true;
}

} // namespace hist
