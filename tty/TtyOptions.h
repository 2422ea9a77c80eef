#pragma once
// The command line of the terminal front-end:
//   lexido-tty [--mode N] [--direction D] [--save-results DIR/NAME.EXT [--replace]] [FILE]
//   lexido-tty --speak-to FILE.wav --language CODE TEXT
//   lexido-tty --history [FILE]
//   lexido-tty --memory [--direction D] FILE
//   lexido-tty --due [--direction D]
//   lexido-tty --review-due [--mode N] [--direction D]
//   lexido-tty --import IN OUT.mix [--fields A,B] [--deck NAME]
//   lexido-tty --export IN.mix OUT
//   lexido-tty --help | --version

#include <string>
#include <vector>

namespace tty {

// The mode setting a --mode number selects: 10, the time-out Add Brackets pass, selects the
// Add Brackets menu (9), as 9 does.
int ModeSetting(int mode);

struct Options {
    int mode = -1;      // 0 to 12; -1 keeps the stored mode
    int direction = -1; // 0 or 1; -1 keeps the stored direction
    std::string file;     // with --speak-to: the TEXT to say
    std::string saveResults;
    bool replace = false; // --save-results may replace earlier DIR/NAME_n.EXT files
    bool help = false;
    std::string speakTo;  // the WAV file the speech of the text goes to; empty: no speech
    std::string language; // the language it is said in (an eSpeak voice: en, fr, de, ru, ...)
    bool version = false;
    bool history = false; // print the files practised (with FILE: its passes) and end
    bool memory = false;  // print the memory of each phrase of FILE and end
    bool due = false;     // print the files with phrases due today and end
    bool reviewDue = false; // run the passes over the phrases due today
    std::string importFrom; // the material --import makes a phrase file of; empty: no import
    std::string importTo;   // that phrase file
    std::vector<std::string> fields; // --fields: the two fields of a package's notes
    std::string deck;                // --deck: the deck of a package whose notes are read
    std::string exportFrom;          // the phrase file --export writes in another form; empty: no export
    std::string exportTo;            // the file written, its form by its extension
};

// False with a message for the learner when the line cannot be used.
bool ParseOptions(int argc, const char* const* argv, Options& options, std::string& error);

const char* Usage();
// "lexido-tty <version>" and a line end, for --version.
const char* VersionLine();

// A path as given on the command line, made absolute against the folder the program was
// started in (start-up moves into the program folder).
std::string AbsolutePath(const std::string& path, const std::string& startDir);

} // namespace tty
