#include "tty/TtySpeak.h"

#include "platform/PlatCodePage.h"
#include "platform/PlatUtf8.h"
#include "speech/Speech.h"
#include "speech/SpeechText.h"
#include "speech/Wav.h"

#include <cstdio>

namespace tty {

int SpeakToFile(const Options& options)
{
    // The command line is UTF-8; bytes that are not are read as a single-byte screen text.
    const std::string text = plat::IsUtf8(options.file)
                                 ? speech::SpeakableFromUtf8(options.file)
                                 : speech::SpeakableFromScreen(options.file, plat::kCpWestern);
    speech::CSpeech speaker;
    const speech::Audio audio = speaker.SpeakNow(text, options.language);
    if (!audio.error.empty()) {
        std::fprintf(stderr, "lexido-tty: %s\n", audio.error.c_str());
        return 1;
    }
    if (!speech::WriteWav(options.speakTo, audio.samples, audio.sampleRate)) {
        std::fprintf(stderr, "lexido-tty: cannot write %s\n", options.speakTo.c_str());
        return 1;
    }
    return 0;
}

} // namespace tty
