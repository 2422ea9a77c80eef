// The terminal front-end run as a script runs it, in the modes paced by keys and by a clock:
// the screen at every wait, the results files byte for byte, the next iterations.

#include "tests/Permissions.h"
#include "tests/TtyBatchFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace ttybatch;

const char kTwoPhrases[] = "*Hello\n=Hallo\n*Thank you\n=Danke\n";

TEST_F(TtyBatchTest, InWholeRunsThePassesOverTheMarkedPhrasesUntilTheInputEnds)
{
    WriteFile("two.mix", kTwoPhrases);
    // Reveal, mark; reveal, go on. The next iteration runs over the marked phrase; the input
    // ends there, which acts as Escape.
    ASSERT_EQ(Run("--mode 0 --direction 0 --save-results out/r.mix two.mix", "x xx"), 0) << m_Err;
    const std::string expected = Screen("Hello\n" + kSep) + Screen("Hello\n" + kSep + "\nHallo") +
                                 Screen("Thank you\n" + kSep) + Screen("Thank you\n" + kSep + "\nDanke") +
                                 Screen("Hello\n" + kSep);
    EXPECT_EQ(m_Out, expected);
    EXPECT_EQ(ReadFile("out/r_1.mix"), "*Hello\n=Hallo\n");
}

// Backspace from the script takes back the pending mark, then the written one: no results, no
// next iteration; the pass is in the history that --history prints.
TEST_F(TtyBatchTest, BackspaceTakesTheMarksBackAndThePassIsInTheHistory)
{
    WriteFile("two.mix", kTwoPhrases);
    ASSERT_EQ(Run("--mode 0 two.mix", " x \b\bx"), 0) << m_Err;
    EXPECT_EQ(ReadFile("current.cut"), "");
    ASSERT_EQ(Run("--history two.mix", ""), 0) << m_Err;
    EXPECT_NE(m_Out.find("    2       0\n"), std::string::npos) << m_Out;
}

TEST_F(TtyBatchTest, BackDirectionAsksTheSecondTextAndKeepsTheFileOrderInTheResults)
{
    WriteFile("two.mix", kTwoPhrases);
    ASSERT_EQ(Run("--mode 0 --direction 1 --save-results out/r.mix two.mix", "xxx \x1b"), 0) << m_Err;
    EXPECT_EQ(m_Out.substr(0, Screen("Hallo\n" + kSep).size()), Screen("Hallo\n" + kSep));
    EXPECT_EQ(ReadFile("out/r_1.mix"), "*Thank you\n=Danke\n");
}

TEST_F(TtyBatchTest, WordByWordRevealsOneWordPerKeyAndEnterIsALineEnd)
{
    WriteFile("one.mix", "*Good morning\n=Guten  Morgen\n");
    ASSERT_EQ(Run("--mode 1 --direction 0 one.mix", "a\nb\n"), 0) << m_Err;
    const std::string q = "Good morning\n" + kSep + "\n";
    EXPECT_EQ(m_Out, q + kFeed + Screen(q + "Guten ") + Screen(q + "Guten Morgen "));
}

TEST_F(TtyBatchTest, AFileThatCannotBeOpenedIsReportedWithExitCode1)
{
    EXPECT_EQ(Run("--mode 0 missing.mix", ""), 1);
    EXPECT_NE(m_Err.find("cannot open"), std::string::npos) << m_Err;
    EXPECT_EQ(m_Out, "");
}

// A file without phrases runs a pass over nothing: said on standard error, an ordinary end.
TEST_F(TtyBatchTest, AFileWithoutPhrasesIsSaidToHoldNone)
{
    for (const char* text : {"", "\n\n", "words, but no phrase\n"})
        for (const char* mode : {"0", "5", "9"}) {
            WriteFile("none.mix", text);
            EXPECT_EQ(Run(std::string("--mode ") + mode + " none.mix", "x"), 0) << mode << text;
            EXPECT_EQ(m_Err, "lexido-tty: none.mix holds no phrase\n");
        }
}

// A pass whose thread the system refuses (no process left to the user; root has no such limit,
// so the program runs as nobody) is told, with status 1.
TEST_F(TtyBatchTest, APassThatCannotStartIsToldWithStatus1)
{
    WriteFile("two.mix", kTwoPhrases);
    const std::string as = getuid() ? "" : "chown -R nobody: . && chmod 755 . && setpriv --reuid=nobody "
                                           "--regid=nogroup --clear-groups ";
    // The leak check of a sanitizer build needs a thread of its own, which this run cannot make.
    const std::string run = "cd '" + m_Dir + "' && " + as +
                            "env ASAN_OPTIONS=detect_leaks=0 prlimit --nproc=1 ./lexido-tty two.mix </dev/null 2>out/e";
    ASSERT_EQ(std::system(run.c_str()), 256);
    EXPECT_EQ(ReadFile("out/e"), "lexido-tty: the pass could not start: the system could not make its thread\n");
}

TEST_F(TtyBatchTest, ABadCommandLineIsRefusedBeforeAnythingStarts)
{
    EXPECT_EQ(Run("--mode 13 two.mix", ""), 2);
    EXPECT_NE(m_Err.find("--mode"), std::string::npos);
    EXPECT_EQ(Run("", ""), 2); // keys from a script need a file
    EXPECT_FALSE(std::filesystem::exists(Path("Lexido.log")));
}

const char kStudent[] = "*I am a student\n=Ich bin ein Student\n*Good morning\n=Guten Morgen\n";

TEST_F(TtyBatchTest, WhichLetterRevealsAWordByItsFirstLetterAndAGivenUpWordMarksThePhrase)
{
    WriteFile("s.mix", kStudent);
    // i right (case does not matter), x wrong, b right, "=" shows without a mark, Space gives
    // "Student" up; Escape at the continue line only moves on. The next iteration runs over the
    // marked phrase and nothing is given up there, so the iterations end with the input left.
    ASSERT_EQ(Run("--mode 2 --direction 0 --save-results out/r.mix s.mix", "ixb= \x1bgmnibesnzz"), 0) << m_Err;
    const std::string i = "I am a student";
    const std::string g = "Good morning";
    const std::string pass2 = Printed({Q(i, " "), Q(i, " Ich "), Q(i, " Ich bin "), Q(i, " Ich bin ein "),
                                       Q(i, " Ich bin ein Student" + kContinue)});
    EXPECT_EQ(m_Out, Printed({Q(i, " "), Q(i, " Ich "), Q(i, " Ich "), Q(i, " Ich bin "), Q(i, " Ich bin ein "),
                              Q(i, " Ich bin ein Student" + kContinue), Q(g, " "), Q(g, " Guten "),
                              Q(g, " Guten Morgen" + kContinue)}) +
                         pass2);
    EXPECT_EQ(ReadFile("out/r_1.mix"), "*I am a student\n=Ich bin ein Student\n");
    EXPECT_FALSE(Exists("out/r_2.mix"));
}

TEST_F(TtyBatchTest, WhichLetterWithMatchCaseWantsTheLetterAsWrittenAndKeepsTheFileOrder)
{
    SetSetting("OpBrAll", "MatchCase", 1);
    WriteFile("s.mix", kStudent);
    // Back direction: the German text is asked, the English letters are typed; "I" only in
    // capitals. "+" shows "am" without a mark, Space gives "student" up. Escape stops the
    // pass at "Guten Morgen"; the next iteration's first wait meets the end of the input.
    ASSERT_EQ(Run("--mode 2 --direction 1 --save-results out/r.mix s.mix", "iI+a \n\x1b"), 0) << m_Err;
    const std::string q = "Ich bin ein Student";
    EXPECT_EQ(m_Out, Printed({Q(q, " "), Q(q, " "), Q(q, " I "), Q(q, " I am "), Q(q, " I am a "),
                              Q(q, " I am a student" + kContinue), Q("Guten Morgen", " "), Q(q, " ")}));
    EXPECT_EQ(ReadFile("out/r_1.mix"), "*I am a student\n=Ich bin ein Student\n");
}

// The time-out modes take the script's next byte as the key pressed during each wait; a byte
// other than Space or Escape changes nothing.
TEST_F(TtyBatchTest, TimeOutInWholeMarksDuringAWaitAndEscapeAtTheEndLineKeepsTheMarkUnwritten)
{
    SetSetting("To_InWh", "TimeOut", 5);
    WriteFile("two.mix", kTwoPhrases);
    // Three waits a phrase: the question, the answer, the end line. Space at the answer marks
    // "Hello". In the next iteration Space marks it again but Escape at the end line stops the
    // pass before it is written: no results, so no third pass takes the bytes left.
    ASSERT_EQ(Run("--mode 3 --direction 0 --save-results out/r.mix two.mix", ". ..x.  \x1bzzz"), 0) << m_Err;
    const std::string h = Q("Hello");
    const std::string t = Q("Thank you");
    EXPECT_EQ(m_Out, Printed({h, h + "Hallo", h + "Hallo" + kTimeOutEnd, t, t + "Danke", t + "Danke" + kTimeOutEnd,
                              h, h + "Hallo", h + "Hallo" + kTimeOutEnd}));
    EXPECT_EQ(ReadFile("out/r_1.mix"), "*Hello\n=Hallo\n");
    EXPECT_FALSE(Exists("out/r_2.mix"));
    EXPECT_FALSE(Exists("DfltRslts/two_2.mix"));
}

// The waits last no time: one that would never end gives the results of any other.
TEST_F(TtyBatchTest, TimeOutWordByWordShowsAWordAWaitAndSpaceAfterTheLastWordMarks)
{
    SetSetting("To_WbW", "TimeOut", 999999999);
    WriteFile("g.mix", "*Good morning\n=Guten  Morgen\n*Thank you\n=Danke\n");
    // n + 2 waits a phrase; the answer is re-spaced on the screen but stored as the file has it.
    // The next iteration runs over the marked phrase with keys that change nothing.
    ASSERT_EQ(Run("--mode 4 --direction 0 --save-results out/r.mix g.mix", ".. ....xy\nx"), 0) << m_Err;
    const std::string g = Q("Good morning");
    const std::string t = Q("Thank you");
    const std::string pass = Printed({g, g + "Guten ", g + "Guten Morgen ", g + "Guten Morgen " + kTimeOutEnd});
    EXPECT_EQ(m_Out, pass + Printed({t, t + "Danke ", t + "Danke " + kTimeOutEnd}) + pass);
    EXPECT_EQ(ReadFile("out/r_1.mix"), "*Good morning\n=Guten  Morgen\n");
    EXPECT_FALSE(Exists("out/r_2.mix"));
}

// A first start from a program folder whose full paths run past 255 characters makes every
// shipped phrase file; a last path the settings file cannot hold is not remembered.
TEST_F(TtyBatchTest, ADeepProgramFolderAndAnUnwritablePathStartAgainAndAgain)
{
    InstallShippedTexts();
    WriteFile("Settings/OnceImpActn.cfg", ShippedFile("Settings/OnceImpActn.cfg"));
    const std::string deep = std::string(120, 'd') + "/" + std::string(120, 'e');
    std::filesystem::create_directories(Path(deep));
    for (const char* entry : {"Settings", "Text", "DfltRslts", "lexido-tty"})
        std::filesystem::rename(Path(entry), Path(deep + "/" + entry));
    WriteFile(deep + "/two.mix", kTwoPhrases);
    WriteFile(deep + "/q\"uote.mix", kTwoPhrases);
    ASSERT_EQ(Run("--mode 0 two.mix", "x", deep), 0) << m_Err;
    EXPECT_EQ(std::count_if(std::filesystem::recursive_directory_iterator(Path(deep + "/Text")), {},
                            [](const auto& e) { return e.path().extension() == ".mix"; }), 113);
    EXPECT_EQ(ReadFile(deep + "/Lexido.log"), "\nLexido started");
    const std::string unsv = ReadFile(deep + "/Settings/UnSv.cfg");
    EXPECT_NE(unsv.find(deep + "/two.mix\""), std::string::npos) << unsv;
    for (int start = 0; start < 2; ++start) {
        ASSERT_EQ(Run("--mode 0 'q\"uote.mix'", "x", deep), 0) << m_Err;
        EXPECT_EQ(ReadFile(deep + "/Settings/UnSv.cfg"), unsv);
    }
}

// The guide made at the first start, shown with the shipped Cyrillic display font: the French
// and German words in their own letters, the Russian ones beside them in theirs.
TEST_F(TtyBatchTest, TheGuidesWesternWordsShowTheirOwnLettersBesideCyrillicOnes)
{
    InstallShippedTexts();
    WriteFile("Settings/OnceImpActn.cfg", "sn = OnceImpActn\n\npt_i AlcRdy sv = 1\npt_i CgRdy sv = 0");
    const std::pair<std::string, std::string> cases[] = {
        {"French_Russian/01 Food and drink",
         Q("J'ai faim. Où pouvons-nous manger\u00a0?", "Я голоден. Где мы можем поесть?")},
        {"French_German/10 Shopping", Q("À quelle heure ouvrent les magasins\u00a0?", "Wann öffnen die Geschäfte?")},
    };
    for (const auto& [file, shown] : cases) {
        ASSERT_EQ(Run("--mode 0 'Text/Conversational Guide/" + file + ".mix'", "x"), 0) << m_Err;
        EXPECT_NE(m_Out.find(shown), std::string::npos) << file << "\n" << m_Out;
    }
}

// Installed where the learner cannot write: the start cannot make its log, so it ends with
// status 1 and no line, before anything is read or written; never a crash.
TEST_F(TtyBatchTest, AReadOnlyProgramFolderEndsTheStartWithStatus1AndWritesNothing)
{
    WriteFile("two.mix", kTwoPhrases);
    WriteFile("out/keys", "x \x1b");
    const auto snapshot = [this] {
        std::map<std::string, std::string> files;
        for (const auto& e : std::filesystem::recursive_directory_iterator(m_Dir))
            if (e.is_regular_file() && e.path().parent_path() != Path("out"))
                files[e.path().string()] = ReadWholeFile(e.path().string());
        return files;
    };
    const auto before = snapshot();
    SetTreeReadOnly(m_Dir, true, "out");
    const std::string command = "cd '" + m_Dir + "' && ./lexido-tty --mode 0 two.mix <out/keys >out/stdout 2>out/stderr";
    const pid_t pid = fork();
    if (pid == 0) {
        if (!GiveUpPermissionOverride(m_Dir, true))
            _exit(77);
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int st = 0;
    waitpid(pid, &st, 0);
    SetTreeReadOnly(m_Dir, false);
    if (WIFEXITED(st) && WEXITSTATUS(st) == 77)
        GTEST_SKIP() << "permissions do not bind here, even with the overrides given up";
    ASSERT_TRUE(WIFEXITED(st)) << "ended by signal " << WTERMSIG(st);
    EXPECT_EQ(WEXITSTATUS(st), 1);
    EXPECT_EQ(ReadFile("out/stdout"), "");
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(std::filesystem::exists(Path("Lexido.log")));
}

// Earlier results (NAME_n.EXT) are replaced only with --replace; else no pass runs, and they are named.
TEST_F(TtyBatchTest, SaveResultsReplacesEarlierNumberedFilesOnlyWithReplace)
{
    WriteFile("two.mix", kTwoPhrases);
    for (const std::string replace : {"", "--replace "}) {
        WriteFile("out/r_1.mix", "earlier\n");
        WriteFile("out/r_12.mix", "older\n");
        EXPECT_EQ(
            Run("--mode 0 --direction 0 " + replace + "--save-results out/r.mix two.mix", "x xx"), replace.empty());
        EXPECT_EQ(ReadFile("out/r_1.mix"), replace.empty() ? "earlier\n" : "*Hello\n=Hallo\n");
        EXPECT_EQ(m_Out.empty(), replace.empty());
        EXPECT_EQ(m_Err.find("replaced (give --replace to replace them): " + Path("out/r_1.mix") + ", " +
                      Path("out/r_12.mix") + "\n") != std::string::npos,
            replace.empty())
            << m_Err;
    }
}

} // namespace

// Type the Answer: Right; Almost with the differing letters in brackets (Backspace erased a
// slip, a letter of two bytes); an empty answer Wrong and marked; an answer empty once
// normalised only shown. Bracket marks are neither shown nor compared. The memory grades Good,
// Hard, Again and Good.
TEST_F(TtyBatchTest, TypeTheAnswerJudgesMarksTheWrongAnswersAndGradesEachVerdict)
{
    WriteFile("f.mix", "*Hello\n=Hallo\n*Thank you\n=Danke schön\n*Where\n=¿<Dónde>?\n*Pause\n=...\n");
    ASSERT_EQ(Run("--mode 11 --direction 0 --save-results out/r.mix f.mix", "hallo\nxDanke shco\xc3\xb6\bn\nx\nxx"), 0)
        << m_Err;
    for (const std::string& shown : {Q("Thank you", "Danke shco\xc3\xb6"), Q("Hello", "Hallo\n\nRight" + kContinue),
             Q("Thank you", "Danke schön\n\nAlmost: Danke s[hco]n" + kContinue),
             Q("Where", "¿Dónde?\n\nWrong" + kContinue), Q("Pause", "..." + kContinue)})
        EXPECT_NE(m_Out.find(shown + "\n" + kFeed), std::string::npos) << shown;
    EXPECT_EQ(ReadFile("out/r_1.mix"), "*Where\n=¿<Dónde>?\n");
    ASSERT_EQ(Run("--memory f.mix", ""), 0) << m_Err;
    for (const char* graded : {"\t2.3065\t2.1181\t1\t0\tHello\n", "\t1.2931\t5.1122\t1\t0\tThank you\n",
             "\t0.2120\t6.4133\t1\t0\tWhere\n", "\t2.3065\t2.1181\t1\t0\tPause\n"})
        EXPECT_NE(m_Out.find(graded), std::string::npos) << m_Out;
}

// Choose the Answer (the choice replayed from a seed): up to four options, distinct as the judge
// compares them; a wrong choice marks, Backspace takes that back. A file of one answer offers one.
TEST_F(TtyBatchTest, ChooseTheAnswerOffersOtherAnswersOfTheFileAndMarksAWrongChoice)
{
    ::setenv("LEXIDO_CHOICE_SEED", "7", 1);
    WriteFile("g.mix", "*a\n=x\n*b\n=y\n*c\n=z\n*d\n=w\n*e\n=v\n*f\n=X.\n");
    EXPECT_EQ(Run("--mode 12 --save-results out/r.mix g.mix", "1x1x1\bx1x1x1x"), 0) << m_Err;
    for (const std::string& shown : {Q("a", "1. x\n2. w\n3. v\n4. z\n"), Q("a", "x\n\nRight" + kContinue),
             Q("c", "z\n\nWrong: x" + kContinue), Q("f", "1. z\n2. X.\n3. v\n4. y\n"),
             Q("f", "X.\n\nWrong: z" + kContinue)})
        EXPECT_NE(m_Out.find(shown), std::string::npos) << shown;
    EXPECT_EQ(ReadFile("out/r_1.mix"), "*d\n=w\n*e\n=v\n*f\n=X.\n");
    WriteFile("one.mix", "*a\n=x\n*b\n=X!\n");
    EXPECT_EQ(Run("--mode 12 one.mix", "21x"), 0) << m_Err;
    ::unsetenv("LEXIDO_CHOICE_SEED");
    // "2" chooses nothing; "1" the one option.
    EXPECT_EQ(m_Out.rfind(Printed({Q("a", "1. x\n"), Q("a", "1. x\n"), Q("a", "x\n\nRight" + kContinue)}), 0), 0u);
}
