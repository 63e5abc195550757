// Builds small RIFF WAVE images for the sound tests.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

namespace vandrel::testing {

inline void Store(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

// A canonical 44-byte-header image: PCM, 8-bit unsigned stereo at 22,050 Hz
// unless told otherwise.
inline std::vector<std::uint8_t> MakeWave(const std::vector<std::uint8_t>& samples,
                                          std::uint16_t formatTag = 1, std::uint16_t channels = 2,
                                          std::uint16_t bits = 8) {
    std::vector<std::uint8_t> image(44 + samples.size());
    std::memcpy(image.data(), "RIFF", 4);
    Store(image, 4, static_cast<std::uint32_t>(36 + samples.size()), 4);
    std::memcpy(image.data() + 8, "WAVEfmt ", 8);
    Store(image, 16, 16, 4);
    Store(image, 20, formatTag, 2);
    Store(image, 22, channels, 2);
    Store(image, 24, 22050, 4);
    Store(image, 28, 22050u * channels * bits / 8, 4);
    Store(image, 32, static_cast<std::uint32_t>(channels * bits / 8), 2);
    Store(image, 34, bits, 2);
    std::memcpy(image.data() + 36, "data", 4);
    Store(image, 40, static_cast<std::uint32_t>(samples.size()), 4);
    if (!samples.empty()) {
        std::memcpy(image.data() + 44, samples.data(), samples.size());
    }
    return image;
}

// Samples 0, 1, 2, ... so any position in a stream names where it came from.
inline std::vector<std::uint8_t> Ramp(std::size_t count) {
    std::vector<std::uint8_t> samples(count);
    for (std::size_t i = 0; i < count; ++i) {
        samples[i] = static_cast<std::uint8_t>(i);
    }
    return samples;
}

}  // namespace vandrel::testing
