#include "sound/synth.h"

#include "sound/wavfile.h"

#include <algorithm>
#include <cmath>

namespace makedata::sound {

Buffer::Buffer(double seconds) : samples_(std::size_t(seconds * sampleRate), 0.0f) {}

void Buffer::addPartial(double start, double frequency, double amplitude, double decay, double attack,
                        double endFrequency, double glide) {
    // A partial above the Nyquist frequency would fold back as a false tone.
    if (std::max(frequency, endFrequency) > 0.45 * sampleRate) {
        return;
    }
    const auto first = std::size_t(start * sampleRate);
    double phase = 0;
    for (std::size_t i = first; i < samples_.size(); ++i) {
        const double t = double(i - first) / sampleRate;
        const double envelope = std::min(1.0, t / attack) * std::exp(-t / decay);
        if (t > attack && envelope < 1e-5) {
            break;
        }
        double f = frequency;
        if (glide > 0 && endFrequency > 0) {
            f = frequency + (endFrequency - frequency) * std::min(1.0, t / glide);
        }
        phase += 2 * M_PI * f / sampleRate;
        samples_[i] += float(amplitude * envelope * std::sin(phase));
    }
}

void Buffer::addNoise(double start, double centre, double bandwidth, double amplitude, double decay,
                      std::uint32_t seed) {
    // A state-variable band-pass filter over white noise.
    std::uint32_t state = seed * 747796405u + 2891336453u;
    const double f = 2 * std::sin(M_PI * std::min(centre, sampleRate / 6.0) / sampleRate);
    const double damping = std::max(0.05, bandwidth);
    double low = 0;
    double band = 0;
    const auto first = std::size_t(start * sampleRate);
    for (std::size_t i = first; i < samples_.size(); ++i) {
        const double t = double(i - first) / sampleRate;
        const double envelope = std::min(1.0, t / 0.0005) * std::exp(-t / decay);
        if (t > 0.001 && envelope < 1e-5) {
            break;
        }
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        const double white = double(state) / 2147483648.0 - 1.0;
        const double high = white - low - damping * band;
        band += f * high;
        low += f * band;
        samples_[i] += float(amplitude * envelope * band * damping);
    }
}

void Buffer::addChip(double start, double frequency, double amplitude, double decay) {
    addPartial(start, frequency, amplitude, decay, 0.0003);
    addPartial(start, frequency * 2.32, amplitude * 0.55, decay * 0.7, 0.0003);
    addPartial(start, frequency * 3.87, amplitude * 0.3, decay * 0.5, 0.0003);
}

} // namespace makedata::sound
