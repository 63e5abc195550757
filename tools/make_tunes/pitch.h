// Note names as trackers write them, and their frequencies.
#pragma once

#include <string_view>

namespace tunes {

// The note number of a three-character name: letter, then '-' (natural), '#'
// (sharp) or 'b' (flat), then the octave digit. "C-4" is 60 and "A-4" 69, the
// numbering MIDI uses; "C#4" and "Db4" are both 61. Throws
// std::invalid_argument for anything else.
int ParseNoteName(std::string_view name);

// Equal temperament around A-4 = 440 Hz. Takes fractional notes, for vibrato.
double NoteFrequency(double note);

}  // namespace tunes
