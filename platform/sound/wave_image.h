// Reading a RIFF WAVE image in memory: just enough to play uncompressed PCM,
// checking every chunk against the image's extent.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace vandrel::sound {

struct WaveFormat {
    int channels = 0;
    int samplesPerSecond = 0;
    int bitsPerSample = 0;  // 8 (unsigned) or 16 (signed little-endian)

    int BytesPerFrame() const { return channels * bitsPerSample / 8; }
    bool operator==(const WaveFormat&) const = default;
};

struct WaveImage {
    WaveFormat format;
    const std::uint8_t* samples = nullptr;
    std::size_t bytes = 0;  // a whole number of frames
};

// The extent a RIFF image claims for itself, header included, or nothing
// when the first twelve bytes are not a RIFF WAVE header. The caller reads
// these twelve bytes on trust; the rest is checked against this extent.
std::optional<std::size_t> ClaimedWaveImageSize(const std::uint8_t* image);

// The PCM samples of an image of `size` bytes, or nothing when it is not a
// playable PCM WAVE image that lies wholly within those bytes.
std::optional<WaveImage> ParseWaveImage(const std::uint8_t* image, std::size_t size);

}  // namespace vandrel::sound
