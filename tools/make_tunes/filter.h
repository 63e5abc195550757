// A resonant two-pole filter for the bass, pads and cymbals.
#pragma once

namespace tunes {

// The trapezoidal state-variable filter: stays stable and in tune right up to
// the Nyquist frequency, which matters when cutoffs sweep at a low sample rate.
class StateVariableFilter {
public:
    struct Outputs {
        double low;
        double band;
        double high;
    };

    // `resonance` is the filter's Q: about 0.7 is flat, higher values peak.
    void Tune(double cutoffHz, double resonance, double sampleRate);
    Outputs Process(double input);

private:
    double k_ = 1.0;
    double a1_ = 0.0;
    double a2_ = 0.0;
    double a3_ = 0.0;
    double ic1_ = 0.0;
    double ic2_ = 0.0;
};

}  // namespace tunes
