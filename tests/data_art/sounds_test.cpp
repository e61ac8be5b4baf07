// The landing sounds and the title chime: CD-quality mono PCM, sensible
// lengths, loud enough to hear, never clipped, and fading to silence at both
// ends so they start and stop without a click.
#include "data_art/art_data.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Sound {
    const char* file;
    double shortest;
    double longest;
    double loudness; // dB of full scale over its loudest 400 ms
    double ceiling;  // no sample reaches this share of full scale
};

// The RMS of the loudest 400 ms, in dB of full scale.
double momentaryLoudness(const std::vector<std::int16_t>& samples, int rate) {
    const std::size_t window = std::min(samples.size(), std::size_t(rate) * 2 / 5);
    double energy = 0, loudest = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        energy += double(samples[i]) * samples[i];
        if (i >= window) {
            energy -= double(samples[i - window]) * samples[i - window];
        }
        loudest = std::max(loudest, energy);
    }
    return 10 * std::log10(loudest / double(window) / (32768.0 * 32768.0));
}

class LandingSound : public ::testing::TestWithParam<Sound> {};

TEST_P(LandingSound, IsCleanPcmOfTheRightLength) {
    const Sound& sound = GetParam();
    const artdata::Wave wave = artdata::readWave(artdata::dataFile(sound.file));
    ASSERT_EQ(wave.sampleRate, 44100) << sound.file;
    EXPECT_EQ(wave.bitsPerSample, 16);
    EXPECT_EQ(wave.channels, 1);
    EXPECT_GE(wave.seconds(), sound.shortest);
    EXPECT_LE(wave.seconds(), sound.longest);

    int peak = 0;
    double energy = 0;
    for (std::int16_t s : wave.samples) {
        peak = std::max(peak, std::abs(int(s)));
        energy += double(s) * s;
    }
    EXPECT_LT(peak, 32000) << "clipped";
    EXPECT_GT(peak, 8000) << "too quiet";
    // Set by loudness, not by peak: every landing is heard over the music as
    // well as any other, and stays under the ceiling that leaves the music room.
    EXPECT_NEAR(momentaryLoudness(wave.samples, wave.sampleRate), sound.loudness, 1.0);
    EXPECT_LT(peak, sound.ceiling * 32767);
    EXPECT_GT(std::sqrt(energy / wave.samples.size()), 150.0);
    // Short fades: the first and last samples are (almost) silent.
    EXPECT_LT(std::abs(int(wave.samples.front())), 200);
    EXPECT_LT(std::abs(int(wave.samples.back())), 200);
}

INSTANTIATE_TEST_SUITE_P(Sounds, LandingSound,
                         ::testing::Values(Sound{"Sound/Shatter.wav", 0.3, 2.0, -18, 0.45},
                                           Sound{"Sound/Bell.wav", 0.5, 3.0, -18, 0.45},
                                           Sound{"Sound/Snap.wav", 0.15, 1.5, -18, 0.45},
                                           Sound{"Sound/Clink.wav", 0.2, 1.5, -18, 0.45},
                                           Sound{"Sound/Thud.wav", 0.15, 1.5, -18, 0.45},
                                           Sound{"Sound/Crash.wav", 0.4, 2.5, -18, 0.45},
                                           Sound{"Sound/Squeak.wav", 0.2, 1.5, -18, 0.45},
                                           Sound{"Resource/Title.wav", 3.0, 5.0, -18, 0.7}),
                         [](const auto& info) {
                             return QString(info.param.file).section('/', 1).section('.', 0, 0).toStdString();
                         });

} // namespace
