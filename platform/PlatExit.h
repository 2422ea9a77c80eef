#pragma once
// Ending the process on an unrecoverable error.

#include <functional>
#include <string>

namespace plat {

// Flushes the C streams and ends the process with the given status at once, from any thread.
// Static destructors do not run: a worker thread may still hold objects they would destroy,
// and a crash there would turn the status into a signal. A reason, when given, is written to
// standard error after the front-end's cleanup (so a restored terminal shows it) and handed to
// the fatal notice, unless a test's exit hook is set.
[[noreturn]] void ExitProcess(int code, const char* reason = nullptr);

// A seam for harnesses that run many inputs in one process (the fuzzers, their replays): the
// hook is called with the status before the process ends, and may leave by an exception or a
// longjmp, so that a prescribed fatal exit is seen as an outcome instead of ending the run. A
// hook that returns lets the process end as usual. Null (the default) means no hook. Returns
// the hook it replaces. The program itself never sets one.
using ExitHook = void (*)(int code);
ExitHook SetExitHookForTests(ExitHook hook);

// One function that ExitProcess runs first (a front-end restores its terminal there). It must
// be safe to call from any thread at any time.
void SetExitCleanup(void (*cleanup)());

// Shows the reason of a fatal end to the learner before the process ends (the window's
// message box); called from the thread that ends the process. Returns the notice it replaces.
using FatalNotice = void (*)(const char* reason);
FatalNotice SetFatalNotice(FatalNotice notice);

// Where the calling thread is while it lives (a file and its line while the file is read): a
// fatal end on the thread tells it before its reason on standard error and in the notice, on a
// line of its own ending in ":". The log keeps the reason alone. Scopes nest; the innermost
// tells.
class CFatalPlace {
public:
    explicit CFatalPlace(std::function<std::string()> where);
    ~CFatalPlace();
    CFatalPlace(const CFatalPlace&) = delete;
    CFatalPlace& operator=(const CFatalPlace&) = delete;

    // The innermost place of the calling thread; empty outside every scope.
    static std::string Here();

private:
    std::function<std::string()> m_Where;
    CFatalPlace* m_pOuter;
};

} // namespace plat
