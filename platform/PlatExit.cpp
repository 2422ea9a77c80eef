#include "platform/PlatExit.h"

#include <atomic>
#include <cstdio>
#include <unistd.h>

namespace plat {

namespace {
std::atomic<ExitHook> g_ExitHook{nullptr};
std::atomic<void (*)()> g_Cleanup{nullptr};
} // namespace

ExitHook SetExitHookForTests(ExitHook hook)
{
    return g_ExitHook.exchange(hook);
}

void SetExitCleanup(void (*cleanup)())
{
    g_Cleanup = cleanup;
}

void ExitProcess(int code)
{
    if (void (*cleanup)() = g_Cleanup.load())
        cleanup();
    if (const ExitHook hook = g_ExitHook.load())
        hook(code);
    std::fflush(nullptr);
    _exit(code);
}

} // namespace plat
