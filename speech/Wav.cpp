#include "speech/Wav.h"

#include "platform/PlatFs.h"

namespace speech {

namespace {

void Put(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

} // namespace

std::string WavBytes(const std::vector<std::int16_t>& samples, int sampleRate)
{
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    const std::uint32_t rate = static_cast<std::uint32_t>(sampleRate);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    Put(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    Put(out, 16, 4);       // the size of the format chunk
    Put(out, 1, 2);        // PCM
    Put(out, 1, 2);        // mono
    Put(out, rate, 4);
    Put(out, rate * 2, 4); // bytes a second
    Put(out, 2, 2);        // bytes a frame
    Put(out, 16, 2);       // bits a sample
    out += "data";
    Put(out, dataBytes, 4);
    for (std::int16_t s : samples)
        Put(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

bool WriteWav(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRate)
{
    return plat::WriteFileAtomic(path, WavBytes(samples, sampleRate));
}

} // namespace speech
