#include "platform/sound/recording_sink.h"

namespace vandrel::hooks {

bool RecordingAudioSink::Start(const vandrel::sound::WaveFormat& format,
                               vandrel::sound::WavePlayer& player) {
    if (!deviceAvailable) {
        return false;
    }
    ++starts;
    running = true;
    lastFormat = format;
    m_player = &player;
    return true;
}

void RecordingAudioSink::Stop() {
    ++stops;
    running = false;
}

std::vector<std::uint8_t> RecordingAudioSink::Pull(std::size_t bytes) {
    std::vector<std::uint8_t> out(bytes, 0x80);
    if (running && m_player != nullptr) {
        m_player->Pull(out.data(), bytes);
    }
    return out;
}

}  // namespace vandrel::hooks
