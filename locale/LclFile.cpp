#include "locale/LclFile.h"

#include <cstdio>

bool LclReadFile(const std::string& path, std::string& bytes)
{
    std::FILE* in = std::fopen(path.c_str(), "rb");
    if (!in)
        return false;
    bytes.clear();
    char buf[16384];
    std::size_t got;
    while ((got = std::fread(buf, 1, sizeof buf, in)) > 0)
        bytes.append(buf, got);
    const bool ok = !std::ferror(in);
    std::fclose(in);
    return ok;
}
