// The one sample format every tune is rendered in: what the program has always
// shipped, 22,050 frames a second, two channels of unsigned 8-bit samples.
#pragma once

namespace tunes {

inline constexpr int kSampleRate = 22050;
inline constexpr int kChannels = 2;
inline constexpr int kBitsPerSample = 8;
// Unsigned 8-bit samples centre on 128: that value is silence.
inline constexpr int kSilence = 128;

}  // namespace tunes
