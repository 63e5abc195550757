// Where the played sound goes: the sound device, or in tests a sink that
// keeps what was played.
#pragma once

#include "platform/sound/wave_image.h"
#include "platform/sound/wave_player.h"

namespace vandrel::sound {

class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // Begins pulling sound of this format from the player. False when
    // nothing can play it; the caller then stays silent.
    virtual bool Start(const WaveFormat& format, WavePlayer& player) = 0;
    // After this returns the player is no longer pulled from.
    virtual void Stop() = 0;
};

// The system's sound device, through SDL's audio subsystem.
AudioOutput& SystemAudioOutput();

}  // namespace vandrel::sound
