// The converter of the source-text masters: what it writes, and what it refuses and where.

#include "data/tools/SrcTxtCnv.h"
#include "platform/PlatCodePage.h"
#include "platform/PlatUtf8.h"
#include "tests/TestProgramFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

std::string Convert(const std::string& utf8, int cp)
{
    std::string out;
    SCnvrtErr err;
    EXPECT_TRUE(CnvrtMstr(utf8, cp, out, err)) << FormatCnvrtErr("master", err);
    return out;
}

SCnvrtErr Refusal(const std::string& utf8, int cp)
{
    std::string out;
    SCnvrtErr err;
    EXPECT_FALSE(CnvrtMstr(utf8, cp, out, err));
    return err;
}

// The bytes back in UTF-8, through the code page's table.
std::string BackToUtf8(const std::string& bytes, int cp)
{
    std::string s;
    for (unsigned char b : bytes)
        plat::AppendUtf8(plat::ToUnicode(b, cp), s);
    return s;
}

void Write(const fs::path& p, const std::string& bytes)
{
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
}

} // namespace

TEST(SrcTxtCnv, LettersOfEachLanguageRoundTrip)
{
    const struct {
        const char* utf8;
        int cp;
    } cases[] = {
        {"# 1\nÀ la gare, où est le guichet ? « Œuf », ça, dîner, Noël.\n", plat::kCpWestern},
        {"# 1\nGrüße aus der Straße: „Äpfel“ für 5 € – Öl, Übung.\n", plat::kCpWestern},
        {"# 1\n¿Dónde está? ¡Señor! Perché così… più già.\n", plat::kCpWestern},
        {"# 1\nГде вокзал? Ёлка, ёж, № 5 «да» — нет…\nЭто Щука и Ъ.\n", plat::kCpCyrillic},
    };
    for (const auto& c : cases) {
        const std::string bytes = Convert(c.utf8, c.cp);
        for (unsigned char b : bytes)
            EXPECT_TRUE(b >= 0x20 || b == '\r' || b == '\n');
        std::string expected = c.utf8;
        for (std::size_t i = 0; (i = expected.find('\n', i)) != std::string::npos; i += 2)
            expected.insert(i, "\r");
        EXPECT_EQ(BackToUtf8(bytes, c.cp), expected);
    }
    // One byte per character: é is 0xE9 in windows-1252, Ж is 0xC6 in windows-1251.
    EXPECT_EQ(Convert("é", plat::kCpWestern), "\xE9\r\n");
    EXPECT_EQ(Convert("Ж", plat::kCpCyrillic), "\xC6\r\n");
}

TEST(SrcTxtCnv, EveryFileEndsWithExactlyOneCrLf)
{
    const std::string want = "# 1\r\nA\r\n\r\nB\r\n";
    EXPECT_EQ(Convert("# 1\nA\n\nB\n", plat::kCpWestern), want);
    EXPECT_EQ(Convert("# 1\r\nA\r\n\r\nB\r\n", plat::kCpWestern), want);
    EXPECT_EQ(Convert("# 1\nA\r\n\nB", plat::kCpWestern), want);          // no final line end
    EXPECT_EQ(Convert("# 1\nA\n\nB\n\n\r\n  \n", plat::kCpWestern), want); // trailing empty lines
    EXPECT_EQ(Convert("\xEF\xBB\xBF# 1\nA\n\nB\n", plat::kCpWestern), want); // byte order mark
}

TEST(SrcTxtCnv, RefusesWithLineAndCharacter)
{
    SCnvrtErr e = Refusal("# 1\nÀÀé\n", plat::kCpCyrillic);
    EXPECT_EQ(e.line, 2);
    EXPECT_EQ(e.column, 1); // À is not in windows-1251 either
    EXPECT_EQ(e.chr, U'\u00C0');

    e = Refusal("# 1\nЖЖé\n", plat::kCpCyrillic);
    EXPECT_EQ(e.line, 2);
    EXPECT_EQ(e.column, 3); // columns count characters, not bytes
    EXPECT_EQ(e.chr, U'\u00E9');
    EXPECT_EQ(FormatCnvrtErr("Ru/x.txt", e), "Ru/x.txt:2:3: character not in windows-1251 (U+00E9 'é')");

    e = Refusal("# 1\nok\nДа\n", plat::kCpWestern);
    EXPECT_EQ(e.line, 3);
    EXPECT_EQ(e.column, 1);
    EXPECT_EQ(FormatCnvrtErr("En/x.txt", e), "En/x.txt:3:1: character not in windows-1252 (U+0414 'Д')");

    // Characters outside both pages, and code points beyond the 16-bit range.
    EXPECT_EQ(Refusal("Ā", plat::kCpWestern).chr, U'\u0100');
    EXPECT_EQ(Refusal("a\xF0\x9F\x98\x80", plat::kCpWestern).chr, U'\U0001F600');
}

TEST(SrcTxtCnv, RefusesControlsMalformedTextAndEmptyFiles)
{
    SCnvrtErr e = Refusal("# 1\na\tb\n", plat::kCpWestern);
    EXPECT_EQ(e.line, 2);
    EXPECT_EQ(e.column, 2);
    EXPECT_EQ(FormatCnvrtErr("x", e), "x:2:2: control character (U+0009)");

    e = Refusal("# 1\rA\n", plat::kCpWestern);
    EXPECT_EQ(e.what, "carriage return without line feed");
    EXPECT_EQ(e.line, 1);
    EXPECT_EQ(e.column, 4);

    // C1 controls exist in the tables (undefined bytes) but are no text.
    EXPECT_EQ(Refusal("a\xC2\x81", plat::kCpWestern).what, "control character");
    EXPECT_EQ(Refusal("a\xC2\x98", plat::kCpCyrillic).what, "control character");

    for (const char* bad : {"ab\xC3", "ab\xC3(", "ab\xC0\x80", "ab\xED\xA0\x80", "ab\xFF", "ab\x80"}) {
        e = Refusal(bad, plat::kCpWestern);
        EXPECT_EQ(e.what, "malformed UTF-8") << bad;
        EXPECT_EQ(e.column, 3) << bad;
        EXPECT_EQ(FormatCnvrtErr("x", e), "x:1:3: malformed UTF-8");
    }

    for (const char* empty : {"", "\n", "\r\n\r\n", "   \n \n", "\xEF\xBB\xBF"})
        EXPECT_EQ(Refusal(empty, plat::kCpWestern).what, "empty text");
}

TEST(SrcTxtCnv, CodePageFollowsTheLanguageFolder)
{
    EXPECT_EQ(MstrCodePage("Russian/Alice_Ch_01_Russian.txt"), plat::kCpCyrillic);
    EXPECT_EQ(MstrCodePage("Cg/Ru/01 Food and drink.txt"), plat::kCpCyrillic);
    for (const char* rel : {"English/Alice_Ch_01_English.txt", "Spanish/Alice_Ch_01_Spanish.txt",
                            "Cg/Fr/02 At the hotel.txt", "Cg/Ge/18 x.txt", "Cg/En/Russian phrases.txt"})
        EXPECT_EQ(MstrCodePage(rel), plat::kCpWestern) << rel;
}

class SrcTxtTreeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char tmpl[] = "/tmp/lexido-cnv-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        m_Dir = tmpl;
    }
    void TearDown() override { fs::remove_all(m_Dir); }
    fs::path In(const std::string& rel) const { return m_Dir / "in" / rel; }
    fs::path Out(const std::string& rel) const { return m_Dir / "out" / rel; }
    int Run(std::string& msgs)
    {
        std::ostringstream os;
        const int rc = CnvrtMstrTree((m_Dir / "in").string(), (m_Dir / "out").string(), os);
        msgs = os.str();
        return rc;
    }
    fs::path m_Dir;
};

TEST_F(SrcTxtTreeTest, ConvertsEachMasterToItsPlaceAndCodePage)
{
    Write(In("Cg/Ru/01 Food and drink.txt"), "# 1\nХлеб\n");
    Write(In("Cg/Fr/01 Food and drink.txt"), "# 1\nPâté\n");
    Write(In("notes.md"), "not a text");
    std::string msgs;
    ASSERT_EQ(Run(msgs), 0) << msgs;
    EXPECT_EQ(ReadWholeFile(Out("Cg/Ru/01 Food and drink.txt")), "# 1\r\n\xD5\xEB\xE5\xE1\r\n");
    EXPECT_EQ(ReadWholeFile(Out("Cg/Fr/01 Food and drink.txt")), "# 1\r\nP\xE2t\xE9\r\n");
    EXPECT_FALSE(fs::exists(Out("notes.md")));

    // A second run leaves unchanged files alone and drops what no master gives any more.
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(Out("Cg/Ru/01 Food and drink.txt"), old);
    Write(Out("Cg/Ge/gone.txt"), "stale");
    Write(In("Cg/Fr/01 Food and drink.txt"), "# 1\nPâtes\n");
    ASSERT_EQ(Run(msgs), 0) << msgs;
    EXPECT_EQ(fs::last_write_time(Out("Cg/Ru/01 Food and drink.txt")), old);
    EXPECT_EQ(ReadWholeFile(Out("Cg/Fr/01 Food and drink.txt")), "# 1\r\nP\xE2tes\r\n");
    EXPECT_FALSE(fs::exists(Out("Cg/Ge/gone.txt")));
}

TEST_F(SrcTxtTreeTest, NamesEveryRefusedMasterAndFails)
{
    Write(In("Russian/a.txt"), "# 1\nДа\n# 2\nNoël\n");
    Write(In("English/a.txt"), "# 1\nYes\n# 2\nNoel\n");
    Write(In("German/a.txt"), "# 1\nJa\n# 2\nНет\n");
    std::string msgs;
    EXPECT_EQ(Run(msgs), 1);
    EXPECT_EQ(msgs, (m_Dir / "in/German/a.txt").string() + ":4:1: character not in windows-1252 (U+041D 'Н')\n" +
                        (m_Dir / "in/Russian/a.txt").string() + ":4:3: character not in windows-1251 (U+00EB 'ë')\n");
    EXPECT_FALSE(fs::exists(Out("Russian/a.txt")));

    fs::remove_all(m_Dir / "in");
    EXPECT_EQ(Run(msgs), 1);
    EXPECT_NE(msgs.find("no *.txt masters"), std::string::npos);
}

TEST_F(SrcTxtTreeTest, TheBuildStepExitsNonZeroOnARefusedMaster)
{
    Write(In("Cg/Ru/01 x.txt"), "# 1\nCafé\n");
    const std::string err = (m_Dir / "err.txt").string();
    const std::string cmd = std::string("'") + LEXIDO_SRCTXT_CNV + "' '" + In("").string() + "' '" +
                            Out("").string() + "' 2>'" + err + "'";
    const int status = std::system(cmd.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(ReadWholeFile(err), In("Cg/Ru/01 x.txt").string() + ":2:4: character not in windows-1251 (U+00E9 'é')\n");

    Write(In("Cg/Ru/01 x.txt"), "# 1\nКафе\n");
    EXPECT_EQ(std::system(cmd.c_str()), 0);
    EXPECT_EQ(ReadWholeFile(Out("Cg/Ru/01 x.txt")), "# 1\r\n\xCA\xE0\xF4\xE5\r\n");
}
