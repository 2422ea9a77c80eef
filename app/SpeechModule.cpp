// The speech module (lexido-speech.so): eSpeak NG into Qt Multimedia's audio sink, loaded by the
// window at the first text it says or the first look at the Speech page (app/LateModules).
#include "app/CQtAudioOut.h"
#include "speech/SpeechKit.h"

namespace {

class CEspeakKit : public speech::ISpeechKit {
public:
    std::vector<speech::Voice> Languages() override { return speech::Languages(); }
    std::vector<std::string> Variants() override { return speech::Variants(); }
    std::unique_ptr<speech::ISpeaker> MakeSpeaker() override
    {
        return std::make_unique<speech::CSpeaker>(std::make_unique<CQtAudioOut>());
    }
};

} // namespace

extern "C" __attribute__((visibility("default"))) speech::ISpeechKit* LexidoSpeechKit()
{
    static CEspeakKit kit;
    return &kit;
}
