#pragma once
// Language codes as people write them (BCP 47: zh, pt-BR, en_GB, sr-Latn, in any case) matched
// to eSpeak NG's voices: the one place that turns a code into the voice that says it.

#include "speech/Speech.h"

#include <string>
#include <vector>

namespace speech {

// The code lower-cased, "_" read as "-", blanks around it dropped ("pt_BR " is "pt-br"); empty
// for a text that is no language tag (other characters, an empty subtag).
std::string NormalTag(const std::string& code);

// The voice of voices (as Languages() gives them) that says the language of code. The tag is
// looked for among the languages each voice lists, the best priority first; the tags eSpeak
// NG lists under another name are renamed first (zh-HK and zh-MO Cantonese, nn Bokmål, the
// Spanish of Latin America's countries es-419, ...); a tag no voice lists is tried without its
// last subtag (fr-CA as fr, sr-Latn as sr). Null when no voice says it.
const Voice* VoiceFor(const std::string& code, const std::vector<Voice>& voices);

} // namespace speech
