// One note of a melodic instrument.
#pragma once

#include <vector>

#include "instrument.h"

namespace tunes {

// The note from its onset to the end of its release, mono, at the tune's
// sample rate. `chord` holds semitones above `note`, starting with 0.
std::vector<double> RenderNote(const Instrument& instrument, int note,
                               const std::vector<int>& chord, double gateSeconds);

}  // namespace tunes
