// A tune as its composer writes it: tracks of bars in the pattern notation
// (see pattern.h), with the sound and the place in the mix of each track.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "drums.h"
#include "instrument.h"

namespace tunes {

struct Track {
    std::string name;
    Instrument instrument;
    double volume;
    double pan;       // -1 left, 0 centre, 1 right
    double echoSend;  // share of the track that also goes to the echo
    int transpose;    // semitones, to double a part in another octave
    std::vector<std::string> bars;
};

struct DrumTrack {
    std::string name;
    Drum drum;
    double volume;
    double pan;
    std::vector<std::string> bars;
};

struct Echo {
    int delaySteps;
    double feedback;
    double level;
};

struct Tune {
    // The tune lasts exactly this many frames, and its bars divide them evenly:
    // the tempo follows from the length, not the other way round.
    std::size_t frames;
    int bars;
    int stepsPerBar;
    // Every second step comes late by this share of a step: the shuffle of a
    // groove. 0 plays straight.
    double swing;
    Echo echo;
    std::vector<Track> tracks;
    std::vector<DrumTrack> drums;
};

}  // namespace tunes
