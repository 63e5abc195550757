#include "platform/sound/wave_image.h"

#include <cstring>

namespace vandrel::sound {
namespace {

// Nothing the program plays comes close; a larger claim is a corrupt header.
constexpr std::size_t kLargestImage = 64u << 20;

std::uint32_t Read32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint16_t Read16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

bool IsTag(const std::uint8_t* p, const char* tag) {
    return std::memcmp(p, tag, 4) == 0;
}

}  // namespace

std::optional<std::size_t> ClaimedWaveImageSize(const std::uint8_t* image) {
    if (image == nullptr || !IsTag(image, "RIFF") || !IsTag(image + 8, "WAVE")) {
        return std::nullopt;
    }
    const std::size_t size = std::size_t{Read32(image + 4)} + 8;
    if (size > kLargestImage) {
        return std::nullopt;
    }
    return size;
}

std::optional<WaveImage> ParseWaveImage(const std::uint8_t* image, std::size_t size) {
    if (image == nullptr || size < 12 || !ClaimedWaveImageSize(image)) {
        return std::nullopt;
    }
    std::optional<WaveFormat> format;
    WaveImage wave;
    // Chunks follow the 12-byte RIFF header, each padded to an even size.
    std::size_t at = 12;
    while (size - at >= 8) {
        const std::uint8_t* chunk = image + at;
        const std::size_t length = Read32(chunk + 4);
        if (length > size - at - 8) {
            return std::nullopt;
        }
        const std::uint8_t* body = chunk + 8;
        if (IsTag(chunk, "fmt ") && length >= 16) {
            if (Read16(body) != 1) {  // PCM only
                return std::nullopt;
            }
            format =
                WaveFormat{Read16(body + 2), static_cast<int>(Read32(body + 4)), Read16(body + 14)};
        } else if (IsTag(chunk, "data") && format) {
            wave.samples = body;
            wave.bytes = length;
            break;
        }
        at += 8 + length + (length & 1);
        if (at > size) {
            break;
        }
    }
    if (!format || wave.samples == nullptr) {
        return std::nullopt;
    }
    const bool playable = (format->channels == 1 || format->channels == 2) &&
                          (format->bitsPerSample == 8 || format->bitsPerSample == 16) &&
                          format->samplesPerSecond >= 4000 && format->samplesPerSecond <= 192000;
    if (!playable) {
        return std::nullopt;
    }
    wave.format = *format;
    wave.bytes -= wave.bytes % static_cast<std::size_t>(format->BytesPerFrame());
    if (wave.bytes == 0) {
        return std::nullopt;
    }
    return wave;
}

}  // namespace vandrel::sound
