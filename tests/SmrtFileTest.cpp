// The plain character file and the phrase-record rule over it.
#include "base/Globals.h"
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

namespace {
// Hides the plain file's type from the reader, which then reads character by character.
class Forwarding : public ISmrtFile {
public:
    explicit Forwarding(ISmrtFile& f) : m_F(f) {}
    int sf_fopen(const char* n, const char* m) override { return m_F.sf_fopen(n, m); }
    int sf_fclose() override { return m_F.sf_fclose(); }
    int sf_feof() override { return m_F.sf_feof(); }
    int sf_fgetc() override { return m_F.sf_fgetc(); }
    int sf_fputc(int c) override { return m_F.sf_fputc(c); }
    int sf_fputs(const char* t) override { return m_F.sf_fputs(t); }
    int sf_fseek(long o, int w) override { return m_F.sf_fseek(o, w); }
    long sf_ftell() override { return m_F.sf_ftell(); }

private:
    ISmrtFile& m_F;
};
} // namespace

TEST_F(SmrtFileTest, ThePlainFastPathReadsExactlyAsTheCharacterRule)
{
    // Markers, blanks, line ends, zero bytes and long runs, across read-ahead blocks.
    const char alphabet[] = {'*', '=', ' ', '\n', '\r', '\0', 'a', 'b', '\xff'};
    unsigned seed = 12345;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 8; };
    for (int round = 0; round < 40; ++round) {
        std::string bytes;
        const std::size_t size = round < 30 ? next() % 3000 : 150000 + next() % 100000;
        while (bytes.size() < size) {
            if (next() % 50 == 0)
                bytes.append(next() % 3000, 'x');
            else
                bytes.push_back(alphabet[next() % sizeof alphabet]);
        }
        WriteFile("r.mix", bytes);
        CSmrtFile_Nrml fast, slow;
        ASSERT_EQ(fast.sf_fopen(Path("r.mix").c_str(), "rb"), 0);
        ASSERT_EQ(slow.sf_fopen(Path("r.mix").c_str(), "rb"), 0);
        Forwarding charByChar(slow);
        CPhraseReader a(fast), b(charByChar);
        char a1[MAX_PHRASE_FIELD_SZ], a2[MAX_PHRASE_FIELD_SZ], b1[MAX_PHRASE_FIELD_SZ], b2[MAX_PHRASE_FIELD_SZ];
        // Fields one by one, so that a difference in what a field consumes shows at once.
        for (int field = 0; field < 100000; ++field) {
            const char open = field % 2 ? '=' : '*';
            const char close = field % 2 ? '*' : '=';
            const int ra = a.ReadField(open, close, field % 2 ? a2 : a1);
            const int rb = b.ReadField(open, close, field % 2 ? b2 : b1);
            ASSERT_EQ(ra, rb) << round << " " << field;
            ASSERT_STREQ(field % 2 ? a2 : a1, field % 2 ? b2 : b1) << round << " " << field;
            ASSERT_EQ(fast.sf_ftell(), slow.sf_ftell());
            if (fast.sf_feof() && slow.sf_feof())
                break;
        }
        fast.sf_fclose();
        slow.sf_fclose();
    }
}

TEST_F(SmrtFileTest, TellAndSeekCountFromTheCharacterTheReaderIsAt)
{
    std::string bytes;
    for (int i = 0; i < 200000; ++i)
        bytes.push_back(static_cast<char>('a' + i % 26));
    WriteFile("t.txt", bytes);
    CSmrtFile_Nrml f;
    ASSERT_EQ(f.sf_fopen(Path("t.txt").c_str(), "rb"), 0);
    for (int i = 0; i < 70000; ++i)
        f.sf_fgetc();
    EXPECT_EQ(f.sf_ftell(), 70000);
    EXPECT_EQ(f.sf_fseek(5, 1), 0);
    EXPECT_EQ(f.sf_ftell(), 70005);
    EXPECT_EQ(f.sf_fgetc(), bytes[70005]);
    EXPECT_NE(f.sf_fseek(-10, 0), 0); // a failed seek leaves the reader where it was
    EXPECT_EQ(f.sf_fgetc(), bytes[70006]);
    EXPECT_EQ(MeasureSmrtFile(f), 200000);
    EXPECT_EQ(f.sf_fgetc(), 'a');
    f.sf_fclose();
}
