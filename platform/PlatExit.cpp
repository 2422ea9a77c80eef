#include "platform/PlatExit.h"

#include <cstdio>
#include <unistd.h>

namespace plat {

void ExitProcess(int code)
{
    std::fflush(nullptr);
    _exit(code);
}

} // namespace plat
