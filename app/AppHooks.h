#pragma once
// The two places where the window's start and end can be redirected, handed to the
// application and from it to the view: the service factory the view makes at its first update
// (tests give one over a temporary program folder), and the request that ends the message loop
// (tests record it instead).

#include <functional>

class ILsnAFc;

struct AppHooks {
    // Makes the service factory; unset, a CLsnAFc.
    std::function<ILsnAFc*()> makeFactory;
    // Ends the message loop with the code; unset, QCoreApplication::exit(code).
    std::function<void(int)> quit;

    ILsnAFc* MakeFactory() const;
    void Quit(int code) const;
};
