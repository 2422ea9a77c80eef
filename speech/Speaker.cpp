#include "speech/Speaker.h"

namespace speech {

CSpeaker::~CSpeaker()
{
    m_pSpeech.reset(); // joins the speech thread: nothing writes into the device after this
    m_pOut.reset();
}

bool CSpeaker::Say(const std::string& text, const std::string& language, const Voicing& voicing)
{
    if (m_Off)
        return false;
    if (!m_pSpeech) {
        m_pSpeech = std::make_unique<CSpeech>();
        if (!m_pSpeech->Available() || !m_pOut || !m_pOut->Open(m_pSpeech->SampleRate())) {
            m_Off = true;
            m_pSpeech.reset();
            return false;
        }
    }
    unsigned mine = 0;
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        mine = ++m_Text;
        m_pOut->Restart();
    }
    Request request;
    request.text = text;
    request.language = language;
    request.rate = voicing.rate;
    request.variant = voicing.variant;
    request.onSamples = [this, mine](const std::int16_t* samples, int count) {
        std::lock_guard<std::mutex> lock(m_Lock);
        if (mine == m_Text)
            m_pOut->Write(samples, count);
    };
    m_pSpeech->Speak(std::move(request));
    return true;
}

void CSpeaker::Stop()
{
    if (!m_pSpeech)
        return;
    m_pSpeech->Cancel();
    std::lock_guard<std::mutex> lock(m_Lock);
    ++m_Text;
    m_pOut->Restart();
}

} // namespace speech
