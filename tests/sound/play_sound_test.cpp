#include "platform/sound/play_sound.h"

#include <gtest/gtest.h>

#include "platform/sound/recording_sink.h"
#include "tests/sound/wave_builder.h"

namespace {

using vandrel::testing::MakeWave;
using vandrel::testing::Ramp;

class PlaySoundTest : public ::testing::Test {
protected:
    void SetUp() override { vandrel::hooks::UseAudioOutput(&m_sink); }
    void TearDown() override { vandrel::hooks::UseAudioOutput(nullptr); }

    static LPCSTR Image(const std::vector<std::uint8_t>& image) {
        return reinterpret_cast<LPCSTR>(image.data());
    }

    vandrel::hooks::RecordingAudioSink m_sink;
};

constexpr UINT kLoopFromMemory = SND_ASYNC | SND_NODEFAULT | SND_MEMORY | SND_LOOP;

TEST_F(PlaySoundTest, LoopedImageStartsOverAtItsEnd) {
    const auto image = MakeWave(Ramp(6));
    ASSERT_TRUE(sndPlaySoundA(Image(image), kLoopFromMemory));
    EXPECT_EQ(m_sink.lastFormat, (vandrel::sound::WaveFormat{2, 22050, 8}));
    EXPECT_EQ(m_sink.Pull(14),
              (std::vector<std::uint8_t>{0, 1, 2, 3, 4, 5, 0, 1, 2, 3, 4, 5, 0, 1}));
}

TEST_F(PlaySoundTest, UnloopedImageEndsInSilence) {
    const auto image = MakeWave(Ramp(4));
    ASSERT_TRUE(sndPlaySoundA(Image(image), SND_ASYNC | SND_NODEFAULT | SND_MEMORY));
    EXPECT_EQ(m_sink.Pull(8), (std::vector<std::uint8_t>{0, 1, 2, 3, 0x80, 0x80, 0x80, 0x80}));
}

TEST_F(PlaySoundTest, NullStopsAndANewImageReplacesTheOld) {
    const auto first = MakeWave(Ramp(4));
    std::vector<std::uint8_t> tones(4, 200);
    const auto second = MakeWave(tones);
    ASSERT_TRUE(sndPlaySoundA(Image(first), kLoopFromMemory));
    m_sink.Pull(2);
    ASSERT_TRUE(sndPlaySoundA(Image(second), kLoopFromMemory));
    EXPECT_EQ(m_sink.Pull(4), tones) << "the new image plays from its start";
    EXPECT_TRUE(sndPlaySoundA(nullptr, SND_ASYNC | SND_NODEFAULT));
    EXPECT_FALSE(m_sink.running);
    EXPECT_EQ(m_sink.Pull(2), (std::vector<std::uint8_t>{0x80, 0x80}));
}

TEST_F(PlaySoundTest, WhatCannotBePlayedLeavesSilenceAndNoDefaultSound) {
    const auto image = MakeWave(Ramp(4));
    ASSERT_TRUE(sndPlaySoundA(Image(image), kLoopFromMemory));

    auto broken = image;
    broken[20] = 2;  // not PCM
    EXPECT_FALSE(sndPlaySoundA(Image(broken), kLoopFromMemory));
    EXPECT_FALSE(m_sink.running) << "a failed play still stops what played";
    EXPECT_FALSE(sndPlaySoundA("RIFF1", SND_ASYNC | SND_NODEFAULT)) << "only memory images";

    m_sink.deviceAvailable = false;
    const int starts = m_sink.starts;
    EXPECT_FALSE(sndPlaySoundA(Image(image), kLoopFromMemory));
    EXPECT_EQ(m_sink.starts, starts);
    EXPECT_EQ(m_sink.Pull(2), (std::vector<std::uint8_t>{0x80, 0x80}));
}

}  // namespace
