#pragma once
// What the core may ask of the window, from any thread: post one of the system's messages to
// the view, or ask for a repaint. The window implements it (queued to its own thread); tests
// give a fake that records the calls.

namespace plat {

constexpr int WM_USER = 0x0400;

class IWindow {
public:
    virtual ~IWindow() = default;
    // Queues message (with both parameters 0) to the view's thread; never blocks.
    virtual void PostMsg(int message) = 0;
    // Queues a repaint of the whole view.
    virtual void Invalidate() = 0;
};

} // namespace plat

// The system's own messages to the view.
constexpr int WM_CHANGE_LANGUAGE = plat::WM_USER + 5; // 1029
constexpr int WM_INSTALL_ALL = plat::WM_USER + 6;     // 1030
constexpr int WM_DEINSTALL_ALL = plat::WM_USER + 7;   // 1031
