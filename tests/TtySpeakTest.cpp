// lexido-tty --speak-to: the speech of a text as a WAV file in each language of the phrase-book,
// and the clear answers for a language without a voice, a file that cannot be written and an
// incomplete command line.

#include "tests/TtyBatchFixture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using namespace ttybatch;

std::uint32_t Le(const std::string& bytes, std::size_t at, int size)
{
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
    return v;
}

} // namespace

TEST_F(TtyBatchTest, SpeakToWritesAWavFileOfTheTextInEachPhraseBookLanguage)
{
    const struct { const char *language, *text; } kPhrases[] = {{"en", "Thank you very much"}, {"fr", "Merci beaucoup"},
                    {"de", "Vielen Dank"}, {"ru", "Большое спасибо"}, {"zh", "非常感谢"}, {"pt_BR", "Muito obrigado"}};
    for (const auto& p : kPhrases) {
        SCOPED_TRACE(p.language);
        ASSERT_EQ(Run(std::string("--speak-to out/s.wav --language ") + p.language + " '" + p.text + "'", ""), 0) << m_Err;
        const std::string wav = ReadFile("out/s.wav");
        ASSERT_GT(wav.size(), 44u + 22050u); // more than half a second at eSpeak's rate
        EXPECT_EQ(wav.substr(0, 4) + wav.substr(8, 8) + wav.substr(36, 4), "RIFFWAVEfmt data");
        EXPECT_EQ(Le(wav, 4, 4), wav.size() - 8);
        // PCM, mono, eSpeak's rate, 16 bits a sample
        EXPECT_EQ(std::vector<std::uint32_t>({Le(wav, 20, 2), Le(wav, 22, 2), Le(wav, 24, 4), Le(wav, 34, 2)}),
                  std::vector<std::uint32_t>({1, 1, 22050, 16}));
        EXPECT_EQ(Le(wav, 40, 4), wav.size() - 44);
    }
    const struct { const char* args; int status; const char* message; } kFaults[] = {{"--speak-to out/x.wav --language xx Hello", 1, "no voice for the language \"xx\""},
                   {"--speak-to out/none/x.wav --language en Hello", 1, "cannot write out/none/x.wav"},
                   {"--speak-to out/x.wav Hello", 2, "--speak-to needs --language CODE"},
                   {"--speak-to out/x.wav --language en", 2, "--speak-to needs the TEXT to say"}};
    for (const auto& f : kFaults) {
        SCOPED_TRACE(f.args);
        EXPECT_EQ(Run(f.args, ""), f.status);
        EXPECT_NE(m_Err.find(f.message), std::string::npos) << m_Err;
        EXPECT_FALSE(Exists("out/x.wav"));
    }
}
