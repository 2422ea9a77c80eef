// Hidden phrase files: the key, the block layout, reading back, seeking, and every fatal check.
#include "base/Globals.h"
#include "settings/CLsnAFc.h"
#include "tests/TestProgramFolder.h"
#include "texts/CCphr_Buffer.h"
#include "texts/CCphr_Nfs.h"
#include "texts/CPhraseReader.h"
#include "texts/CSmrtFile_HideText.h"
#include "texts/CSmrtFile_Nrml.h"
#include "texts/FileCoding.h"
#include "texts/SmrtFileOps.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {
std::string Sample(std::size_t n)
{
    std::string s;
    for (std::size_t i = 0; i < n; ++i)
        s.push_back(static_cast<char>('!' + (i * 7) % 90));
    return s;
}

// The stored form of one full block: S[K[i]] = P[i].
std::string Permuted(const std::string& block)
{
    std::string s(64, '\0');
    for (int i = 0; i < 64; ++i)
        s[static_cast<std::size_t>(CCphr_Buffer::kKey[i])] = block[static_cast<std::size_t>(i)];
    return s;
}

// The usual reading pattern, each character as the hidden file returns it.
std::string ReadBack(ISmrtFile& f)
{
    std::string out;
    for (int c = f.sf_fgetc(); !f.sf_feof(); c = f.sf_fgetc())
        out.push_back(static_cast<char>(c));
    return out;
}

// A factory whose ciphers a test chooses, to reach each check of the hidden file's making.
class CipherFactory : public CLsnAFc {
public:
    std::function<ICphr*(int)> make;
    ICphr* Create_ICphr(int type) override { return make(type); }
};

class FixedSizeCipher : public CCphr_Nfs {
public:
    FixedSizeCipher(int size, int initResult) : m_Size(size), m_Init(initResult) {}
    int Init() override { return m_Init; }
    int GetStrFixedSize() override { return m_Size; }

private:
    int m_Size;
    int m_Init;
};
} // namespace

class HideTextTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        MakeLog();
    }

    void WriteHidden(const std::string& name, const std::string& text)
    {
        CSmrtFile_HideText f;
        ASSERT_EQ(f.sf_fopen(Path(name).c_str(), "wb"), 0);
        for (char c : text)
            f.sf_fputc(static_cast<unsigned char>(c));
        f.sf_fclose();
    }

    std::string ReadHidden(const std::string& name)
    {
        CSmrtFile_HideText f;
        EXPECT_EQ(f.sf_fopen(Path(name).c_str(), "rb"), 0);
        std::string s = ReadBack(f);
        f.sf_fclose();
        return s;
    }

    void UseCiphers(std::function<ICphr*(int)> make)
    {
        auto* factory = new CipherFactory;
        factory->make = std::move(make);
        delete g_pILsnAFc;
        g_pILsnAFc = factory;
    }
};

TEST_F(HideTextTest, TheFactoryMakesBothCiphersAndNothingElse)
{
    std::unique_ptr<ICphr> nfs(g_pILsnAFc->Create_ICphr(1));
    std::unique_ptr<ICphr> buffer(g_pILsnAFc->Create_ICphr(2));
    EXPECT_NE(dynamic_cast<CCphr_Nfs*>(nfs.get()), nullptr);
    EXPECT_NE(dynamic_cast<CCphr_Buffer*>(buffer.get()), nullptr);
    EXPECT_EQ(g_pILsnAFc->Create_ICphr(0), nullptr);
    EXPECT_EQ(g_pILsnAFc->Create_ICphr(3), nullptr);
    ASSERT_EQ(buffer->Init(), 0);
    EXPECT_EQ(buffer->GetStrFixedSize(), 64);
    EXPECT_EQ(nfs->GetStrFixedSize(), 0);
}

TEST_F(HideTextTest, BlocksOf64ArePermutedAndTheShortTailIsStoredPlain)
{
    const std::string text = Sample(130);
    WriteHidden("130.mix", text);
    const std::string stored = ReadFile("130.mix");
    ASSERT_EQ(stored.size(), 130u);
    EXPECT_EQ(stored.substr(0, 64), Permuted(text.substr(0, 64)));
    EXPECT_EQ(stored.substr(64, 64), Permuted(text.substr(64, 64)));
    EXPECT_NE(stored.substr(0, 64), text.substr(0, 64));
    EXPECT_EQ(stored.substr(128), text.substr(128));

    WriteHidden("64.mix", text.substr(0, 64));
    EXPECT_EQ(ReadFile("64.mix"), Permuted(text.substr(0, 64)));
    WriteHidden("10.mix", text.substr(0, 10));
    EXPECT_EQ(ReadFile("10.mix"), text.substr(0, 10));
    WriteHidden("0.mix", "");
    EXPECT_EQ(ReadFile("0.mix"), "");
}

TEST_F(HideTextTest, ReadsBackWhatWasWrittenAtEveryLengthAroundABlock)
{
    // 63 and 127 leave a tail one short of a block: the end marker must not turn it into a
    // full block, or the plain tail would be unpermuted into garbage.
    for (std::size_t n : {0u, 1u, 10u, 63u, 64u, 65u, 127u, 128u, 129u, 130u, 1000u}) {
        const std::string text = Sample(n);
        WriteHidden("n.mix", text);
        EXPECT_EQ(ReadHidden("n.mix"), text) << n;
    }
}

TEST_F(HideTextTest, CarriageReturnsAreDroppedHighBytesComeBackNegativeAndZeroBytesSurvive)
{
    std::string text = "*A\r\n=B\r\n";
    text += std::string("\xe9\xff\0x", 4);
    text += std::string(64, '\r') + "end";
    WriteHidden("mixed.mix", text);
    EXPECT_EQ(ReadFile("mixed.mix").size(), text.size());

    CSmrtFile_HideText f;
    ASSERT_EQ(f.sf_fopen(Path("mixed.mix").c_str(), "rb"), 0);
    std::string got;
    std::vector<int> values;
    for (int c = f.sf_fgetc(); !f.sf_feof(); c = f.sf_fgetc()) {
        values.push_back(c);
        got.push_back(static_cast<char>(c));
    }
    f.sf_fclose();
    EXPECT_EQ(got, std::string("*A\n=B\n\xe9\xff\0xend", 13));
    EXPECT_EQ(values[6], static_cast<signed char>('\xe9'));
    EXPECT_EQ(values[7], -1); // 0xFF inside the text is a character, the end comes later
}

TEST_F(HideTextTest, SeekingLandsInsideTheBlockAndTellCountsFromItsStart)
{
    const std::string text = Sample(300);
    WriteHidden("s.mix", text);
    CSmrtFile_HideText f;
    ASSERT_EQ(f.sf_fopen(Path("s.mix").c_str(), "rb"), 0);
    EXPECT_EQ(MeasureSmrtFile(f), 300);
    EXPECT_EQ(f.sf_fseek(100, 0), 0);
    EXPECT_EQ(f.sf_ftell(), 100);
    EXPECT_EQ(f.sf_fgetc(), static_cast<signed char>(text[100]));
    EXPECT_EQ(f.sf_ftell(), 101);
    EXPECT_EQ(f.sf_fseek(290, 0), 0);
    EXPECT_EQ(ReadBack(f), text.substr(290));
    // Reading on past the end keeps answering the end, never a byte beyond the block.
    EXPECT_EQ(f.sf_fgetc(), -1);
    EXPECT_EQ(f.sf_fgetc(), -1);
    EXPECT_NE(f.sf_feof(), 0);
    f.sf_fclose();
    EXPECT_EQ(f.sf_fgetc(), 0);
    EXPECT_EQ(f.sf_feof(), 0);
}

TEST_F(HideTextTest, PhrasesReadTheSameFromAHiddenFileAsFromAPlainOne)
{
    const std::string text = "* Good morning\n= Guten Morgen\n* " + std::string(1500, 'w') + "\n= long\n* end\n= Ende";
    WriteHidden("h.mix", text);
    WriteFile("p.mix", text);
    CSmrtFile_HideText hidden;
    CSmrtFile_Nrml plain;
    ASSERT_EQ(hidden.sf_fopen(Path("h.mix").c_str(), "rb"), 0);
    ASSERT_EQ(plain.sf_fopen(Path("p.mix").c_str(), "rb"), 0);
    CPhraseReader rh(hidden), rp(plain);
    char a1[MAX_PHRASE_FIELD_SZ], b1[MAX_PHRASE_FIELD_SZ], a2[MAX_PHRASE_FIELD_SZ], b2[MAX_PHRASE_FIELD_SZ];
    int n = 0;
    for (;;) {
        const int one = rh.ReadRecord(a1, b1);
        ASSERT_EQ(one, rp.ReadRecord(a2, b2));
        if (!one)
            break;
        EXPECT_STREQ(a1, a2);
        EXPECT_STREQ(b1, b2);
        ++n;
    }
    EXPECT_EQ(n, 3);
    hidden.sf_fclose();
    plain.sf_fclose();
}

TEST_F(HideTextTest, AKeyThatIsNotAPermutationStopsTheProgram)
{
    int repeated[64];
    for (int i = 0; i < 64; ++i)
        repeated[i] = i;
    repeated[40] = 3;
    EXPECT_EXIT(CCphr_Buffer(repeated).Init(), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCCphr_Buffer::GetStrFixedSize(), Error,ToCheck == (*it_2)");

    MakeLog();
    int tooHigh[64];
    for (int i = 0; i < 64; ++i)
        tooHigh[i] = i;
    tooHigh[17] = 64;
    EXPECT_EXIT(CCphr_Buffer(tooHigh).Init(), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCCphr_Buffer::CheckNoSkoppedNumbers(), error, in key array there is superfluous number [64]");

    MakeLog();
    EXPECT_EXIT(CCphr_Buffer(repeated, 39).Init(), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCCphr_Buffer::CheckNoSkoppedNumbers(), error, in sample array was not used number [39]");

    MakeLog();
    EXPECT_EXIT(CCphr_Buffer().GetStrFixedSize(), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCCphr_Buffer::GetStrFixedSize(), Error, m_NumOfCells <= 0");

    // The key of the first hidden file made is checked on its way in.
    MakeLog();
    UseCiphers([&](int type) -> ICphr* {
        return type == 2 ? static_cast<ICphr*>(new CCphr_Buffer(tooHigh)) : new CCphr_Nfs;
    });
    EXPECT_EXIT(CSmrtFile_HideText(), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(Log(), "\nCCphr_Buffer::CheckNoSkoppedNumbers(), error, in key array there is superfluous number [64]");
}

TEST_F(HideTextTest, EveryFailureWhileMakingAHiddenFileHasItsLine)
{
    struct Case {
        std::function<ICphr*(int)> make;
        const char* line;
    };
    const Case cases[] = {
        {[](int) -> ICphr* { return nullptr; }, "\nCSmrtFile_HideText::CSmrtFile_HideText(), Error, m_pICphr == 0"},
        {[](int) -> ICphr* { return new FixedSizeCipher(64, 1); },
         "\nCSmrtFile_HideText::CSmrtFile_HideText(), Error, after  m_pICphr->Init() "},
        {[](int) -> ICphr* { return new FixedSizeCipher(0, 0); },
         "\nCSmrtFile_HideText::CSmrtFile_HideText(), Error, m_StrFixedSize <= 0 "},
        {[](int) -> ICphr* { return new FixedSizeCipher(4096, 0); },
         "\nCSmrtFile_HideText::CSmrtFile_HideText(), Error, m_StrFixedSize >= MAX_SMART_FILE_STR_SZ "},
        {[](int t) -> ICphr* { return t == 2 ? new FixedSizeCipher(64, 0) : nullptr; },
         "\nCSmrtFile_HideText::CSmrtFile_HideText(), Error, m_pICphr_Nfs == 0"},
        {[](int t) -> ICphr* { return new FixedSizeCipher(t == 2 ? 64 : 0, t == 2 ? 0 : 1); },
         "\nCSmrtFile_HideText::CSmrtFile_HideText(), Error, after  m_pICphr_Nfs->Init() "},
    };
    for (const Case& c : cases) {
        MakeLog();
        UseCiphers(c.make);
        EXPECT_EXIT(CSmrtFile_HideText(), ::testing::ExitedWithCode(1), "");
        EXPECT_EQ(Log(), c.line);
    }
}

// The coding of a file is decided over its whole (deciphered) content, the same for a plain and
// a hidden file; the reading then starts at the first text byte, and a UTF-8 text longer than
// its field is cut between characters.
TEST_F(HideTextTest, PlainAndHiddenFilesDecideTheirCodingAlike)
{
    const std::string bom = "\xEF\xBB\xBF";
    std::string lambdas; // 600 of them, the first 503 of which fit the field after "Καλημέρα"
    for (int i = 0; i < 600; ++i)
        lambdas += "λ";
    const std::string greek = "*" + std::string(80, 'a') + "\n=Καλημέρα" + lambdas;
    const struct {
        std::string text;
        plat::TextCoding coding;
    } cases[] = {
        {"", plat::TextCoding::SingleByte},
        {"*ASCII only\n=plain\n", plat::TextCoding::SingleByte},
        {"*\xE9t\xE9\n=summer\n", plat::TextCoding::SingleByte}, // a Western byte: no UTF-8
        {greek, plat::TextCoding::Utf8},                         // its characters cross the blocks
        {greek + "\xCE", plat::TextCoding::SingleByte},          // the last one cut short
        {bom + "*\xE9t\xE9\n=summer\n", plat::TextCoding::Utf8Bom},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 20));
        WriteHidden("h.mix", c.text);
        WriteFile("p.mix", c.text);
        CSmrtFile_HideText hidden;
        CSmrtFile_Nrml plain;
        ASSERT_EQ(hidden.sf_fopen(Path("h.mix").c_str(), "rb"), 0);
        ASSERT_EQ(plain.sf_fopen(Path("p.mix").c_str(), "rb"), 0);
        EXPECT_EQ(DecideFileCoding(plain), c.coding);
        EXPECT_EQ(DecideFileCoding(hidden), c.coding);
        char a1[MAX_PHRASE_FIELD_SZ], b1[MAX_PHRASE_FIELD_SZ], a2[MAX_PHRASE_FIELD_SZ], b2[MAX_PHRASE_FIELD_SZ];
        CPhraseReader rp(plain, c.coding), rh(hidden, c.coding);
        EXPECT_EQ(rp.ReadRecord(a1, b1), rh.ReadRecord(a2, b2));
        EXPECT_STREQ(a1, a2);
        EXPECT_STREQ(b1, b2);
        if (c.coding == plat::TextCoding::Utf8) {
            EXPECT_EQ(std::string(b1), "Καλημέρα" + lambdas.substr(0, 2 * 503));
        }
        hidden.sf_fclose();
        plain.sf_fclose();
    }
}
