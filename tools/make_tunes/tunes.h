// The three built-in tunes, one score per source file.
#pragma once

#include "score.h"

namespace tunes {

Tune Daybreak();    // "RIFF1": bright synth-pop in D major
Tune Undertow();    // "RIFF2": a swung, moody groove in F minor
Tune Slipstream();  // "RIFF3": a fast breakbeat chase in A minor

}  // namespace tunes
