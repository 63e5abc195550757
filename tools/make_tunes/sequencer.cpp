#include "sequencer.h"

#include <cmath>
#include <stdexcept>

#include "audio_format.h"
#include "echo.h"
#include "pattern.h"
#include "voice.h"

namespace tunes {
namespace {

double StepFrames(const Tune& tune) {
    return static_cast<double>(tune.frames) / (static_cast<double>(tune.bars) * tune.stepsPerBar);
}

// Where a step begins, in frames. Steps past the end of the tune carry on
// into the next time round the loop.
double StepStart(const Tune& tune, int step) {
    const double late = step % 2 == 1 ? tune.swing : 0.0;
    return (step + late) * StepFrames(tune);
}

void CheckBarCount(const Tune& tune, const std::string& track, std::size_t bars) {
    if (bars != static_cast<std::size_t>(tune.bars)) {
        throw std::invalid_argument("track " + track + " has " + std::to_string(bars) +
                                    " bars, not " + std::to_string(tune.bars));
    }
}

void PlayTrack(const Tune& tune, const Track& track, StereoLoop& mix, StereoLoop& echoSend) {
    CheckBarCount(tune, track.name, track.bars.size());
    std::vector<NoteEvent> events;
    try {
        events = ReadMelodicTrack(track.bars, tune.stepsPerBar);
    } catch (const std::invalid_argument& error) {
        throw std::invalid_argument("track " + track.name + ", " + error.what());
    }
    for (const NoteEvent& event : events) {
        const double start = StepStart(tune, event.step);
        const double gate = (StepStart(tune, event.step + event.length) - start) / kSampleRate;
        const std::vector<double> sound =
            RenderNote(track.instrument, event.note + track.transpose, event.chord, gate);
        const auto frame = std::llround(start);
        Place(mix, sound, frame, track.volume, track.pan);
        if (track.echoSend > 0.0) {
            Place(echoSend, sound, frame, track.volume * track.echoSend, track.pan);
        }
    }
}

void PlayDrums(const Tune& tune, const DrumTrack& track, StereoLoop& mix) {
    CheckBarCount(tune, track.name, track.bars.size());
    std::vector<DrumHit> hits;
    try {
        hits = ReadDrumTrack(track.bars, tune.stepsPerBar);
    } catch (const std::invalid_argument& error) {
        throw std::invalid_argument("track " + track.name + ", " + error.what());
    }
    const std::vector<double> sound = RenderDrum(track.drum);
    for (const DrumHit& hit : hits) {
        Place(mix, sound, std::llround(StepStart(tune, hit.step)), track.volume * hit.velocity,
              track.pan);
    }
}

}  // namespace

StereoLoop RenderTune(const Tune& tune) {
    StereoLoop mix(tune.frames);
    StereoLoop echoSend(tune.frames);
    for (const Track& track : tune.tracks) {
        PlayTrack(tune, track, mix, echoSend);
    }
    for (const DrumTrack& track : tune.drums) {
        PlayDrums(tune, track, mix);
    }
    const auto delay =
        static_cast<std::size_t>(std::llround(tune.echo.delaySteps * StepFrames(tune)));
    AddPingPongEcho(echoSend, delay, tune.echo.feedback, tune.echo.level, mix);
    return mix;
}

}  // namespace tunes
