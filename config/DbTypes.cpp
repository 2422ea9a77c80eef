#include "config/DbTypes.h"

#include <cstring>

namespace {
const char* const kKeywords[] = {nullptr, "pt_i", "pt_f", "pt_str", "pt_str_any"};
}

const char* DbTypeKeyword(int type)
{
    return (type >= PAR_TYPE_INT && type <= PAR_TYPE_STRING_ANY) ? kKeywords[type] : nullptr;
}

int DbTypeFromKeyword(const char* keyword)
{
    for (int t = PAR_TYPE_INT; t <= PAR_TYPE_STRING_ANY; ++t)
        if (std::strcmp(keyword, kKeywords[t]) == 0)
            return t;
    return 0;
}
