// The two polished finishes of the maker's artwork: gold, and chrome that
// mirrors a blue sky above a brown desert horizon.
#pragma once

#include "colour.h"
#include "relief.h"

namespace pictures {

inline Rgb Gold(const Relief& r) {
    static constexpr Rgb kGold[] = {Hex(0x2A1400), Hex(0x7A4A08), Hex(0xC88A20), Hex(0xF0C850),
                                    Hex(0xFFF2B8)};
    Rgb base = Ramp(kGold, 0.12f + 0.8f * r.diffuse + 0.1f * r.height);
    return base + Hex(0xFFFFF0) * (0.8f * r.specular);
}

// across is where the point lies between the top (0) and the bottom (1) of
// the chromed object; the horizon runs through its middle, and bevels tilted
// up or down see more sky or more ground.
inline Rgb Chrome(const Relief& r, float across) {
    static constexpr Rgb kSky[] = {Hex(0x0C1E5A), Hex(0x2E5CB8), Hex(0x8CC0F0), Hex(0xF4FAFF)};
    static constexpr Rgb kGround[] = {Hex(0x2A1608), Hex(0x6A3A14), Hex(0xB87838), Hex(0xF0C890)};
    float t = across + r.ny * 0.45f;
    Rgb seen = t < 0.5f ? Ramp(kSky, t / 0.5f) : Ramp(kGround, (t - 0.5f) / 0.5f);
    float light = 0.55f + 0.6f * r.diffuse;
    return seen * light + Hex(0xFFFFFF) * (0.9f * r.specular);
}

}  // namespace pictures
