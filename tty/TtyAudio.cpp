#include "tty/TtyAudio.h"

#include <pulse/simple.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace tty {

CPulseAudioOut::~CPulseAudioOut()
{
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        m_Stop = true;
    }
    m_Wake.notify_all();
    if (m_Thread.joinable())
        m_Thread.join();
    if (m_pStream)
        pa_simple_free(m_pStream);
}

bool CPulseAudioOut::Open(int sampleRate)
{
    pa_sample_spec format = {};
    format.format = PA_SAMPLE_S16LE;
    format.rate = static_cast<std::uint32_t>(sampleRate);
    format.channels = 1;
    // A short buffer on the server: a new text is heard at once, a cancelled one stops.
    pa_buffer_attr attr = {};
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.tlength = static_cast<std::uint32_t>(sampleRate / 5); // 100 ms of 16-bit samples
    attr.prebuf = static_cast<std::uint32_t>(-1);
    attr.minreq = static_cast<std::uint32_t>(-1);
    attr.fragsize = static_cast<std::uint32_t>(-1);
    int error = 0;
    m_pStream = pa_simple_new(nullptr, "Lexido", PA_STREAM_PLAYBACK, nullptr, "speech", &format, nullptr, &attr, &error);
    if (!m_pStream)
        return false;
    m_Thread = std::thread([this] { Play(); });
    return true;
}

void CPulseAudioOut::Restart()
{
    std::lock_guard<std::mutex> lock(m_Lock);
    m_Samples.clear();
    m_Flush = true;
}

void CPulseAudioOut::Write(const std::int16_t* samples, int count)
{
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        m_Samples.insert(m_Samples.end(), samples, samples + count);
    }
    m_Wake.notify_all();
}

void CPulseAudioOut::Play()
{
    std::vector<std::int16_t> block;
    for (;;) {
        bool flush = false;
        {
            std::unique_lock<std::mutex> lock(m_Lock);
            m_Wake.wait(lock, [this] { return m_Stop || m_Flush || !m_Samples.empty(); });
            if (m_Stop)
                return;
            flush = std::exchange(m_Flush, false);
            // 20 ms at a time: Restart is seen between two blocks.
            const std::size_t n = std::min<std::size_t>(m_Samples.size(), 441);
            block.assign(m_Samples.begin(), m_Samples.begin() + static_cast<std::ptrdiff_t>(n));
            m_Samples.erase(m_Samples.begin(), m_Samples.begin() + static_cast<std::ptrdiff_t>(n));
        }
        int error = 0;
        if (flush)
            pa_simple_flush(m_pStream, &error);
        if (!block.empty())
            pa_simple_write(m_pStream, block.data(), block.size() * sizeof block[0], &error);
    }
}

} // namespace tty
