#include "pitch.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace tunes {

int ParseNoteName(std::string_view name) {
    // Semitones above C of the letters A to G.
    constexpr int kLetterSemitones[] = {9, 11, 0, 2, 4, 5, 7};
    if (name.size() != 3 || name[0] < 'A' || name[0] > 'G' || name[2] < '0' || name[2] > '9') {
        throw std::invalid_argument("not a note: \"" + std::string(name) + "\"");
    }
    int accidental = 0;
    switch (name[1]) {
        case '-':
            break;
        case '#':
            accidental = 1;
            break;
        case 'b':
            accidental = -1;
            break;
        default:
            throw std::invalid_argument("not a note: \"" + std::string(name) + "\"");
    }
    const int octave = name[2] - '0';
    return 12 * (octave + 1) + kLetterSemitones[name[0] - 'A'] + accidental;
}

double NoteFrequency(double note) {
    return 440.0 * std::exp2((note - 69.0) / 12.0);
}

}  // namespace tunes
