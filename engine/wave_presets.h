// The four numbers that govern the wave, the fixed presets of the Zorble menu
// and the Random draw. The view keeps the numbers itself; these only say what
// each menu command sets them to.
#pragma once

#include <array>
#include <functional>

namespace vandrel::engine {

// Preset numbers, as the view stores them to check the matching menu item.
enum WavePreset : int {
    kWavePresetRandom = 0,
    kWavePresetSubtle = 1,
    kWavePresetWavy = 2,
    kWavePresetRipples = 3,
    kWavePresetTyphoon = 4,
};

struct WaveParams {
    int colStep;       // added to the column phase after every frame
    int rowStep;       // added to the row phase after every frame
    int waveShift;     // amplitude: the sine sample is shifted right this far
    float halfPeriod;  // table entries per half wave
    int preset;        // a WavePreset
};

inline constexpr WaveParams kSubtlePreset{5, 5, 4, 128.0f, kWavePresetSubtle};
inline constexpr WaveParams kWavyPreset{7, 7, 2, 128.0f, kWavePresetWavy};
inline constexpr WaveParams kRipplesPreset{4, 6, 4, 32.0f, kWavePresetRipples};
inline constexpr WaveParams kTyphoonPreset{10, 15, 1, 128.0f, kWavePresetTyphoon};

inline constexpr std::array<WaveParams, 4> kFixedPresets{kSubtlePreset, kWavyPreset, kRipplesPreset,
                                                         kTyphoonPreset};

// Draws the Random preset from nextRandom, a generator of 0..32767 such as
// rand: column step 2..31, row step 2..31, shift 1..4 and half period 32, 64,
// 96 or 128, drawn in exactly that order, one call each.
WaveParams DrawRandomWaveParams(const std::function<int()>& nextRandom);

}  // namespace vandrel::engine
