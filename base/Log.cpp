#include "base/Log.h"

#include "base/Globals.h"
#include "base/IOutFile.h"
#include "platform/PlatExit.h"

#include <cstdarg>
#include <cstdio>
#include <string>

namespace {
std::string FormatV(const char* format, va_list args)
{
    char small[1024];
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (n < 0)
        return std::string();
    if (static_cast<std::size_t>(n) < sizeof small)
        return std::string(small, static_cast<std::size_t>(n));
    // Too long for the log, which refuses it; format whole anyway so the refusal is the log's.
    std::string big(static_cast<std::size_t>(n) + 1, '\0');
    std::vsnprintf(&big[0], big.size(), format, args);
    big.resize(static_cast<std::size_t>(n));
    return big;
}

void WriteV(const char* format, va_list args)
{
    if (!g_pILogFile)
        return;
    const std::string text = FormatV(format, args);
    g_pILogFile->Write(text.c_str());
}
} // namespace

void LogMsg(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    WriteV(format, args);
    va_end(args);
}

void LogFatal(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    const std::string text = FormatV(format, args);
    va_end(args);
    // The reason of the end is never dropped: written whatever the log's switch says, and
    // shown on standard error (and by the window) on the way out.
    if (g_pILogFile)
        g_pILogFile->WriteFatal(text.c_str());
    plat::ExitProcess(1, text.c_str());
}

void ExitFatal()
{
    plat::ExitProcess(1);
}
