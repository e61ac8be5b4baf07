#include "sound/loudness.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace makedata::sound {

double momentaryLoudness(const std::vector<float>& samples, int sampleRate) {
    if (samples.empty()) {
        return -std::numeric_limits<double>::infinity();
    }
    const std::size_t window = std::min(samples.size(), std::size_t(sampleRate) * 2 / 5);
    // A running sum of squares over the window.
    double energy = 0;
    for (std::size_t i = 0; i < window; ++i) {
        energy += double(samples[i]) * samples[i];
    }
    double loudest = energy;
    for (std::size_t i = window; i < samples.size(); ++i) {
        energy += double(samples[i]) * samples[i] - double(samples[i - window]) * samples[i - window];
        loudest = std::max(loudest, energy);
    }
    if (loudest <= 0) {
        return -std::numeric_limits<double>::infinity();
    }
    return 10 * std::log10(loudest / double(window));
}

namespace {

std::vector<float> scaledAndLimited(const std::vector<float>& samples, double gain, double ceiling) {
    // Linear up to the knee, then bending towards the ceiling without reaching it.
    const double knee = 0.7 * ceiling;
    std::vector<float> out(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double x = samples[i] * gain;
        const double size = std::abs(x);
        const double limited =
            size <= knee ? size : knee + (ceiling - knee) * std::tanh((size - knee) / (ceiling - knee));
        out[i] = float(std::copysign(limited, x));
    }
    return out;
}

} // namespace

std::vector<float> atLoudness(const std::vector<float>& samples, int sampleRate, double loudnessDb,
                              double ceiling) {
    const double now = momentaryLoudness(samples, sampleRate);
    if (!std::isfinite(now)) {
        return std::vector<float>(samples.size(), 0.0f);
    }
    double gain = std::pow(10.0, (loudnessDb - now) / 20);
    std::vector<float> out = scaledAndLimited(samples, gain, ceiling);
    // The limiter takes a little off a sound with high peaks: make it up once.
    const double limited = momentaryLoudness(out, sampleRate);
    gain *= std::pow(10.0, (loudnessDb - limited) / 20);
    return scaledAndLimited(samples, gain, ceiling);
}

} // namespace makedata::sound
