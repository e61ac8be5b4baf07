// The landing sounds and the title chime: CD-quality mono PCM, sensible
// lengths, loud enough to hear, never clipped, and fading to silence at both
// ends so they start and stop without a click.
#include "data_art/art_data.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

struct Sound {
    const char* file;
    double shortest;
    double longest;
};

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
    EXPECT_GT(std::sqrt(energy / wave.samples.size()), 150.0);
    // Short fades: the first and last samples are (almost) silent.
    EXPECT_LT(std::abs(int(wave.samples.front())), 200);
    EXPECT_LT(std::abs(int(wave.samples.back())), 200);
}

INSTANTIATE_TEST_SUITE_P(
    Sounds, LandingSound,
    ::testing::Values(Sound{"Sound/Shatter.wav", 0.3, 2.0}, Sound{"Sound/Bell.wav", 0.5, 3.0},
                      Sound{"Sound/Snap.wav", 0.15, 1.5}, Sound{"Sound/Clink.wav", 0.2, 1.5},
                      Sound{"Sound/Thud.wav", 0.15, 1.5}, Sound{"Sound/Crash.wav", 0.4, 2.5},
                      Sound{"Sound/Squeak.wav", 0.2, 1.5}, Sound{"Resource/Title.wav", 3.0, 5.0}),
    [](const auto& info) {
        return QString(info.param.file).section('/', 1).section('.', 0, 0).toStdString();
    });

} // namespace
