#pragma once
// The window's sound device for speech: Qt Multimedia's audio sink, fed from the speech thread.

#include "speech/Speaker.h"

#include <QIODevice>

#include <deque>
#include <memory>
#include <mutex>

class QAudioSink;

// The samples waiting for the sink: written by the speech thread, read by the sink.
class CSpeechBuffer : public QIODevice {
    Q_OBJECT
public:
    explicit CSpeechBuffer(QObject* parent = nullptr) : QIODevice(parent) {}
    void Clear();
    void Append(const std::int16_t* samples, int count);
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    mutable std::mutex m_Lock;
    std::deque<char> m_Bytes;
};

class CQtAudioOut : public speech::IAudioOut {
public:
    CQtAudioOut();
    ~CQtAudioOut() override;
    // False when the system has no audio output (no sound server, CI, a remote session).
    bool Open(int sampleRate) override;
    void Restart() override;
    void Write(const std::int16_t* samples, int count) override;

private:
    std::unique_ptr<CSpeechBuffer> m_pBuffer;
    std::unique_ptr<QAudioSink> m_pSink;
};
