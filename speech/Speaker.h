#pragma once
// What says texts for a front-end: the speech service with a sound device of the front-end's,
// behind a small interface the window and the terminal call and tests stand in for.

#include "speech/Speech.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

namespace speech {

// How a text is said: the rate in words a minute (0: eSpeak's own) and a voice variant.
struct Voicing {
    int rate = 0;
    std::string variant;
};

class ISpeaker {
public:
    virtual ~ISpeaker() = default;
    // Starts saying the UTF-8 text in the language (an eSpeak code) and returns at once; what
    // is still said stops. False when speech is off (no sound device, no voice data).
    virtual bool Say(const std::string& text, const std::string& language, const Voicing& voicing) = 0;
    // Stops what is said.
    virtual void Stop() = 0;
};

// A sound device: 16-bit mono samples played as they come.
class IAudioOut {
public:
    virtual ~IAudioOut() = default;
    // Opens the device at the rate; false when there is none (no sound server, no device).
    virtual bool Open(int sampleRate) = 0;
    // A new text: what is still playing is dropped.
    virtual void Restart() = 0;
    // Samples to play, from the speech thread.
    virtual void Write(const std::int16_t* samples, int count) = 0;
};

// The speaker of a front-end: eSpeak NG, started at the first text, into the front-end's device.
class CSpeaker : public ISpeaker {
public:
    explicit CSpeaker(std::unique_ptr<IAudioOut> out) : m_pOut(std::move(out)) {}
    ~CSpeaker() override;

    bool Say(const std::string& text, const std::string& language, const Voicing& voicing) override;
    void Stop() override;

private:
    std::unique_ptr<IAudioOut> m_pOut;
    std::unique_ptr<CSpeech> m_pSpeech; // before m_pOut goes: its thread writes into it
    bool m_Off = false;
    // The samples of a text the next one replaced never reach the device.
    std::mutex m_Lock;
    unsigned m_Text = 0;
};

} // namespace speech
