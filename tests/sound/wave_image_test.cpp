#include "platform/sound/wave_image.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/sound/wave_builder.h"

namespace {

using vandrel::sound::ParseWaveImage;
using vandrel::testing::MakeWave;
using vandrel::testing::Ramp;

TEST(WaveImageTest, FindsTheSamplesOfACanonicalImage) {
    const auto image = MakeWave(Ramp(10));
    const auto wave = ParseWaveImage(image.data(), image.size());
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->format, (vandrel::sound::WaveFormat{2, 22050, 8}));
    EXPECT_EQ(wave->samples, image.data() + 44);
    EXPECT_EQ(wave->bytes, 10u);
}

TEST(WaveImageTest, SkipsUnknownChunksAndDropsAPartialFrame) {
    // An odd-sized chunk between "fmt " and "data": its pad byte must be skipped.
    const auto plain = MakeWave(Ramp(7));
    const std::uint8_t extra[] = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    std::vector<std::uint8_t> image(plain.size() + sizeof extra);
    std::memcpy(image.data(), plain.data(), 36);
    std::memcpy(image.data() + 36, extra, sizeof extra);
    std::memcpy(image.data() + 36 + sizeof extra, plain.data() + 36, plain.size() - 36);
    image[4] = static_cast<std::uint8_t>(image[4] + sizeof extra);
    const auto wave = ParseWaveImage(image.data(), image.size());
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->samples, image.data() + 44 + sizeof extra);
    EXPECT_EQ(wave->bytes, 6u) << "an odd byte is half a stereo frame";
}

TEST(WaveImageTest, RejectsWhatCannotBePlayedOrLiesAboutItsSize) {
    const auto good = MakeWave(Ramp(16));
    struct Case {
        const char* what;
        std::vector<std::uint8_t> image;
        std::size_t size;
    };
    auto withByte = [&](std::size_t at, std::uint8_t value) {
        auto image = good;
        image[at] = value;
        return image;
    };
    const Case cases[] = {
        {"not RIFF", withByte(0, 'X'), good.size()},
        {"not WAVE", withByte(8, 'X'), good.size()},
        {"compressed", MakeWave(Ramp(16), 2), good.size()},
        {"six channels", MakeWave(Ramp(16), 1, 6), good.size()},
        {"twelve bits", MakeWave(Ramp(16), 1, 2, 12), good.size()},
        {"no samples", MakeWave({}), 44},
        {"data longer than image", good, good.size() - 1},
        {"cut inside the header", good, 30},
        {"data chunk claims 4 GiB", withByte(43, 0xFF), good.size()},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(ParseWaveImage(c.image.data(), c.size)) << c.what;
    }
    EXPECT_FALSE(ParseWaveImage(nullptr, 100));
    EXPECT_FALSE(vandrel::sound::ClaimedWaveImageSize(withByte(7, 0x40).data()))
        << "a RIFF size over 64 MiB is a corrupt header";
}

}  // namespace
