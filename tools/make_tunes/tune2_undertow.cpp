// "RIFF2", Undertow: a moody, swung groove in F minor. Eight bars of i-VI-iv-V
// (Fm Db Bbm C, twice) at about 116 beats a minute with a lazy shuffle on the
// sixteenths: a soft, chorused square lead drowned in echo, a wide saw pad
// split left and right, offbeat chord stabs, a round syncopated bass and a
// laid-back kick and snare.
#include <array>

#include "pattern.h"
#include "tunes.h"

namespace tunes {
namespace {

constexpr const char* kWhole = "x...............";
constexpr const char* kWholeShort = "x.......-.......";
constexpr const char* kOffbeats = "......x.......x.";
constexpr const char* kOffbeatsShort = "......x.........";

// Seventh chords for the pad, voiced to move as little as possible.
constexpr const char* kFm7 = "F-3/37A";     // F Ab C Eb
constexpr const char* kDbMaj7 = "F-3/378";  // F Ab C Db
constexpr const char* kBbm7 = "F-3/358";    // F Ab Bb Db
constexpr const char* kC7 = "E-3/368";      // E G Bb C

// Plain triads, higher up, for the stabs.
constexpr const char* kFm = "F-4/37";   // F Ab C
constexpr const char* kDb = "F-4/38";   // F Ab Db
constexpr const char* kBbm = "F-4/58";  // F Bb Db
constexpr const char* kC = "E-4/38";    // E G C

using Chords = std::array<const char*, 4>;

constexpr Chords kSevenths = {kFm7, kDbMaj7, kBbm7, kC7};
constexpr Chords kTriads = {kFm, kDb, kBbm, kC};

// The progression twice, the very last bar cut short.
std::vector<std::string> Progression(const char* rhythm, const char* lastBar,
                                     const Chords& chords) {
    std::vector<std::string> bars;
    for (int round = 0; round < 2; ++round) {
        for (int c = 0; c < 4; ++c) {
            bars.push_back(OnRhythm(round == 1 && c == 3 ? lastBar : rhythm, chords[c]));
        }
    }
    return bars;
}

const std::vector<std::string> kLead = {
    "F-5 ... ... ... ... ... ... ... Eb5 ... C-5 ... ... ... Eb5 ...",  // Fm
    "F-5 ... ... ... Ab5 ... ... ... G-5 ... F-5 ... ... ... === ...",  // Db
    "F-5 ... ... ... ... ... ... ... Db5 ... C-5 ... Bb4 ... C-5 ...",  // Bbm
    "C-5 ... ... ... ... ... ... ... === ... ... ... E-5 ... G-5 ...",  // C
    "Ab5 ... ... ... G-5 ... F-5 ... ... ... Eb5 ... F-5 ... C-5 ...",  // Fm
    "Ab4 ... ... ... ... ... Bb4 ... C-5 ... Db5 ... F-5 ... Eb5 ...",  // Db
    "Db5 ... ... ... C-5 ... Bb4 ... ... ... Ab4 ... Bb4 ... C-5 ...",  // Bbm
    "G-4 ... ... ... ... ... ... ... E-4 ... ... ... === ... ... ...",  // C
};

const std::vector<std::string> kBass = {
    "F-2 ... ... F-2 === ... F-3 ... ... ... F-2 ... Eb3 ... C-3 ...",  // Fm
    "Db2 ... ... Db2 === ... Db3 ... ... ... Db2 ... C-3 ... Ab2 ...",  // Db
    "Bb1 ... ... Bb1 === ... Bb2 ... ... ... Bb1 ... Ab2 ... F-2 ...",  // Bbm
    "C-2 ... ... C-2 === ... C-3 ... ... ... C-2 ... E-2 ... G-2 ...",  // C
    "F-2 ... ... F-2 === ... F-3 ... ... ... F-2 ... Eb3 ... C-3 ...",  // Fm
    "Db2 ... ... Db2 === ... Db3 ... ... ... Db2 ... C-3 ... Ab2 ...",  // Db
    "Bb1 ... ... Bb1 === ... Bb2 ... ... ... Bb1 ... Ab2 ... F-2 ...",  // Bbm
    "C-2 ... ... C-2 === ... C-3 ... ... ... C-2 ... E-2 ... === ...",  // C
};

constexpr const char* kKick = "x . . . . . . x . . x . . . . .";
constexpr const char* kKickPush = "x . . . . . . x . . x . . . x .";
constexpr const char* kSnare = ". . . . x . . . . . . . x . . o";
constexpr const char* kHats = "x o x o x o x o x o x o x o x o";
constexpr const char* kNoHat = ". . . . . . . . . . . . . . . .";
constexpr const char* kLateOpenHat = ". . . . . . . . . . . . . . x .";

const std::vector<std::string> kKickBars = {
    kKick, kKick, kKick, kKickPush, kKick, kKick, kKick, kKick,
};
const std::vector<std::string> kSnareBars = {
    kSnare, kSnare, kSnare, kSnare, kSnare, kSnare, kSnare, ". . . . x . . . . . . o x . . .",
};
const std::vector<std::string> kClosedHatBars = {
    kHats, kHats, kHats, kHats, kHats, kHats, kHats, "x o x o x o x o x o x o x o . .",
};
const std::vector<std::string> kOpenHatBars = {
    kNoHat, kLateOpenHat, kNoHat, kLateOpenHat, kNoHat, kLateOpenHat, kNoHat, kNoHat,
};

}  // namespace

Tune Undertow() {
    const Instrument lead{.wave = Waveform::kPulse,
                          .duty = 0.5,
                          .amp = {0.03, 0.5, 0.7, 0.25},
                          .detuneCents = 6.0,
                          .cutoffHz = 1800.0,
                          .vibratoCents = 25.0,
                          .vibratoRate = 5.0,
                          .vibratoDelay = 0.25};
    Instrument pad{.wave = Waveform::kSaw,
                   .amp = {0.35, 1.0, 0.8, 0.5},
                   .detuneCents = 7.0,
                   .cutoffHz = 900.0,
                   .resonance = 0.9,
                   .chordStyle = ChordStyle::kStack};
    // The right half of the pad beats against the left at another rate,
    // which spreads it across the stereo field.
    Instrument padRight = pad;
    padRight.detuneCents = -5.0;
    const Instrument stab{.wave = Waveform::kPulse,
                          .duty = 0.3,
                          .amp = {0.002, 0.12, 0.0, 0.08},
                          .chordStyle = ChordStyle::kStack};
    const Instrument bass{.wave = Waveform::kPulse,
                          .duty = 0.5,
                          .amp = {0.004, 0.3, 0.7, 0.05},
                          .cutoffHz = 320.0,
                          .sweepHz = 900.0,
                          .sweepDecay = 0.08,
                          .resonance = 1.0};
    return Tune{
        .frames = 364250,
        .bars = 8,
        .stepsPerBar = 16,
        .swing = 0.18,
        .echo = {.delaySteps = 3, .feedback = 0.45, .level = 0.5},
        .tracks =
            {
                {"lead", lead, 0.36, -0.15, 0.5, 0, kLead},
                {"pad left", pad, 0.22, -0.6, 0.0, 0, Progression(kWhole, kWholeShort, kSevenths)},
                {"pad right", padRight, 0.22, 0.6, 0.0, 0,
                 Progression(kWhole, kWholeShort, kSevenths)},
                {"stab", stab, 0.3, 0.4, 0.6, 0, Progression(kOffbeats, kOffbeatsShort, kTriads)},
                {"bass", bass, 0.35, 0.0, 0.0, 0, kBass},
            },
        .drums =
            {
                {"kick", {DrumKind::kKick, 0.9, 1.3}, 0.9, 0.0, kKickBars},
                {"snare", {DrumKind::kSnare, 0.85, 1.5}, 1.0, 0.05, kSnareBars},
                {"closed hat", {DrumKind::kClosedHat, 1.0, 1.2}, 0.3, 0.3, kClosedHatBars},
                {"open hat", {DrumKind::kOpenHat}, 0.25, -0.3, kOpenHatBars},
            },
    };
}

}  // namespace tunes
