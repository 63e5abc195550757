// The system sound service: a WAVE image played from memory, in the
// background and looped, replacing whatever plays; or silence.
#pragma once

#include "platform/base/win_types.h"

inline constexpr UINT SND_SYNC = 0x0000;
inline constexpr UINT SND_ASYNC = 0x0001;
inline constexpr UINT SND_NODEFAULT = 0x0002;
inline constexpr UINT SND_MEMORY = 0x0004;
inline constexpr UINT SND_LOOP = 0x0008;

// A null sound stops whatever plays. Otherwise only in-memory images
// (SND_MEMORY) played in the background (SND_ASYNC) are supported: that is
// all the program asks for. FALSE when the sound cannot be played; there is
// never a default sound instead.
BOOL sndPlaySoundA(LPCSTR sound, UINT flags);

namespace vandrel::sound {
class AudioOutput;
}

namespace vandrel::hooks {

// Sends sound to `output` instead of the sound device; null restores the
// device. The output outlives its use.
void UseAudioOutput(vandrel::sound::AudioOutput* output);

}  // namespace vandrel::hooks
