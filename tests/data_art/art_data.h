#pragma once
// Where the generated Data folder lies and small readers shared by the
// data tests: pictures, WAV files.
#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

namespace artdata {

// $PINEWICK_BUILD_DIR/Data/ + relative.
QString dataFile(const QString& relative);
// Loads a picture, failing the calling test (through the returned null image) when absent.
QImage loadPicture(const QString& relative);
// The 24 bits of colour of a pixel.
inline std::uint32_t rgb(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFFu;
}

struct Wave {
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples; // interleaved
    double seconds() const { return channels ? double(samples.size()) / channels / sampleRate : 0; }
};
// Reads a PCM WAV file; sampleRate stays 0 when the file is not one.
Wave readWave(const QString& path);

} // namespace artdata
