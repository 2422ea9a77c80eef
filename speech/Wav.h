#pragma once
// The WAV file of a synthesised text: a RIFF header and 16-bit mono PCM.

#include <cstdint>
#include <string>
#include <vector>

namespace speech {

// The bytes of a WAV file holding the samples at sampleRate, little-endian as RIFF wants.
std::string WavBytes(const std::vector<std::int16_t>& samples, int sampleRate);

// Writes them through the atomic writer; false when the file cannot be written.
bool WriteWav(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRate);

} // namespace speech
