#include "master_bus.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "audio_format.h"

namespace tunes {
namespace {

// A one-pole high-pass at about 17 Hz: the swept kick and the drum tones leave
// a slow offset that 8 bits cannot afford and no speaker can play.
constexpr double kDcPole = 0.995;
// The loudest moment of the mix is pushed this far past full scale and then
// bent back by the limiter, which buys the quiet parts some loudness.
constexpr double kDrive = 1.25;
// Below this the limiter passes the signal untouched.
constexpr double kKnee = 0.6;
// The limiter's output never reaches 1; this keeps the peaks a few steps
// further inside 0..255.
constexpr double kCeiling = 0.88;

void RemoveDc(std::vector<double>& channel) {
    // Round the loop twice: the first time only to settle the filter's state
    // at the seam, so that the start is filtered as if the end came before it.
    double previousIn = channel.back();
    double previousOut = 0.0;
    std::vector<double> out(channel.size());
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t i = 0; i < channel.size(); ++i) {
            out[i] = channel[i] - previousIn + kDcPole * previousOut;
            previousIn = channel[i];
            previousOut = out[i];
        }
    }
    channel = std::move(out);
}

double SoftLimit(double x) {
    const double size = std::abs(x);
    if (size <= kKnee) {
        return x;
    }
    const double bent = kKnee + (1.0 - kKnee) * std::tanh((size - kKnee) / (1.0 - kKnee));
    return std::copysign(bent, x);
}

std::uint8_t To8Bit(double x) {
    return static_cast<std::uint8_t>(kSilence + std::lround(127.0 * kCeiling * SoftLimit(x)));
}

}  // namespace

std::vector<std::uint8_t> MasterTo8Bit(StereoLoop mix) {
    RemoveDc(mix.left);
    RemoveDc(mix.right);
    double peak = 0.0;
    for (std::size_t i = 0; i < mix.Frames(); ++i) {
        peak = std::max({peak, std::abs(mix.left[i]), std::abs(mix.right[i])});
    }
    const double gain = peak > 0.0 ? kDrive / peak : 0.0;
    std::vector<std::uint8_t> samples;
    samples.reserve(2 * mix.Frames());
    for (std::size_t i = 0; i < mix.Frames(); ++i) {
        samples.push_back(To8Bit(gain * mix.left[i]));
        samples.push_back(To8Bit(gain * mix.right[i]));
    }
    return samples;
}

}  // namespace tunes
