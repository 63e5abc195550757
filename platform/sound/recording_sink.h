// A sound output for tests: it keeps what was started and stopped, and hands
// out the sound a device would have played, on demand.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/sound/audio_output.h"

namespace vandrel::hooks {

class RecordingAudioSink final : public vandrel::sound::AudioOutput {
public:
    bool Start(const vandrel::sound::WaveFormat& format,
               vandrel::sound::WavePlayer& player) override;
    void Stop() override;

    // The next `bytes` bytes the device would play; silence when stopped.
    std::vector<std::uint8_t> Pull(std::size_t bytes);

    // When false, Start fails as a machine without a sound device does.
    bool deviceAvailable = true;
    int starts = 0;
    int stops = 0;
    bool running = false;
    vandrel::sound::WaveFormat lastFormat;

private:
    vandrel::sound::WavePlayer* m_player = nullptr;
};

}  // namespace vandrel::hooks
