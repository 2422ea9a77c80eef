#pragma once
// The terminal of the interactive front-end: raw keys, the alternate screen, the window size,
// and a wake-up that other threads and signal handlers use to interrupt a key wait. The
// terminal is restored on every way out: a normal end, a fatal exit of the system (from any
// thread), a terminating signal.

#include <string>

namespace tty {

enum class KeyKind { None, Char, Wake, Up, Down, PageUp, PageDown, Home, End, F1, F2, F3, F4, F5, F6, F7, F8, F9, F10 };

struct Key {
    KeyKind kind = KeyKind::None;
    std::string text; // the UTF-8 bytes of a Char (one character; control characters too)
};

class CTtyTerminal {
public:
    // Puts the terminal into raw mode on the alternate screen; false when standard input or
    // output is no terminal.
    bool Enter();
    // Idempotent, and safe from a signal handler.
    void Restore();
    ~CTtyTerminal();

    // Rows and columns; 24 × 80 when the terminal does not say.
    void Size(int& rows, int& cols) const;
    // Waits at most timeoutMs (-1: for ever) for a key or a wake-up.
    Key ReadKey(int timeoutMs);
    // From any thread: ends the current or the next ReadKey with KeyKind::Wake.
    void Wake();
    void Write(const std::string& bytes) const;

    // Set by signals, read and cleared by the main loop.
    static bool TakeResized();
    static bool QuitRequested();

private:
    int ReadByte(int timeoutMs);
    Key DecodeEscape();
};

} // namespace tty
