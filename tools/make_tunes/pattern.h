// The score notation: every bar of a track is one line of text with one token
// per step, tracker fashion.
//
// Melodic tracks:  "C-4", "F#3", "Bb2"  a note starts; it sounds until the
//                                       next note or note-off of the track
//                  "C-4/37"             the same with a chord: semitones above
//                                       the note in hex digits (here a minor
//                                       triad), arpeggiated or stacked as the
//                                       instrument says
//                  "..."                nothing new, the note goes on
//                  "==="                note-off: the release begins
// Drum tracks:     "X" accent, "x" normal hit, "o" ghost note, "." nothing.
//
// The tune loops, so a note still held at the end of the last bar goes on
// into the first bar until that track's first event there.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tunes {

struct NoteEvent {
    int step;    // from the start of the tune
    int length;  // steps until the next note or note-off, across the loop
    int note;
    std::vector<int> chord;  // semitones above `note`, the first always 0
};

struct DrumHit {
    int step;
    double velocity;
};

// Both throw std::invalid_argument, naming the bar, when a bar has the wrong
// number of steps or a token is not understood.
std::vector<NoteEvent> ReadMelodicTrack(const std::vector<std::string>& bars, int stepsPerBar);
std::vector<DrumHit> ReadDrumTrack(const std::vector<std::string>& bars, int stepsPerBar);

// A melodic bar that plays `token` at every 'x' of `rhythm`, holds at '.' and
// releases at '-': OnRhythm("x..x", "C-4/47") is "C-4/47 ... ... C-4/47".
// Saves spelling out the same chord stab sixteen times a bar.
std::string OnRhythm(std::string_view rhythm, std::string_view token);

}  // namespace tunes
