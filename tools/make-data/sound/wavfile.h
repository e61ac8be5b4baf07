#pragma once
// Writes mono 16-bit PCM WAV files at 44.1 kHz from floating-point samples.
#include <QString>
#include <vector>

namespace makedata::sound {

constexpr int sampleRate = 44100;

// Scales `samples` so the loudest one reaches `peak` (of full scale), adds
// short fades at both ends and writes the file. Returns false on a write error.
bool writeWav(const std::vector<float>& samples, const QString& path, double peak = 0.89);

} // namespace makedata::sound
