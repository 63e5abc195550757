// RIFF WAVE images in the canonical 44-byte layout the program has always
// shipped: "RIFF", "WAVE", a 16-byte PCM "fmt " chunk, then the "data" chunk.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace tunes {

// The whole image of interleaved unsigned 8-bit stereo frames at the tune
// sample rate.
std::vector<std::uint8_t> MakeWaveImage(const std::vector<std::uint8_t>& samples);

// Throws std::runtime_error when the file cannot be written.
void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

}  // namespace tunes
