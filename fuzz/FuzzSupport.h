#pragma once
// What every fuzz harness shares: a process set up as start-up leaves it for the code under
// test (the factory in place, no log), a scratch folder for the harness that needs real files,
// and the catching of the program's prescribed fatal exit (log line, status 1), which is an
// allowed outcome of bad input and not a finding.

#include <cstddef>
#include <cstdint>
#include <string>

// Thrown by the exit hook the harnesses install: the code under test asked to end the process.
struct FuzzFatalExit {
    int code;
};

// Once per process: factory, exit hook, scratch folder (removed at exit).
void FuzzInit();

// A folder of this process for a harness whose code under test works on real files.
const std::string& FuzzScratchDir();

// Runs f; true when it returned, false when it ended by the prescribed fatal exit. Any other
// status is a finding.
template <class F>
bool FuzzRun(F&& f)
{
    try {
        f();
        return true;
    } catch (const FuzzFatalExit& e) {
        if (e.code != 1)
            __builtin_trap();
        return false;
    }
}

// A broken invariant: prints what and aborts, which the fuzzer reports as a crash.
[[noreturn]] void FuzzFail(const char* what);
#define FUZZ_CHECK(cond)                                                                          \
    do {                                                                                          \
        if (!(cond))                                                                              \
            FuzzFail(#cond);                                                                      \
    } while (0)
