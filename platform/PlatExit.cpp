#include "platform/PlatExit.h"

#include <atomic>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <utility>

namespace plat {

namespace {
std::atomic<ExitHook> g_ExitHook{nullptr};
std::atomic<void (*)()> g_Cleanup{nullptr};
std::atomic<FatalNotice> g_Notice{nullptr};
thread_local CFatalPlace* t_pPlace = nullptr;

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

CFatalPlace::CFatalPlace(std::function<std::string()> where) : m_Where(std::move(where)), m_pOuter(t_pPlace)
{
    t_pPlace = this;
}

CFatalPlace::~CFatalPlace()
{
    t_pPlace = m_pOuter;
}

std::string CFatalPlace::Here()
{
    return t_pPlace && t_pPlace->m_Where ? t_pPlace->m_Where() : std::string();
}

void ExitProcess(int code, const char* reason)
{
    if (void (*cleanup)() = g_Cleanup.load())
        cleanup();
    const ExitHook hook = g_ExitHook.load();
    if (hook)
        hook(code);
    if (reason) {
        const std::string place = CFatalPlace::Here();
        const char* rest = reason;
        while (!place.empty() && (*rest == '\n' || *rest == '\r'))
            ++rest;
        const std::string told = place.empty() ? std::string(reason) : place + ":\n" + rest;
        WriteReason(told.c_str());
        std::fflush(stderr);
        if (const FatalNotice notice = g_Notice.load(); notice && !hook)
            notice(told.c_str());
    }
    std::fflush(nullptr);
    _exit(code);
}

} // namespace plat
