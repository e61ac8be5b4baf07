#include "sound/wavfile.h"

#include "art/littleendian.h"

#include <QByteArray>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace makedata::sound {

bool writeWav(const std::vector<float>& samples, const QString& path, double peak) {
    std::vector<float> shaped = samples;
    // Fades of 3 ms in and 20 ms out keep the ends free of clicks.
    const std::size_t fadeIn = std::min<std::size_t>(shaped.size(), sampleRate * 3 / 1000);
    const std::size_t fadeOut = std::min<std::size_t>(shaped.size(), sampleRate * 20 / 1000);
    for (std::size_t i = 0; i < fadeIn; ++i) {
        shaped[i] *= float(i) / float(fadeIn);
    }
    for (std::size_t i = 0; i < fadeOut; ++i) {
        shaped[shaped.size() - 1 - i] *= float(i) / float(fadeOut);
    }
    float loudest = 0;
    for (float s : shaped) {
        loudest = std::max(loudest, std::abs(s));
    }
    const double gain = loudest > 0 ? peak * 32767.0 / loudest : 0.0;

    const auto dataBytes = std::uint32_t(shaped.size() * 2);
    QByteArray out;
    out.reserve(int(44 + dataBytes));
    out.append("RIFF");
    putLittle32(out, 36 + dataBytes);
    out.append("WAVEfmt ");
    putLittle32(out, 16);
    putLittle16(out, 1); // PCM
    putLittle16(out, 1); // mono
    putLittle32(out, sampleRate);
    putLittle32(out, sampleRate * 2);
    putLittle16(out, 2);
    putLittle16(out, 16);
    out.append("data");
    putLittle32(out, dataBytes);
    for (float s : shaped) {
        const long value = std::lround(double(s) * gain);
        putLittle16(out, std::uint16_t(std::int16_t(std::clamp(value, -32767L, 32767L))));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(out);
    return file.commit();
}

} // namespace makedata::sound
