// lexido-tty: the trainer in a terminal, full-screen when standard input is one, and a batch
// runner of passes over a file otherwise.

#include "tty/CTtyApp.h"
#include "tty/CTtyBatch.h"
#include "tty/TtyHistory.h"
#include "tty/TtyImport.h"
#include "tty/TtyMemory.h"
#include "tty/TtyOptions.h"
#include "tty/TtySpeak.h"

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv)
{
    tty::Options options;
    std::string error;
    if (!tty::ParseOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "lexido-tty: %s\n%s", error.c_str(), tty::Usage());
        return 2;
    }
    if (options.help) {
        std::fputs(tty::Usage(), stdout);
        return 0;
    }
    if (options.version) {
        std::fputs(tty::VersionLine(), stdout);
        return 0;
    }
    if (!options.importFrom.empty())
        return tty::ImportToFile(options);
    if (!options.exportFrom.empty())
        return tty::ExportToFile(options);
    if (!options.speakTo.empty())
        return tty::SpeakToFile(options);
    if (options.history)
        return tty::PrintHistory(options.file, stdout);
    if (options.memory)
        return tty::PrintMemory(options, stdout);
    if (options.due)
        return tty::PrintDue(options, stdout);
    if (isatty(STDIN_FILENO) && isatty(STDOUT_FILENO)) {
        tty::CTtyApp app;
        if (app.Terminal().Enter())
            return app.Run(options);
    }
    if (options.file.empty() && !options.reviewDue) {
        std::fprintf(stderr, "lexido-tty: FILE is needed when the keys come from a script\n%s", tty::Usage());
        return 2;
    }
    tty::CTtyBatch batch(stdin, stdout);
    return batch.Run(options);
}
