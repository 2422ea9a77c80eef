#include "app/CQtAudioOut.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <algorithm>

void CSpeechBuffer::Clear()
{
    std::lock_guard<std::mutex> lock(m_Lock);
    m_Bytes.clear();
}

void CSpeechBuffer::Append(const std::int16_t* samples, int count)
{
    const char* bytes = reinterpret_cast<const char*>(samples);
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        m_Bytes.insert(m_Bytes.end(), bytes, bytes + 2 * count);
    }
}

qint64 CSpeechBuffer::bytesAvailable() const
{
    std::lock_guard<std::mutex> lock(m_Lock);
    return static_cast<qint64>(m_Bytes.size()) + QIODevice::bytesAvailable();
}

qint64 CSpeechBuffer::readData(char* data, qint64 maxSize)
{
    std::lock_guard<std::mutex> lock(m_Lock);
    // Whole samples only; nothing to play is silence, so the sink keeps running between texts.
    const std::size_t n = std::min(m_Bytes.size(), static_cast<std::size_t>(maxSize)) & ~std::size_t(1);
    std::copy_n(m_Bytes.begin(), n, data);
    m_Bytes.erase(m_Bytes.begin(), m_Bytes.begin() + static_cast<std::ptrdiff_t>(n));
    const qint64 silence = std::min<qint64>(maxSize - static_cast<qint64>(n), 4410) & ~qint64(1);
    std::fill_n(data + n, silence, '\0');
    return static_cast<qint64>(n) + silence;
}

CQtAudioOut::CQtAudioOut() = default;

CQtAudioOut::~CQtAudioOut()
{
    if (m_pSink)
        m_pSink->stop();
}

bool CQtAudioOut::Open(int sampleRate)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return false;
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return false;
    m_pBuffer = std::make_unique<CSpeechBuffer>();
    m_pBuffer->open(QIODevice::ReadOnly);
    m_pSink = std::make_unique<QAudioSink>(device, format);
    m_pSink->setBufferSize(sampleRate / 5); // 100 ms: a new text is heard at once
    m_pSink->start(m_pBuffer.get());
    return m_pSink->error() == QAudio::NoError;
}

void CQtAudioOut::Restart()
{
    if (m_pBuffer)
        m_pBuffer->Clear();
}

void CQtAudioOut::Write(const std::int16_t* samples, int count)
{
    if (m_pBuffer)
        m_pBuffer->Append(samples, count);
}
