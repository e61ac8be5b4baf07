#pragma once
// Small synthesis building blocks for the landing sounds and the title chime:
// a sample buffer with time-placed additions, decaying partials, noise and
// simple filters. Everything is deterministic.
#include <cstdint>
#include <vector>

namespace makedata::sound {

class Buffer {
public:
    explicit Buffer(double seconds);
    std::vector<float>& samples() { return samples_; }
    const std::vector<float>& samples() const { return samples_; }

    // A sine partial starting at `start` seconds: frequency in Hz (gliding
    // linearly to `endFrequency` over `glide` seconds when given), amplitude,
    // exponential decay time constant in seconds, attack in seconds.
    void addPartial(double start, double frequency, double amplitude, double decay, double attack = 0.001,
                    double endFrequency = 0, double glide = 0);
    // A burst of noise band-passed around `centre` Hz (bandwidth as a ratio,
    // e.g. 0.5), decaying with `decay` seconds.
    void addNoise(double start, double centre, double bandwidth, double amplitude, double decay,
                  std::uint32_t seed);
    // A glass chip: a short cluster of three high inharmonic partials.
    void addChip(double start, double frequency, double amplitude, double decay);

private:
    std::vector<float> samples_;
};

} // namespace makedata::sound
