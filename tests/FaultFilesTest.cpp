// Files and folders that change or vanish under the program: a phrase file cut or removed while
// it is read, a missing results or Text/ folder, a results folder of thousands of files.
#include "base/Globals.h"
#include "platform/PlatFs.h"
#include "tests/FileTestSupport.h"
#include "texts/CPhraseReader.h"
#include "texts/CSmrtFile_Nrml.h"
#include "texts/CUtltsFile.h"

#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {
// Phrases of about 100 bytes, numbered: well past one read-ahead block of 64 KiB.
std::string Phrases(int count)
{
    std::string s;
    for (int i = 0; i < count; ++i) {
        char rec[128];
        std::snprintf(rec, sizeof rec, "* phrase %05d %040d\n= Satz %05d %040d\n", i, 0, i, 0);
        s += rec;
    }
    return s;
}

// Reads n records; false when the file ends first.
bool ReadSome(CPhraseReader& reader, int n)
{
    char first[MAX_PHRASE_FIELD_SZ], second[MAX_PHRASE_FIELD_SZ];
    for (int i = 0; i < n; ++i)
        if (!reader.ReadRecord(first, second))
            return false;
    return true;
}

// Reads records until the reader stops; the count. Fails the test on a loop or a text that
// overran its field.
int ReadOn(CPhraseReader& reader, int limit)
{
    char first[MAX_PHRASE_FIELD_SZ], second[MAX_PHRASE_FIELD_SZ];
    int n = 0;
    while (reader.ReadRecord(first, second)) {
        EXPECT_LT(std::strlen(first), static_cast<std::size_t>(MAX_PHRASE_FIELD_SZ));
        EXPECT_LT(std::strlen(second), static_cast<std::size_t>(MAX_PHRASE_FIELD_SZ));
        if (++n > limit) {
            ADD_FAILURE() << "the reading does not end";
            break;
        }
    }
    return n;
}
} // namespace

class FaultFilesTest : public FilesTest {};

TEST_F(FaultFilesTest, APhraseFileCutOrRemovedWhileReadEndsTheReadingCleanly)
{
    const std::string bytes = Phrases(3000);
    for (const std::uintmax_t cutTo : {std::uintmax_t{0}, std::uintmax_t{100}, std::uintmax_t{70000}}) {
        WriteFile("Text/Lesson.mix", bytes);
        CSmrtFile_Nrml file;
        ASSERT_EQ(file.sf_fopen(Path("Text/Lesson.mix").c_str(), "rb"), 0);
        CPhraseReader reader(file);
        ASSERT_TRUE(ReadSome(reader, 6));
        fs::resize_file(Path("Text/Lesson.mix"), cutTo);
        // What was read ahead is still delivered; then the shortened file simply ends.
        const int rest = ReadOn(reader, 3000);
        EXPECT_LE(rest, 3000 - 6);
        EXPECT_TRUE(file.sf_feof()) << cutTo;
        file.sf_fclose();
    }

    // Removed while open: the open file reads to its end; opening it again fails with the line.
    WriteFile("Text/Lesson.mix", bytes);
    CSmrtFile_Nrml file;
    ASSERT_EQ(file.sf_fopen(Path("Text/Lesson.mix").c_str(), "rb"), 0);
    CPhraseReader reader(file);
    fs::remove(Path("Text/Lesson.mix"));
    EXPECT_EQ(ReadOn(reader, 3000), 3000);
    file.sf_fclose();
    CSmrtFile_Nrml again;
    EXPECT_EQ(again.sf_fopen(Path("Text/Lesson.mix").c_str(), "rb"), 1);
    EXPECT_NE(Log().find("\nCSmrtFile::sf_fopen(), error, Cannot open input file"), std::string::npos);
}

TEST_F(FaultFilesTest, AMissingResultsFolderIsLoggedAndNeverMade)
{
    fs::remove_all(Path("DfltRslts"));
    MakeLog();
    EXPECT_EQ(m_pFiles->DeleteAllFilesInDir(Path("DfltRslts/").c_str()), 0);
    EXPECT_EQ(Log(), "CBsPrgr::MakeListOfAllDfltRsltsFiles(),error, pChar  == 0, CInstll::MakeListOfAllFilesWithExt()"
                     "CUtltsFile::DeleteAllFilesInDir(), error,!MakeListOfAllDfltRsltsFiles(l_DstVector)");
    fs::create_directories(Path("Mine"));
    EXPECT_EQ(m_pFiles->CopyFromDirToDir(Path("DfltRslts/").c_str(), Path("Mine/").c_str(), "food", "mix"), 0);
    EXPECT_TRUE(fs::is_empty(Path("Mine")));
    // A start over it: the file utilities come up and leave the folder missing.
    CUtltsFile next(m_Dir.c_str());
    EXPECT_EQ(next.Init(), 0);
    EXPECT_FALSE(fs::exists(Path("DfltRslts")));
}

TEST_F(FaultFilesTest, AMissingTextFolderReportsThePickedPhraseBookFileAndChangesNothing)
{
    fs::remove_all(Path("Text"));
    const std::string picked = Path("Text/Conversational Guide/En_Fr/01 Food and drink.mix");
    m_View.dialogs.openAnswers.push_back(picked);
    EXPECT_EQ(m_pFiles->OpenFile_for_Phrase_book(&m_View, "Text/Conversational Guide/En_Fr/", "01 Food and drink.mix"), 0);
    ASSERT_EQ(m_View.dialogs.problems.size(), 1u);
    EXPECT_EQ(m_View.dialogs.problems[0].first, FileProblem::CannotOpen);
    EXPECT_STREQ(m_pFiles->GetFilePath(), "");
    EXPECT_FALSE(fs::exists(Path("Text")));
    EXPECT_NE(Log().find("CDrill_SdiView::OnSlfileFirstFileOpen(), error after pISf->sf_fopen ()"), std::string::npos) << Log();
}

TEST_F(FaultFilesTest, AResultsFolderOfThousandsOfFilesIsListedCopiedInOrderAndEmptied)
{
    constexpr int kFiles = 3000;
    for (int i = 1; i <= kFiles; ++i)
        WriteFile("DfltRslts/Lesson_" + std::to_string(i) + ".mix", "*pass " + std::to_string(i) + "\n=x\n");
    const auto start = std::chrono::steady_clock::now();

    std::vector<std::string> list;
    ASSERT_EQ(m_pFiles->MakeListOfAllDfltRsltsFiles(Path("DfltRslts/").c_str(), list), 0);
    ASSERT_EQ(list.size(), static_cast<std::size_t>(kFiles));
    EXPECT_EQ(list.front(), Path("DfltRslts/Lesson_1.mix"));

    fs::create_directories(Path("Mine"));
    EXPECT_EQ(m_pFiles->CopyFromDirToDir(Path("DfltRslts/").c_str(), Path("Mine/").c_str(), "food", "mix"), 0);
    EXPECT_EQ(std::distance(fs::directory_iterator(Path("Mine")), fs::directory_iterator()), kFiles);
    EXPECT_EQ(ReadFile("Mine/food_3000.mix"), "*pass 3000\n=x\n");
    // Copied in pass order, numbers compared by value.
    EXPECT_EQ(ReadFile("Mine/food_2.mix"), "*pass 2\n=x\n");
    EXPECT_EQ(ReadFile("Mine/food_10.mix"), "*pass 10\n=x\n");

    EXPECT_EQ(m_pFiles->DeleteAllFilesInDir(Path("DfltRslts/").c_str()), 0);
    EXPECT_TRUE(fs::is_empty(Path("DfltRslts")));
    EXPECT_EQ(std::distance(fs::directory_iterator(Path("Mine")), fs::directory_iterator()), kFiles);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}
