// The terminal front-end's own logic: code pages at the terminal boundary, the line layout,
// the command line, the scrolling over a shown file, and the commands it shares with the window.

#include "base/Globals.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "engine/DrillCommands.h"
#include "tests/TestProgramFolder.h"
#include "tty/CTtyView.h"
#include "tty/TtyOptions.h"
#include "tty/TtyStatus.h"
#include "tty/TtyText.h"

#include <gtest/gtest.h>

namespace {

TEST(TtyText, ScreenBytesBecomeUtf8WordByWord)
{
    const char russian[] = "\xCF\xF0\xE8\xE2\xE5\xF2\r\n!";
    EXPECT_EQ(tty::ScreenToUtf8(russian, sizeof russian - 1, 1252), "Привет\n!");
    const char western[] = "caf\xE9 \xDF";
    EXPECT_EQ(tty::ScreenToUtf8(western, sizeof western - 1, 1251), "café ß");
    // A control byte must not reach the terminal, where it would move the cursor.
    EXPECT_EQ(tty::ScreenToUtf8("a\x1b[2Jb", 6, 1252), "a?[2Jb");
}

TEST(TtyText, TypedCharactersBecomeTheBytesTheWindowDelivers)
{
    unsigned char byte = 0;
    ASSERT_TRUE(tty::KeyToByte("ж", byte));
    EXPECT_EQ(byte, 0xE6);
    ASSERT_TRUE(tty::KeyToByte("é", byte));
    EXPECT_EQ(byte, 0xE9);
    EXPECT_FALSE(tty::KeyToByte("中", byte));
    EXPECT_FALSE(tty::KeyToByte("\xC3", byte)); // a cut sequence
}

TEST(TtyText, LinesWrapAtTheWidthCountingCharactersNotBytes)
{
    EXPECT_EQ(tty::WrapLines("abcdefg\nh", 3), (std::vector<std::string>{"abc", "def", "g", "h"}));
    EXPECT_EQ(tty::WrapLines("äöüß", 2), (std::vector<std::string>{"äö", "üß"}));
    // Wide characters take two cells; one that would pass the edge begins the next line.
    EXPECT_EQ(tty::WrapLines("a你好おは", 4), (std::vector<std::string>{"a你", "好お", "は"}));
    EXPECT_EQ(tty::WrapLines("", 5), (std::vector<std::string>{""}));
    EXPECT_EQ(tty::WrapLines("ab\n", 5), (std::vector<std::string>{"ab", ""}));
    EXPECT_EQ(tty::WrapLines("abc", 0).size(), 3u); // a terminal of no width still shows
}

TEST(TtyOptions, CommandLine)
{
    tty::Options o;
    std::string error;
    const char* ok[] = {"lexido-tty", "--mode", "10", "--direction", "1", "--save-results", "out/r.mix", "a.mix"};
    ASSERT_TRUE(tty::ParseOptions(8, ok, o, error)) << error;
    EXPECT_EQ(o.mode, 10);
    EXPECT_EQ(o.direction, 1);
    EXPECT_EQ(o.saveResults, "out/r.mix");
    EXPECT_EQ(o.file, "a.mix");

    const char* badMode[] = {"lexido-tty", "--mode", "13", "a.mix"};
    tty::Options o2;
    EXPECT_FALSE(tty::ParseOptions(4, badMode, o2, error));
    const char* noValue[] = {"lexido-tty", "--direction"};
    EXPECT_FALSE(tty::ParseOptions(2, noValue, o2, error));
    const char* junk[] = {"lexido-tty", "--mode", "3x"};
    EXPECT_FALSE(tty::ParseOptions(3, junk, o2, error));
    const char* twoFiles[] = {"lexido-tty", "a.mix", "b.mix"};
    EXPECT_FALSE(tty::ParseOptions(3, twoFiles, o2, error));
    const char* unknown[] = {"lexido-tty", "--fast"};
    EXPECT_FALSE(tty::ParseOptions(2, unknown, o2, error));

    const struct {
        const char* arg;
        bool help, version;
    } asks[] = {{"--help", true, false}, {"-h", true, false}, {"--version", false, true}};
    for (const auto& a : asks) {
        const char* line[] = {"lexido-tty", a.arg};
        tty::Options o3;
        ASSERT_TRUE(tty::ParseOptions(2, line, o3, error)) << a.arg;
        EXPECT_EQ(o3.help, a.help) << a.arg;
        EXPECT_EQ(o3.version, a.version) << a.arg;
    }

    EXPECT_EQ(tty::AbsolutePath("a.mix", "/home/x"), "/home/x/a.mix");
    EXPECT_EQ(tty::AbsolutePath("/t/a.mix", "/home/x"), "/t/a.mix");
}

class NoDialogs : public IFileDialogs {
    bool AskOpenPath(const char*, const char*, std::string&) override { return false; }
    bool AskSavePath(const char*, const char*, const char*, std::string&) override { return false; }
    bool ConfirmOverwrite(const std::vector<std::string>&) override { return false; }
    void ShowFileProblem(FileProblem, const char*) override {}
};

TEST(TtyView, ScrollingStaysWithinTheShownFile)
{
    NoDialogs dialogs;
    int wakes = 0;
    tty::CTtyView view(dialogs, [&] { ++wakes; });
    view.SetScrollSizes(1000, 100, 10);
    EXPECT_EQ(view.Scroll(0), 0);  // line up at the top
    EXPECT_EQ(view.Scroll(3), 100);
    EXPECT_EQ(view.Scroll(1), 110);
    EXPECT_EQ(view.Scroll(7), 900); // the last page
    EXPECT_EQ(view.Scroll(3), 900);
    EXPECT_EQ(view.Scroll(6), 0);
    view.SetScrollSizes(50, 100, 10); // a file shorter than a page does not scroll
    EXPECT_EQ(view.Scroll(3), 0);

    // Requests from other threads are queued for the main loop, in order, and wake it.
    view.PostMsg(1031);
    view.PostMsg(1029);
    view.Invalidate();
    EXPECT_EQ(wakes, 3);
    int message = 0;
    ASSERT_TRUE(view.TakeMessage(message));
    EXPECT_EQ(message, 1031);
    ASSERT_TRUE(view.TakeMessage(message));
    EXPECT_EQ(message, 1029);
    EXPECT_FALSE(view.TakeMessage(message));
    EXPECT_TRUE(view.TakeRepaint());
    EXPECT_FALSE(view.TakeRepaint());
}

TEST(TtyStatus, CaptionsComeFromTheMenus)
{
    EXPECT_EQ(tty::ModeCaption(0), "In Whole");
    EXPECT_EQ(tty::ModeCaption(2), "Which Letter?");
    EXPECT_EQ(tty::ModeCaption(10), "Add Brackets (Time Out)");
    EXPECT_EQ(tty::ModeCaption(12), "Choose the Answer");
    EXPECT_EQ(tty::ModeCaption(13), "?");
    EXPECT_EQ(tty::CommandCaption(32772), "Open...");
}

class DrillCommandsTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        MakeLog();
        OpenDatabase();
    }
    int Read(const char* section, const char* parameter)
    {
        int value = -1;
        g_pIDbVars->RdVal(section, parameter, PAR_TYPE_INT, &value);
        return value;
    }
};

TEST_F(DrillCommandsTest, OpenBracketsWithAnInterpretationTurnTheDirection)
{
    drill::SelectDirection(0);
    drill::SelectMode(5);
    EXPECT_EQ(Read("ViewMode", "Mode"), 5);
    EXPECT_EQ(Read("ViewMode", "Direction"), 1);
    drill::SelectDirection(0);
    drill::SelectMode(6);
    EXPECT_EQ(Read("ViewMode", "Direction"), 1);
    // Without an interpretation the direction stays.
    drill::SelectDirection(0);
    drill::SelectMode(7);
    EXPECT_EQ(Read("ViewMode", "Direction"), 0);
    drill::SelectMode(9);
    EXPECT_EQ(drill::GetMode(), 9);
}

TEST(DrillPhraseBook, BothDirectionsOfAPairShareItsFolder)
{
    EXPECT_STREQ(drill::PhraseBookFolder(32818), "Text\\Conversational Guide\\English_French\\");
    EXPECT_STREQ(drill::PhraseBookFolder(32821), drill::PhraseBookFolder(32818));
    EXPECT_STREQ(drill::PhraseBookFolder(32826), "Text\\Conversational Guide\\German_Russian\\");
    EXPECT_STREQ(drill::PhraseBookFolder(32829), drill::PhraseBookFolder(32826));
    EXPECT_STREQ(drill::PhraseBookFolder(32827), "Text\\Conversational Guide\\English_Russian\\");
    EXPECT_EQ(drill::PhraseBookFolder(32817), nullptr);
    EXPECT_EQ(drill::PhraseBookFolder(32830), nullptr);
}

} // namespace
