#pragma once
// The two places where the window's start and end can be redirected: the service factory the
// view makes at its first update (tests give one over a temporary program folder), and the
// request that ends the message loop (tests record it instead).

#include <functional>

class ILsnAFc;

// Makes the service factory; unset, a CLsnAFc.
extern std::function<ILsnAFc*()> g_MakeLsnAFc;
// Ends the message loop with the code; unset, QCoreApplication::exit(code).
extern std::function<void(int)> g_QuitMessageLoop;

ILsnAFc* MakeLsnAFc();
void QuitMessageLoop(int code);
