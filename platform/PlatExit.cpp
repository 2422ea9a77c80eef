#include "platform/PlatExit.h"

#include <cstdio>
#include <unistd.h>

#include <atomic>

namespace plat {

namespace {
std::atomic<void (*)()> g_Cleanup{nullptr};
}

void SetExitCleanup(void (*cleanup)())
{
    g_Cleanup = cleanup;
}

void ExitProcess(int code)
{
    if (void (*cleanup)() = g_Cleanup.load())
        cleanup();
    std::fflush(nullptr);
    _exit(code);
}

} // namespace plat
