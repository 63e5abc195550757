// The sample source behind the sound device: the image being played, where
// playback stands in it, and whether it starts over at the end. The device
// pulls from it on its own thread while the program starts and stops it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>

#include "platform/sound/wave_image.h"

namespace vandrel::sound {

class WavePlayer {
public:
    void Play(const WaveImage& image, bool loop);
    // After this returns, nothing reads the old image any more.
    void Clear();
    bool IsPlaying() const;

    // Fills `out` with the next `bytes` bytes of sound, in the image's format;
    // silence once a sound that does not loop has ended, or when nothing plays.
    void Pull(std::uint8_t* out, std::size_t bytes);

private:
    mutable std::mutex m_mutex;
    WaveImage m_image;
    std::size_t m_position = 0;
    bool m_loop = false;
    bool m_playing = false;
};

}  // namespace vandrel::sound
