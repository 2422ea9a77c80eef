#include "app/WindowOptions.h"

#include "base/Version.h"

#include <cstring>

namespace app {

namespace {

const char kUsage[] = "usage: lexido [--help] [--version] [Qt options such as -platform NAME or -style NAME] [FILE]\n"
                      "Starts the phrase trainer's window and opens the phrase file FILE, if given; with a window\n"
                      "already running, hands FILE to it. The terminal trainer is lexido-tty.\n";

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

int ReadWindowOptions(int argc, const char* const* argv, std::FILE* out, std::FILE* err, std::string* file)
{
    bool named = false, optionsOver = false;
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
        if (!optionsOver && !std::strcmp(arg, "--")) {
            optionsOver = true;
            continue;
        }
        if (optionsOver || arg[0] != '-' || arg[1] == '\0') {
            if (named) {
                std::fprintf(err, "lexido: one file at most: %s\n%s", arg, kUsage);
                return 2;
            }
            named = true;
            if (file)
                *file = arg;
            continue;
        }
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
