#include "speech/Speech.h"

#include "speech/LanguageTags.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <future>

namespace speech {

namespace {

// eSpeak NG keeps one state for the process: it starts once and is used under one lock, so
// two services (a window and a test) take turns.
std::mutex& EspeakLock()
{
    static std::mutex lock;
    return lock;
}

// The sample rate, or 0 when eSpeak NG cannot start. Called under EspeakLock.
int EspeakStart()
{
    static int rate = -1;
    if (rate < 0) {
        // Blocks of 20 ms: a cancel is seen within one of them. Without its voice data eSpeak
        // would end the process; it answers instead, and speech is then off.
        rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 20, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (rate < 0)
            rate = 0;
    }
    return rate;
}

// A name eSpeak takes as one voice file name: no path, no option of its own.
bool PlainName(const std::string& name, bool spaces)
{
    return std::all_of(name.begin(), name.end(), [spaces](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || (spaces && c == ' ');
    });
}

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Every voice of the installed voice data, in eSpeak's order; read once, as the data does not
// change while the program runs. Called under EspeakLock.
const std::vector<Voice>& AllVoices()
{
    static std::vector<Voice> voices;
    static bool read = false;
    if (read || EspeakStart() <= 0)
        return voices;
    read = true;
    for (const espeak_VOICE** v = espeak_ListVoices(nullptr); v && *v; ++v) {
        if (!(*v)->languages || !(*v)->name || !(*v)->identifier)
            continue;
        Voice voice{std::string(), (*v)->name, (*v)->identifier, {}};
        // The languages field: for each, a priority byte and the code; an empty code ends it.
        for (const char* p = (*v)->languages; *p && p[1]; p += std::strlen(p + 1) + 2)
            voice.languages.emplace_back(static_cast<unsigned char>(*p), Lower(p + 1));
        if (!voice.languages.empty() && PlainName(voice.languages.front().second, false)) {
            voice.code = voice.languages.front().second;
            voices.push_back(std::move(voice));
        }
    }
    return voices;
}

} // namespace

std::vector<Voice> Languages()
{
    std::lock_guard<std::mutex> lock(EspeakLock());
    std::vector<Voice> voices = AllVoices();
    std::stable_sort(voices.begin(), voices.end(), [](const Voice& a, const Voice& b) { return a.code < b.code; });
    voices.erase(std::unique(voices.begin(), voices.end(), [](const Voice& a, const Voice& b) { return a.code == b.code; }),
                 voices.end());
    return voices;
}

std::vector<std::string> Variants()
{
    std::vector<std::string> variants;
    std::lock_guard<std::mutex> lock(EspeakLock());
    if (EspeakStart() <= 0)
        return variants;
    espeak_VOICE wanted = {};
    wanted.languages = "variant";
    for (const espeak_VOICE** v = espeak_ListVoices(&wanted); v && *v; ++v) {
        // "!v/m3": the variant's file, which the voice's name takes after "+".
        const std::string id = (*v)->identifier ? (*v)->identifier : "";
        const std::size_t slash = id.rfind('/');
        const std::string name = slash == std::string::npos ? id : id.substr(slash + 1);
        if (!name.empty() && PlainName(name, true))
            variants.push_back(name);
    }
    std::sort(variants.begin(), variants.end());
    return variants;
}

struct CSpeech::Job {
    unsigned id = 0;
    Request request;
    Audio audio;
    const std::atomic<unsigned>* latest = nullptr;
};

namespace {

// eSpeak hands each block of samples here; returning 1 aborts the synthesis.
int OnSynth(short* wav, int count, espeak_EVENT* events)
{
    auto* job = events ? static_cast<CSpeech::Job*>(events->user_data) : nullptr;
    if (!job)
        return 0;
    if (job->latest->load() != job->id) {
        job->audio.cancelled = true;
        return 1;
    }
    if (wav && count > 0) {
        job->audio.samples.insert(job->audio.samples.end(), wav, wav + count);
        if (job->request.onSamples)
            job->request.onSamples(wav, count);
    }
    return 0;
}

} // namespace

CSpeech::CSpeech()
{
    {
        std::lock_guard<std::mutex> lock(EspeakLock());
        m_sampleRate = EspeakStart();
    }
    m_thread = std::thread([this] { Run(); });
}

CSpeech::~CSpeech()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
        ++m_latest;
    }
    m_wake.notify_all();
    m_thread.join();
    // A request that never started still hears that it ended.
    if (m_pending) {
        m_pending->audio.cancelled = true;
        if (m_pending->request.onDone)
            m_pending->request.onDone(m_pending->audio);
    }
}

void CSpeech::Speak(Request request)
{
    std::unique_ptr<Job> dropped;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto job = std::make_unique<Job>();
        job->id = ++m_nextId;
        job->request = std::move(request);
        job->latest = &m_latest;
        job->audio.sampleRate = m_sampleRate;
        dropped = std::move(m_pending);
        m_pending = std::move(job);
        m_latest = m_nextId;
    }
    m_wake.notify_all();
    if (dropped) {
        dropped->audio.cancelled = true;
        if (dropped->request.onDone)
            dropped->request.onDone(dropped->audio);
    }
}

void CSpeech::Cancel()
{
    std::unique_ptr<Job> dropped;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        dropped = std::move(m_pending);
        m_latest = ++m_nextId;
    }
    if (dropped) {
        dropped->audio.cancelled = true;
        if (dropped->request.onDone)
            dropped->request.onDone(dropped->audio);
    }
}

Audio CSpeech::SpeakNow(const std::string& text, const std::string& language, int rate, const std::string& variant)
{
    std::promise<Audio> done;
    std::future<Audio> result = done.get_future();
    Request request;
    request.text = text;
    request.language = language;
    request.rate = rate;
    request.variant = variant;
    request.onDone = [&done](const Audio& audio) { done.set_value(audio); };
    Speak(std::move(request));
    return result.get();
}

void CSpeech::Run()
{
    for (;;) {
        std::unique_ptr<Job> job;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stop || m_pending; });
            if (m_stop)
                return;
            job = std::move(m_pending);
        }
        Synthesise(*job);
        if (job->request.onDone)
            job->request.onDone(job->audio);
    }
}

void CSpeech::Synthesise(Job& job)
{
    Audio& audio = job.audio;
    if (!m_sampleRate) {
        audio.error = "speech is not available (eSpeak NG found no voice data)";
        return;
    }
    std::lock_guard<std::mutex> lock(EspeakLock());
    const std::string& language = job.request.language;
    const std::string& variant = job.request.variant;
    const Voice* voice = VoiceFor(language, AllVoices());
    if (!voice || !PlainName(variant, true) ||
        espeak_SetVoiceByName((variant.empty() ? voice->file : voice->file + "+" + variant).c_str()) != EE_OK) {
        audio.error = "no voice for the language \"" + (variant.empty() ? language : language + "+" + variant) + "\"";
        return;
    }
    const int rate = job.request.rate > 0 ? std::clamp(job.request.rate, 80, 450) : espeakRATE_NORMAL;
    espeak_SetParameter(espeakRATE, rate, 0);
    if (const espeak_VOICE* current = espeak_GetCurrentVoice(); current && current->name)
        audio.voiceName = current->name;
    espeak_SetSynthCallback(OnSynth);
    const std::string& text = job.request.text;
    const espeak_ERROR status = espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0,
                                             espeakCHARS_UTF8, nullptr, &job);
    if (status != EE_OK && !audio.cancelled)
        audio.error = "the synthesiser failed";
}

} // namespace speech
