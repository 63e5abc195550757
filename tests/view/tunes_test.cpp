// The tunes: which one is current, what the sound device receives, and how
// activation pauses and restarts it.
#include <cstring>

#include "platform/base/instance.h"
#include "platform/kernel/resources.h"
#include "res/resource.h"
#include "tests/view/view_fixture.h"

namespace {

constexpr UINT kTuneItems[] = {ID_AUDIO_TUNE1, ID_AUDIO_TUNE2, ID_AUDIO_TUNE3, ID_AUDIO_TUNE4,
                               ID_AUDIO_NOSOUND};

// The first bytes of a tune's samples, as the device receives them.
std::vector<BYTE> TuneStart(const char* name, std::size_t bytes) {
    HMODULE module = AfxGetInstanceHandle();
    HRSRC found = FindResourceA(module, name, "WAVE");
    const auto* image = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    return {image + 44, image + 44 + bytes};
}

class TunesTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        ASSERT_TRUE(Start());
        Deactivate();
    }
    void Activate() const { Frame()->SendMessage(WM_ACTIVATE, WA_ACTIVE, 0); }
    void Deactivate() const { Frame()->SendMessage(WM_ACTIVATE, WA_INACTIVE, 0); }
    // The tune the device plays now, from its start, or "" when silent.
    std::string Playing() {
        if (!m_sound.running) {
            return "";
        }
        const std::vector<BYTE> heard = m_sound.Pull(64);
        for (const char* name : {"RIFF1", "RIFF2", "RIFF3"}) {
            if (heard == TuneStart(name, 64)) {
                return name;
            }
        }
        return "something else";
    }
};

TEST_F(TunesTest, ActivationStartsTuneOneAndDeactivationPausesIt) {
    EXPECT_EQ(CheckedAmong(kTuneItems), ID_AUDIO_TUNE1);
    EXPECT_EQ(Playing(), "");
    Activate();
    EXPECT_EQ(Playing(), "RIFF1");
    Deactivate();
    EXPECT_EQ(Playing(), "");
    EXPECT_EQ(CheckedAmong(kTuneItems), ID_AUDIO_TUNE1) << "a paused tune stays current";
    Activate();
    EXPECT_EQ(Playing(), "RIFF1") << "and restarts from its beginning";
}

TEST_F(TunesTest, NextTuneCyclesAndReselectingRestarts) {
    std::vector<std::string> heard;
    for (int i = 0; i < 4; ++i) {
        Command(ID_AUDIO_NEXTTUNE);
        heard.push_back(Playing());
    }
    EXPECT_EQ(heard, (std::vector<std::string>{"RIFF2", "RIFF3", "RIFF1", "RIFF2"}));
    m_sound.Pull(10000);
    Command(ID_AUDIO_TUNE2);
    EXPECT_EQ(Playing(), "RIFF2") << "heard from the start again";
}

TEST_F(TunesTest, TuneFourIsInertAndNoSoundIsTheOnlyCheckAfterIt) {
    Command(ID_AUDIO_TUNE3);
    const int starts = m_sound.starts;
    Command(ID_AUDIO_TUNE4);
    EXPECT_EQ(m_sound.starts, starts);
    EXPECT_EQ(CheckedAmong(kTuneItems), ID_AUDIO_TUNE3);

    Command(ID_AUDIO_NOSOUND);
    EXPECT_EQ(Playing(), "");
    EXPECT_EQ(CheckedAmong(kTuneItems), ID_AUDIO_NOSOUND);
    Activate();
    EXPECT_EQ(Playing(), "") << "activation does not undo No Sound";
    Command(ID_AUDIO_NEXTTUNE);
    EXPECT_EQ(Playing(), "RIFF1");
}

TEST_F(TunesTest, AfterAFatalErrorOnlyNoSoundStillWorks) {
    Command(ID_AUDIO_TUNE2);
    g_bAppOK = FALSE;
    Command(ID_AUDIO_TUNE3);
    EXPECT_EQ(Playing(), "RIFF2") << "nothing new starts";
    Command(ID_AUDIO_NOSOUND);
    EXPECT_EQ(Playing(), "");
    EXPECT_EQ(CheckedAmong(kTuneItems), ID_AUDIO_NOSOUND);
    Command(ID_AUDIO_NEXTTUNE);
    EXPECT_EQ(Playing(), "");
}

TEST_F(TunesTest, WithoutASoundDeviceTheTuneIsStillCurrent) {
    m_sound.deviceAvailable = false;
    Command(ID_AUDIO_TUNE3);
    EXPECT_EQ(Playing(), "");
    EXPECT_EQ(CheckedAmong(kTuneItems), ID_AUDIO_TUNE3);
}

}  // namespace
