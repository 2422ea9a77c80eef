// Iterations over a file and stepping through its folder.
#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "engine/CItrtnSrvc.h"
#include "engine/CNxtPrFlSrvc.h"
#include "engine/IterationGlobals.h"
#include "engine/PassHistory.h"
#include "platform/PlatFs.h"
#include "tests/FileTestSupport.h"
#include "tests/ScopedGlobal.h"
#include "texts/CUtltsFile.h"
#include "texts/ISmrtFile.h"

#include <filesystem>
#include <memory>
#include <string>

namespace fs = std::filesystem;

class IterationTest : public FilesTest {
protected:
    void Open(const std::string& rel)
    {
        m_View.dialogs.openAnswers.push_back(Path(rel));
        m_pFiles->OpenFile(&m_View);
    }

    void Topics()
    {
        WriteFile("Guide/01 Food and drink.mix", "*bread\n=Brot\n");
        WriteFile("Guide/02 At the hotel.mix", "*room\n=Zimmer\n");
        WriteFile("Guide/03 Shopping.mix", "*shop\n=Laden\n");
        WriteFile("Guide/04 Travel.mix", "*train\n=Zug\n");
    }
};

TEST_F(IterationTest, AFolderWithOneFileDisablesBothSteps)
{
    WriteFile("Alone/only.mix", "*a\n=b\n");
    fs::create_directories(Path("Alone/subfolder")); // not a file to step to
    Open("Alone/only.mix");
    EXPECT_EQ(m_pFiles->HasNextFile(), 0);
    EXPECT_EQ(m_pFiles->HasPreviousFile(), 0);
    EXPECT_EQ(m_pFiles->CanStartIteration(), 1);
    EXPECT_EQ(m_pFiles->GoToNextFile(), 1);
    EXPECT_EQ(m_pFiles->GoToPreviousFile(), 1);
    EXPECT_EQ(std::string(m_pFiles->GetFilePath()), Path("Alone/only.mix"));
}

TEST_F(IterationTest, StepsFollowTheNamesAndFirstIterationReturnsToTheOpenedFile)
{
    Topics();
    Open("Guide/02 At the hotel.mix");
    EXPECT_EQ(m_pFiles->NxtPrFlSrvc().OpenedFileIndex(), 1);
    EXPECT_EQ(m_pFiles->HasNextFile(), 1);
    EXPECT_EQ(m_pFiles->HasPreviousFile(), 1);

    EXPECT_EQ(m_pFiles->GoToNextFile(), 0);
    EXPECT_EQ(m_pFiles->GoToNextFile(), 0);
    EXPECT_STREQ(m_pFiles->GetFileName(), "04 Travel.mix");
    EXPECT_STREQ(m_pFiles->GetFileNameNoExt(), "04 Travel");
    EXPECT_EQ(std::string(m_pFiles->GetCurrentFileName()), Path("Guide/04 Travel.mix"));
    EXPECT_EQ(m_pFiles->HasNextFile(), 0);
    EXPECT_EQ(m_pFiles->GoToNextFile(), 1);
    EXPECT_EQ(m_pFiles->HasPreviousFile(), 1);

    // A pass over the stepped-to file, then First Iteration: back to the opened one, afresh.
    RunPass("*train\n=Zug\n");
    EXPECT_EQ(g_pIItrtnSrvc->GetIterationStatus(), ITERATION_STATUS_NEXT);
    EXPECT_EQ(m_pFiles->GoToOpenedFile(), 0);
    EXPECT_EQ(std::string(m_pFiles->GetFilePath()), Path("Guide/02 At the hotel.mix"));
    EXPECT_EQ(std::string(m_pFiles->GetCurrentFileName()), Path("Guide/02 At the hotel.mix"));
    EXPECT_EQ(g_pIItrtnSrvc->GetIterationStatus(), ITERATION_STATUS_FIRST);
    EXPECT_EQ(g_pIItrtnSrvc->GetIterationNmb(), 0);
    RunPass("");
    EXPECT_EQ(std::string(g_pIItrtnSrvc->GetRsltsFileName()), m_Dir + "/DfltRslts/02 At the hotel_1.mix");
    EXPECT_FALSE(fs::exists(Path("DfltRslts/04 Travel_1.mix"))); // the first iteration emptied the folder

    EXPECT_EQ(m_pFiles->GoToPreviousFile(), 0);
    EXPECT_EQ(m_pFiles->GoToPreviousFile(), 1);
    EXPECT_STREQ(m_pFiles->GetFileName(), "01 Food and drink.mix");
    EXPECT_EQ(m_pFiles->HasPreviousFile(), 0);
}

TEST_F(IterationTest, OpeningTheLastFileOfAnotherFolderEnablesOnlyPrevious)
{
    Topics();
    WriteFile("Other/a.mix", "*a\n=b\n");
    WriteFile("Other/b.mix", "*c\n=d\n");
    Open("Guide/02 At the hotel.mix");
    Open("Other/b.mix");
    EXPECT_EQ(m_pFiles->HasNextFile(), 0);
    EXPECT_EQ(m_pFiles->HasPreviousFile(), 1);
    EXPECT_EQ(m_pFiles->NxtPrFlSrvc().FileList(), (std::vector<std::string>{Path("Other/a.mix"), Path("Other/b.mix")}));
}

TEST_F(IterationTest, TheOpenedFileIsFoundByItsOwnNameBeforeANamesakeInOtherCase)
{
    WriteFile("Case/LESSON.mix", "*A\n=B\n");
    WriteFile("Case/lesson.mix", "*a\n=b\n");
    Open("Case/lesson.mix");
    EXPECT_EQ(m_pFiles->NxtPrFlSrvc().OpenedFileIndex(), 1);
    m_pFiles->GoToPreviousFile();
    m_pFiles->GoToOpenedFile();
    EXPECT_EQ(std::string(m_pFiles->GetFilePath()), Path("Case/lesson.mix"));
    // Given in another case than on disk, the name still finds its file.
    m_pFiles->SetFilePath(Path("Case/Lesson.MIX").c_str());
    m_pFiles->SetFileDir(Path("Case/").c_str());
    m_pFiles->InitNxtPrFlSrvc();
    EXPECT_EQ(m_pFiles->NxtPrFlSrvc().OpenedFileIndex(), 0);
}

TEST_F(IterationTest, AddBracketsModeDisablesStepsAndNextIteration)
{
    Topics();
    Open("Guide/02 At the hotel.mix");
    RunPass("*room\n=Zimmer\n");
    EXPECT_EQ(g_pIItrtnSrvc->CanStartNextIteration(), 1);
    SetMode(9);
    EXPECT_EQ(m_pFiles->HasNextFile(), 0);
    EXPECT_EQ(m_pFiles->HasPreviousFile(), 0);
    EXPECT_EQ(g_pIItrtnSrvc->CanStartNextIteration(), 0);
    EXPECT_EQ(m_pFiles->CanStartIteration(), 0);
    EXPECT_EQ(m_pFiles->CanStartAddBrackets(), 1);
    SetMode(8);
    EXPECT_EQ(m_pFiles->HasNextFile(), 1);
    EXPECT_EQ(m_pFiles->CanStartAddBrackets(), 0);
}

TEST_F(IterationTest, AFolderThatCannotBeListedLeavesNothingToStart)
{
    WriteFile("Gone/x.mix", "*a\n=b\n");
    Open("Gone/x.mix");
    fs::remove_all(Path("Gone"));
    MakeLog();
    m_pFiles->InitNxtPrFlSrvc();
    EXPECT_EQ(Log(), "CBsPrgr::MakeListOfAllDfltRsltsFiles(),error, pChar  == 0, CInstll::MakeListOfAllFilesWithExt()"
                     "\nCNxtPrFlSrvc::Init, error, g_pIUtltsFile->MakeListOfAllFilesInDir()");
    EXPECT_TRUE(m_pFiles->NxtPrFlSrvc().FileList().empty());
    EXPECT_EQ(m_pFiles->HasNextFile(), 0);
    EXPECT_EQ(m_pFiles->HasPreviousFile(), 0);
    EXPECT_EQ(m_pFiles->CanStartIteration(), 0);
    EXPECT_EQ(m_pFiles->CanStartAddBrackets(), 0);
    EXPECT_EQ(m_pFiles->GoToNextFile(), 1);
    EXPECT_EQ(m_pFiles->GoToPreviousFile(), 1);
    EXPECT_EQ(m_pFiles->GoToOpenedFile(), 0);
}

TEST_F(IterationTest, PassesNumberTheirResultsAndANextIterationReadsThePreviousResults)
{
    WriteFile("Text/Lesson.mix", "*a\n=b\n*c\n=d\n");
    Open("Text/Lesson.mix");
    WriteFile("DfltRslts/stale_1.mix", "from before");
    EXPECT_EQ(g_pIItrtnSrvc->CanStartNextIteration(), 0);

    g_pIItrtnSrvc->BeginPass();
    EXPECT_EQ(g_pIItrtnSrvc->IsPassRunning(), 1);
    g_pIItrtnSrvc->MakeRsltsFileName();
    EXPECT_FALSE(fs::exists(Path("DfltRslts/stale_1.mix")));
    EXPECT_EQ(std::string(g_pIItrtnSrvc->GetRsltsFileName()), m_Dir + "/DfltRslts/Lesson_1.mix");
    EXPECT_EQ(std::string(m_pFiles->GetCurrentFileName()), Path("Text/Lesson.mix"));
    WriteFile("DfltRslts/Lesson_1.mix", "*a\n=b\n");
    g_pIItrtnSrvc->SetIterationStatus(ITERATION_STATUS_NEXT);
    g_pIItrtnSrvc->EndPass();
    EXPECT_EQ(g_pIItrtnSrvc->IsPassRunning(), 0);
    EXPECT_EQ(g_pIItrtnSrvc->CanStartNextIteration(), 1);

    RunPass("");
    EXPECT_EQ(std::string(m_pFiles->GetCurrentFileName()), m_Dir + "/DfltRslts/Lesson_1.mix");
    EXPECT_EQ(std::string(g_pIItrtnSrvc->GetRsltsFileName()), m_Dir + "/DfltRslts/Lesson_2.mix");
    EXPECT_EQ(g_pIItrtnSrvc->GetIterationStatus(), ITERATION_STATUS_IS_OVER);
    EXPECT_EQ(g_pIItrtnSrvc->CanStartNextIteration(), 0);
    EXPECT_EQ(ReadFile("DfltRslts/Lesson_1.mix"), "*a\n=b\n");
    EXPECT_EQ(Log(), "");
}

TEST_F(IterationTest, APassInAStatusWithoutIterationsOnlyLogs)
{
    struct Case {
        int status;
        const char* line;
    };
    const Case cases[] = {
        {ITERATION_STATUS_FILE_NOT_OPEN, "\nCBsPrgr::CBsPrgr, eror, ITERATION_STATUS_FILE_NOT_OPEN"},
        {ITERATION_STATUS_IS_OVER, "\nCBsPrgr::CBsPrgr, eror, ITERATION_STATUS_IS_OVER"},
        {7, "\nCBsPrgr::CBsPrgr, eror, unknown g_IterationStatus"},
    };
    WriteFile("Text/Lesson.mix", "*a\n=b\n");
    Open("Text/Lesson.mix");
    RunPass("*a\n=b\n");
    const std::string name = g_pIItrtnSrvc->GetRsltsFileName();
    for (const Case& c : cases) {
        MakeLog();
        g_pIItrtnSrvc->SetIterationStatus(c.status);
        EXPECT_EQ(g_pIItrtnSrvc->MakeRsltsFileName(), 0);
        EXPECT_EQ(Log(), c.line);
        EXPECT_EQ(g_pIItrtnSrvc->GetRsltsFileName(), name);
        EXPECT_EQ(g_pIItrtnSrvc->GetIterationNmb(), 1);
    }
}

TEST_F(IterationTest, TheFactoryMakesTheServicesOfThisSubsystem)
{
    std::unique_ptr<IItrtnSrvc> it(g_pILsnAFc->Create_IItrtnSrvc());
    ASSERT_NE(it, nullptr);
    EXPECT_EQ(it->GetIterationStatus(), ITERATION_STATUS_FILE_NOT_OPEN);
    EXPECT_EQ(it->GetIterationNmb(), 0);
    EXPECT_EQ(it->IsPassRunning(), 0);
    std::unique_ptr<IUtltsFile> files(g_pILsnAFc->Create_IUtltsFile());
    EXPECT_NE(files, nullptr);
    std::unique_ptr<INxtPrFlSrvc> steps(g_pILsnAFc->Create_INxtPrFlSrvc());
    ASSERT_NE(steps, nullptr);
    EXPECT_EQ(steps->HasNextFile(), 0);
    std::unique_ptr<ISmrtFile> file(g_pILsnAFc->Create_ISmrtFile());
    EXPECT_NE(file, nullptr);
    ScopedGlobal noFiles(g_pIUtltsFile, nullptr);
    EXPECT_EQ(g_pILsnAFc->Create_INxtPrFlSrvc(), nullptr);
}

TEST_F(IterationTest, AResultsNameThatDoesNotFitIsRefusedNotCut)
{
    WriteFile("Text/Lesson.mix", "*a\n=b\n");
    Open("Text/Lesson.mix");
    RunPass("*a\n=b\n");
    MakeLog();
    // A name that fits its own field but not after the results folder and the number.
    ASSERT_EQ(m_pFiles->SetFileNameNoExt(std::string(plat::kMaxPath - 8, 'n').c_str()), 0);
    g_pIItrtnSrvc->MakeRsltsFileName();
    EXPECT_EQ(Log(), "\nCItrtnSrvc::MakeRsltsFileName(), error, results file name too long");
    EXPECT_STREQ(g_pIItrtnSrvc->GetRsltsFileName(), "");
    EXPECT_EQ(std::string(m_pFiles->GetCurrentFileName()), m_Dir + "/DfltRslts/Lesson_1.mix");

    EXPECT_EQ(g_pIItrtnSrvc->SetRsltsTarget(std::string(plat::kMaxPath, 'd').c_str(), "x", "mix"), 1);
}

// The history of passes: records read back as written (a path with a tab, a backslash and a
// line end included); a cut last line, a malformed one and one appended after a cut line are
// told apart; the table of files and a file's days.
TEST_F(IterationTest, HistoryRecordsRoundTripAndCutOrMalformedLinesAreSkipped)
{
    using hist::SPassRecord;
    const std::vector<SPassRecord> written = {
        {1765000000, 0, 0, 1, 20, 5, "/t/a.mix"},       {1765000600, 0, 0, 2, 5, 1, "/t/a.mix"},
        {1765090000, 8, 1, 1, 12, 12, "/t/b\tc\\d\ne.mix"}, {1765180000, 2, 1, 3, 4, 0, "/t/b.mix"},
    };
    std::string bytes;
    for (const SPassRecord& r : written)
        bytes += hist::FormatRecord(r);
    const auto same = [](const SPassRecord& a, const SPassRecord& b) {
        return a.time == b.time && a.mode == b.mode && a.direction == b.direction && a.iteration == b.iteration &&
               a.shown == b.shown && a.marked == b.marked && a.file == b.file;
    };
    const std::string bad[] = {"x\t0\t0\t1\t1\t0\t/f\n", "1\t13\t0\t1\t1\t0\t/f\n", "1\t0\t0\t1\t1\t2\t/f\n",
                               "1\t0\t0\t1\t1\t0\t\n", "1\t0\t0\t1\t1\t0\t/f\\x\n", "1\t0\t0\n"};
    for (const std::string& line : bad) {
        const std::vector<SPassRecord> read = hist::ParseRecords(line + bytes + "1765\t0\t0");
        ASSERT_EQ(read.size(), written.size()) << line;
        for (std::size_t i = 0; i < read.size(); ++i)
            EXPECT_TRUE(same(read[i], written[i])) << line << " " << i;
    }

    const std::string path = Path(hist::kFileName);
    ASSERT_TRUE(plat::WriteFileAtomic(path, bytes + "1765\t0\t0")); // a crash cut the last append
    ASSERT_TRUE(hist::AppendRecord(path, written[0]));
    const std::vector<SPassRecord> read = hist::ReadHistory(path);
    ASSERT_EQ(read.size(), written.size() + 1);
    EXPECT_TRUE(same(read.back(), written[0]));

    const std::vector<hist::SFileSummary> files = hist::SummariseFiles(written);
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0].file, "/t/b.mix"); // the last practised first
    EXPECT_EQ(files[0].knownPercent, 100); // no first iteration: the last pass
    EXPECT_EQ(files[2].file, "/t/a.mix");
    EXPECT_EQ(files[2].passes, 2);
    EXPECT_EQ(files[2].knownPercent, 75); // of its first iteration
    const std::vector<hist::SDayTotal> days = hist::DayTotals(hist::PassesOf(written, "/t/a.mix"));
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days[0].shown, 25);
    EXPECT_EQ(days[0].marked, 6);
}

// A line without the completed field (an older one) is a completed pass; only completed passes
// give the known share, rounded; a file is one row by its canonical path.
TEST_F(IterationTest, HistoryKnowsStoppedPassesRoundsSharesAndNamesFilesCanonically)
{
    const hist::SPassRecord stopped{1765000700, 0, 0, 1, 1, 0, "/t/a.mix", false};
    const auto read = hist::ParseRecords("1765000000\t0\t0\t1\t3\t1\t/t/a.mix\n" + hist::FormatRecord(stopped));
    ASSERT_TRUE(read.size() == 2 && read[0].completed && !read[1].completed);
    EXPECT_EQ(hist::SummariseFiles(read)[0].knownPercent, 67); // two of three: the stopped pass counts not
    EXPECT_EQ(hist::SummariseFiles({stopped})[0].knownPercent, -1);
    EXPECT_EQ(plat::CanonicalPath("/nowhere/sub/../b.mix"), "/nowhere/b.mix");
    Topics();
    for (const char* file : {"Guide/04 Travel.mix", "Guide/../Guide/04 Travel.mix"})
        ASSERT_TRUE(hist::AppendRecord(Path(hist::kFileName), {1765000000, 0, 0, 1, 1, 0, Path(file)}));
    EXPECT_EQ(hist::SummariseFiles(hist::ReadHistory(Path(hist::kFileName))).size(), 1u);
    EXPECT_EQ(hist::PassesOf(hist::ReadHistory(Path(hist::kFileName)), Path("./Guide/04 Travel.mix")).size(), 2u);
}
