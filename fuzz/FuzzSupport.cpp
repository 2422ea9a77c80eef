#include "fuzz/FuzzSupport.h"

#include "base/Globals.h"
#include "config/ICfgFile.h"
#include "platform/PlatExit.h"
#include "settings/CLsnAFc.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {
std::string g_Scratch;

[[noreturn]] void ThrowFatal(int code)
{
    throw FuzzFatalExit{code};
}

void RemoveScratch()
{
    std::error_code ec;
    if (!g_Scratch.empty())
        std::filesystem::remove_all(g_Scratch, ec);
}

std::string MakeScratch()
{
    // Memory-backed when the machine has it: the text maker's inputs are written for each run.
    std::string base = "/tmp";
    if (const char* t = std::getenv("TMPDIR"))
        base = t;
    else if (std::filesystem::is_directory("/dev/shm"))
        base = "/dev/shm";
    std::string tmpl = base + "/lexido-fuzz-XXXXXX";
    if (!mkdtemp(&tmpl[0])) {
        std::perror("mkdtemp");
        std::abort();
    }
    return tmpl;
}
} // namespace

void FuzzInit()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    g_Scratch = MakeScratch();
    std::atexit(RemoveScratch);
    if (!g_pILsnAFc)
        g_pILsnAFc = new CLsnAFc;
    plat::SetExitHookForTests(ThrowFatal);
}

const std::string& FuzzScratchDir()
{
    return g_Scratch;
}

void FuzzFail(const char* what)
{
    std::fprintf(stderr, "\nfuzz invariant broken: %s\n", what);
    std::fflush(stderr);
    std::abort();
}
