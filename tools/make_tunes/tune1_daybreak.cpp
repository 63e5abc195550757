// "RIFF1", Daybreak: bright synth-pop in D major. Eight bars of I-V-vi-IV
// (D A Bm G | D A G A) at about 109 beats a minute: a pulse lead with echo
// over a chord arpeggio, a soft saw pad, a plucked octave bass and
// four-on-the-floor drums. The last bar breathes out so the loop can start
// again from almost nothing.
#include "pattern.h"
#include "tunes.h"

namespace tunes {
namespace {

// One chord stab a bar, and the 3-3-2 figure of the arpeggio.
constexpr const char* kWhole = "x...............";
constexpr const char* kWholeShort = "x.......-.......";
constexpr const char* kThreeThreeTwo = "x..x..x.x..x..x.";
constexpr const char* kThreeThreeTwoShort = "x..x..x.x..-....";

// Voiced close together round D-3 so the chords move by step.
constexpr const char* kD = "D-3/47";   // D F# A
constexpr const char* kA = "C#3/38";   // C# E A
constexpr const char* kBm = "D-3/49";  // D F# B
constexpr const char* kG = "D-3/59";   // D G B

std::vector<std::string> Chords(const char* rhythm, const char* lastBar) {
    return {OnRhythm(rhythm, kD), OnRhythm(rhythm, kA), OnRhythm(rhythm, kBm),
            OnRhythm(rhythm, kG), OnRhythm(rhythm, kD), OnRhythm(rhythm, kA),
            OnRhythm(rhythm, kG), OnRhythm(lastBar, kA)};
}

const std::vector<std::string> kLead = {
    "F#5 ... ... E-5 D-5 ... E-5 ... F#5 ... A-5 ... ... ... === ...",  // D
    "E-5 ... ... C#5 A-4 ... C#5 ... E-5 ... ... ... === ... C#5 D-5",  // A
    "D-5 ... ... C#5 B-4 ... D-5 ... F#5 ... ... E-5 D-5 ... B-4 ...",  // Bm
    "D-5 ... ... ... B-4 ... G-4 ... A-4 ... B-4 ... D-5 ... E-5 ...",  // G
    "F#5 ... ... E-5 D-5 ... E-5 ... F#5 ... A-5 ... B-5 ... A-5 ...",  // D
    "E-5 ... ... C#5 A-4 ... C#5 ... E-5 ... F#5 ... E-5 ... C#5 ...",  // A
    "D-5 ... ... B-4 G-4 ... B-4 ... D-5 ... G-5 ... F#5 ... E-5 ...",  // G
    "E-5 ... ... ... ... ... C#5 ... A-4 ... ... ... === ... ... ...",  // A
};

const std::vector<std::string> kBass = {
    "D-2 ... D-2 ... D-3 ... D-2 ... D-2 ... D-2 ... D-3 ... C#3 ...",  // D
    "A-1 ... A-1 ... A-2 ... A-1 ... A-1 ... A-1 ... A-2 ... A-2 ...",  // A
    "B-1 ... B-1 ... B-2 ... B-1 ... B-1 ... B-1 ... B-2 ... A-2 ...",  // Bm
    "G-1 ... G-1 ... G-2 ... G-1 ... G-1 ... G-1 ... G-2 ... A-2 ...",  // G
    "D-2 ... D-2 ... D-3 ... D-2 ... D-2 ... D-2 ... D-3 ... C#3 ...",  // D
    "A-1 ... A-1 ... A-2 ... A-1 ... A-1 ... A-1 ... A-2 ... A-1 ...",  // A
    "G-1 ... G-1 ... G-2 ... G-1 ... G-1 ... G-1 ... G-2 ... A-2 ...",  // G
    "A-1 ... A-1 ... A-2 ... A-1 ... A-1 ... A-2 ... C#3 ... === ...",  // A
};

constexpr const char* kFourOnTheFloor = "x . . . x . . . x . . . x . . .";
constexpr const char* kBackbeat = ". . . . x . . . . . . . x . . .";
constexpr const char* kClosed = "x o . o x o . o x o . o x o . o";
constexpr const char* kOffbeat = ". . x . . . x . . . x . . . x .";

const std::vector<std::string> kKick(8, kFourOnTheFloor);
const std::vector<std::string> kSnare = {
    kBackbeat, kBackbeat, kBackbeat, ". . . . x . . . . . . . x . . o",
    kBackbeat, kBackbeat, kBackbeat, ". . . . x . . . x . x o X x . .",
};
const std::vector<std::string> kClosedHat = {
    kClosed, kClosed, kClosed, kClosed,
    kClosed, kClosed, kClosed, "x o . o x o . o x o . o x o . .",
};
const std::vector<std::string> kOpenHat = {
    kOffbeat, kOffbeat, kOffbeat, kOffbeat,
    kOffbeat, kOffbeat, kOffbeat, ". . x . . . x . . . x . . . . .",
};

}  // namespace

Tune Daybreak() {
    const Instrument lead{.wave = Waveform::kPulse,
                          .duty = 0.25,
                          .pwmDepth = 0.1,
                          .pwmRate = 0.8,
                          .amp = {0.005, 0.3, 0.65, 0.12},
                          .vibratoCents = 20.0,
                          .vibratoRate = 5.5,
                          .vibratoDelay = 0.18};
    const Instrument arpeggio{.wave = Waveform::kPulse,
                              .duty = 0.5,
                              .amp = {0.002, 0.08, 0.2, 0.06},
                              .arpeggioRate = 50.0};
    const Instrument pad{.wave = Waveform::kSaw,
                         .amp = {0.2, 0.6, 0.75, 0.35},
                         .detuneCents = 9.0,
                         .cutoffHz = 1400.0,
                         .resonance = 0.8,
                         .chordStyle = ChordStyle::kStack};
    const Instrument bass{.wave = Waveform::kSaw,
                          .amp = {0.003, 0.25, 0.6, 0.04},
                          .cutoffHz = 380.0,
                          .sweepHz = 2200.0,
                          .sweepDecay = 0.06,
                          .resonance = 1.3};
    return Tune{
        .frames = 388668,
        .bars = 8,
        .stepsPerBar = 16,
        .swing = 0.0,
        .echo = {.delaySteps = 3, .feedback = 0.35, .level = 0.45},
        .tracks =
            {
                {"lead", lead, 0.27, 0.2, 0.35, 0, kLead},
                {"arpeggio", arpeggio, 0.22, -0.45, 0.25, 12,
                 Chords(kThreeThreeTwo, kThreeThreeTwoShort)},
                {"pad", pad, 0.28, 0.0, 0.0, 0, Chords(kWhole, kWholeShort)},
                {"bass", bass, 0.4, 0.0, 0.0, 0, kBass},
            },
        .drums =
            {
                {"kick", {DrumKind::kKick}, 0.9, 0.0, kKick},
                {"snare", {DrumKind::kSnare}, 1.2, -0.05, kSnare},
                {"closed hat", {DrumKind::kClosedHat}, 0.45, 0.35, kClosedHat},
                {"open hat", {DrumKind::kOpenHat}, 0.3, 0.3, kOpenHat},
            },
    };
}

}  // namespace tunes
