#include "controls/bitmapregion.h"

#include <QRect>
#include <algorithm>
#include <vector>

namespace {

struct Run {
    int left;
    int right; // one past the last opaque pixel
    bool operator==(const Run&) const = default;
};

// The opaque runs of one row of 32-bit pixel words.
void RowRuns(const quint32* row, int width, quint32 key, std::vector<Run>& runs) {
    runs.clear();
    int x = 0;
    while (x < width) {
        while (x < width && (row[x] & 0xFFFFFFu) == key) {
            ++x;
        }
        if (x == width) {
            break;
        }
        const int start = x;
        while (x < width && (row[x] & 0xFFFFFFu) != key) {
            ++x;
        }
        runs.push_back({start, x});
    }
}

// A picture drawn finer than the window (a device pixel ratio above 1) read
// at the window's pixels: the first pixel of each block.
QImage WindowPixels(const QImage& bitmap) {
    const int ratio = int(bitmap.devicePixelRatio());
    const QImage source = bitmap.convertToFormat(QImage::Format_RGB32);
    QImage out(source.width() / ratio, source.height() / ratio, QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        const auto* in = reinterpret_cast<const quint32*>(source.constScanLine(y * ratio));
        auto* row = reinterpret_cast<quint32*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            row[x] = in[x * ratio];
        }
    }
    return out;
}

} // namespace

QRegion CreateRegionFromBitmap32(const QImage& bitmap, int width, int height, QRgb transparent) {
    if (bitmap.devicePixelRatio() >= 2) {
        return CreateRegionFromBitmap32(WindowPixels(bitmap), width, height, transparent);
    }
    QImage converted;
    const QImage* picture = &bitmap;
    if (bitmap.format() != QImage::Format_RGB32 && bitmap.format() != QImage::Format_ARGB32) {
        converted = bitmap.convertToFormat(QImage::Format_RGB32);
        picture = &converted;
    }
    // Columns and rows beyond the picture are transparent: never read them.
    const int w = std::clamp(width, 0, picture->width());
    const int h = std::clamp(height, 0, picture->height());
    const quint32 key = transparent & 0xFFFFFFu;

    std::vector<QRect> rects;
    std::vector<Run> band; // the runs of the band being collected
    std::vector<Run> runs;
    int bandTop = 0;
    auto closeBand = [&](int bottom) {
        for (const Run& run : band) {
            rects.emplace_back(QPoint(run.left, bandTop), QPoint(run.right - 1, bottom - 1));
        }
    };
    for (int y = 0; y < h; ++y) {
        RowRuns(reinterpret_cast<const quint32*>(picture->constScanLine(y)), w, key, runs);
        if (runs != band) {
            closeBand(y);
            band.swap(runs);
            bandTop = y;
        }
    }
    closeBand(h);

    QRegion region;
    if (!rects.empty()) {
        region.setRects(rects.data(), static_cast<int>(rects.size()));
    }
    return region;
}
