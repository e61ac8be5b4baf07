#pragma once
// Setting short sounds to a loudness instead of a peak: what a listener hears
// of a sound is the energy of its loudest moment, not its highest sample, so
// a noisy shatter and a pure bell set to the same peak differ by many decibels.
#include <vector>

namespace makedata::sound {

// The RMS of the loudest 400 ms of the samples (the whole of a shorter
// sound), in dB of full scale (1.0); -inf for silence.
double momentaryLoudness(const std::vector<float>& samples, int sampleRate);

// The samples scaled to `loudnessDb` (as momentaryLoudness measures), with
// the peaks that would pass `ceiling` rounded off by a soft limiter, so no
// sample reaches it.
std::vector<float> atLoudness(const std::vector<float>& samples, int sampleRate, double loudnessDb,
                              double ceiling);

} // namespace makedata::sound
