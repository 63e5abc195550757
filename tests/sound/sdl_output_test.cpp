// The real sound device path, through SDL's file-writing and null drivers.
// CTest runs each case in a process of its own, so each picks its driver
// before SDL starts.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "platform/sound/play_sound.h"
#include "tests/sound/wave_builder.h"

namespace {

using vandrel::testing::MakeWave;
using vandrel::testing::Ramp;

constexpr UINT kLoopFromMemory = SND_ASYNC | SND_NODEFAULT | SND_MEMORY | SND_LOOP;

std::vector<std::uint8_t> ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(SdlOutputTest, DiskDriverReceivesTheLoopedImage) {
    const auto output = std::filesystem::temp_directory_path() /
                        ("vandrel-sound-" + std::to_string(getpid()) + ".raw");
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);

    const auto image = MakeWave(Ramp(250));
    ASSERT_TRUE(sndPlaySoundA(reinterpret_cast<LPCSTR>(image.data()), kLoopFromMemory));
    // Wait, within a generous bound, until a few loops have been written.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    std::error_code error;
    while ((!std::filesystem::exists(output) || std::filesystem::file_size(output, error) < 4096) &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_TRUE(sndPlaySoundA(nullptr, SND_ASYNC | SND_NODEFAULT));

    const auto played = ReadAll(output);
    std::filesystem::remove(output);
    ASSERT_GE(played.size(), 4096u);
    for (std::size_t i = 0; i < 4096; ++i) {
        ASSERT_EQ(played[i], i % 250) << "byte " << i;
    }
}

TEST(SdlOutputTest, NoDeviceMeansSilenceNotFailure) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    const auto image = MakeWave(Ramp(16));
    EXPECT_FALSE(sndPlaySoundA(reinterpret_cast<LPCSTR>(image.data()), kLoopFromMemory));
    EXPECT_FALSE(sndPlaySoundA(reinterpret_cast<LPCSTR>(image.data()), kLoopFromMemory));
    EXPECT_TRUE(sndPlaySoundA(nullptr, SND_ASYNC | SND_NODEFAULT));
}

}  // namespace
