// A destination surface and source pictures for renderer tests.
#pragma once

#include "engine/render_frame.h"
#include "engine/render_state.h"

#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

namespace vandrel::engine::testing {

inline constexpr int kSide = 256;
inline constexpr std::uint8_t kPoison = 0xCD;

// 256 rows of `stride` bytes in the given memory order, framed by guard bytes
// and deliberately misaligned. Everything outside the 256 pixels of each row
// is poison that no renderer may touch. It is its own row accessor.
class TestSurface {
public:
    explicit TestSurface(MemoryRowOrder order, std::size_t stride = kSide)
        : order_(order), stride_(stride), bytes_(kGuard + kSide * stride + kGuard, kPoison) {}

    // Picture row y, counted from the top.
    std::uint8_t* operator()(int y) {
        return MemoryRow(order_ == MemoryRowOrder::kBottomUp ? kSide - 1 - y : y);
    }

    std::uint8_t* MemoryRow(int r) {
        return bytes_.data() + kGuard + stride_ * static_cast<std::size_t>(r);
    }
    const std::uint8_t* MemoryRow(int r) const {
        return bytes_.data() + kGuard + stride_ * static_cast<std::size_t>(r);
    }

    MemoryRowOrder order() const { return order_; }

    void Poison() { bytes_.assign(bytes_.size(), kPoison); }

    // The 65,536 pixels in memory order, without padding.
    std::vector<std::uint8_t> MemoryPixels() const {
        std::vector<std::uint8_t> pixels;
        pixels.reserve(kSide * kSide);
        for (int r = 0; r < kSide; ++r) {
            pixels.insert(pixels.end(), MemoryRow(r), MemoryRow(r) + kSide);
        }
        return pixels;
    }

    // True when no byte outside the pixels was written.
    bool OnlyPixelsWritten() const {
        for (std::size_t i = 0; i < bytes_.size(); ++i) {
            if (!IsPixel(i) && bytes_[i] != kPoison) {
                return false;
            }
        }
        return true;
    }

private:
    static constexpr std::size_t kGuard = 67;  // odd, so rows start unaligned

    bool IsPixel(std::size_t i) const {
        return i >= kGuard && i < kGuard + kSide * stride_ && (i - kGuard) % stride_ < kSide;
    }

    MemoryRowOrder order_;
    std::size_t stride_;
    std::vector<std::uint8_t> bytes_;
};

// Points g_pSourceBits at a picture for the life of the object.
class ScopedSourceBits {
public:
    explicit ScopedSourceBits(std::vector<std::uint8_t>& picture) {
        g_pSourceBits = picture.data();
    }
    ~ScopedSourceBits() { g_pSourceBits = nullptr; }
    ScopedSourceBits(const ScopedSourceBits&) = delete;
    ScopedSourceBits& operator=(const ScopedSourceBits&) = delete;
};

// Every byte holds its row index, so a rendered byte tells which source row it
// came from.
inline std::vector<std::uint8_t> RowCodedPicture() {
    std::vector<std::uint8_t> picture(kSide * kSide);
    for (std::size_t i = 0; i < picture.size(); ++i) {
        picture[i] = static_cast<std::uint8_t>(i / kSide);
    }
    return picture;
}

// Every byte holds its column index.
inline std::vector<std::uint8_t> ColumnCodedPicture() {
    std::vector<std::uint8_t> picture(kSide * kSide);
    for (std::size_t i = 0; i < picture.size(); ++i) {
        picture[i] = static_cast<std::uint8_t>(i % kSide);
    }
    return picture;
}

inline std::vector<std::uint8_t> RandomPicture(std::mt19937& random) {
    std::vector<std::uint8_t> picture(kSide * kSide);
    std::uniform_int_distribution<int> byte(0, 255);
    for (std::uint8_t& pixel : picture) {
        pixel = static_cast<std::uint8_t>(byte(random));
    }
    return picture;
}

}  // namespace vandrel::engine::testing
