#include "engine/RecentFiles.h"

#include "base/Globals.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"

#include <algorithm>

namespace recent {

namespace {
std::string Name(int i) { return "File" + std::to_string(i + 1); }

std::vector<std::string> Entries()
{
    std::vector<std::string> all(kCount);
    for (int i = 0; i < kCount; ++i)
        g_pIDbVars->RdText(kSection, Name(i).c_str(), PAR_TYPE_STRING_ANY, all[static_cast<std::size_t>(i)]);
    return all;
}
} // namespace

bool HasSection()
{
    char probe[DB_MAX_STR_VAL + 1];
    return g_pIDbVars && g_pIDbVars->TryRdVal(kSection, "File1", PAR_TYPE_STRING_ANY, probe) == 0;
}

std::vector<std::string> List()
{
    std::vector<std::string> list;
    if (!HasSection())
        return list;
    for (std::string& path : Entries())
        if (!path.empty())
            list.push_back(std::move(path));
    return list;
}

void Remember(const char* path)
{
    if (!path || !*path || !HasSection())
        return;
    std::vector<std::string> all = Entries();
    if (all.front() == path)
        return;
    // The first entry takes the new path; only then do the others move down, so that a path
    // the file cannot hold leaves the whole list as it was.
    if (g_pIDbVars->WrText(kSection, Name(0).c_str(), PAR_TYPE_STRING_ANY, path) != 0)
        return;
    all.erase(std::remove(all.begin(), all.end(), std::string(path)), all.end());
    all.insert(all.begin(), path);
    for (int i = 1; i < kCount; ++i) {
        const std::size_t at = static_cast<std::size_t>(i);
        g_pIDbVars->WrText(kSection, Name(i).c_str(), PAR_TYPE_STRING_ANY, at < all.size() ? all[at] : std::string());
    }
    g_pIDbVars->Save(kSection); // atomic; a failed save ends the program with its log line
}

} // namespace recent
