#pragma once
// The terminal's sound device for speech: the desktop's sound server through PulseAudio's simple
// API (PipeWire answers it too), played on a thread of its own.

#include "speech/Speaker.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

struct pa_simple;

namespace tty {

class CPulseAudioOut : public speech::IAudioOut {
public:
    ~CPulseAudioOut() override;
    // False when no sound server answers (a remote session, CI): speech is then off.
    bool Open(int sampleRate) override;
    void Restart() override;
    void Write(const std::int16_t* samples, int count) override;

private:
    void Play();

    pa_simple* m_pStream = nullptr;
    std::mutex m_Lock;
    std::condition_variable m_Wake;
    std::deque<std::int16_t> m_Samples;
    bool m_Flush = false; // what the server still holds is dropped before the next samples
    bool m_Stop = false;
    std::thread m_Thread;
};

} // namespace tty
