// The shipped source texts: their masters are complete, well formed and agree record for record
// across languages; the converted files are what the text makers expect to read.

#include "base/Globals.h"
#include "base/ILsnAFc.h"
#include "config/DbTypes.h"
#include "config/IDbLexer.h"
#include "data/tools/SrcTxtCnv.h"
#include "platform/PlatCodePage.h"
#include "platform/PlatScreenText.h"
#include "platform/PlatUtf8.h"
#include "tests/TestProgramFolder.h"
#include "texts/CCgTxtMkr.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <set>

namespace fs = std::filesystem;

namespace {

const char* const kAliceLanguages[] = {"English", "Italian", "German", "French", "Russian", "Spanish"};
const char* const kCgLanguages[] = {"En", "Fr", "Ge", "Ru"};
// The 18 topics, in the order the guide maker makes them.
const auto& kTopics = CCgTxtMkr::kTopicTable;
const char* const kAliceOutputs[] = {"English_Italian", "English_German", "English_French", "English_Russian",
                                     "English_Spanish"};
const char* const kCgOutputs[] = {"English_Russian", "English_French", "English_German",
                                  "French_German", "French_Russian", "German_Russian"};

constexpr std::size_t kMinAliceRecords = 40;
constexpr std::size_t kMinTopicRecords = 25;
// The view does not wrap lines: a longer line runs off a window of the usual width.
constexpr std::size_t kMaxLineChars = 79;
// A text must fit the 1024-byte buffers of the training programs' string objects.
constexpr std::size_t kMaxRecordBytes = 1000;

std::string AliceFile(const std::string& language)
{
    return language + "/Alice_Ch_01_" + language + ".txt";
}

std::string CgFile(const std::string& code, const std::string& topic)
{
    return "Cg/" + code + "/" + topic + ".txt";
}

// Every source text, relative to Texts_Src.
std::vector<std::string> AllSourceFiles()
{
    std::vector<std::string> files;
    for (const char* lang : kAliceLanguages)
        files.push_back(AliceFile(lang));
    for (const char* code : kCgLanguages)
        for (const char* topic : kTopics)
            files.push_back(CgFile(code, topic));
    return files;
}

std::string Master(const std::string& rel)
{
    return ReadWholeFile(std::string(LEXIDO_MASTERS_DIR) + "/" + rel);
}

std::string Converted(const std::string& rel)
{
    return ReadWholeFile(std::string(LEXIDO_TEXTS_DIR) + "/Settings/Texts_Src/" + rel);
}

std::size_t Utf8Chars(const std::string& s)
{
    std::size_t n = 0;
    for (unsigned char c : s)
        n += (c & 0xC0) != 0x80;
    return n;
}

// Code points of a well-formed UTF-8 text (the converter has refused any other).
std::u32string CodePoints(const std::string& s)
{
    std::u32string out;
    char32_t u;
    for (std::size_t pos = 0; plat::NextUtf8(s, pos, u);)
        out.push_back(u);
    return out;
}

bool IsLetterOrDigit(char32_t u)
{
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') ||
           (u >= 0xC0 && u <= 0x24F && u != 0xD7 && u != 0xF7) || (u >= 0x400 && u <= 0x4FF);
}

// The training programs cut a text into words at blanks only: a word of punctuation alone
// ("?" after a French blank, a Russian dash) would be asked for as a word of its own. Such
// marks are tied to their word with a no-break space instead.
std::string WordWithoutLetters(const std::string& line)
{
    std::size_t start = 0;
    while (start < line.size()) {
        std::size_t end = line.find(' ', start);
        if (end == std::string::npos)
            end = line.size();
        const std::string word = line.substr(start, end - start);
        const std::u32string cps = CodePoints(word);
        if (!word.empty() && std::none_of(cps.begin(), cps.end(), IsLetterOrDigit))
            return word;
        start = end + 1;
    }
    return {};
}

bool IsMarkerLine(const std::string& line, std::string& number)
{
    if (line.size() < 3 || line.compare(0, 2, "# ") != 0)
        return false;
    number = line.substr(2);
    return number.find_first_not_of("0123456789") == std::string::npos && number[0] != '0';
}

struct SRecord {
    std::string number;
    std::vector<std::string> lines;
};

// Splits a master into its records, adding to faults every offence against the layout the
// makers rely on: "# <n>" lines numbered 1, 2, 3 ..., each followed by at least one line of text
// in which none of the marker characters of the source and phrase formats appears.
std::vector<SRecord> ParseMaster(const std::string& rel, std::vector<std::string>& faults)
{
    std::vector<SRecord> recs;
    const std::string text = Master(rel);
    if (text.empty()) {
        faults.push_back(rel + ": missing or empty");
        return recs;
    }
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    auto fault = [&](std::size_t i, const std::string& what) {
        faults.push_back(rel + ":" + std::to_string(i + 1) + ": " + what);
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        std::string number;
        if (IsMarkerLine(line, number)) {
            if (number != std::to_string(recs.size() + 1))
                fault(i, "record " + number + " where " + std::to_string(recs.size() + 1) + " belongs");
            recs.push_back({number, {}});
            continue;
        }
        if (recs.empty()) {
            fault(i, "text before the first record marker");
            continue;
        }
        if (line.empty() || line.front() == ' ' || line.back() == ' ' || line.find("  ") != std::string::npos)
            fault(i, "empty line, blanks at its start or end, or two blanks in a row");
        if (line.find_first_of("#*=<>\"\t\r") != std::string::npos)
            fault(i, "holds one of # * = < > \" tab CR");
        const std::string bare = WordWithoutLetters(line);
        if (!bare.empty())
            fault(i, "the word '" + bare + "' holds no letter or digit: tie it to its word with a no-break space");
        if (Utf8Chars(line) > kMaxLineChars)
            fault(i, "longer than " + std::to_string(kMaxLineChars) + " characters");
        recs.back().lines.push_back(line);
    }
    for (const SRecord& r : recs) {
        std::size_t bytes = 0;
        for (const std::string& l : r.lines)
            bytes += Utf8Chars(l) + 1;
        if (r.lines.empty())
            faults.push_back(rel + ": record " + r.number + " is empty");
        if (bytes > kMaxRecordBytes)
            faults.push_back(rel + ": record " + r.number + " is too long");
    }
    return recs;
}

std::vector<std::string> Numbers(const std::vector<SRecord>& recs)
{
    std::vector<std::string> n;
    for (const SRecord& r : recs)
        n.push_back(r.number);
    return n;
}

// Each group of files must hold the same record numbers as its first file, at least min of them.
void ExpectSameRecords(const std::vector<std::string>& group, std::size_t min)
{
    std::vector<std::string> faults;
    const std::vector<std::string> first = Numbers(ParseMaster(group[0], faults));
    EXPECT_GE(first.size(), min) << group[0];
    for (std::size_t i = 1; i < group.size(); ++i) {
        const std::vector<std::string> other = Numbers(ParseMaster(group[i], faults));
        EXPECT_EQ(other, first) << group[i] << " has other record numbers than " << group[0];
    }
}

} // namespace

TEST(ShippedTexts, EveryMasterIsAShippedSourceText)
{
    const std::vector<std::string> files = AllSourceFiles();
    const std::set<std::string> expected(files.begin(), files.end());
    std::set<std::string> present;
    for (const auto& e : fs::recursive_directory_iterator(LEXIDO_MASTERS_DIR))
        if (e.is_regular_file())
            present.insert(fs::relative(e.path(), LEXIDO_MASTERS_DIR).generic_string());
    EXPECT_EQ(present, expected);
}

TEST(ShippedTexts, MastersHoldOnlyCharactersOfTheirCodePage)
{
    for (const std::string& rel : AllSourceFiles()) {
        std::string out;
        SCnvrtErr err;
        EXPECT_TRUE(CnvrtMstr(Master(rel), MstrCodePage(rel), out, err)) << FormatCnvrtErr(rel, err);
    }
}

TEST(ShippedTexts, MastersAreNumberedRecordsOfText)
{
    std::vector<std::string> faults;
    for (const std::string& rel : AllSourceFiles())
        ParseMaster(rel, faults);
    for (const std::string& f : faults)
        ADD_FAILURE() << f;
}

TEST(ShippedTexts, RecordNumbersAgreeAcrossLanguages)
{
    std::vector<std::string> alice;
    for (const char* lang : kAliceLanguages)
        alice.push_back(AliceFile(lang));
    ExpectSameRecords(alice, kMinAliceRecords);
    for (const char* topic : kTopics) {
        std::vector<std::string> group;
        for (const char* code : kCgLanguages)
            group.push_back(CgFile(code, topic));
        ExpectSameRecords(group, kMinTopicRecords);
    }
}

TEST(ShippedTexts, ConvertedFilesAreTheMastersWithCrLfEnds)
{
    for (const std::string& rel : AllSourceFiles()) {
        const std::string bytes = Converted(rel);
        ASSERT_GE(bytes.size(), 4u) << rel;
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << rel;
        EXPECT_NE(bytes.substr(bytes.size() - 4), "\r\n\r\n") << rel << " ends with more than one line end";
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << rel << ": LF without CR at byte " << i;
            }
            if (bytes[i] == '\r') {
                ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << rel << ": CR alone at byte " << i;
            }
        }
        std::string fresh;
        SCnvrtErr err;
        ASSERT_TRUE(CnvrtMstr(Master(rel), MstrCodePage(rel), fresh, err)) << FormatCnvrtErr(rel, err);
        const auto diff = std::mismatch(bytes.begin(), bytes.end(), fresh.begin(), fresh.end());
        EXPECT_TRUE(bytes == fresh) << rel << " is not the conversion of its master: they part at byte "
                                    << (diff.first - bytes.begin());
    }
}

// Every phrase of a guide pair, in the bytes its phrase file holds, reads on the screen as its
// masters, with the shipped (Cyrillic) display font and a Western one: French and German words
// beside Russian ones included.
TEST(ShippedTexts, EveryGuidePairShowsOnTheScreenAsItsMastersRead)
{
    const auto joined = [](const SRecord& r) {
        std::string text;
        for (const std::string& line : r.lines)
            text += line + "\n";
        return text;
    };
    std::vector<std::string> faults;
    std::size_t checked = 0;
    for (const char* pair : {"En Ru", "En Fr", "En Ge", "Fr Ge", "Fr Ru", "Ge Ru"})
        for (const char* topic : kTopics) {
            const std::string a = CgFile(std::string(pair, 2), topic), b = CgFile(pair + 3, topic);
            const std::vector<SRecord> ra = ParseMaster(a, faults), rb = ParseMaster(b, faults);
            for (std::size_t r = 0; r < std::min(ra.size(), rb.size()); ++r, ++checked) {
                const std::string ta = "*" + joined(ra[r]), tb = "=" + joined(rb[r]);
                std::string ba, bb;
                ASSERT_TRUE(plat::Utf8ToCodePage(ta, MstrCodePage(a), ba));
                ASSERT_TRUE(plat::Utf8ToCodePage(tb, MstrCodePage(b), bb));
                const std::string bytes = ba + bb;
                for (const int fontCp : {plat::kCpCyrillic, plat::kCpWestern})
                    EXPECT_EQ(plat::ToUtf8(plat::ScreenToUnicode(bytes.data(), static_cast<int>(bytes.size()), fontCp)),
                              ta + tb) << a << " record " << ra[r].number;
            }
        }
    EXPECT_GT(checked, 1000u);
}

class InstalledTextsTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        MakeLog();
        InstallShippedTexts();
    }
};

// The makers walk a source with the configuration tokenizer: every marker must come out as the
// word "#" followed by its number, the number ending at the line end that precedes the text.
TEST_F(InstalledTextsTest, TheTokenizerFindsEveryRecordAtItsLine)
{
    for (const std::string& rel : AllSourceFiles()) {
        std::vector<std::string> faults;
        const std::vector<SRecord> recs = ParseMaster(rel, faults);
        const std::string path = "Settings/Texts_Src/" + rel;
        const std::string bytes = ReadFile(path);
        // The tokenizer ends the process on a file it cannot open.
        ASSERT_TRUE(fs::is_regular_file(Path(path))) << rel << " is not installed";
        std::unique_ptr<IDbLexer> lx(g_pILsnAFc->Create_IDbLexer());
        ASSERT_EQ(lx->OpenFile(path.c_str()), 0) << rel;
        std::vector<std::string> numbers;
        for (lx->GetSym(); lx->GetSymType() != SYM_EOF; lx->GetSym()) {
            if (std::string(lx->GetSymText()) != "#")
                continue;
            lx->GetSym();
            numbers.push_back(lx->GetSymText());
            const long pos = lx->GetPosAfterSym();
            const std::string marker = "# " + numbers.back() + "\r\n";
            ASSERT_GE(pos, static_cast<long>(marker.size())) << rel;
            EXPECT_EQ(bytes.substr(pos - marker.size(), marker.size()), marker) << rel << " record " << numbers.back();
        }
        EXPECT_EQ(numbers, Numbers(recs)) << rel;
        EXPECT_EQ(bytes.compare(0, 2, "# "), 0) << rel << " must begin with the record marker";
    }
}

TEST_F(InstalledTextsTest, OutputFoldersOfTheMakersAreInstalled)
{
    for (const char* pair : kAliceOutputs)
        EXPECT_TRUE(fs::is_directory(Path(std::string("Text/Alice/") + pair))) << pair;
    for (const char* pair : kCgOutputs)
        EXPECT_TRUE(fs::is_directory(Path(std::string("Text/Conversational Guide/") + pair))) << pair;
    for (const std::string& rel : AllSourceFiles())
        EXPECT_TRUE(fs::is_regular_file(Path("Settings/Texts_Src/" + rel))) << rel;
}

// The program folder the build assembles: the converted texts as staged, the makers' output
// folders, and nothing of the build-only masters and converter.
TEST(ShippedTexts, AssembledProgramFolderHoldsTheTextsAndOutputFolders)
{
    const std::string dir = LEXIDO_PROGRAM_DIR;
    for (const char* pair : kAliceOutputs)
        EXPECT_TRUE(fs::is_directory(dir + "/Text/Alice/" + pair)) << pair;
    for (const char* pair : kCgOutputs)
        EXPECT_TRUE(fs::is_directory(dir + "/Text/Conversational Guide/" + pair)) << pair;
    EXPECT_TRUE(fs::is_directory(dir + "/DfltRslts"));
    for (const std::string& rel : AllSourceFiles())
        EXPECT_TRUE(ReadWholeFile(dir + "/Settings/Texts_Src/" + rel) == Converted(rel)) << rel;
    EXPECT_FALSE(fs::exists(dir + "/masters"));
    EXPECT_FALSE(fs::exists(dir + "/tools"));
}
