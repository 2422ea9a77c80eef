// The file utilities: the program folder, names, the Open dialog and showing a file, scrolling.
#include "base/Globals.h"
#include "engine/IItrtnSrvc.h"
#include "engine/IterationGlobals.h"
#include "platform/PlatFs.h"
#include "tests/FileTestSupport.h"
#include "texts/CUtltsFile.h"

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {
// Lines of 100 bytes, numbered, so that any position names its line.
std::string Lines(int count)
{
    std::string s;
    for (int i = 0; i < count; ++i) {
        char line[101];
        std::snprintf(line, sizeof line, "%05d%094d\n", i, 0);
        s += line;
    }
    return s;
}
} // namespace

class UtltsFileTest : public FilesTest {};

TEST_F(UtltsFileTest, InitMakesTheProgramFolderCurrentAndEmptiesTheResults)
{
    delete m_pFiles;
    WriteFile("DfltRslts/old_1.mix", "*a\n=b\n");
    WriteFile("DfltRslts/old_2.mix", "*c\n=d\n");
    plat::SetCurrentDir("/");
    m_pFiles = new CUtltsFile((m_Dir + "/").c_str());
    g_pIUtltsFile = m_pFiles;
    ASSERT_EQ(m_pFiles->Init(), 0);
    EXPECT_STREQ(m_pFiles->GetPrgrmDir(), m_Dir.c_str());
    EXPECT_EQ(plat::CurrentDir(), fs::canonical(m_Dir).string());
    EXPECT_EQ(std::string(m_pFiles->GetCutFileName()), m_Dir + "/current.cut");
    EXPECT_TRUE(fs::is_empty(Path("DfltRslts")));
    EXPECT_STREQ(m_pFiles->GetFilePath(), "");
    EXPECT_STREQ(m_pFiles->GetCurrentFileName(), "");

    // Without a folder of its own it takes the executable's.
    CUtltsFile real;
    ASSERT_EQ(real.Init(), 0);
    EXPECT_EQ(std::string(real.GetPrgrmDir()), plat::ExeDir());
    plat::SetCurrentDir(m_Dir);
}

TEST_F(UtltsFileTest, InitEndsTheProgramWithoutALineWhenTheFolderCannotBeEntered)
{
    CUtltsFile missing(Path("no such folder").c_str());
    EXPECT_EXIT(missing.Init(), ::testing::ExitedWithCode(1), "");
    CUtltsFile tooLong(("/" + std::string(plat::kMaxPath, 'x')).c_str());
    EXPECT_EXIT(tooLong.Init(), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "");
}

TEST_F(UtltsFileTest, NamesSplitAtTheFirstDot)
{
    std::string name, ext;
    EXPECT_EQ(m_pFiles->CalcltFileNameAndExt("notes.old.mix", name, ext), 0);
    EXPECT_EQ(name, "notes");
    EXPECT_EQ(ext, "old.mix");
    m_pFiles->CalcltFileNameAndExt("README", name, ext);
    EXPECT_EQ(name, "README");
    EXPECT_EQ(ext, "");
    m_pFiles->CalcltFileNameAndExt("01 Food and drink.mix", name, ext);
    EXPECT_EQ(name, "01 Food and drink");
    EXPECT_EQ(ext, "mix");
}

TEST_F(UtltsFileTest, SettersRefuseAPathThatDoesNotFitAndKeepTheOldOne)
{
    EXPECT_EQ(m_pFiles->SetFilePath("/some/where/a.mix"), 0);
    EXPECT_EQ(m_pFiles->SetFilePath(std::string(plat::kMaxPath, 'p').c_str()), 1);
    EXPECT_STREQ(m_pFiles->GetFilePath(), "/some/where/a.mix");
    EXPECT_EQ(m_pFiles->SetFilePath(std::string(plat::kMaxPath - 1, 'p').c_str()), 0);
    EXPECT_EQ(Log(), "\nCUtltsFile::SetFilePath(), error, path too long");
}

TEST_F(UtltsFileTest, OpeningShowsTheFirstScreenAndSetsScrollSizesAndCaption)
{
    const std::string body = Lines(200); // 20000 bytes
    WriteFile("Text/Lesson.mix", body);
    m_pFiles->SetFilePath("/last/opened.mix");
    m_View.dialogs.openAnswers.push_back(Path("Text/Lesson.mix"));
    EXPECT_EQ(m_pFiles->OpenFile(&m_View), 0);

    EXPECT_EQ(m_View.dialogs.openInitial, std::vector<std::string>{"/last/opened.mix"});
    EXPECT_EQ(m_View.dialogs.lastFilter, CUtltsFile::kFilter);
    EXPECT_EQ(m_View.text, body.substr(0, 9998));
    EXPECT_EQ(m_View.total, 20000);
    EXPECT_EQ(m_View.page, 2000);
    EXPECT_EQ(m_View.line, 200);
    EXPECT_EQ(m_View.caption, "Lexido - Lesson.mix");

    EXPECT_EQ(std::string(m_pFiles->GetFilePath()), Path("Text/Lesson.mix"));
    EXPECT_EQ(std::string(m_pFiles->GetFileDir()), Path("Text/"));
    EXPECT_STREQ(m_pFiles->GetFileName(), "Lesson.mix");
    EXPECT_STREQ(m_pFiles->GetFileNameNoExt(), "Lesson");
    EXPECT_STREQ(m_pFiles->GetFileExt(), "mix");
    EXPECT_EQ(std::string(m_pFiles->GetCurrentFileName()), Path("Text/Lesson.mix"));
    EXPECT_EQ(g_pIItrtnSrvc->GetIterationStatus(), ITERATION_STATUS_FIRST);
    EXPECT_EQ(std::string(g_pIItrtnSrvc->GetRsltsDir()), m_Dir + "/DfltRslts/");
    EXPECT_EQ(Log(), "");
}

TEST_F(UtltsFileTest, CancellingKeepsEveryFieldButStillSetsTheCaption)
{
    WriteFile("Text/a.mix", "*a\n=b\n");
    m_View.dialogs.openAnswers.push_back(Path("Text/a.mix"));
    m_pFiles->OpenFile(&m_View);
    m_View.text = "kept";
    m_View.caption.clear();
    m_View.dialogs.openAnswers.push_back(std::nullopt);
    EXPECT_EQ(m_pFiles->OpenFile(&m_View), 0);
    EXPECT_EQ(std::string(m_pFiles->GetFilePath()), Path("Text/a.mix"));
    EXPECT_STREQ(m_pFiles->GetFileName(), "a.mix");
    EXPECT_EQ(m_View.text, "kept");
    EXPECT_EQ(m_View.caption, "Lexido - a.mix");
}

// Mended: a picked file that cannot be read no longer ends the program.
TEST_F(UtltsFileTest, APickedFileThatCannotBeOpenedIsReportedAndChangesNothing)
{
    WriteFile("Text/good.mix", "*a\n=b\n*c\n=d\n");
    WriteFile("Other/x.mix", "*x\n=y\n");
    m_View.dialogs.openAnswers.push_back(Path("Text/good.mix"));
    m_pFiles->OpenFile(&m_View);
    g_pIItrtnSrvc->SetIterationStatus(ITERATION_STATUS_NEXT);
    m_View.text = "shown";

    m_View.dialogs.openAnswers.push_back(Path("Other/removed meanwhile.mix"));
    m_View.dialogs.openAnswers.push_back(Path("Other"));
    EXPECT_EQ(m_pFiles->OpenFile(&m_View), 0);
    EXPECT_EQ(m_pFiles->OpenFile(&m_View), 0);

    const std::string line = "\nCSmrtFile::sf_fopen(), error, Cannot open input file"
                             "\n, CDrill_SdiView::OnSlfileFirstFileOpen(), error after pISf->sf_fopen ()";
    EXPECT_EQ(Log(), line + line);
    ASSERT_EQ(m_View.dialogs.problems.size(), 2u);
    EXPECT_EQ(m_View.dialogs.problems[0].first, FileProblem::CannotOpen);
    EXPECT_EQ(m_View.dialogs.problems[0].second, Path("Other/removed meanwhile.mix"));
    EXPECT_EQ(std::string(m_pFiles->GetFilePath()), Path("Text/good.mix"));
    EXPECT_EQ(std::string(m_pFiles->GetFileDir()), Path("Text/"));
    EXPECT_STREQ(m_pFiles->GetFileNameNoExt(), "good");
    EXPECT_EQ(std::string(m_pFiles->GetCurrentFileName()), Path("Text/good.mix"));
    EXPECT_EQ(m_pFiles->NxtPrFlSrvc().FileList(), std::vector<std::string>{Path("Text/good.mix")});
    EXPECT_EQ(g_pIItrtnSrvc->GetIterationStatus(), ITERATION_STATUS_NEXT);
    EXPECT_EQ(m_View.text, "shown");
    EXPECT_EQ(m_View.caption, "Lexido - good.mix");
}

TEST_F(UtltsFileTest, APathThatDoesNotFitIsRefusedNeverCut)
{
    m_View.dialogs.openAnswers.push_back(Path(std::string(plat::kMaxPath, 'L') + ".mix"));
    EXPECT_EQ(m_pFiles->OpenFile(&m_View), 0);
    EXPECT_EQ(Log(), "\nCUtltsFile::OpenFile(), error, path too long");
    ASSERT_EQ(m_View.dialogs.problems.size(), 1u);
    EXPECT_EQ(m_View.dialogs.problems[0].first, FileProblem::PathTooLong);
    EXPECT_STREQ(m_pFiles->GetFilePath(), "");

    MakeLog();
    const std::string deep(plat::kMaxPath, 'd');
    EXPECT_EQ(m_pFiles->OpenFile_for_Phrase_book(&m_View, deep.c_str(), "01 Food and drink.mix"), 0);
    EXPECT_EQ(Log(), "\nCUtltsFile::OpenFile_for_Phrase_book(), error, strlen (pszOpenDirLocalPath) + "
                     "strlen (pszOpenDirLocalPath) + 1) >= MAX_FILE_PATH_SZ");
    EXPECT_EQ(m_View.dialogs.openInitial.size(), 1u); // no dialog for the refused one
}

TEST_F(UtltsFileTest, ThePhraseBookDialogStartsInItsTopicFolder)
{
    const std::string folder = "Text\\Conversational Guide\\English_German\\";
    WriteFile("Text/Conversational Guide/English_German/01 Food and drink.mix", "* bread\n= Brot\n");
    WriteFile("Text/Conversational Guide/English_German/02 At the hotel.mix", "* room\n= Zimmer\n");
    const std::string first = m_Dir + "/Text/Conversational Guide/English_German/01 Food and drink.mix";
    m_View.dialogs.openAnswers.push_back(first);
    EXPECT_EQ(m_pFiles->OpenFile_for_Phrase_book(&m_View, folder.c_str(), "01 Food and drink.mix"), 0);
    EXPECT_EQ(m_View.dialogs.openInitial, std::vector<std::string>{first});
    EXPECT_EQ(m_View.text, "* bread\n= Brot\n");
    EXPECT_EQ(m_pFiles->HasNextFile(), 1);
    EXPECT_EQ(m_pFiles->HasPreviousFile(), 0);
    EXPECT_EXIT(m_pFiles->OpenFile_for_Phrase_book(nullptr, folder.c_str(), "x.mix"), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCUtltsFile::OpenFile_for_Phrase_book(), error, pCScrollView == 0");
}

TEST_F(UtltsFileTest, ScrollingShowsTheFileFromTheLineAfterThePosition)
{
    const std::string body = Lines(300); // 30000 bytes
    WriteFile("Text/long.mix", body);
    m_View.dialogs.openAnswers.push_back(Path("Text/long.mix"));
    m_pFiles->OpenFile(&m_View);

    EXPECT_EQ(m_pFiles->ScrallViewFile(&m_View, 5, 0, nullptr), 0);
    EXPECT_EQ(m_View.text, body.substr(0, 9998));
    m_pFiles->ScrallViewFile(&m_View, 5, 15000, nullptr); // the start of line 150: shown from 151
    EXPECT_EQ(m_View.text, body.substr(15100, 9998));
    m_pFiles->ScrallViewFile(&m_View, 5, 15050, nullptr);
    EXPECT_EQ(m_View.text, body.substr(15100, 9998));
    m_pFiles->ScrallViewFile(&m_View, 7, 30000, nullptr);
    EXPECT_EQ(m_View.text, "");
    m_pFiles->ScrallViewFile(&m_View, 5, -40, nullptr);
    EXPECT_EQ(m_View.text, body.substr(0, 9998));
    EXPECT_EQ(Log(), "");
}

TEST_F(UtltsFileTest, ScrollingAFileThatIsGoneLeavesTheView)
{
    WriteFile("Text/gone.mix", "*a\n=b\n");
    m_View.dialogs.openAnswers.push_back(Path("Text/gone.mix"));
    m_pFiles->OpenFile(&m_View);
    fs::remove(Path("Text/gone.mix"));
    m_View.text = "as it was";
    EXPECT_EQ(m_pFiles->ScrallViewFile(&m_View, 1, 3, nullptr), 0);
    EXPECT_EQ(m_View.text, "as it was");
    EXPECT_EQ(Log(), "\nCSmrtFile::sf_fopen(), error, Cannot open input file"
                     "\n,CUtltsFile::ScrallViewFile(), error after fopen(...)");
}

TEST_F(UtltsFileTest, AnEmptyFileShowsNothingWithZeroSizes)
{
    WriteFile("Text/empty.mix", "");
    m_View.dialogs.openAnswers.push_back(Path("Text/empty.mix"));
    m_pFiles->OpenFile(&m_View);
    EXPECT_EQ(m_View.clears, 1);
    EXPECT_EQ(m_View.text, "");
    EXPECT_EQ(m_View.total, 0);
    m_pFiles->ScrallViewFile(&m_View, 5, 10, nullptr);
    EXPECT_EQ(m_View.text, "");
}

TEST_F(UtltsFileTest, ScrollingALineLongerThanTheScreenShowsFromThePositionItself)
{
    std::string body;
    for (int i = 0; i < 50000; ++i)
        body.push_back(static_cast<char>('a' + i % 26));
    body += "\nlast line\n";
    WriteFile("Text/oneline.mix", body);
    m_View.dialogs.openAnswers.push_back(Path("Text/oneline.mix"));
    m_pFiles->OpenFile(&m_View);
    m_pFiles->ScrallViewFile(&m_View, 5, 20000, nullptr);
    EXPECT_EQ(m_View.text, body.substr(20000, 9998));
    // Within a screen of the line end the next line still starts the view.
    m_pFiles->ScrallViewFile(&m_View, 5, 45000, nullptr);
    EXPECT_EQ(m_View.text, "last line\n");
}
