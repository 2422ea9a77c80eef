#include "tty/TtyOptions.h"

#include "base/Version.h"

#include <cstdlib>
#include <cstring>

namespace tty {

namespace {

bool ParseInt(const char* text, int low, int high, int& value)
{
    if (!text || !*text)
        return false;
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (*end != '\0' || v < low || v > high)
        return false;
    value = static_cast<int>(v);
    return true;
}

} // namespace

int ModeSetting(int mode)
{
    return mode == 10 ? 9 : mode;
}

const char* Usage()
{
    return "usage: lexido-tty [--mode N] [--direction D] [--save-results DIR/NAME.EXT [--replace]] [FILE]\n"
           "       lexido-tty --speak-to FILE.wav --language CODE TEXT\n"
           "       lexido-tty --history [FILE]\n"
           "       lexido-tty --memory [--direction D] FILE\n"
           "       lexido-tty --due [--direction D]\n"
           "       lexido-tty --review-due [--mode N] [--direction D]\n"
           "       lexido-tty --import IN OUT.mix [--fields A,B] [--deck NAME]\n"
           "       lexido-tty --export IN.mix OUT\n"
           "       lexido-tty --help | --version\n"
           "  N: 0 In Whole, 1 Word By Word, 2 Which Letter?, 3 Time Out (In Whole),\n"
           "     4 Time Out (Word By Word), 5 Open Brackets (Whole Word), 6 Open Brackets (1 Letter),\n"
           "     7 Open Brackets (Whole Word) N/I, 8 Open Brackets (1 Letter) N/I,\n"
           "     9 Add Brackets (Word By Word), 10 Add Brackets (Time Out),\n"
           "     11 Type the Answer, 12 Choose the Answer\n"
           "  D: 0 first language to second, 1 second to first\n"
           "On a terminal the trainer runs full-screen (F1 lists its keys). Otherwise it runs the\n"
           "passes over FILE with the keys read from standard input, printing the screen at every\n"
           "key wait followed by a line holding a form feed; in the time-out modes every wait\n"
           "prints the screen and takes the next byte as the key pressed during it.\n"
           "--save-results saves the results of pass n as DIR/NAME_n.EXT; where such files exist\n"
           "already it refuses before the first pass, unless --replace is given.\n"
           "--speak-to writes the speech of TEXT in the language CODE (en, fr, zh, pt-BR, en_GB,\n"
           "sr-Latn, ...) as a WAV file and ends.\n"
           "--history prints every file practised with its last date and share of known phrases,\n"
           "or with FILE that file's passes, and ends.\n"
           "--memory prints a line per phrase of FILE, tab-separated: the day it is due (or new),\n"
           "its stability and difficulty, its reviews and lapses, and its first text.\n"
           "--due prints the phrases due today per file (count and path), then the total.\n"
           "--review-due runs the passes over the phrases due today from all files, as over FILE.\n"
           "D defaults to the direction of the settings.\n"
           "--import makes the phrase file OUT.mix (UTF-8) of IN: tab-separated (.tsv, .txt) or\n"
           "comma-separated text (.csv), an Anki export of notes in plain text, an Anki package\n"
           "(.apkg, .colpkg) or a kvtml 2.0 vocabulary, and prints how many phrases it holds. Of a\n"
           "package each note's first two fields are read, or the fields A and B (numbers from 1 or\n"
           "the names of the note's fields), of the deck NAME and its subdecks only with --deck;\n"
           "its review log is brought into the memory.\n"
           "--export writes the phrase file IN.mix as OUT in UTF-8: tab-separated (.tsv),\n"
           "comma-separated (.csv), a kvtml 2.0 vocabulary (.kvtml) or Anki notes (.txt).\n";
}

const char* VersionLine()
{
    return "lexido-tty " LEXIDO_VERSION "\n";
}

bool ParseOptions(int argc, const char* const* argv, Options& options, std::string& error)
{
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (!std::strcmp(arg, "--help") || !std::strcmp(arg, "-h")) {
            options.help = true;
        } else if (!std::strcmp(arg, "--version")) {
            options.version = true;
        } else if (!std::strcmp(arg, "--replace")) {
            options.replace = true;
        } else if (!std::strcmp(arg, "--history")) {
            options.history = true;
        } else if (!std::strcmp(arg, "--memory")) {
            options.memory = true;
        } else if (!std::strcmp(arg, "--due")) {
            options.due = true;
        } else if (!std::strcmp(arg, "--review-due")) {
            options.reviewDue = true;
        } else if (!std::strcmp(arg, "--mode")) {
            if (!ParseInt(value, 0, 12, options.mode)) {
                error = "--mode needs a number from 0 to 12";
                return false;
            }
            ++i;
        } else if (!std::strcmp(arg, "--direction")) {
            if (!ParseInt(value, 0, 1, options.direction)) {
                error = "--direction needs 0 or 1";
                return false;
            }
            ++i;
        } else if (!std::strcmp(arg, "--save-results")) {
            if (!value || !*value) {
                error = "--save-results needs DIR/NAME.EXT";
                return false;
            }
            options.saveResults = value;
            ++i;
        } else if (!std::strcmp(arg, "--speak-to") || !std::strcmp(arg, "--language")) {
            if (!value || !*value) {
                error = std::string(arg) + (arg[2] == 's' ? " needs FILE.wav" : " needs CODE");
                return false;
            }
            (arg[2] == 's' ? options.speakTo : options.language) = value;
            ++i;
        } else if (!std::strcmp(arg, "--import")) {
            if (!value || !*value || i + 2 >= argc || !*argv[i + 2]) {
                error = "--import needs IN and OUT.mix";
                return false;
            }
            options.importFrom = value;
            options.importTo = argv[i + 2];
            i += 2;
        } else if (!std::strcmp(arg, "--export")) {
            if (!value || !*value || i + 2 >= argc || !*argv[i + 2]) {
                error = "--export needs IN.mix and OUT";
                return false;
            }
            options.exportFrom = value;
            options.exportTo = argv[i + 2];
            i += 2;
        } else if (!std::strcmp(arg, "--fields")) {
            const std::string list = value ? value : "";
            const std::size_t comma = list.find(',');
            if (comma == std::string::npos || comma == 0 || comma + 1 == list.size() ||
                list.find(',', comma + 1) != std::string::npos) {
                error = "--fields needs two fields A,B";
                return false;
            }
            options.fields = {list.substr(0, comma), list.substr(comma + 1)};
            ++i;
        } else if (!std::strcmp(arg, "--deck")) {
            if (!value || !*value) {
                error = "--deck needs NAME";
                return false;
            }
            options.deck = value;
            ++i;
        } else if (arg[0] == '-' && arg[1] != '\0') {
            error = std::string("unknown option ") + arg;
            return false;
        } else if (options.file.empty()) {
            options.file = arg;
        } else {
            error = "only one FILE";
            return false;
        }
    }
    if (options.replace && options.saveResults.empty()) {
        error = "--replace is for --save-results";
        return false;
    }
    if (!options.speakTo.empty() && options.language.empty()) {
        error = "--speak-to needs --language CODE";
        return false;
    }
    if (options.speakTo.empty() && !options.language.empty()) {
        error = "--language is for --speak-to";
        return false;
    }
    if (!options.importFrom.empty() && (!options.file.empty() || !options.speakTo.empty())) {
        error = "--import takes no other FILE or TEXT";
        return false;
    }
    if ((!options.fields.empty() || !options.deck.empty()) && options.importFrom.empty()) {
        error = "--fields and --deck are for --import";
        return false;
    }
    if (!options.exportFrom.empty() &&
        (!options.importFrom.empty() || !options.file.empty() || !options.speakTo.empty())) {
        error = "--export takes no other FILE, TEXT or --import";
        return false;
    }
    if (options.memory + options.due + options.reviewDue + options.history > 1) {
        error = "only one of --memory, --due, --review-due and --history";
        return false;
    }
    if (options.memory && options.file.empty()) {
        error = "--memory needs FILE";
        return false;
    }
    if ((options.due || options.reviewDue) && !options.file.empty()) {
        error = std::string(options.due ? "--due" : "--review-due") + " takes no FILE";
        return false;
    }
    if (!options.speakTo.empty() && options.file.empty()) {
        error = "--speak-to needs the TEXT to say";
        return false;
    }
    return true;
}

std::string AbsolutePath(const std::string& path, const std::string& startDir)
{
    if (path.empty() || path[0] == '/')
        return path;
    return startDir + "/" + path;
}

} // namespace tty
