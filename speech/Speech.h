#pragma once
// The speech service: texts synthesised by eSpeak NG into 16-bit mono PCM on a thread of its
// own, so neither the worker nor the window waits; a new request cancels the one still speaking.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace speech {

// What one request produced. The samples are those synthesised until the end or the cancel.
struct Audio {
    std::vector<std::int16_t> samples;
    int sampleRate = 0;
    std::string voiceName; // eSpeak's name of the voice chosen ("Russian", "French (France)")
    bool cancelled = false;
    std::string error;     // empty when the text was said; else why not (unknown language, ...)
};

struct Request {
    std::string text;     // UTF-8, as it is to be said (see SpeechText.h)
    std::string language; // a language code: en, fr, de, ru, zh, pt-BR, ... (LanguageTags.h)
    // Called on the speech thread for each block of samples as it is made (may be empty).
    std::function<void(const std::int16_t* samples, int count)> onSamples;
    // Called once, when the request ends, is cancelled or fails: on the speech thread, or in
    // Speak or Cancel for a request they drop before it started.
    std::function<void(const Audio& audio)> onDone;
    int rate = 0;         // words a minute (80 to 450); 0: eSpeak's own rate
    std::string variant;  // a voice variant ("m3", "f2", as Variants names them); empty: none
};

// A language eSpeak NG has a voice for: its code (the first language the voice lists, lower
// case), eSpeak's name of the voice, its file, and the languages it lists with their priority
// (a lower number is a better match).
struct Voice {
    std::string code;
    std::string name;
    std::string file;
    std::vector<std::pair<int, std::string>> languages;
};

// The languages, sorted by code (one voice for each), and the voice variants, sorted by name;
// empty when eSpeak NG cannot start.
std::vector<Voice> Languages();
std::vector<std::string> Variants();

class CSpeech {
public:
    CSpeech();
    ~CSpeech(); // cancels what is speaking and joins the thread

    CSpeech(const CSpeech&) = delete;
    CSpeech& operator=(const CSpeech&) = delete;

    // False when eSpeak NG could not start (no voice data): every request then fails at once.
    bool Available() const { return m_sampleRate > 0; }
    int SampleRate() const { return m_sampleRate; }

    // Queues the request and returns; the one still speaking and any still waiting are
    // cancelled (their onDone says so).
    void Speak(Request request);
    // Cancels what is speaking and what waits.
    void Cancel();

    // Says the text and waits for the whole of it: for scripted use and tests.
    Audio SpeakNow(const std::string& text, const std::string& language, int rate = 0,
                   const std::string& variant = std::string());

    struct Job; // one request on its way through the thread

private:
    void Run();
    void Synthesise(Job& job);

    int m_sampleRate = 0;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::unique_ptr<Job> m_pending;
    bool m_stop = false;
    unsigned m_nextId = 0;
    std::atomic<unsigned> m_latest{0}; // the one request allowed to go on speaking
    std::thread m_thread;
};

} // namespace speech
