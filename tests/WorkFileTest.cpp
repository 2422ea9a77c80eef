// The work file of a pass: records and screens read, marks collected in current.cut and stored
// as the pass's results file.
#include "engine/CPassProgress.h"
#include "engine/IItrtnSrvc.h"
#include "engine/IterationGlobals.h"
#include "platform/PlatFs.h"
#include "programs/CWrkFile.h"
#include "tests/FileTestSupport.h"
#include "texts/CUtltsFile.h"

#include <filesystem>
#include <memory>

class WorkFileTest : public FilesTest {
protected:
    // Opens the phrase file and names the results of a first pass over it.
    std::unique_ptr<CWrkFile> Begin(const std::string& bytes)
    {
        WriteFile("Texts/Lesson.mix", bytes);
        m_View.dialogs.openAnswers.push_back(Path("Texts/Lesson.mix"));
        m_pFiles->OpenFile(&m_View);
        g_pIItrtnSrvc->MakeRsltsFileName();
        return std::unique_ptr<CWrkFile>(new CWrkFile(m_pFiles->GetCurrentFileName()));
    }
    std::string Results() { return ReadFile("DfltRslts/Lesson_1.mix"); }
    bool HasResults() { return plat::FileExists(Path("DfltRslts/Lesson_1.mix")); }
};

TEST_F(WorkFileTest, MarkedPairsBecomeTheResultsByteForByte)
{
    auto f = Begin("* one =eins\n*two\n=zwei\n");
    ASSERT_EQ(f->ReadRecord(), 1);
    EXPECT_STREQ(f->GetDic(), "one ");
    EXPECT_STREQ(f->GetBackDic(), "eins");
    f->WritePair(f->GetDic(), f->GetBackDic());
    ASSERT_EQ(f->ReadRecord(), 1);
    char dic[WRK_TEXT_SZ], back[WRK_TEXT_SZ];
    f->CopyTexts(dic, back);
    EXPECT_STREQ(dic, "two");
    EXPECT_STREQ(back, "zwei");
    f->WritePair("<a> b", "c");
    EXPECT_EQ(f->ReadRecord(), 0);
    EXPECT_FALSE(HasResults()); // stored only when the pass ends
    f.reset();
    EXPECT_EQ(Results(), "*one \n=eins\n*<a> b\n=c\n");
    EXPECT_EQ(ReadFile("current.cut"), Results());
}

TEST_F(WorkFileTest, APassThatWritesNothingLeavesNoResults)
{
    auto f = Begin("*a\n=b\n");
    EXPECT_EQ(f->ReadRecord(), 1);
    EXPECT_EQ(f->StoreResults(), 0);
    EXPECT_EQ(f->StoreResults(), 0);
    EXPECT_EQ(f->ReadRecord(), 0); // the input is closed
    f.reset();
    EXPECT_TRUE(plat::FileExists(Path("current.cut")));
    EXPECT_EQ(ReadFile("current.cut"), "");
    EXPECT_FALSE(HasResults());
}

TEST_F(WorkFileTest, StoringTwiceWritesOnce)
{
    auto f = Begin("*a\n=b\n");
    f->WriteLine("x <y>");
    EXPECT_EQ(f->StoreResults(), 1);
    WriteFile("DfltRslts/Lesson_1.mix", "changed");
    EXPECT_EQ(f->StoreResults(), 1);
    f.reset();
    EXPECT_EQ(Results(), "changed");
}

TEST_F(WorkFileTest, ScreensOfLines)
{
    auto f = Begin("a\nb\nc\nd\n");
    ASSERT_EQ(f->ReadScreen(2), 1);
    EXPECT_STREQ(f->GetScreen(), "a\nb");
    ASSERT_EQ(f->ReadScreen(2), 1);
    EXPECT_STREQ(f->GetScreen(), "c\nd");
    EXPECT_EQ(f->ReadScreen(2), 0);
    EXPECT_STREQ(f->GetScreen(), "");
}

TEST_F(WorkFileTest, AnEmptyLineAtAScreensStartCountsAsALine)
{
    auto f = Begin("a\n\nb\nc\n");
    ASSERT_EQ(f->ReadScreen(1), 1);
    EXPECT_STREQ(f->GetScreen(), "a");
    EXPECT_EQ(f->ReadScreen(1), 1); // the blank line is skipped
    auto g = Begin("a\n\nb\nc\n");
    ASSERT_EQ(g->ReadScreen(2), 1);
    EXPECT_STREQ(g->GetScreen(), "a\n");
    ASSERT_EQ(g->ReadScreen(2), 1);
    EXPECT_STREQ(g->GetScreen(), "b\nc");
    EXPECT_EQ(g->ReadScreen(0), 0);
}

TEST_F(WorkFileTest, AScreenLongerThanItsBufferEndsThereAndTheRestComesNext)
{
    const std::string line(1500, 'x');
    auto f = Begin(line + "\nnext\n");
    ASSERT_EQ(f->ReadScreen(4), 1);
    EXPECT_EQ(std::string(f->GetScreen()), std::string(1023, 'x'));
    ASSERT_EQ(f->ReadScreen(4), 1);
    // The file ended before the fourth line: its last line end stays in the text.
    EXPECT_EQ(std::string(f->GetScreen()), std::string(477, 'x') + "\nnext\n");
    EXPECT_EQ(f->ReadScreen(4), 0);
}

TEST_F(WorkFileTest, LongTextsKeepTheirFirst1023Bytes)
{
    const std::string longText(3000, 'q');
    auto f = Begin("*" + longText + "\n=" + longText + "\n*short\n=kurz\n");
    ASSERT_EQ(f->ReadRecord(), 1);
    EXPECT_EQ(std::string(f->GetDic()), longText.substr(0, 1023));
    EXPECT_EQ(std::string(f->GetBackDic()), longText.substr(0, 1023));
    ASSERT_EQ(f->ReadRecord(), 1);
    EXPECT_STREQ(f->GetDic(), "short");
}

TEST_F(WorkFileTest, AMissingInputEndsTheProcess)
{
    WriteFile("Texts/Lesson.mix", "*a\n=b\n");
    EXPECT_EXIT(CWrkFile(Path("Texts/missing.mix").c_str()), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCSmrtFile::sf_fopen(), error, Cannot open input file"
                     "\nCWrkFile::CWrkFile(), error, Cannot open input file");
}

TEST_F(WorkFileTest, ResultsThatCannotBeWrittenEndTheProcess)
{
    auto f = Begin("*a\n=b\n");
    f->WritePair("a", "b");
    // The results folder is gone: the marks cannot be stored.
    std::filesystem::remove_all(Path("DfltRslts"));
    EXPECT_EXIT(f.reset(), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCWrkFile::~CWrkFile(), error, m_in = ....== NULL)");
    std::filesystem::create_directories(Path("DfltRslts")); // for this process's own end of the pass
}

// The totals of the progress record: counted over the input as the pass will read it, and each
// read a step of the record.
TEST_F(WorkFileTest, TheCountsOfAnInputAreThePassesReads)
{
    const struct {
        std::string bytes;
        int lines; // 0: phrase records
    } cases[] = {{"*a=b\n*c=d\n*e=f\n", 0}, {"", 0}, {"*a=b\n*broken", 0}, {"a\nb\nc\nd\n", 2},
                 {"a\n\nb\nc\n", 1},     {"a\n\nb\nc\n", 2}, {std::string(1500, 'x') + "\nnext\n", 4}};
    for (const auto& c : cases) {
        auto f = Begin(c.bytes);
        const int counted = c.lines ? f->CountScreens(c.lines) : f->CountRecords();
        PassProgress().Begin(1, "Lesson.mix");
        int reads = 0;
        while (c.lines ? f->ReadScreen(c.lines) : f->ReadRecord())
            ++reads;
        EXPECT_EQ(counted, reads) << c.bytes.substr(0, 20) << " " << c.lines;
        EXPECT_EQ(PassProgress().Get().index, reads);
        PassProgress().End();
    }
}
