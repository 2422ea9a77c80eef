// The plain character file and the phrase-record rule over it.
#include "settings/Globals.h"
#include "tests/TestProgramFolder.h"
#include "texts/CPhraseReader.h"
#include "texts/CSmrtFile_Nrml.h"
#include "texts/SmrtFileOps.h"


#include <string>
#include <utility>
#include <vector>

namespace {
using Phrases = std::vector<std::pair<std::string, std::string>>;

Phrases ReadAll(ISmrtFile& f)
{
    CPhraseReader reader(f);
    Phrases out;
    char a[MAX_PHRASE_FIELD_SZ], b[MAX_PHRASE_FIELD_SZ];
    while (reader.ReadRecord(a, b))
        out.emplace_back(a, b);
    return out;
}
} // namespace

class SmrtFileTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        MakeLog();
    }

    Phrases ReadPhrases(const std::string& bytes)
    {
        WriteFile("p.mix", bytes);
        CSmrtFile_Nrml f;
        EXPECT_EQ(f.sf_fopen(Path("p.mix").c_str(), "rb"), 0);
        Phrases out = ReadAll(f);
        f.sf_fclose();
        return out;
    }
};

TEST_F(SmrtFileTest, OpenFailsWithItsLogLineOnAMissingFileAFolderAndAnOverlongPath)
{
    CSmrtFile_Nrml f;
    EXPECT_EQ(f.sf_fopen(Path("missing.mix").c_str(), "rb"), 1);
    EXPECT_FALSE(f.IsOpen());
    // A folder opens on Linux and then fails at every read: refused, or a reader would spin.
    EXPECT_EQ(f.sf_fopen(Path("DfltRslts").c_str(), "rb"), 1);
    EXPECT_EQ(f.sf_fopen(std::string(5000, 'a').c_str(), "wb"), 1);
    EXPECT_EQ(f.sf_fopen(Path("nofolder/x.mix").c_str(), "wb"), 1);
    const std::string line = "\nCSmrtFile::sf_fopen(), error, Cannot open input file";
    EXPECT_EQ(Log(), line + line + line + line);
    // An unopened object answers as a file at its end instead of touching a null stream.
    EXPECT_NE(f.sf_feof(), 0);
    EXPECT_EQ(f.sf_fgetc(), -1);
    EXPECT_EQ(f.sf_ftell(), -1);
}

TEST_F(SmrtFileTest, EndOfFileTurnsOnOnlyAfterAReadRunsIntoIt)
{
    WriteFile("a.txt", std::string("A\xff", 2));
    CSmrtFile_Nrml f;
    ASSERT_EQ(f.sf_fopen(Path("a.txt").c_str(), "rb"), 0);
    EXPECT_EQ(f.sf_ftell(), 0);
    EXPECT_EQ(f.sf_fgetc(), 'A');
    EXPECT_EQ(f.sf_fgetc(), 0xFF); // a byte, not the end
    EXPECT_EQ(f.sf_feof(), 0);
    EXPECT_EQ(f.sf_fgetc(), -1);
    EXPECT_NE(f.sf_feof(), 0);
    EXPECT_EQ(f.sf_fclose(), 0);
    // Closing forgets the stream: a second close or a read is harmless.
    EXPECT_NE(f.sf_fclose(), 0);
    EXPECT_EQ(f.sf_fgetc(), -1);
}

TEST_F(SmrtFileTest, WritesMeasuresAndCopiesByteForByte)
{
    std::string all;
    for (int i = 0; i < 256; ++i)
        all.push_back(static_cast<char>(i));
    all += "\r\n\xff";
    {
        CSmrtFile_Nrml out;
        ASSERT_EQ(out.sf_fopen(Path("src.bin").c_str(), "wb"), 0);
        out.sf_fputc(all[0]);
        for (std::size_t i = 1; i < all.size(); ++i)
            out.sf_fputc(static_cast<unsigned char>(all[i]));
        out.sf_fputs("tail");
        out.sf_fclose();
    }
    all += "tail";
    EXPECT_EQ(ReadFile("src.bin"), all);

    CSmrtFile_Nrml in, copy;
    ASSERT_EQ(in.sf_fopen(Path("src.bin").c_str(), "rb"), 0);
    EXPECT_EQ(MeasureSmrtFile(in), static_cast<long>(all.size()));
    EXPECT_EQ(in.sf_ftell(), 0);
    ASSERT_EQ(copy.sf_fopen(Path("copy.bin").c_str(), "wb"), 0);
    EXPECT_EQ(CopySmrtFile(in, copy), static_cast<long>(all.size()));
    in.sf_fclose();
    copy.sf_fclose();
    EXPECT_EQ(ReadFile("copy.bin"), all);
}

TEST_F(SmrtFileTest, BothWriterFormsReadAlike)
{
    const Phrases expected = {{"A", "B"}, {"C", "D"}};
    // The text maker: blanks after the markers, no final line end.
    EXPECT_EQ(ReadPhrases("* A\n= B\n* C\n= D"), expected);
    // The work file: no blanks, every text ends with LF.
    EXPECT_EQ(ReadPhrases("*A\n=B\n*C\n=D\n"), expected);
}

TEST_F(SmrtFileTest, FieldsKeepInnerLineEndsBlanksBeforeTheCloserAndSkipRepeatedMarkers)
{
    EXPECT_EQ(ReadPhrases("* two\nlines\n= zwei\nZeilen\n"), (Phrases{{"two\nlines", "zwei\nZeilen"}}));
    // Only one final LF goes.
    EXPECT_EQ(ReadPhrases("*A\n\n=B\n\n"), (Phrases{{"A\n", "B\n"}}));
    EXPECT_EQ(ReadPhrases("* A = B"), (Phrases{{"A ", "B"}}));
    EXPECT_EQ(ReadPhrases("** A\n== B"), (Phrases{{"A", "B"}}));
    EXPECT_EQ(ReadPhrases("  * A\n=B"), (Phrases{{"A", "B"}}));
    // A lone LF is a present field that reads empty.
    EXPECT_EQ(ReadPhrases("*\n= A\n"), (Phrases{{"", "A"}}));
}

TEST_F(SmrtFileTest, AMissingFieldEndsTheReadingAsTheEndOfTheFileDoes)
{
    EXPECT_EQ(ReadPhrases(""), Phrases{});
    EXPECT_EQ(ReadPhrases("*A\n"), Phrases{});
    EXPECT_EQ(ReadPhrases("*A\n=B\n*C\n"), (Phrases{{"A", "B"}}));
    // A field with nothing before its closer is absent: the phrase is not read.
    EXPECT_EQ(ReadPhrases("*=B\n*C\n=D\n"), Phrases{});
    EXPECT_EQ(ReadPhrases("*A\n=*C\n=D\n"), Phrases{});
    EXPECT_EQ(ReadPhrases("no marker at all"), Phrases{});
}

TEST_F(SmrtFileTest, ATextOver1023BytesIsCutAndTheNextPhraseStillReads)
{
    const std::string exact(1023, 'x');
    EXPECT_EQ(ReadPhrases("*" + exact + "\n=B\n"), (Phrases{{exact, "B"}}));
    const std::string longer(1024, 'y');
    EXPECT_EQ(ReadPhrases("*" + longer + "\n=B\n*C\n=D\n"), (Phrases{{longer.substr(0, 1023), "B"}, {"C", "D"}}));
    const std::string huge(100 * 1024, 'z');
    EXPECT_EQ(ReadPhrases("*A\n=" + huge + "\n*C\n=D"), (Phrases{{"A", huge.substr(0, 1023)}, {"C", "D"}}));
    // An LF inside the kept part stays; only the text's own final LF would go.
    const std::string inner = std::string(1022, 'a') + "\nbb";
    EXPECT_EQ(ReadPhrases("*" + inner + "\n=B"), (Phrases{{inner.substr(0, 1023), "B"}}));
}

TEST_F(SmrtFileTest, CarriageReturnsAndZeroBytesAreBytesOfTheText)
{
    // Read in binary as written: a CR before the LF stays part of the text.
    EXPECT_EQ(ReadPhrases("* A\r\n= B\r\n"), (Phrases{{"A\r", "B\r"}}));
    // A zero byte ends the text as a C string sees it, and nothing else.
    const Phrases p = ReadPhrases(std::string("*A\0B\n=C\n*D\n=E\n", 14));
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0].first, "A");
    EXPECT_EQ(p[1], (std::pair<std::string, std::string>{"D", "E"}));
}
