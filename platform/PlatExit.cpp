#include "platform/PlatExit.h"

#include <atomic>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace plat {

namespace {
std::atomic<ExitHook> g_ExitHook{nullptr};
std::atomic<void (*)()> g_Cleanup{nullptr};
std::atomic<FatalNotice> g_Notice{nullptr};

// The reason without the line ends around it, on a line of its own.
void WriteReason(const char* reason)
{
    const char* begin = reason;
    while (*begin == '\n' || *begin == '\r')
        ++begin;
    std::size_t len = std::strlen(begin);
    while (len > 0 && (begin[len - 1] == '\n' || begin[len - 1] == '\r'))
        --len;
    std::fwrite(begin, 1, len, stderr);
    std::fputc('\n', stderr);
}
} // namespace

ExitHook SetExitHookForTests(ExitHook hook)
{
    return g_ExitHook.exchange(hook);
}

void SetExitCleanup(void (*cleanup)())
{
    g_Cleanup = cleanup;
}

FatalNotice SetFatalNotice(FatalNotice notice)
{
    return g_Notice.exchange(notice);
}

void ExitProcess(int code, const char* reason)
{
    if (void (*cleanup)() = g_Cleanup.load())
        cleanup();
    const ExitHook hook = g_ExitHook.load();
    if (hook)
        hook(code);
    if (reason) {
        WriteReason(reason);
        std::fflush(stderr);
        if (const FatalNotice notice = g_Notice.load(); notice && !hook)
            notice(reason);
    }
    std::fflush(nullptr);
    _exit(code);
}

} // namespace plat
