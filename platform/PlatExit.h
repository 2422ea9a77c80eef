#pragma once
// Ending the process on an unrecoverable error.

namespace plat {

// Flushes the C streams and ends the process with the given status at once, from any thread.
// Static destructors do not run: a worker thread may still hold objects they would destroy,
// and a crash there would turn the status into a signal.
[[noreturn]] void ExitProcess(int code);

// One function that ExitProcess runs first (a front-end restores its terminal there). It must
// be safe to call from any thread at any time.
void SetExitCleanup(void (*cleanup)());

} // namespace plat
