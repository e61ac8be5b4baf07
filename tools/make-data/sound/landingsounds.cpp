// The sounds of toys landing on the floor, the mouse's squeak and the title
// chime, synthesised from decaying partials and filtered noise.
#include "generator.h"
#include "sound/loudness.h"
#include "sound/synth.h"
#include "sound/wavfile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace makedata::sound {
namespace {

// A tiny seeded sequence for scattering shards in time and pitch.
class Scatter {
public:
    explicit Scatter(std::uint32_t seed) : state_(seed * 2654435761u + 1u) {}
    double uniform(double low, double high) {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return low + (high - low) * (state_ >> 8) / double(1u << 24);
    }

private:
    std::uint32_t state_;
};

// Glass breaking: the impact, then shards tinkling and thinning out.
Buffer shatter(double length, int shards, double spread, std::uint32_t seed) {
    Buffer b(length);
    b.addNoise(0, 5200, 0.9, 1.0, 0.018, seed);
    b.addNoise(0, 2400, 0.7, 0.5, 0.03, seed + 1);
    Scatter scatter(seed);
    for (int i = 0; i < shards; ++i) {
        const double t = 0.004 + spread * std::pow(scatter.uniform(0, 1), 1.8);
        const double loudness = 0.5 * std::exp(-t * 5) * scatter.uniform(0.4, 1.0);
        b.addChip(t, scatter.uniform(2600, 7800), loudness, scatter.uniform(0.015, 0.06));
        if (i % 4 == 0) {
            b.addNoise(t, scatter.uniform(4000, 8000), 0.6, loudness * 0.5, 0.006, seed + 10 + i);
        }
    }
    return b;
}

Buffer bell() {
    Buffer b(1.8);
    const double base = 1046.5; // C6: a small ornament bell
    const struct {
        double ratio, amplitude, decay;
    } partials[] = {{0.5, 0.35, 0.9},   {1.0, 1.0, 0.7},     {1.183, 0.45, 0.5},
                    {1.506, 0.35, 0.4}, {2.0, 0.5, 0.35},    {2.514, 0.25, 0.25},
                    {2.662, 0.2, 0.2},  {3.011, 0.15, 0.15}, {4.166, 0.12, 0.1}};
    for (const auto& partial : partials) {
        b.addPartial(0, base * partial.ratio, partial.amplitude, partial.decay, 0.0008);
    }
    b.addNoise(0, 3500, 0.8, 0.6, 0.008, 3);
    // The clapper's second, softer touch.
    b.addPartial(0.11, base, 0.3, 0.4, 0.001);
    b.addPartial(0.11, base * 2.0, 0.15, 0.2, 0.001);
    return b;
}

Buffer snap() {
    Buffer b(0.4);
    b.addNoise(0, 6000, 1.0, 1.0, 0.003, 5);
    b.addNoise(0, 3200, 0.5, 0.6, 0.02, 6);
    b.addPartial(0.001, 4300, 0.35, 0.05, 0.0003);
    b.addPartial(0.001, 6950, 0.2, 0.03, 0.0003);
    // The broken-off tip hitting the floor a moment later.
    b.addNoise(0.052, 5000, 0.8, 0.45, 0.004, 7);
    b.addChip(0.053, 5600, 0.2, 0.025);
    return b;
}

Buffer clink() {
    Buffer b(0.7);
    for (const double at : {0.0, 0.095, 0.16}) {
        const double loudness = at == 0 ? 1.0 : (at < 0.1 ? 0.45 : 0.2);
        b.addPartial(at, 2093, 0.6 * loudness, 0.22, 0.0004);
        b.addPartial(at, 5277, 0.4 * loudness, 0.14, 0.0004);
        b.addPartial(at, 7706, 0.25 * loudness, 0.08, 0.0004);
        b.addNoise(at, 7000, 0.8, 0.4 * loudness, 0.003, std::uint32_t(11 + at * 1000));
    }
    return b;
}

Buffer thud() {
    Buffer b(0.45);
    b.addPartial(0, 95, 1.0, 0.09, 0.002, 58, 0.08);
    b.addPartial(0, 190, 0.3, 0.05, 0.002, 120, 0.06);
    b.addNoise(0, 400, 0.9, 0.8, 0.03, 13);
    b.addNoise(0, 1500, 0.8, 0.25, 0.01, 14);
    // A small roll of wax.
    b.addNoise(0.14, 600, 0.9, 0.25, 0.02, 15);
    b.addPartial(0.14, 80, 0.3, 0.05, 0.002, 60, 0.04);
    return b;
}

Buffer crash() {
    Buffer b = shatter(1.3, 70, 0.7, 17);
    b.addPartial(0, 80, 0.9, 0.12, 0.002, 50, 0.1);
    b.addNoise(0, 300, 0.9, 0.8, 0.06, 18);
    // The metal cap ringing as it rolls away.
    b.addPartial(0.02, 1760, 0.25, 0.45, 0.001);
    b.addPartial(0.02, 4410, 0.12, 0.3, 0.001);
    b.addPartial(0.33, 1760, 0.12, 0.3, 0.001);
    return b;
}

Buffer squeak() {
    Buffer b(0.6);
    const double starts[] = {0.0, 0.16, 0.3};
    const double pitches[] = {3000, 3400, 3150};
    for (int i = 0; i < 3; ++i) {
        const double length = i == 2 ? 0.12 : 0.08;
        const std::size_t first = std::size_t(starts[i] * sampleRate);
        double phase = 0;
        for (std::size_t n = 0; n < std::size_t(length * sampleRate) && first + n < b.samples().size(); ++n) {
            const double t = double(n) / sampleRate;
            const double x = t / length;
            // Up and down in pitch with a quick flutter; a smooth rise and fall in loudness.
            const double f =
                pitches[i] * (1 + 0.25 * std::sin(M_PI * x)) * (1 + 0.02 * std::sin(2 * M_PI * 60 * t));
            phase += 2 * M_PI * f / sampleRate;
            const double envelope = std::pow(std::sin(M_PI * x), 1.5);
            b.samples()[first + n] += float(envelope * (std::sin(phase) + 0.2 * std::sin(2 * phase)));
        }
    }
    return b;
}

// A bright rising chime for the title: celesta-like notes up a C major
// arpeggio, then a held chord with a shimmer of high sparkles.
Buffer titleChime() {
    Buffer b(4.2);
    const double notes[] = {1046.50, 1318.51, 1567.98, 2093.00, 2637.02};
    auto tone = [&b](double at, double f, double loudness, double decay) {
        b.addPartial(at, f, loudness, decay, 0.002);
        b.addPartial(at, f * 2, loudness * 0.35, decay * 0.5, 0.002);
        b.addPartial(at, f * 3, loudness * 0.12, decay * 0.3, 0.002);
        b.addPartial(at, f * 4.2, loudness * 0.06, decay * 0.15, 0.001);
    };
    for (int i = 0; i < 5; ++i) {
        tone(0.14 * i, notes[i], 0.6, 1.1);
    }
    for (int i = 0; i < 4; ++i) {
        tone(0.95, notes[i] / 2, 0.45, 1.6);
    }
    Scatter scatter(29);
    for (int i = 0; i < 24; ++i) {
        const double at = 0.9 + 2.0 * scatter.uniform(0, 1);
        b.addPartial(at, scatter.uniform(4000, 8000), 0.05 * std::exp(-(at - 0.9)), 0.08, 0.001);
    }
    return b;
}

// The sounds are set to a loudness against the carols' (which play at about
// -24 dBFS on average, their peaks under -6 dBFS): a landing stands 6 dB out
// of the music, and its own peaks stay under 0.45 of full scale, so music and
// a landing together never reach full scale.
constexpr double effectLoudness = -18.0;
constexpr double effectCeiling = 0.45;
// The title chime plays alone, over the fades.
constexpr double titleLoudness = -18.0;
constexpr double titleCeiling = 0.7;

void writeEffect(const Buffer& sound, const QString& path, double loudness, double ceiling) {
    const std::vector<float> set = atLoudness(sound.samples(), sampleRate, loudness, ceiling);
    float peak = 0;
    for (const float s : set) {
        peak = std::max(peak, std::abs(s));
    }
    // Written as they are: the loudest sample stays where the limiter left it.
    writeWav(set, path, peak);
}

void generateSounds(const Context& context) {
    writeEffect(shatter(0.9, 40, 0.45, 1), context.file("Sound/Shatter.wav"), effectLoudness, effectCeiling);
    writeEffect(bell(), context.file("Sound/Bell.wav"), effectLoudness, effectCeiling);
    writeEffect(snap(), context.file("Sound/Snap.wav"), effectLoudness, effectCeiling);
    writeEffect(clink(), context.file("Sound/Clink.wav"), effectLoudness, effectCeiling);
    writeEffect(thud(), context.file("Sound/Thud.wav"), effectLoudness, effectCeiling);
    writeEffect(crash(), context.file("Sound/Crash.wav"), effectLoudness, effectCeiling);
    writeEffect(squeak(), context.file("Sound/Squeak.wav"), effectLoudness, effectCeiling);
    writeEffect(titleChime(), context.file("Resource/Title.wav"), titleLoudness, titleCeiling);
}

} // namespace
} // namespace makedata::sound

PW_DATA_GENERATOR("sounds", 450, makedata::sound::generateSounds);
