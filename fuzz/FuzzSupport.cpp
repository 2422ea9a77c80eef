#include "fuzz/FuzzSupport.h"

#include "base/Globals.h"
#include "config/ICfgFile.h"
#include "platform/PlatExit.h"
#include "settings/CLsnAFc.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
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
    // The same name at every run, the harness's own and the first number free: paths under it
    // reach the fuzzer's compare hooks, which feed its mutations, so a random name would change
    // what a fixed seed runs. A name taken already, by anyone, is passed over.
    for (int n = 1;; ++n) {
        const std::string dir = base + "/" + program_invocation_short_name + "-" + std::to_string(n);
        if (::mkdir(dir.c_str(), 0700) == 0)
            return dir;
        if (errno != EEXIST) {
            std::perror("mkdir");
            std::abort();
        }
    }
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
