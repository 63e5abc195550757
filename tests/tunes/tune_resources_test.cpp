// The three built-in tunes as the program finds them among its resources:
// complete WAVE images of the exact sizes the program has always shipped,
// that loop without a click, never clip, and are three different pieces.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/base/instance.h"
#include "platform/kernel/resources.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct TuneCase {
    const char* name;
    const char* otherCase;  // the same name spelt differently
    std::uint32_t size;
};

constexpr TuneCase kTunes[] = {
    {"RIFF1", "riff1", 777380},
    {"RIFF2", "Riff2", 728544},
    {"RIFF3", "rIfF3", 822308},
};

constexpr std::size_t kHeaderBytes = 44;
constexpr int kSilence = 128;

Bytes Resource(LPCSTR name, LPCSTR type) {
    HMODULE module = AfxGetInstanceHandle();
    HRSRC found = FindResourceA(module, name, type);
    if (found == nullptr) {
        return {};
    }
    const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
    return Bytes(bytes, bytes + SizeofResource(module, found));
}

std::string Tag(const Bytes& image, std::size_t at) {
    return std::string(image.begin() + static_cast<std::ptrdiff_t>(at),
                       image.begin() + static_cast<std::ptrdiff_t>(at + 4));
}
std::uint32_t U16(const Bytes& image, std::size_t at) {
    return image[at] | static_cast<std::uint32_t>(image[at + 1]) << 8;
}
std::uint32_t U32(const Bytes& image, std::size_t at) {
    return U16(image, at) | U16(image, at + 2) << 16;
}

// The samples of one channel, 0 left and 1 right.
std::vector<int> Channel(const Bytes& image, int channel) {
    std::vector<int> samples;
    for (std::size_t i = kHeaderBytes + static_cast<std::size_t>(channel); i < image.size();
         i += 2) {
        samples.push_back(image[i]);
    }
    return samples;
}

// The steepest step between neighbouring samples that is still ordinary in
// this channel: nine steps in ten anywhere in the tune are no steeper. A bass
// note cut off at the end of the loop jumps well past it.
int TypicalSlope(const std::vector<int>& samples) {
    std::vector<int> steps;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        steps.push_back(std::abs(samples[i] - samples[i - 1]));
    }
    const auto percentile = steps.begin() + static_cast<std::ptrdiff_t>(steps.size() * 9 / 10);
    std::nth_element(steps.begin(), percentile, steps.end());
    return *percentile;
}

TEST(TuneResourcesTest, EachTuneIsACanonicalWaveImageOfItsSize) {
    for (const TuneCase& tune : kTunes) {
        SCOPED_TRACE(tune.name);
        const Bytes image = Resource(tune.name, "WAVE");
        ASSERT_EQ(image.size(), tune.size);
        EXPECT_EQ(Resource(tune.otherCase, "wave"), image) << "names and types ignore case";
        EXPECT_EQ(Tag(image, 0), "RIFF");
        EXPECT_EQ(U32(image, 4), tune.size - 8);
        EXPECT_EQ(Tag(image, 8), "WAVE");
        EXPECT_EQ(Tag(image, 12), "fmt ");
        EXPECT_EQ(U32(image, 16), 16u);
        EXPECT_EQ(U16(image, 20), 1u) << "PCM";
        EXPECT_EQ(U16(image, 22), 2u) << "channels";
        EXPECT_EQ(U32(image, 24), 22050u) << "frames a second";
        EXPECT_EQ(U32(image, 28), 44100u) << "bytes a second";
        EXPECT_EQ(U16(image, 32), 2u) << "block align";
        EXPECT_EQ(U16(image, 34), 8u) << "bits per sample";
        EXPECT_EQ(Tag(image, 36), "data");
        EXPECT_EQ(U32(image, 40), tune.size - kHeaderBytes);
    }
}

TEST(TuneResourcesTest, TunesLoopWithoutAClick) {
    for (const TuneCase& tune : kTunes) {
        const Bytes image = Resource(tune.name, "WAVE");
        ASSERT_EQ(image.size(), tune.size) << tune.name;
        for (int channel = 0; channel < 2; ++channel) {
            SCOPED_TRACE(std::string(tune.name) + (channel == 0 ? " left" : " right"));
            const std::vector<int> samples = Channel(image, channel);
            const int typical = TypicalSlope(samples);
            // The loop as the player hears it: the last samples run straight
            // into the first ones. A few samples either side, no more: the
            // first beat's drums begin right after.
            std::vector<int> seam(samples.end() - 4, samples.end());
            seam.insert(seam.end(), samples.begin(), samples.begin() + 4);
            for (std::size_t i = 1; i < seam.size(); ++i) {
                EXPECT_LE(std::abs(seam[i] - seam[i - 1]), typical)
                    << "step " << i << " of the seam";
            }
        }
    }
}

TEST(TuneResourcesTest, TunesAreClearlyAudibleAndNeverClip) {
    for (const TuneCase& tune : kTunes) {
        SCOPED_TRACE(tune.name);
        const Bytes image = Resource(tune.name, "WAVE");
        ASSERT_EQ(image.size(), tune.size);
        const auto samples = Bytes(image.begin() + kHeaderBytes, image.end());
        EXPECT_EQ(std::count(samples.begin(), samples.end(), 0), 0);
        EXPECT_EQ(std::count(samples.begin(), samples.end(), 255), 0);
        double sum = 0.0;
        double power = 0.0;
        for (int sample : samples) {
            sum += sample - kSilence;
            power += (sample - kSilence) * (sample - kSilence);
        }
        const auto count = static_cast<double>(samples.size());
        EXPECT_LT(std::abs(sum / count), 0.5) << "no offset from silence";
        // About 18 dB below full scale: music, not a murmur.
        EXPECT_GT(std::sqrt(power / count), 16.0);
    }
}

TEST(TuneResourcesTest, TheThreeTunesAreDifferentPieces) {
    // Five seconds in, two different pieces agree on only the odd sample.
    constexpr std::size_t kCompared = 5 * 44100;
    std::vector<Bytes> openings;
    for (const TuneCase& tune : kTunes) {
        const Bytes image = Resource(tune.name, "WAVE");
        ASSERT_EQ(image.size(), tune.size) << tune.name;
        openings.emplace_back(image.begin() + kHeaderBytes,
                              image.begin() + kHeaderBytes + kCompared);
    }
    for (std::size_t a = 0; a < openings.size(); ++a) {
        for (std::size_t b = a + 1; b < openings.size(); ++b) {
            std::size_t same = 0;
            for (std::size_t i = 0; i < kCompared; ++i) {
                same += openings[a][i] == openings[b][i] ? 1 : 0;
            }
            EXPECT_LT(same, kCompared / 4) << kTunes[a].name << " and " << kTunes[b].name;
        }
    }
}

}  // namespace
