// Plays a score into a mix.
#pragma once

#include "score.h"
#include "stereo_loop.h"

namespace tunes {

// Every note and hit of the tune, the echo included, mixed into one loop of
// `tune.frames` frames. Throws std::invalid_argument, naming the track, when
// a track does not read.
StereoLoop RenderTune(const Tune& tune);

}  // namespace tunes
