#include "art/artkit.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace makedata::art {

QColor colour(QRgb rgb, int alpha) {
    QColor c = QColor::fromRgb(rgb);
    c.setAlpha(alpha);
    return c;
}

QColor mix(QRgb a, QRgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto channel = [t](int x, int y) {
        return int(x + (y - x) * t + 0.5);
    };
    return QColor(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)), channel(qBlue(a), qBlue(b)));
}

QImage newCanvas(QSize size, int scale, QImage::Format format) {
    QImage canvas(size * scale, format);
    canvas.setDevicePixelRatio(scale);
    return canvas;
}

QImage newLayer(int width, int height, int scale) {
    QImage layer = newCanvas(QSize(width, height), scale, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    return layer;
}

QImage copyPart(const QImage& picture, const QRect& place) {
    const int scale = int(picture.devicePixelRatio());
    QImage part = picture.copy(QRect(place.topLeft() * scale, place.size() * scale));
    part.setDevicePixelRatio(scale);
    return part;
}

void matchOutline(QImage& fine, const QImage& coarse, QRgb key) {
    const int scale = fine.width() / std::max(coarse.width(), 1);
    if (coarse.isNull() || fine.size() != coarse.size() * scale) {
        return;
    }
    const QImage from = coarse.convertToFormat(QImage::Format_RGB32);
    fine = fine.convertToFormat(QImage::Format_RGB32);
    const QRgb keyWord = key | 0xFF000000u;
    for (int y = 0; y < fine.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(from.constScanLine(y / scale));
        auto* row = reinterpret_cast<QRgb*>(fine.scanLine(y));
        for (int x = 0; x < fine.width(); ++x) {
            const bool outside = (in[x / scale] & 0xFFFFFF) == (key & 0xFFFFFF);
            if (outside) {
                row[x] = keyWord;
            } else if ((row[x] & 0xFFFFFF) == (key & 0xFFFFFF)) {
                row[x] = in[x / scale] | 0xFF000000u;
            }
        }
    }
}

QFont pixelFont(const QString& family, int pixelSize, int weight, bool italic) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Weight(weight));
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(
        QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias | QFont::NoFontMerging));
    font.setKerning(true);
    return font;
}

namespace {

// A colour one step away from the key, so an inside pixel never reads as outside.
QRgb avoidKey(QRgb rgb, QRgb key) {
    if ((rgb & 0xFFFFFF) != (key & 0xFFFFFF)) {
        return rgb;
    }
    return qRgb(qRed(rgb), qGreen(rgb) ^ 1, qBlue(rgb));
}

} // namespace

QImage cutOutline(const QImage& layer, QRgb key) {
    const QImage source = layer.convertToFormat(QImage::Format_ARGB32);
    QImage out(source.size(), QImage::Format_RGB32);
    out.setDevicePixelRatio(layer.devicePixelRatio());
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            row[x] = qAlpha(in[x]) < 128 ? (key | 0xFF000000u) : (avoidKey(in[x], key) | 0xFF000000u);
        }
    }
    return out;
}

QImage smoothOutline(const QImage& fineLayer, const QImage& coarse, QRgb key) {
    const QImage source = fineLayer.convertToFormat(QImage::Format_ARGB32);
    const int scale = source.width() / std::max(coarse.width(), 1);
    const QImage from = coarse.convertToFormat(QImage::Format_RGB32);
    if (coarse.isNull() || scale < 1 || source.size() != coarse.size() * scale) {
        return cutOutline(fineLayer, key);
    }
    QImage out(source.size(), QImage::Format_ARGB32);
    auto alphaAt = [&source](int x, int y) {
        return x < 0 || y < 0 || x >= source.width() || y >= source.height() ? 0 : qAlpha(source.pixel(x, y));
    };
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((from.pixel(x / scale, y / scale) & 0xFFFFFF) == (key & 0xFFFFFF)) {
                row[x] = key & 0xFFFFFF;
                continue;
            }
            int alpha = 255;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    alpha = std::min(alpha, alphaAt(x + dx, y + dy));
                }
            }
            row[x] = (avoidKey(source.pixel(x, y), key) & 0xFFFFFF) | (QRgb(alpha) << 24);
        }
    }
    return out;
}

QImage keyOverBackdrop(const QImage& layer, const QImage& backdrop, QRgb key) {
    QImage composed =
        backdrop.convertToFormat(QImage::Format_RGB32).copy(0, 0, layer.width(), layer.height());
    composed.setDevicePixelRatio(layer.devicePixelRatio());
    {
        QPainter painter(&composed);
        painter.drawImage(0, 0, layer);
    }
    const QImage alpha = layer.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < composed.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(alpha.constScanLine(y));
        auto* row = reinterpret_cast<QRgb*>(composed.scanLine(y));
        for (int x = 0; x < composed.width(); ++x) {
            row[x] = qAlpha(a[x]) == 0 ? (key | 0xFF000000u) : (avoidKey(row[x], key) | 0xFF000000u);
        }
    }
    return composed;
}

QPainterPath roundedRect(const QRectF& rect, double radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath starPath(QPointF centre, double outerRadius, double innerRadius) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? outerRadius : innerRadius;
        const double a = -M_PI / 2 + i * M_PI / 5;
        const QPointF at = centre + QPointF(std::cos(a) * r, std::sin(a) * r);
        i == 0 ? path.moveTo(at) : path.lineTo(at);
    }
    path.closeSubpath();
    return path;
}

std::uint32_t Random::next() {
    // xorshift32: small, fast and identical everywhere.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

double Random::uniform(double low, double high) {
    return low + (high - low) * (next() >> 8) / double(1u << 24);
}

} // namespace makedata::art
