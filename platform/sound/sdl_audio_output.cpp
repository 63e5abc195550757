#include <SDL.h>

#include "platform/sound/audio_output.h"

namespace vandrel::sound {
namespace {

class SdlAudioOutput final : public AudioOutput {
public:
    ~SdlAudioOutput() override {
        CloseDevice();
        if (m_initialised) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        }
    }

    bool Start(const WaveFormat& format, WavePlayer& player) override {
        if (!Initialise()) {
            return false;
        }
        if (m_device == 0 || !(format == m_format) || m_player != &player) {
            CloseDevice();
            if (!OpenDevice(format, player)) {
                return false;
            }
        }
        SDL_PauseAudioDevice(m_device, 0);
        return true;
    }

    void Stop() override {
        if (m_device != 0) {
            // Pausing takes the device lock, so no callback runs past this.
            SDL_PauseAudioDevice(m_device, 1);
        }
    }

private:
    bool Initialise() {
        if (m_initialised || m_initFailed) {
            return m_initialised;
        }
        // SDL would otherwise swallow SIGINT and SIGTERM for the whole program.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        m_initialised = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        // A machine without sound stays without it; asking again would only
        // cost the animation time on every tune change.
        m_initFailed = !m_initialised;
        return m_initialised;
    }

    bool OpenDevice(const WaveFormat& format, WavePlayer& player) {
        SDL_AudioSpec wanted{};
        wanted.freq = format.samplesPerSecond;
        wanted.format = format.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
        wanted.channels = static_cast<Uint8>(format.channels);
        wanted.samples = 1024;
        wanted.callback = &SdlAudioOutput::Fill;
        wanted.userdata = &player;
        // No allowed changes: SDL converts to whatever the device wants.
        m_device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
        if (m_device == 0) {
            return false;
        }
        m_format = format;
        m_player = &player;
        return true;
    }

    void CloseDevice() {
        if (m_device != 0) {
            SDL_CloseAudioDevice(m_device);
            m_device = 0;
            m_player = nullptr;
        }
    }

    static void SDLCALL Fill(void* player, Uint8* stream, int bytes) {
        static_cast<WavePlayer*>(player)->Pull(stream, static_cast<std::size_t>(bytes));
    }

    bool m_initialised = false;
    bool m_initFailed = false;
    SDL_AudioDeviceID m_device = 0;
    WaveFormat m_format;
    WavePlayer* m_player = nullptr;
};

}  // namespace

AudioOutput& SystemAudioOutput() {
    static SdlAudioOutput output;
    return output;
}

}  // namespace vandrel::sound
