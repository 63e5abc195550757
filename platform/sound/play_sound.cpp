#include "platform/sound/play_sound.h"

#include "platform/sound/audio_output.h"
#include "platform/sound/wave_image.h"
#include "platform/sound/wave_player.h"

namespace {

vandrel::sound::AudioOutput* g_outputOverride = nullptr;

vandrel::sound::WavePlayer& Player() {
    static vandrel::sound::WavePlayer player;
    return player;
}

vandrel::sound::AudioOutput& Output() {
    // The player must outlive the device that pulls from it, so it is made
    // first and, being static too, destroyed last.
    Player();
    return g_outputOverride != nullptr ? *g_outputOverride : vandrel::sound::SystemAudioOutput();
}

void StopPlaying() {
    Output().Stop();
    Player().Clear();
}

}  // namespace

BOOL sndPlaySoundA(LPCSTR sound, UINT flags) {
    StopPlaying();
    if (sound == nullptr) {
        return TRUE;
    }
    if ((flags & SND_MEMORY) == 0 || (flags & SND_ASYNC) == 0) {
        return FALSE;
    }
    const auto* image = reinterpret_cast<const std::uint8_t*>(sound);
    const auto size = vandrel::sound::ClaimedWaveImageSize(image);
    if (!size) {
        return FALSE;
    }
    const auto wave = vandrel::sound::ParseWaveImage(image, *size);
    if (!wave) {
        return FALSE;
    }
    Player().Play(*wave, (flags & SND_LOOP) != 0);
    if (!Output().Start(wave->format, Player())) {
        Player().Clear();
        return FALSE;
    }
    return TRUE;
}

namespace vandrel::hooks {

void UseAudioOutput(vandrel::sound::AudioOutput* output) {
    StopPlaying();
    g_outputOverride = output;
}

}  // namespace vandrel::hooks
