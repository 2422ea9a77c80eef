// What a pass says: the question and the answer found in the screen text of each kind of mode,
// said as they show (word by word as the words come, bracket texts once open) in the language
// the Speech page chose; the speaker into a device, and off without one.
#include "settings/SpeechCue.h"
#include "base/Globals.h"
#include "config/DbTypes.h"
#include "config/IDbVars.h"
#include "programs/CBsPrgr.h"
#include "speech/SpeechLanguage.h"
#include "tests/TestProgramFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

class SpeechCueTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        MakeLog();
        OpenDatabase();
    }
    static void Set(const char* sec, const char* par, int value) { g_pIDbVars->WrVal(sec, par, PAR_TYPE_INT, &value); }
};

const std::string kSep = SEPARATOR_LINE;
const std::string kEnd = CONTINUE_LINE;

} // namespace

TEST_F(SpeechCueTest, EachModesScreensSayTheQuestionAndTheAnswerRevealedInTheirLanguages)
{
    g_pIDbVars->WrText("Speech", "FirstLanguage", PAR_TYPE_STRING_ANY, "fr");
    g_pIDbVars->WrText("Speech", "SecondLanguage", PAR_TYPE_STRING_ANY, "de");
    Set("Speech", "SpeakAnswers", 1);
    Set("Speech", "SpeakQuestions", 1);
    // A screen after another, what Follow says then ("": nothing), and its language.
    struct Step {
        const char *screen, *said, *language;
    };
    const struct {
        int mode, direction;
        std::vector<Step> steps;
        const char *revealed, *language;
    } kCases[] = {
        {0, 0, {{"Bonjour|", "Bonjour", "fr"}, {"Bonjour|Guten Tag", "Guten Tag", "de"}}, "Guten Tag", "de"},
        {1, 1,
            {{"Guten Tag|", "Guten Tag", "de"}, {"Guten Tag|Bonjour ", "Bonjour", "fr"},
                {"Guten Tag|Bonjour tout ", "tout", "fr"}},
            "Bonjour tout", "fr"},
        {5, 1,
            {{"Hello|<> world", "Hello", "fr"}, {"Hello|<Gu> world", "", ""},
                {"Hello|<Guten> world$", "Guten world", "de"}},
            "Guten world", "de"},
        {7, 0, {{"<> a text", "", ""}, {"<Un> a text$", "Un a text", "fr"}}, "Un a text", "fr"},
        {0, 0, {{"Bonjour|Guten Tag", "Guten Tag", "de"}, {"Bonjour|", "Bonjour", "fr"}}, "Bonjour", "fr"},
    };
    for (const auto& c : kCases) {
        Set("ViewMode", "Mode", c.mode);
        Set("ViewMode", "Direction", c.direction);
        spch::CSpeechCue cue;
        std::string screen;
        for (const Step& s : c.steps) {
            screen = s.screen;
            if (const std::size_t bar = screen.find('|'); bar != std::string::npos)
                screen.replace(bar, 1, kSep);
            if (screen.back() == '$')
                screen.replace(screen.size() - 1, 1, kEnd);
            const spch::SSaying said = cue.Follow(screen);
            EXPECT_EQ(said.text + "/" + said.language, std::string(s.said) + "/" + s.language)
                << c.mode << " " << s.screen;
        }
        const spch::SSaying last = spch::CSpeechCue::Revealed(screen);
        EXPECT_EQ(last.text + "/" + last.language, std::string(c.revealed) + "/" + c.language) << c.mode;
    }
    // The options off: nothing is said on its own; "guess" reads Latin in the interface language.
    Set("Speech", "SpeakAnswers", 0);
    Set("Speech", "SpeakQuestions", 0);
    g_pIDbVars->WrText("Speech", "FirstLanguage", PAR_TYPE_STRING_ANY, "guess");
    spch::CSpeechCue cue;
    EXPECT_EQ(cue.Follow("Hello" + kSep + "Guten Tag").text, "");
    EXPECT_EQ(spch::CSpeechCue::Revealed("Hello" + kSep).language, "en");
}

TEST(SpeechLanguage, TheScriptOfMostLettersNamesTheLanguage)
{
    const struct {
        const char *text, *language;
    } kCases[] = {{"Доброе утро", "ru"}, {"Καλημέρα", "el"}, {"שלום", "he"}, {"こんにちは", "ja"}, {"你好", "cmn"},
        {"Guten Morgen", "xx"}, {"Grüße", "xx"}, {"42 !", "xx"}, {"Красная площадь (Red Square)", "ru"}};
    for (const auto& c : kCases)
        EXPECT_EQ(speech::GuessLanguage(c.text, "xx"), c.language) << c.text;
}

// The speaker plays into its device, and a machine without one has speech off, never an error.
TEST(Speaker, SaysIntoItsDeviceAndIsOffWithoutOne)
{
    struct Device : speech::IAudioOut {
        bool opens = true;
        std::atomic<int> samples{0};
        bool Open(int rate) override { return opens && rate > 0; }
        void Restart() override {}
        void Write(const std::int16_t*, int count) override { samples += count; }
    };
    for (const bool opens : {true, false}) {
        auto device = std::make_unique<Device>();
        Device& d = *device;
        d.opens = opens;
        speech::CSpeaker speaker(std::move(device));
        EXPECT_EQ(speaker.Say("Good morning", "en", {}), opens);
        EXPECT_EQ(speaker.Say("Good morning", "en", {250, "m3"}), opens);
        for (int i = 0; i < 500 && opens && d.samples < 4410; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_EQ(d.samples >= 4410, opens) << d.samples; // a fifth of a second of speech, or none
    }
}
