// Listing, emptying and copying folders, and Save Results As.
#include "base/Globals.h"
#include "engine/IItrtnSrvc.h"
#include "engine/IterationGlobals.h"
#include "platform/PlatFs.h"
#include "tests/FileTestSupport.h"
#include "texts/CUtltsFile.h"
#include "texts/RsltsKeeping.h"

#include <filesystem>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

class ResultsFolderTest : public FilesTest {
protected:
    // Opens Text/Lesson.mix and runs passes with marks, leaving Lesson_1.mix ... in DfltRslts.
    void OpenAndRunPasses(int passes)
    {
        WriteFile("Text/Lesson.mix", "*a\n=b\n");
        m_View.dialogs.openAnswers.push_back(Path("Text/Lesson.mix"));
        m_pFiles->OpenFile(&m_View);
        for (int i = 1; i <= passes; ++i)
            RunPass("*pass " + std::to_string(i) + "\n=marks\n");
    }

    std::vector<std::string> Names(const std::string& rel) const
    {
        std::vector<std::string> names;
        plat::ListDir(Path(rel), "*", names);
        return names;
    }
};

TEST_F(ResultsFolderTest, ListingGivesFolderAndNameOfEveryEntryInNameOrder)
{
    WriteFile("Text/02 At the hotel.mix", "");
    WriteFile("Text/01 Food and drink.mix", "");
    fs::create_directories(Path("Text/sub"));
    std::vector<std::string> list;
    EXPECT_EQ(m_pFiles->MakeListOfAllDfltRsltsFiles(Path("Text/").c_str(), list), 0);
    EXPECT_EQ(list, (std::vector<std::string>{Path("Text/01 Food and drink.mix"), Path("Text/02 At the hotel.mix"),
                                              Path("Text/sub")}));
    EXPECT_EQ(m_pFiles->MakeListOfAllDfltRsltsFiles(Path("nowhere/").c_str(), list), 1);
    EXPECT_EQ(list.size(), 3u);
    EXPECT_EQ(Log(), "CBsPrgr::MakeListOfAllDfltRsltsFiles(),error, pChar  == 0, CInstll::MakeListOfAllFilesWithExt()");
}

TEST_F(ResultsFolderTest, DeletingRemovesTheFilesAndLogsASubfolderItCannotRemove)
{
    WriteFile("DfltRslts/x_1.mix", "1");
    WriteFile("DfltRslts/x_2.mix", "2");
    fs::create_directories(Path("DfltRslts/sub"));
    EXPECT_EQ(m_pFiles->DeleteAllFilesInDir(Path("DfltRslts/").c_str()), 0);
    EXPECT_EQ(Names("DfltRslts"), std::vector<std::string>{"sub"});
    EXPECT_EQ(Log(), "CUtltsFile::DeleteAllFilesInDir(), error,remove(*it) == -1");

    MakeLog();
    fs::remove_all(Path("DfltRslts"));
    EXPECT_EQ(m_pFiles->DeleteAllFilesInDir(Path("DfltRslts/").c_str()), 0);
    EXPECT_EQ(Log(), "CBsPrgr::MakeListOfAllDfltRsltsFiles(),error, pChar  == 0, CInstll::MakeListOfAllFilesWithExt()"
                     "CUtltsFile::DeleteAllFilesInDir(), error,!MakeListOfAllDfltRsltsFiles(l_DstVector)");
}

TEST_F(ResultsFolderTest, DeletingWithoutAFolderNeverEmptiesTheProgramFolder)
{
    WriteFile("keep.txt", "program file");
    EXPECT_EQ(m_pFiles->DeleteAllFilesInDir(""), 0);
    EXPECT_EQ(ReadFile("keep.txt"), "program file");
    // A link in the results folder goes, what it points at stays.
    WriteFile("Text/target.mix", "mine");
    ASSERT_EQ(::symlink(Path("Text/target.mix").c_str(), Path("DfltRslts/link.mix").c_str()), 0);
    m_pFiles->DeleteAllFilesInDir(Path("DfltRslts/").c_str());
    EXPECT_EQ(ReadFile("Text/target.mix"), "mine");
    EXPECT_TRUE(Names("DfltRslts").empty());
}

TEST_F(ResultsFolderTest, CopyingRenumbersTheResultsInPassOrder)
{
    WriteFile("DfltRslts/x_1.mix", "one");
    WriteFile("DfltRslts/x_2.mix", "two");
    WriteFile("DfltRslts/x_3.mix", std::string("three\xff", 6));
    fs::create_directories(Path("Saved"));
    EXPECT_EQ(m_pFiles->CopyFromDirToDir(Path("DfltRslts/").c_str(), Path("Saved/").c_str(), "lesson", "mix"), 0);
    EXPECT_EQ(Names("Saved"), (std::vector<std::string>{"lesson_1.mix", "lesson_2.mix", "lesson_3.mix"}));
    EXPECT_EQ(ReadFile("Saved/lesson_3.mix"), std::string("three\xff", 6));
    EXPECT_EQ(Names("DfltRslts").size(), 3u);

    // Past nine passes the numbers still follow the passes, not the letters of the names.
    for (int k = 4; k <= 12; ++k)
        WriteFile("DfltRslts/x_" + std::to_string(k) + ".mix", "pass " + std::to_string(k));
    fs::create_directories(Path("Saved12"));
    EXPECT_EQ(m_pFiles->CopyFromDirToDir(Path("DfltRslts").c_str(), Path("Saved12").c_str(), "y", "mix"), 0);
    EXPECT_EQ(ReadFile("Saved12/y_10.mix"), "pass 10");
    EXPECT_EQ(ReadFile("Saved12/y_2.mix"), "two");
    EXPECT_EQ(ReadFile("Saved12/y_12.mix"), "pass 12");
}

TEST_F(ResultsFolderTest, CopyingNeverWritesOutsideTheChosenFolder)
{
    WriteFile("DfltRslts/x_1.mix", "one");
    fs::create_directories(Path("Saved"));
    EXPECT_EQ(m_pFiles->CopyFromDirToDir(Path("DfltRslts/").c_str(), Path("Saved/").c_str(), "../escape", "mix"), 1);
    EXPECT_FALSE(fs::exists(Path("escape_1.mix")));
    // A link named like a target is not followed.
    WriteFile("Text/victim.mix", "learner's own");
    ASSERT_EQ(::symlink(Path("Text/victim.mix").c_str(), Path("Saved/s_1.mix").c_str()), 0);
    EXPECT_EQ(m_pFiles->CopyFromDirToDir(Path("DfltRslts/").c_str(), Path("Saved/").c_str(), "s", "mix"), 1);
    EXPECT_EQ(ReadFile("Text/victim.mix"), "learner's own");
    // Saving into the results folder itself leaves the results whole.
    EXPECT_EQ(m_pFiles->CopyFromDirToDir(Path("DfltRslts/").c_str(), Path("DfltRslts/").c_str(), "x", "mix"), 0);
    EXPECT_EQ(ReadFile("DfltRslts/x_1.mix"), "one");
}

TEST_F(ResultsFolderTest, SaveResultsAsAfterThreePassesWritesName1To3)
{
    OpenAndRunPasses(3);
    EXPECT_EQ(g_pIItrtnSrvc->GetIterationNmb(), 3);
    fs::create_directories(Path("Mine"));
    m_View.dialogs.saveAnswers.push_back(Path("Mine/food.mix"));
    EXPECT_EQ(m_pFiles->SaveResultsAs(&m_View), 0);
    EXPECT_EQ(m_View.dialogs.lastDefaultExt, "mix");
    EXPECT_EQ(Names("Mine"), (std::vector<std::string>{"food_1.mix", "food_2.mix", "food_3.mix"}));
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(ReadFile("Mine/food_" + std::to_string(k) + ".mix"), "*pass " + std::to_string(k) + "\n=marks\n");
    EXPECT_TRUE(m_View.dialogs.overwriteAsked.empty());
    EXPECT_TRUE(m_View.dialogs.problems.empty());
    EXPECT_EQ(Log(), "");
}

TEST_F(ResultsFolderTest, SaveResultsAsAsksBeforeReplacingNumberedFiles)
{
    OpenAndRunPasses(2);
    WriteFile("Mine/food_2.mix", "older results");
    m_View.dialogs.confirmOverwrite = false;
    m_View.dialogs.saveAnswers.push_back(Path("Mine/food.mix"));
    m_pFiles->SaveResultsAs(&m_View);
    ASSERT_EQ(m_View.dialogs.overwriteAsked.size(), 1u);
    EXPECT_EQ(m_View.dialogs.overwriteAsked[0], std::vector<std::string>{Path("Mine/food_2.mix")});
    EXPECT_EQ(Names("Mine"), std::vector<std::string>{"food_2.mix"});
    EXPECT_EQ(ReadFile("Mine/food_2.mix"), "older results");

    m_View.dialogs.confirmOverwrite = true;
    m_View.dialogs.saveAnswers.push_back(Path("Mine/food.mix"));
    m_pFiles->SaveResultsAs(&m_View);
    EXPECT_EQ(ReadFile("Mine/food_2.mix"), "*pass 2\n=marks\n");

    m_View.dialogs.saveAnswers.push_back(std::nullopt);
    EXPECT_EQ(m_pFiles->SaveResultsAs(&m_View), 0);
    EXPECT_EQ(m_View.dialogs.overwriteAsked.size(), 2u);
}

// Mended: a folder the results cannot be written into no longer ends the program, and the
// results stay where the next attempt finds them.
TEST_F(ResultsFolderTest, SaveResultsAsIntoAnUnwritableFolderIsReportedAndLosesNothing)
{
    OpenAndRunPasses(2);
    const auto before = Snapshot();
    WriteFile("NotAFolder", "a file where the folder should be");
    m_View.dialogs.saveAnswers.push_back(Path("NotAFolder/food.mix"));
    m_View.dialogs.saveAnswers.push_back(Path("Missing/food.mix"));
    EXPECT_EQ(m_pFiles->SaveResultsAs(&m_View), 0);
    EXPECT_EQ(m_pFiles->SaveResultsAs(&m_View), 0);

    const std::string line = "\nCUtltsFile::CopyFromDirToDir(), error, m_in = ....== NULL)";
    EXPECT_EQ(Log(), line + line);
    ASSERT_EQ(m_View.dialogs.problems.size(), 2u);
    EXPECT_EQ(m_View.dialogs.problems[0].first, FileProblem::CannotSave);
    EXPECT_EQ(m_View.dialogs.problems[0].second, Path("NotAFolder/"));
    EXPECT_EQ(Names("DfltRslts"), (std::vector<std::string>{"Lesson_1.mix", "Lesson_2.mix"}));
    EXPECT_EQ(ReadFile("DfltRslts/Lesson_2.mix"), "*pass 2\n=marks\n");
    EXPECT_EQ(std::string(m_pFiles->GetFilePath()), Path("Text/Lesson.mix"));
    EXPECT_EQ(g_pIItrtnSrvc->GetIterationStatus(), ITERATION_STATUS_NEXT);
    EXPECT_EQ(g_pIItrtnSrvc->GetIterationNmb(), 2);
    EXPECT_FALSE(fs::exists(Path("Missing")));

    // The learner picks another folder and the same results are saved.
    fs::create_directories(Path("Mine"));
    m_View.dialogs.saveAnswers.push_back(Path("Mine/food.mix"));
    m_pFiles->SaveResultsAs(&m_View);
    EXPECT_EQ(Names("Mine"), (std::vector<std::string>{"food_1.mix", "food_2.mix"}));
}

TEST_F(ResultsFolderTest, SaveResultsAsIntoATooDeepFolderIsRefusedBeforeWriting)
{
    OpenAndRunPasses(1);
    // The chosen name fits; the numbered name it makes does not.
    const std::string dir = Path("Mine/");
    const std::string base(plat::kMaxPath - 1 - dir.size() - 4, 'n');
    m_View.dialogs.saveAnswers.push_back(dir + base + ".mix");
    fs::create_directories(Path("Mine"));
    EXPECT_EQ(m_pFiles->SaveResultsAs(&m_View), 0);
    EXPECT_EQ(Log(), "\nCUtltsFile::SaveResultsAs(), error, path too long");
    ASSERT_EQ(m_View.dialogs.problems.size(), 1u);
    EXPECT_EQ(m_View.dialogs.problems[0].first, FileProblem::PathTooLong);
    EXPECT_TRUE(Names("Mine").empty());
}

TEST_F(ResultsFolderTest, SaveResultsAsBeforeAnyFileWasOpenedCopiesNothing)
{
    WriteFile("keep.txt", "a file of the program folder");
    fs::create_directories(Path("Mine"));
    m_View.dialogs.saveAnswers.push_back(Path("Mine/food.mix"));
    EXPECT_EQ(m_pFiles->SaveResultsAs(&m_View), 0);
    EXPECT_TRUE(Names("Mine").empty());
    EXPECT_TRUE(m_View.dialogs.problems.empty());
}

// The Save dialog proposes a folder of the learner's, with the opened file's name: the results
// folder of the settings, else the documents folder, else his home; never a folder of the
// shipped texts, where saved results would stand among the phrase-book's topics.
TEST_F(ResultsFolderTest, SaveResultsAsProposesAFolderOfTheLearnersNeverTheShippedTexts)
{
    OpenAndRunPasses(1);
    for (const char* dir : {"Mine", "Docs", "Home/Documents", "Home2", "Text/Guide"})
        fs::create_directories(Path(dir));
    // The setting, XDG_DOCUMENTS_DIR, HOME, and the folder proposed.
    const char* const cases[][4] = {{"Mine", "Docs", "Home", "Mine"}, {"", "Docs", "Home", "Docs"},
        {"", "", "Home", "Home/Documents"}, {"Text/Guide", "Text", "Home2", "Home2"}};
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    for (const auto& c : cases) {
        ::setenv("XDG_DOCUMENTS_DIR", *c[1] ? Path(c[1]).c_str() : "", 1);
        ::setenv("HOME", Path(c[2]).c_str(), 1);
        ASSERT_TRUE(rslts::WriteResultsFolder(*c[0] ? Path(c[0]) : ""));
        m_View.dialogs.saveInitial.clear();
        m_pFiles->SaveResultsAs(&m_View); // cancelled
        EXPECT_EQ(m_View.dialogs.saveInitial, std::vector<std::string>{Path(c[3]) + "/Lesson"});
    }
    ::unsetenv("XDG_DOCUMENTS_DIR");
    ::setenv("HOME", home.c_str(), 1);
}
