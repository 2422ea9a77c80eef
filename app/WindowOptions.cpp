#include "app/WindowOptions.h"

#include "base/Version.h"

#include <cstring>

namespace app {

namespace {

const char kUsage[] =
    "usage: lexido [--help] [--version] [Qt options such as -platform NAME or -style NAME]\n"
    "Starts the phrase trainer's window. The terminal trainer is lexido-tty.\n";

// Qt's own options, which QApplication takes out of the command line itself; the first group
// is followed by a value. Qt reads them with one dash or two.
const char* const kQtWithValue[] = {"platform", "platformpluginpath", "platformtheme", "plugin", "style",
                                    "stylesheet", "session", "display", "geometry", "title",
                                    "qwindowtitle", "qwindowgeometry", "qwindowicon", "name", "fontengine"};
const char* const kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

template <std::size_t N>
bool Among(const char* name, const char* const (&names)[N])
{
    for (const char* n : names)
        if (!std::strcmp(name, n))
            return true;
    return false;
}

} // namespace

int ReadWindowOptions(int argc, const char* const* argv, std::FILE* out, std::FILE* err)
{
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (!std::strcmp(arg, "--help") || !std::strcmp(arg, "-h")) {
            std::fputs(kUsage, out);
            return 0;
        }
        if (!std::strcmp(arg, "--version")) {
            std::fputs("lexido " LEXIDO_VERSION "\n", out);
            return 0;
        }
        if (arg[0] != '-' || arg[1] == '\0')
            continue; // no file arguments: the window opens its files from its menu
        const char* name = arg + (arg[1] == '-' ? 2 : 1);
        // -qmljsdebugger=... and the like carry their value after an equals sign.
        if (!std::strncmp(name, "qmljsdebugger=", 14) || Among(name, kQtFlags))
            continue;
        if (Among(name, kQtWithValue) && i + 1 < argc) {
            ++i;
            continue;
        }
        std::fprintf(err, "lexido: unknown option %s\n%s", arg, kUsage);
        return 2;
    }
    return -1;
}

} // namespace app
