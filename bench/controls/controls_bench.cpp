// Outlines cut from pictures (a 640 × 480 window face, a strip of 49 toy
// frames, a worst-case speckled picture) and the colour picker's drag steps.
#include "controls/bitmapregion.h"
#include "controls/colorselect.h"
#include "support/benchhome.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

constexpr QRgb kKey = 0xFFFF00FF;

// A window face: a rounded body with a wavy top edge, two round ears and a
// few holes, on the transparent colour.
QImage WindowFace() {
    QImage face(640, 480, QImage::Format_RGB32);
    for (int y = 0; y < 480; ++y) {
        auto* row = reinterpret_cast<quint32*>(face.scanLine(y));
        for (int x = 0; x < 640; ++x) {
            const double top = 40 + 12 * std::sin(x / 23.0);
            const bool body = y > top && y < 470 && x > 8 && x < 632;
            const bool ear = std::hypot(x - 90, y - 40) < 38 || std::hypot(x - 550, y - 40) < 38;
            const bool hole = std::hypot(x - 320, y - 240) < 20 || (x > 600 && y > 440 && (x + y) % 9 == 0);
            row[x] = (body || ear) && !hole ? 0xFF000000u | quint32(x * 7 + y * 3) : kKey;
        }
    }
    return face;
}

// 49 frames of 38 × 38 side by side, each a ball with a cap, as toy slots are.
QImage ToyStrip() {
    QImage strip(49 * 38, 38, QImage::Format_RGB32);
    strip.fill(kKey);
    for (int f = 0; f < 49; ++f) {
        const int r = 10 + f % 8;
        for (int y = 0; y < 38; ++y) {
            for (int x = 0; x < 38; ++x) {
                if (std::hypot(x - 19, y - 21) < r || (std::abs(x - 19) < 3 && y > 21 - r - 4 && y < 21)) {
                    strip.setPixel(f * 38 + x, y, 0xFF203040 + f);
                }
            }
        }
    }
    return strip;
}

QImage Speckled() {
    QImage picture(640, 480, QImage::Format_RGB32);
    std::srand(1);
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            picture.setPixel(x, y, std::rand() % 2 ? kKey : 0xFF000000);
        }
    }
    return picture;
}

void BM_RegionWindowFace(benchmark::State& state) {
    const QImage face = WindowFace();
    for (auto _ : state) {
        benchmark::DoNotOptimize(CreateRegionFromBitmap32(face, 640, 480, kKey));
    }
    state.counters["rects"] = CreateRegionFromBitmap32(face, 640, 480, kKey).rectCount();
}
BENCHMARK(BM_RegionWindowFace)->Unit(benchmark::kMicrosecond);

// The generated window background, when the Data folder has been built.
void BM_RegionBackgroundPicture(benchmark::State& state) {
    const QImage picture(QString(BenchHome()) + "Data/Resource/Bk.bmp");
    if (picture.isNull()) {
        state.SkipWithError("Data/Resource/Bk.bmp not built");
        return;
    }
    const QRgb key = picture.pixel(0, 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(CreateRegionFromBitmap32(picture, picture.width(), picture.height(), key));
    }
    state.counters["rects"] =
        CreateRegionFromBitmap32(picture, picture.width(), picture.height(), key).rectCount();
}
BENCHMARK(BM_RegionBackgroundPicture)->Unit(benchmark::kMicrosecond);

void BM_RegionToyStrip(benchmark::State& state) {
    const QImage strip = ToyStrip();
    for (auto _ : state) {
        benchmark::DoNotOptimize(CreateRegionFromBitmap32(strip, strip.width(), 38, kKey));
    }
    state.counters["rects"] = CreateRegionFromBitmap32(strip, strip.width(), 38, kKey).rectCount();
}
BENCHMARK(BM_RegionToyStrip)->Unit(benchmark::kMicrosecond);

void BM_RegionSpeckledWorstCase(benchmark::State& state) {
    const QImage picture = Speckled();
    for (auto _ : state) {
        benchmark::DoNotOptimize(CreateRegionFromBitmap32(picture, 640, 480, kKey));
    }
    state.counters["rects"] = CreateRegionFromBitmap32(picture, 640, 480, kKey).rectCount();
}
BENCHMARK(BM_RegionSpeckledWorstCase)->Unit(benchmark::kMicrosecond);

// One drag step in the square: the markers move on a copy of the palette.
void BM_ColorSelectSquareStep(benchmark::State& state) {
    TColorSelect select;
    select.DoMouseDown(Qt::LeftButton, {}, 10, 10);
    int i = 0;
    for (auto _ : state) {
        ++i;
        select.DoMouseMove({}, i % 256, (i * 7) % 256);
    }
    select.DoMouseUp(Qt::LeftButton, {}, 0, 0);
}
BENCHMARK(BM_ColorSelectSquareStep)->Unit(benchmark::kMicrosecond);

// One drag step in the strip: a new blue rebuilds the whole palette.
void BM_ColorSelectStripStep(benchmark::State& state) {
    TColorSelect select;
    select.DoMouseDown(Qt::LeftButton, {}, 260, 10);
    int i = 0;
    for (auto _ : state) {
        ++i;
        select.DoMouseMove({}, 260, i % 256);
    }
    select.DoMouseUp(Qt::LeftButton, {}, 0, 0);
}
BENCHMARK(BM_ColorSelectStripStep)->Unit(benchmark::kMicrosecond);

} // namespace
