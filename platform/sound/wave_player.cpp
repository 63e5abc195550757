#include "platform/sound/wave_player.h"

#include <algorithm>
#include <cstring>

namespace vandrel::sound {
namespace {

void FillSilence(std::uint8_t* out, std::size_t bytes, int bitsPerSample) {
    // Eight-bit samples are unsigned around 128; sixteen-bit ones signed around 0.
    std::memset(out, bitsPerSample == 8 ? 0x80 : 0, bytes);
}

}  // namespace

void WavePlayer::Play(const WaveImage& image, bool loop) {
    std::lock_guard lock(m_mutex);
    m_image = image;
    m_position = 0;
    m_loop = loop;
    m_playing = true;
}

void WavePlayer::Clear() {
    std::lock_guard lock(m_mutex);
    m_image = WaveImage{};
    m_playing = false;
}

bool WavePlayer::IsPlaying() const {
    std::lock_guard lock(m_mutex);
    return m_playing;
}

void WavePlayer::Pull(std::uint8_t* out, std::size_t bytes) {
    std::lock_guard lock(m_mutex);
    while (bytes > 0) {
        if (!m_playing) {
            FillSilence(out, bytes, m_image.format.bitsPerSample);
            return;
        }
        const std::size_t chunk = std::min(bytes, m_image.bytes - m_position);
        std::memcpy(out, m_image.samples + m_position, chunk);
        out += chunk;
        bytes -= chunk;
        m_position += chunk;
        if (m_position == m_image.bytes) {
            m_position = 0;
            m_playing = m_loop;
        }
    }
}

}  // namespace vandrel::sound
