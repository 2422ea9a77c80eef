// The text makers on small sources of our own: the byte layout they write, the cases a learner's
// edit can break, and the fatal ends (log line, exit code 1, no phrase file left behind).
#include "base/Globals.h"
#include "platform/PlatFs.h"
#include "settings/CLsnAFc.h"
#include "tests/FakeUtltsFile.h"
#include "tests/FileTestSupport.h"
#include "tests/TestProgramFolder.h"
#include "texts/CAliceTxtMkr.h"
#include "texts/CCgTxtMkr.h"
#include "texts/CSmrtFile_HideText.h"
#include "texts/CSmrtFile_Nrml.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {
const char* const kFirst = "/Settings/Texts_Src/T/first.txt";
const char* const kSecond = "/Settings/Texts_Src/T/second.txt";
const char* const kOutput = "/Text/T/out.mix";

void ReplaceAll(std::string& s, const std::string& from, const std::string& to)
{
    for (std::size_t p = s.find(from); p != std::string::npos; p = s.find(from, p + to.size()))
        s.replace(p, from.size(), to);
}
} // namespace

class TxtMkrTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        MakeLog();
        m_Files = std::make_unique<FakeUtltsFile>(m_Dir);
        g_pIUtltsFile = m_Files.get();
        fs::create_directories(Path("Text/T"));
    }
    void TearDown() override
    {
        g_pIUtltsFile = nullptr;
        ProgramFolderTest::TearDown();
    }

    // Pairs the two sources with a plain maker and gives the phrase file written.
    std::string Make(const std::string& first, const std::string& second)
    {
        WriteFile("Settings/Texts_Src/T/first.txt", first);
        WriteFile("Settings/Texts_Src/T/second.txt", second);
        CAliceTxtMkr maker;
        maker.SetNrmlOutput();
        EXPECT_EQ(maker.MakeOneMixFile(kFirst, kSecond, kOutput), 0);
        return ReadFile("Text/T/out.mix");
    }

    // The making ends the program with exactly this log; nothing is left in Text/T/ but what
    // was there before.
    void ExpectMakingFails(const std::string& first, const std::string& second, const std::string& log,
                           int mode = CTxtMkr::kNrmlOutput)
    {
        WriteFile("Settings/Texts_Src/T/first.txt", first);
        WriteFile("Settings/Texts_Src/T/second.txt", second);
        const auto before = Listing("Text/T");
        CAliceTxtMkr maker;
        if (mode == CTxtMkr::kNrmlOutput)
            maker.SetNrmlOutput();
        EXPECT_EXIT(maker.MakeOneMixFile(kFirst, kSecond, kOutput), ::testing::ExitedWithCode(1), "");
        EXPECT_EQ(Log(), log);
        EXPECT_EQ(Listing("Text/T"), before);
        MakeLog();
    }

    // Names and contents of the files in a folder below the program folder.
    std::vector<std::pair<std::string, std::string>> Listing(const std::string& rel) const
    {
        std::vector<std::pair<std::string, std::string>> out;
        for (const auto& e : fs::directory_iterator(Path(rel)))
            out.emplace_back(e.path().filename().string(), ReadWholeFile(e.path().string()));
        std::sort(out.begin(), out.end());
        return out;
    }

    std::string MismatchLine(const std::string& n1, const std::string& n2) const
    {
        return "\nCAliceTxtMkr::UnfastenText(), errtor, record numbers don't coincide, \n in 1-st file [" + m_Dir +
               kFirst + "] \n rec [" + n1 + "], \n in 2-st file [" + m_Dir + kSecond + "] \n rec [" + n2 + "]";
    }

    std::unique_ptr<FakeUtltsFile> m_Files;
};

TEST_F(TxtMkrTest, TwoRecordsGiveTwoPhrasesWithoutFinalLineEnd)
{
    const std::string mix = Make("# 1\r\nA\r\n# 2\r\nC\r\n", "# 1\r\nB\r\n# 2\r\nD\r\n");
    EXPECT_EQ(mix, "* A\n= B\n* C\n= D");
    CSmrtFile_Nrml f;
    EXPECT_EQ(ReadPhrases(f, Path("Text/T/out.mix")), (PhrasePairs{{"A", "B"}, {"C", "D"}}));
}

TEST_F(TxtMkrTest, EmptyRecordsWriteTheirMarkersOnly)
{
    EXPECT_EQ(Make("# 1\r\n# 2\r\nC\r\n", "# 1\r\nB\r\n# 2\r\nD\r\n"), "* \n= B\n* C\n= D");
    EXPECT_EQ(Make("# 1\r\nA\r\n# 2\r\nC\r\n", "# 1\r\n# 2\r\nD\r\n"), "* A\n= * C\n= D");
}

TEST_F(TxtMkrTest, DifferingRecordNumberStopsAtItsRecord)
{
    ExpectMakingFails("# 1\r\nA\r\n# 2\r\nB\r\n# 3\r\nC\r\n", "# 1\r\na\r\n# 2\r\nb\r\n# 4\r\nc\r\n", MismatchLine("3", "4"));
}

TEST_F(TxtMkrTest, FailedMakingKeepsThePreviousPhraseFileWhole)
{
    WriteFile("Text/T/out.mix", "* old\n= alt");
    ExpectMakingFails("# 1\r\nA\r\n# 2\r\nB\r\n", "# 1\r\na\r\n# 3\r\nb\r\n", MismatchLine("2", "3"));
    // Hidden, with full blocks already written when the making stops.
    ExpectMakingFails("# 1\r\nA\r\n# 2\r\nB\r\n", "# 1\r\n" + std::string(200, 'x') + "\r\n# 3\r\nb\r\n",
                      MismatchLine("2", "3"), CTxtMkr::kCodedOutput);
    EXPECT_EQ(ReadFile("Text/T/out.mix"), "* old\n= alt");
    // A successful making replaces it whole, and leaves no temporary beside it.
    EXPECT_EQ(Make("# 1\r\nA\r\n", "# 1\r\na\r\n"), "* A\n= a");
    EXPECT_EQ(Listing("Text/T").size(), 1u);
}

TEST_F(TxtMkrTest, MakingNeverWritesThroughALinkAtTheTemporaryName)
{
    WriteFile("outside.txt", "keep");
    fs::create_symlink(Path("outside.txt"), Path("Text/T/out.mix.tmp"));
    EXPECT_EQ(Make("# 1\r\nA\r\n", "# 1\r\na\r\n"), "* A\n= a");
    EXPECT_EQ(ReadFile("outside.txt"), "keep");
}

// Every case of tests/data/sources: the exact phrase file, or the log line of the fatal end.
TEST_F(TxtMkrTest, BrokenAndUnusualSources)
{
    std::vector<fs::path> cases;
    for (const auto& e : fs::directory_iterator(std::string(LEXIDO_TEST_DATA_DIR) + "/sources"))
        if (e.is_directory())
            cases.push_back(e.path());
    std::sort(cases.begin(), cases.end());
    ASSERT_GE(cases.size(), 20u);
    for (const fs::path& c : cases) {
        SCOPED_TRACE(c.filename().string());
        const std::string first = ReadWholeFile((c / "first.txt").string());
        const std::string second = ReadWholeFile((c / "second.txt").string());
        fs::remove(Path("Text/T/out.mix"));
        if (fs::exists(c / "expect.log")) {
            std::string log = ReadWholeFile((c / "expect.log").string());
            ReplaceAll(log, "@DIR@", m_Dir);
            ExpectMakingFails(first, second, log);
            EXPECT_FALSE(fs::exists(Path("Text/T/out.mix")));
        } else {
            EXPECT_EQ(Make(first, second), ReadWholeFile((c / "expect.mix").string()));
            EXPECT_EQ(Log(), "");
        }
    }
}

TEST_F(TxtMkrTest, HiddenOutputReadsBackToThePlainPhrases)
{
    std::string first = "#", second = "#";
    for (int i = 1; i <= 30; ++i) {
        const std::string n = " " + std::to_string(i) + "\r\n";
        first += n + "Phrase number " + std::to_string(i) + ", \xe9t\xe9 \xfc\xdf\r\nsecond line\r\n#";
        second += n + "\xd4\xf0\xe0\xe7\xe0 \xff " + std::to_string(i) + "\r\n#";
    }
    first.pop_back();
    second.pop_back();
    const std::string plain = Make(first, second);

    CAliceTxtMkr maker; // a new maker hides: mode 2 is its default
    EXPECT_EQ(maker.GetOutputMode(), CTxtMkr::kCodedOutput);
    EXPECT_EQ(maker.MakeOneMixFile(kFirst, kSecond, "/Text/T/hidden.mix"), 0);
    const std::string hidden = ReadFile("Text/T/hidden.mix");
    EXPECT_EQ(hidden.size(), plain.size());
    EXPECT_NE(hidden.substr(0, 64), plain.substr(0, 64));

    CSmrtFile_Nrml p;
    CSmrtFile_HideText h;
    const PhrasePairs phrases = ReadPhrases(p, Path("Text/T/out.mix"));
    ASSERT_EQ(phrases.size(), 30u);
    EXPECT_EQ(phrases[29].first, "Phrase number 30, \xe9t\xe9 \xfc\xdf\nsecond line");
    EXPECT_EQ(phrases[29].second, "\xd4\xf0\xe0\xe7\xe0 \xff 30");
    EXPECT_EQ(ReadPhrases(h, Path("Text/T/hidden.mix")), phrases);

    maker.SetNrmlOutput();
    EXPECT_EQ(maker.MakeOneMixFile(kFirst, kSecond, "/Text/T/again.mix"), 0);
    EXPECT_EQ(ReadFile("Text/T/again.mix"), plain);
    maker.SetCodedOutput();
    EXPECT_EQ(maker.MakeOneMixFile(kFirst, kSecond, "/Text/T/again.mix"), 0);
    EXPECT_EQ(ReadFile("Text/T/again.mix"), hidden);
}

TEST_F(TxtMkrTest, MissingFilesAndFoldersEndTheProgram)
{
    WriteFile("Settings/Texts_Src/T/first.txt", "# 1\r\nA\r\n");
    WriteFile("Settings/Texts_Src/T/second.txt", "# 1\r\na\r\n");
    CAliceTxtMkr maker;
    maker.SetNrmlOutput();

    EXPECT_EXIT(maker.MakeOneMixFile(kFirst, kSecond, "/Text/None/out.mix"), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCAliceTxtMkr::UnfastenText(), File opening error [" + m_Dir + "/Text/None/out.mix]");
    MakeLog();

    EXPECT_EXIT(maker.MakeOneMixFile("/Settings/Texts_Src/T/none.txt", kSecond, kOutput), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nFile opening error [" + m_Dir + "/Settings/Texts_Src/T/none.txt] , CLexer::CLexer()"
                     "\n open error: No such file or directory\n");
    MakeLog();

    EXPECT_EXIT(maker.MakeOneMixFile(kFirst, "/Settings/Texts_Src/T", kOutput), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCAliceTxtMkr::UnfastenText(), instead of # there is wrong symbol []");
    MakeLog();

    // A path past the platform's limit is refused (never cut) without ending the program.
    const std::size_t room = plat::kMaxAtomicPath - m_Dir.size();
    std::string deep = "/Text/T";
    while (deep.size() + 211 < room)
        deep += "/" + std::string(200, 'd');
    fs::create_directories(Path(deep.substr(1)));
    const std::string fits = deep + "/" + std::string(room - deep.size() - 1, 'm');
    EXPECT_EQ(maker.MakeOneMixFile(kFirst, kSecond, (fits + "m").c_str()), 1);
    EXPECT_EQ(Log(), "\nCAliceTxtMkr::UnfastenText(), File opening error [" + (m_Dir + fits).substr(0, 900) + "...]");
    EXPECT_EQ(maker.MakeOneMixFile(kFirst, kSecond, fits.c_str()), 0);
    MakeLog();

    g_pIUtltsFile = nullptr;
    EXPECT_EXIT(maker.MakeOneMixFile(kFirst, kSecond, kOutput), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCAliceTxtMkr::UnfastenText(), error, g_pIUtltsFile == 0");
}

namespace {
// A factory that has no tokenizers left after the first n.
class LexerShortFactory : public CLsnAFc {
public:
    int left = 0;
    IDbLexer* Create_IDbLexer() override { return left-- > 0 ? CLsnAFc::Create_IDbLexer() : nullptr; }
};
} // namespace

TEST_F(TxtMkrTest, MissingTokenizersEndTheProgram)
{
    WriteFile("Settings/Texts_Src/T/first.txt", "# 1\r\nA\r\n");
    WriteFile("Settings/Texts_Src/T/second.txt", "# 1\r\na\r\n");
    auto* factory = new LexerShortFactory;
    delete g_pILsnAFc;
    g_pILsnAFc = factory;
    CAliceTxtMkr maker;
    EXPECT_EXIT(maker.MakeOneMixFile(kFirst, kSecond, kOutput), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCAliceTxtMkr::UnfastenText(), error, pILxr_1st == 0");
    MakeLog();
    factory->left = 1;
    EXPECT_EXIT(maker.MakeOneMixFile(kFirst, kSecond, kOutput), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCAliceTxtMkr::UnfastenText(), error, pILxr_2nd == 0");
}

TEST_F(TxtMkrTest, FactoryMakesBothMakersAndNothingElse)
{
    std::unique_ptr<IAliceTxtMkr> alice(g_pILsnAFc->Create_IAliceTxtMkr(1));
    std::unique_ptr<IAliceTxtMkr> cg(g_pILsnAFc->Create_IAliceTxtMkr(2));
    EXPECT_NE(dynamic_cast<CAliceTxtMkr*>(alice.get()), nullptr);
    EXPECT_NE(dynamic_cast<CCgTxtMkr*>(cg.get()), nullptr);
    for (int type : {0, 3, -1})
        EXPECT_EQ(g_pILsnAFc->Create_IAliceTxtMkr(type), nullptr) << type;
    EXPECT_EQ(alice->SetNrmlOutput(), 0);
    EXPECT_EQ(alice->SetCodedOutput(), 0);
}
