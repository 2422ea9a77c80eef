#pragma once
// Writing to the log from anywhere, and the system's one answer to an unrecoverable error.

#if defined(__GNUC__)
#define LX_PRINTF(f, a) __attribute__((format(printf, f, a)))
#else
#define LX_PRINTF(f, a)
#endif

// Formats the message and hands it to the log, if the log exists yet.
void LogMsg(const char* format, ...) LX_PRINTF(1, 2);

// Logs the message (whatever the log's switch says), writes it to standard error, lets the
// front-end show it, and ends the process with exit code 1.
[[noreturn]] void LogFatal(const char* format, ...) LX_PRINTF(1, 2);

// Ends the process with exit code 1 without a message (before the log exists).
[[noreturn]] void ExitFatal();
