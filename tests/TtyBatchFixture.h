#pragma once
// lexido-tty run as a script runs it: a program folder of its own, keys on standard input, the
// printed screens and the saved results read back.

#include "tests/TestProgramFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <regex>
#include <string>
#include <sys/wait.h>

namespace ttybatch {

const std::string kSep = "----------------------------------------";
const std::string kFeed = "\f\n";
const std::string kContinue = "\n\n\n\n\n--------- Press some key to continue -------";
const std::string kTimeOutEnd = "\n\n\n\n\n----------------------------------";

// The question, the separator line and what has been revealed below it.
inline std::string Q(const std::string& question, const std::string& below = "")
{
    return question + "\n" + kSep + "\n" + below;
}

// The screens as the batch prints them, one per wait: the text, a line end if the text does
// not end with one, and the form-feed line.
inline std::string Printed(std::initializer_list<std::string> screens)
{
    std::string out;
    for (const std::string& s : screens)
        out += s + (s.empty() || s.back() != '\n' ? "\n" : "") + kFeed;
    return out;
}

class TtyBatchTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        std::filesystem::copy_file(LEXIDO_TTY, Path("lexido-tty"));
        // The shipped phrase files are made once at a first start; these tests have their own.
        WriteFile("Settings/OnceImpActn.cfg", "sn = OnceImpActn\n\npt_i AlcRdy sv = 1\npt_i CgRdy sv = 1");
        std::filesystem::create_directories(Path("out"));
    }

    // Runs lexido-tty of the folder sub with args and keys: its exit code; m_Out, m_Err its output.
    int Run(const std::string& args, const std::string& keys, const std::string& sub = ".")
    {
        WriteFile("keys", keys);
        const std::string command = "cd '" + Path(sub) + "' && ./lexido-tty " + args + " <'" + Path("keys") +
                                    "' >'" + Path("stdout") + "' 2>'" + Path("stderr") + "'";
        const int status = std::system(command.c_str());
        m_Out = ReadFile("stdout");
        m_Err = ReadFile("stderr");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Gives an integer parameter of a shipped settings file another value.
    void SetSetting(const std::string& section, const std::string& parameter, int value)
    {
        const std::string rel = "Settings/" + section + ".cfg";
        const std::regex line("(pt_i " + parameter + " sv = )-?[0-9]+");
        const std::string before = ReadFile(rel);
        // "$01" is the first group: the text before the value.
        const std::string after = std::regex_replace(before, line, "$01" + std::to_string(value));
        ASSERT_NE(before, after) << rel << " has no " << parameter;
        WriteFile(rel, after);
    }

    bool Exists(const std::string& rel) const { return std::filesystem::exists(Path(rel)); }

    static std::string Screen(const std::string& text) { return text + "\n" + kFeed; }

    std::string m_Out, m_Err;
};

} // namespace ttybatch
