// The speech service into memory: each language in its own voice, longer texts longer, a
// cancel stopping the speaking, and texts said as the learner sees them.
#include "platform/PlatCodePage.h"
#include "speech/LanguageTags.h"
#include "speech/Speech.h"
#include "speech/SpeechLanguage.h"
#include "speech/SpeechText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <future>

namespace {

// The language, a phrase in it and what the voice's name holds.
const struct Phrase { const char *language, *text, *voice; } kPhrases[] = {
    {"en", "Good morning, how are you today?", "English"},
    {"fr", "Bonjour, comment allez-vous aujourd'hui ?", "French"},
    {"de", "Guten Morgen, wie geht es Ihnen heute?", "German"},
    {"ru", "Доброе утро, как вы сегодня?", "Russian"},
};

int Peak(const std::vector<std::int16_t>& s)
{
    const auto louder = [](int a, int b) { return std::abs(a) < std::abs(b); };
    return s.empty() ? 0 : std::abs(static_cast<int>(*std::max_element(s.begin(), s.end(), louder)));
}

} // namespace

TEST(Speech, EachLanguageIsSaidInItsVoiceAndALongerTextTakesLonger)
{
    speech::CSpeech speaker;
    ASSERT_TRUE(speaker.Available());
    for (const Phrase& p : kPhrases) {
        SCOPED_TRACE(p.language);
        const speech::Audio once = speaker.SpeakNow(p.text, p.language);
        EXPECT_TRUE(once.error.empty() && !once.cancelled) << once.error;
        EXPECT_GT(once.samples.size(), static_cast<std::size_t>(once.sampleRate / 2));
        EXPECT_GT(Peak(once.samples), 1000);
        EXPECT_NE(once.voiceName.find(p.voice), std::string::npos) << once.voiceName;
        const speech::Audio thrice = speaker.SpeakNow(std::string(p.text) + " " + p.text + " " + p.text, p.language);
        EXPECT_GT(thrice.samples.size(), 2 * once.samples.size());
    }
    for (const char* unknown : {"xx", "", "../en"}) {
        const speech::Audio none = speaker.SpeakNow("Hello", unknown);
        EXPECT_TRUE(!none.error.empty() && none.samples.empty()) << unknown;
    }
}

// The usual codes, in any case and with "_", find the voices of the installed voice data and are
// said in them; a code no voice says, or no code, finds none.
TEST(Speech, UsualLanguageCodesAreSaidByTheirVoices)
{
    const struct { const char *code, *voice; } kCodes[] = {{"zh", "cmn"}, {"zh-CN", "cmn"}, {"ZH_tw", "cmn"},
        {"zh-Hant-TW", "cmn"}, {"zh-HK", "yue"}, {"zh-Hant-HK", "yue"}, {"yue", "yue"}, {"pt-BR", "pt-br"},
        {"pt_PT", "pt"}, {"pt", "pt"}, {"en-GB", "en-gb"}, {"en-US", "en-us"}, {"EN", "en-gb"}, {"en-AU", "en-gb"},
        {"es-419", "es-419"}, {"es-MX", "es-419"}, {"es_ar", "es-419"}, {"es-ES", "es"}, {"fr-CA", "fr-fr"},
        {"fr-fr", "fr-fr"}, {"sr-Latn", "sr"}, {"sr-Cyrl-RS", "sr"}, {"nb", "nb"}, {"no", "nb"}, {"nn", "nb"},
        {"iw", "he"}, {"de-AT", "de"}, {" ru ", "ru"}, {"cmn-Latn-pinyin", "cmn-latn-pinyin"}, {"xx", ""}, {"", ""},
        {"../en", ""}, {"en--gb", ""}, {"en-", ""}, {"zz-Latn", ""}};
    const std::vector<speech::Voice> voices = speech::Languages();
    speech::CSpeech speaker;
    for (const auto& c : kCodes) {
        const speech::Voice* voice = speech::VoiceFor(c.code, voices);
        EXPECT_EQ(voice ? voice->code : "", c.voice) << c.code;
        const speech::Audio said = speaker.SpeakNow("1", c.code);
        EXPECT_EQ(said.error.empty() ? said.voiceName : said.error,
                  voice ? voice->name : "no voice for the language \"" + std::string(c.code) + "\"");
    }
}

// A cancel, and a new request, end the speaking within 50 ms (a bound with slack for a loaded
// machine, not a measurement); the next request is said in full.
TEST(Speech, ACancelOrANewRequestStopsTheSpeaking)
{
    speech::CSpeech speaker;
    std::string longText;
    for (int i = 0; i < 200; ++i)
        longText += "This is a long sentence that takes a while to say. ";
    const auto bound = std::chrono::milliseconds(50 * 5);
    for (const bool byNewRequest : {false, true}) {
        SCOPED_TRACE(byNewRequest ? "new request" : "cancel");
        std::promise<void> started;
        std::promise<speech::Audio> done;
        speech::Request request{longText, "en", nullptr, nullptr, 0, {}};
        bool first = true;
        request.onSamples = [&](const std::int16_t*, int) {
            if (std::exchange(first, false))
                started.set_value();
        };
        request.onDone = [&](const speech::Audio& audio) { done.set_value(audio); };
        speaker.Speak(std::move(request));
        started.get_future().wait();
        const auto t0 = std::chrono::steady_clock::now();
        std::future<speech::Audio> next;
        if (byNewRequest)
            next = std::async(std::launch::async, [&] { return speaker.SpeakNow(kPhrases[0].text, "en"); });
        else
            speaker.Cancel();
        const speech::Audio cut = done.get_future().get();
        EXPECT_LT(std::chrono::steady_clock::now() - t0, bound);
        EXPECT_TRUE(cut.cancelled && cut.samples.size() < static_cast<std::size_t>(speaker.SampleRate() * 60));
        if (byNewRequest) {
            const speech::Audio whole = next.get();
            EXPECT_TRUE(!whole.cancelled && whole.samples.size() > static_cast<std::size_t>(whole.sampleRate / 2));
        }
    }
}

TEST(SpeechText, TheScreensDecodingWithoutTheBrackets)
{
    EXPECT_EQ(speech::SpeakableFromScreen("*\xe0 Paris=\xe2 <\xcf\xe0\xf0\xe8\xe6>", plat::kCpCyrillic),
              "*à Paris=в Париж");
    EXPECT_EQ(speech::SpeakableFromScreen("<Guten> <Tag>", plat::kCpWestern), "Guten Tag");
    EXPECT_EQ(speech::SpeakableFromUtf8("<Доброе> утро"), "Доброе утро");
}

TEST(SpeechText, ThePhraseBooksFolderPairNamesTheLanguagesOfBothTexts)
{
    const struct { const char *path, *first, *second; } kCases[] = {
        {"Text\\Conversational Guide\\English_Russian\\01 Food.mix", "en", "ru"},
        {"/p/Text/Conversational Guide/French_German/02 Travel.mix", "fr", "de"},
        {"Other_Russian/a.mix", "?", "?"}, {"English_Russian", "?", "?"}, {"/a.mix", "?", "?"}};
    for (const auto& c : kCases) {
        std::string first = "?", second = "?";
        EXPECT_EQ(speech::PairLanguages(c.path, first, second), *c.first != '?') << c.path;
        EXPECT_EQ(first + second, std::string(c.first) + c.second) << c.path;
    }
}
