#pragma once
// The speech engine as a front-end reaches it: the voices and a speaker into the front-end's
// sound device, from eSpeak NG linked in or from a module loaded at the first use.

#include "speech/Speaker.h"
#include "speech/Speech.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace speech {

class ISpeechKit {
public:
    virtual ~ISpeechKit() = default;
    // As speech::Languages() and Variants() give them.
    virtual std::vector<Voice> Languages() = 0;
    virtual std::vector<std::string> Variants() = 0;
    // A speaker (CSpeaker) into the front-end's sound device.
    virtual std::unique_ptr<ISpeaker> MakeSpeaker() = 0;
};

// The front-end's kit: the source is asked at each use (it may load the engine then) and
// answers null when there is none, which leaves speech off and the voice lists empty.
void SetKitSource(std::function<ISpeechKit*()> source);
ISpeechKit* Kit();

} // namespace speech
