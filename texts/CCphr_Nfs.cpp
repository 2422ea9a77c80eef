#include "texts/CCphr_Nfs.h"

#include <cstring>

int CCphr_Nfs::Code(char* dst, const char* src, int len)
{
    if (len < 0)
        len = 0;
    if (len > MAX_SMART_FILE_STR_SZ)
        len = MAX_SMART_FILE_STR_SZ;
    std::memcpy(dst, src, static_cast<std::size_t>(len));
    dst[len] = 0;
    return 0;
}
