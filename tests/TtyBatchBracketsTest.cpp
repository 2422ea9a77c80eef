// The terminal front-end run as a script runs it, in the bracket modes: the four Open Brackets
// modes over phrase pairs and over plain text, and the two Add Brackets passes; the screen at
// every wait, the results files byte for byte, the next iterations over what was given up.

#include "tests/TtyBatchFixture.h"

#include <gtest/gtest.h>

namespace {

using namespace ttybatch;

const char kBrackets[] = "*I am a student.\n=Ich bin <ein> <Student>.\n"
                         "*Where is the station?\n=Wo ist der <Bahnhof>?\n"
                         "*No brackets here\n=Keine Klammern\n";

TEST_F(TtyBatchTest, OpenBracketsWholeWordTypesTheWordInPlaceAndKeepsTheGivenUpOnesInBrackets)
{
    WriteFile("b.mix", kBrackets);
    // "EIN" is right (case does not matter), Space gives "Student" up; "Bhf" is wrong and the
    // bracket is asked again, "=" counts it as opened; the text without brackets is shown
    // whole. The next iteration asks "Student" only.
    ASSERT_EQ(Run("--mode 5 --save-results out/r.mix b.mix", "EIN\n n" "Bhf\n=n" "n" "Student\nn"), 0) << m_Err;
    const std::string i = "I am a student.";
    const std::string w = "Where is the station?";
    EXPECT_EQ(m_Out, Printed({Q(i, "Ich bin <> <>."), Q(i, "Ich bin <E> <>."), Q(i, "Ich bin <EI> <>."),
                              Q(i, "Ich bin <EIN> <>."), Q(i, "Ich bin <ein> <>."),
                              Q(i, "Ich bin <ein> <Student>." + kContinue),
                              Q(w, "Wo ist der <>?"), Q(w, "Wo ist der <B>?"), Q(w, "Wo ist der <Bh>?"),
                              Q(w, "Wo ist der <Bhf>?"), Q(w, "Wo ist der <>?"),
                              Q(w, "Wo ist der <Bahnhof>?" + kContinue),
                              Q("No brackets here", "Keine Klammern" + kContinue),
                              Q(i, "Ich bin ein <>."), Q(i, "Ich bin ein <S>."), Q(i, "Ich bin ein <St>."),
                              Q(i, "Ich bin ein <Stu>."), Q(i, "Ich bin ein <Stud>."), Q(i, "Ich bin ein <Stude>."),
                              Q(i, "Ich bin ein <Studen>."), Q(i, "Ich bin ein <Student>."),
                              Q(i, "Ich bin ein <Student>." + kContinue)}));
    EXPECT_EQ(ReadFile("out/r_1.mix"), "*I am a student.\n=Ich bin ein <Student>.\n");
    EXPECT_FALSE(Exists("out/r_2.mix"));
}

TEST_F(TtyBatchTest, OpenBracketsWholeWordWithMatchCaseAsksAgainAndLeavesNoTypingBehind)
{
    SetSetting("OpBrAll", "MatchCase", 1);
    WriteFile("b.mix", "*Where is the station?\n=Wo ist der <Bahnhof>?\n");
    // "bahnhof" is wrong when case matters. A long input given up with Space leaves nothing of
    // it on the screen of the filled text.
    ASSERT_EQ(Run("--mode 5 --save-results out/r.mix b.mix", "bahnhof\nBahnhofstr \x1b"), 0) << m_Err;
    const std::string w = "Where is the station?";
    const std::size_t last = m_Out.rfind(kFeed, m_Out.size() - kFeed.size() - 1);
    ASSERT_NE(last, std::string::npos);
    // Before the Escape: the filled text alone on its screen; and the second turn asked again.
    EXPECT_EQ(m_Out.substr(last + kFeed.size()), Printed({Q(w, "Wo ist der <Bahnhof>?" + kContinue)}));
    EXPECT_NE(m_Out.find(Printed({Q(w, "Wo ist der <bahnhof>?"), Q(w, "Wo ist der <>?")})), std::string::npos);
    // Escape at the continue line ends the pass before the given-up phrase is written.
    EXPECT_FALSE(Exists("out/r_1.mix"));
}

TEST_F(TtyBatchTest, OpenBracketsOneLetterOpensABracketByItsFirstLetter)
{
    WriteFile("c.mix", "*Where is the cat?\n=Wo ist die <Katze>?\n*The cat and the dog\n=Die <Katze> und der <Hund>\n");
    // x is wrong and changes nothing; k opens "Katze". Space gives "Katze" up, "+" opens "Hund".
    // The next iteration asks "Katze" of the second phrase only.
    ASSERT_EQ(Run("--mode 6 --direction 1 --save-results out/r.mix c.mix", "xkn" " +n" "Kn"), 0) << m_Err;
    const std::string c = "Where is the cat?";
    const std::string d = "The cat and the dog";
    // The direction plays no part: the first text is always the question.
    EXPECT_EQ(m_Out, Printed({Q(c, "Wo ist die <>?"), Q(c, "Wo ist die <>?"), Q(c, "Wo ist die <Katze>?" + kContinue),
                              Q(d, "Die <> und der <>"), Q(d, "Die <Katze> und der <>"),
                              Q(d, "Die <Katze> und der <Hund>" + kContinue), Q(d, "Die <> und der Hund"),
                              Q(d, "Die <Katze> und der Hund" + kContinue)}));
    EXPECT_EQ(ReadFile("out/r_1.mix"), "*The cat and the dog\n=Die <Katze> und der Hund\n");
    EXPECT_FALSE(Exists("out/r_2.mix"));
}

TEST_F(TtyBatchTest, OpenBracketsWholeWordOverPlainTextWorksAScreenOfLinesAtATime)
{
    SetSetting("OpBrAll", "ScreenSz", 2);
    WriteFile("t.txt", "The <cat> sat\non the <mat>.\nNo brackets\nin these lines.\nThe <dog>\nran away.\n");
    // Two lines a screen, no question. Space ends the typed "rug" and gives "mat" up; the screen
    // with that bracket is written as a line of its own and read again by the next iteration.
    ASSERT_EQ(Run("--mode 7 --save-results out/t.txt t.txt", "cat\nrug n" "n" "dog\nn" "mat\nn"), 0) << m_Err;
    const std::string s1 = "The <> sat\non the <>.";
    EXPECT_EQ(m_Out, Printed({s1, "The <c> sat\non the <>.", "The <ca> sat\non the <>.", "The <cat> sat\non the <>.",
                              "The <cat> sat\non the <>.", "The <cat> sat\non the <r>.", "The <cat> sat\non the <ru>.",
                              "The <cat> sat\non the <rug>.", "The <cat> sat\non the <mat>." + kContinue,
                              "No brackets\nin these lines." + kContinue, "The <>\nran away.", "The <d>\nran away.",
                              "The <do>\nran away.", "The <dog>\nran away.", "The <dog>\nran away." + kContinue,
                              "The cat sat\non the <>.", "The cat sat\non the <m>.", "The cat sat\non the <ma>.",
                              "The cat sat\non the <mat>.", "The cat sat\non the <mat>." + kContinue}));
    EXPECT_EQ(ReadFile("out/t_1.txt"), "The cat sat\non the <mat>.\n");
    EXPECT_FALSE(Exists("out/t_2.txt"));
}

TEST_F(TtyBatchTest, OpenBracketsOneLetterOverPlainTextWritesOnlyTheScreensWithAGivenUpBracket)
{
    SetSetting("OpBrAll", "ScreenSz", 1);
    WriteFile("t.txt", "A <b> c\nD <e> f\n");
    ASSERT_EQ(Run("--mode 8 --save-results out/t.txt t.txt", "Bn" " n" "en"), 0) << m_Err;
    EXPECT_EQ(m_Out, Printed({"A <> c", "A <b> c" + kContinue, "D <> f", "D <e> f" + kContinue, "D <> f",
                              "D <e> f" + kContinue}));
    EXPECT_EQ(ReadFile("out/t_1.txt"), "D <e> f\n");
    EXPECT_FALSE(Exists("out/t_2.txt"));
}

const char kStudent[] = "*I am a student\n=Ich bin ein Student\n*Good morning\n=Guten Morgen\n"
                        "*See you\n=Bis bald\n";

TEST_F(TtyBatchTest, AddBracketsWordByWordBracketsTheWordsMarkedWithSpace)
{
    WriteFile("s.mix", kStudent);
    // Space at the question only moves on; Space at "Student" brackets it. Nothing is marked
    // in "Guten Morgen": not written. Escape after a Space at "Bis" keeps it unwritten. The
    // Add Brackets passes have no next iteration.
    ASSERT_EQ(Run("--mode 9 --direction 0 --save-results out/r.mix s.mix", " ... " "..." ". \x1bzz"), 0) << m_Err;
    const std::string i = "I am a student";
    const std::string g = "Good morning";
    const std::string t = "See you";
    EXPECT_EQ(m_Out, Printed({Q(i), Q(i, "Ich "), Q(i, "Ich bin "), Q(i, "Ich bin ein "), Q(i, "Ich bin ein Student "),
                              Q(g), Q(g, "Guten "), Q(g, "Guten Morgen "), Q(t), Q(t, "Bis "), Q(t, "<Bis> bald ")}));
    EXPECT_EQ(ReadFile("out/r_1.mix"), "*I am a student\n=Ich bin ein <Student> \n");
    EXPECT_FALSE(Exists("out/r_2.mix"));

    // Back direction: the second text becomes the question of the new file.
    ASSERT_EQ(Run("--mode 9 --direction 1 --save-results out/b.mix s.mix", ".... \x1b"), 0) << m_Err;
    EXPECT_EQ(ReadFile("out/b_1.mix"), "*Ich bin ein Student\n=I am a <student> \n");
}

TEST_F(TtyBatchTest, AddBracketsTimeOutWaitsAWordAndPausesTwoWaitsAfterEachPhrase)
{
    SetSetting("AddBrTo", "TimeOut", 5);
    WriteFile("s.mix", kStudent);
    // One wait at the question, one a word, two of pause. Space at the question marks the
    // phrase, written with no word in brackets; Space at "Guten" brackets it; no key in
    // "Bis bald": not written.
    ASSERT_EQ(Run("--mode 10 --direction 0 --save-results out/r.mix s.mix", " ......" ". ..." "....."), 0) << m_Err;
    const std::string i = Q("I am a student");
    const std::string g = Q("Good morning");
    const std::string t = Q("See you");
    EXPECT_EQ(m_Out, Printed({i, i + "Ich ", i + "Ich bin ", i + "Ich bin ein ", i + "Ich bin ein Student ",
                              i + "Ich bin ein Student ", i + "Ich bin ein Student ", g, g + "Guten ",
                              g + "<Guten> Morgen ", g + "<Guten> Morgen ", g + "<Guten> Morgen ", t, t + "Bis ", t + "Bis bald ",
                              t + "Bis bald ", t + "Bis bald "}));
    EXPECT_EQ(ReadFile("out/r_1.mix"), "*I am a student\n=Ich bin ein Student \n*Good morning\n=<Guten> Morgen \n");
    EXPECT_FALSE(Exists("out/r_2.mix"));
}

} // namespace

// With a UTF-8 phrase file each UTF-8 character of standard input is one key: Which Letter
// over Greek, Open Brackets over Polish (typed in place, capitals under case folding).
TEST_F(TtyBatchTest, Utf8FilesTakeEachCharacterOfTheInputAsOneKey)
{
    struct SCase {
        const char* args;
        std::string file, keys, printed;
    } cases[] = {
        {"--mode 2 g.mix", "*Good morning\n=Καλημέρα σας\n", "xκσn",
            Printed({Q("Good morning", " "), Q("Good morning", " "), Q("Good morning", " Καλημέρα "),
                Q("Good morning", " Καλημέρα σας" + kContinue)})},
        {"--mode 5 g.mix", "\xEF\xBB\xBF*turtle\n=<żółw>\n", "ŻÓŁW\nn",
            Printed({Q("turtle", "<>"), Q("turtle", "<Ż>"), Q("turtle", "<ŻÓ>"), Q("turtle", "<ŻÓŁ>"),
                Q("turtle", "<ŻÓŁW>"), Q("turtle", "<żółw>" + kContinue)})},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.args);
        WriteFile("g.mix", c.file);
        ASSERT_EQ(Run(c.args, c.keys), 0) << m_Err;
        EXPECT_EQ(m_Out, c.printed);
    }
}
