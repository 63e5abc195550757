// "RIFF3", Slipstream: a fast breakbeat chase in A minor. Twelve bars
// (Am F C G twice, then F G Am E to turn round) at about 154 beats a minute:
// a bright pulse lead doubled an octave down by a filtered saw, tracker-style
// chord arpeggios on every eighth, a galloping octave bass and a broken beat
// that stops for breath at the very end before the loop comes round.
#include "pattern.h"
#include "tunes.h"

namespace tunes {
namespace {

constexpr const char* kEighths = "x.x.x.x.x.x.x.x.";
constexpr const char* kEighthsShort = "x.x.x.x.x.x.-...";

// Triads voiced round A-4.
constexpr const char* kAm = "A-4/37";  // A C E
constexpr const char* kF = "A-4/38";   // A C F
constexpr const char* kC = "G-4/59";   // G C E
constexpr const char* kG = "G-4/47";   // G B D
constexpr const char* kE = "G#4/38";   // G# B E

const std::vector<std::string> kLead = {
    "E-5 ... ... E-5 ... ... D-5 ... E-5 ... ... G-5 ... ... E-5 ...",  // Am
    "C-5 ... ... C-5 ... ... A-4 ... C-5 ... ... D-5 ... ... C-5 ...",  // F
    "G-4 ... ... G-4 ... ... C-5 ... E-5 ... ... G-5 ... ... E-5 ...",  // C
    "D-5 ... ... ... ... ... B-4 ... D-5 ... G-5 ... F-5 ... D-5 ...",  // G
    "E-5 ... ... E-5 ... ... D-5 ... E-5 ... ... A-5 ... ... G-5 ...",  // Am
    "A-5 ... ... G-5 ... ... F-5 ... E-5 ... ... F-5 ... ... C-5 ...",  // F
    "E-5 ... ... D-5 ... ... C-5 ... G-4 ... ... C-5 ... ... E-5 ...",  // C
    "D-5 ... ... ... ... ... ... ... B-4 ... C-5 ... D-5 ... G-5 ...",  // G
    "A-5 ... ... ... G-5 ... F-5 ... ... ... E-5 ... F-5 ... A-5 ...",  // F
    "B-5 ... ... ... A-5 ... G-5 ... ... ... F-5 ... G-5 ... B-5 ...",  // G
    "C-6 ... ... ... B-5 ... A-5 ... E-5 ... A-5 ... C-6 ... E-6 ...",  // Am
    "B-5 ... ... ... G#5 ... ... ... E-5 ... ... ... === ... ... ...",  // E
};

const std::vector<std::string> kArpeggio = {
    OnRhythm(kEighths, kAm), OnRhythm(kEighths, kF),  OnRhythm(kEighths, kC),
    OnRhythm(kEighths, kG),  OnRhythm(kEighths, kAm), OnRhythm(kEighths, kF),
    OnRhythm(kEighths, kC),  OnRhythm(kEighths, kG),  OnRhythm(kEighths, kF),
    OnRhythm(kEighths, kG),  OnRhythm(kEighths, kAm), OnRhythm(kEighthsShort, kE),
};

// Root, root, octave: the gallop under the whole tune.
constexpr const char* kGallopAm = "A-1 === A-1 A-2 A-1 === A-1 A-2 A-1 === A-1 A-2 A-1 === A-2 A-1";
constexpr const char* kGallopF = "F-1 === F-1 F-2 F-1 === F-1 F-2 F-1 === F-1 F-2 F-1 === F-2 F-1";
constexpr const char* kGallopC = "C-2 === C-2 C-3 C-2 === C-2 C-3 C-2 === C-2 C-3 C-2 === C-3 C-2";
constexpr const char* kGallopG = "G-1 === G-1 G-2 G-1 === G-1 G-2 G-1 === G-1 G-2 G-1 === G-2 G-1";
constexpr const char* kGallopEnd =
    "E-1 === E-1 E-2 E-1 === E-1 E-2 E-1 === E-1 E-2 === ... ... ...";

constexpr const char* kBreakKick = "x . x . . . . . . . x x . . . .";
constexpr const char* kBreakKickPush = "x . x . . . . . . . x x . . x .";
constexpr const char* kBreakSnare = ". . . . X . . o . o . . X . . o";
constexpr const char* kSixteenths = "x o x o x o x o x o x o x o x o";
constexpr const char* kNoHat = ". . . . . . . . . . . . . . . .";
constexpr const char* kLateOpenHat = ". . . . . . . . . . . . . . x .";

const std::vector<std::string> kBass = {
    kGallopAm, kGallopF, kGallopC, kGallopG, kGallopAm, kGallopF,
    kGallopC,  kGallopG, kGallopF, kGallopG, kGallopAm, kGallopEnd,
};
const std::vector<std::string> kKick = {
    kBreakKick, kBreakKick, kBreakKick, kBreakKickPush,
    kBreakKick, kBreakKick, kBreakKick, kBreakKickPush,
    kBreakKick, kBreakKick, kBreakKick, "x . x . . . . . x . . . . . . .",
};
const std::vector<std::string> kSnare = {
    kBreakSnare, kBreakSnare, kBreakSnare, kBreakSnare,
    kBreakSnare, kBreakSnare, kBreakSnare, kBreakSnare,
    kBreakSnare, kBreakSnare, kBreakSnare, ". . . . X . o o X . X o X X . .",
};
const std::vector<std::string> kClosedHat = {
    kSixteenths, kSixteenths, kSixteenths, kSixteenths,
    kSixteenths, kSixteenths, kSixteenths, kSixteenths,
    kSixteenths, kSixteenths, kSixteenths, "x o x o x o x o x o x o . . . .",
};
const std::vector<std::string> kOpenHat = {
    kNoHat, kNoHat,       kNoHat, kLateOpenHat, kNoHat, kNoHat,
    kNoHat, kLateOpenHat, kNoHat, kLateOpenHat, kNoHat, kNoHat,
};

}  // namespace

Tune Slipstream() {
    const Instrument lead{.wave = Waveform::kPulse,
                          .duty = 0.35,
                          .pwmDepth = 0.12,
                          .pwmRate = 1.5,
                          .amp = {0.003, 0.15, 0.7, 0.08},
                          .vibratoCents = 25.0,
                          .vibratoRate = 6.0,
                          .vibratoDelay = 0.12};
    const Instrument leadDouble{.wave = Waveform::kSaw,
                                .amp = {0.003, 0.2, 0.6, 0.08},
                                .cutoffHz = 2200.0,
                                .vibratoCents = 15.0,
                                .vibratoRate = 6.0,
                                .vibratoDelay = 0.12};
    const Instrument arpeggio{.wave = Waveform::kPulse,
                              .duty = 0.25,
                              .amp = {0.002, 0.09, 0.3, 0.05},
                              .arpeggioRate = 60.0};
    const Instrument bass{.wave = Waveform::kSaw,
                          .amp = {0.002, 0.12, 0.5, 0.03},
                          .cutoffHz = 500.0,
                          .sweepHz = 2500.0,
                          .sweepDecay = 0.04,
                          .resonance = 1.4};
    return Tune{
        .frames = 411132,
        .bars = 12,
        .stepsPerBar = 16,
        .swing = 0.0,
        .echo = {.delaySteps = 3, .feedback = 0.3, .level = 0.35},
        .tracks =
            {
                {"lead", lead, 0.26, 0.15, 0.3, 0, kLead},
                {"lead double", leadDouble, 0.16, -0.2, 0.0, -12, kLead},
                {"arpeggio", arpeggio, 0.15, -0.5, 0.3, 0, kArpeggio},
                {"bass", bass, 0.5, 0.0, 0.0, 0, kBass},
            },
        .drums =
            {
                {"kick", {DrumKind::kKick, 1.05, 0.8}, 0.9, 0.0, kKick},
                {"snare", {DrumKind::kSnare, 1.1, 0.9}, 0.9, -0.05, kSnare},
                {"closed hat", {DrumKind::kClosedHat, 1.0, 0.8}, 0.4, 0.35, kClosedHat},
                {"open hat", {DrumKind::kOpenHat}, 0.25, -0.3, kOpenHat},
            },
    };
}

}  // namespace tunes
