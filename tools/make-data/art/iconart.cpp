// The program's icon for the desktop launcher, in the usual sizes: a snowy
// fir with a gold star on a night-blue tile. Small sizes get a simpler tree
// drawn for their grid, so they stay crisp.
#include "art/artkit.h"
#include "art/firtree.h"
#include "generator.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace makedata::art {
namespace {

void paintTile(QPainter& p, double size) {
    const QRectF tile(size * 0.03, size * 0.03, size * 0.94, size * 0.94);
    const QPainterPath shape = roundedRect(tile, size * 0.2);
    QLinearGradient sky(0, tile.top(), 0, tile.bottom());
    sky.setColorAt(0, colour(palette::skyTop));
    sky.setColorAt(0.7, colour(palette::skyMiddle));
    sky.setColorAt(1, colour(palette::skyHorizon));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawPath(shape);
    p.save();
    p.setClipPath(shape);
    // Snow ground.
    p.setBrush(colour(palette::snowShade));
    p.drawEllipse(QPointF(size * 0.5, size * 1.32), size * 0.8, size * 0.5);
    p.setBrush(colour(palette::snowLight));
    p.drawEllipse(QPointF(size * 0.5, size * 1.36), size * 0.78, size * 0.5);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour(palette::gold), std::max(1.0, size * 0.02)));
    p.drawPath(roundedRect(tile.adjusted(size * 0.01, size * 0.01, -size * 0.01, -size * 0.01), size * 0.19));
}

// A simple tree of three stacked triangles for 16 and 32 pixels.
void paintSimpleTree(QPainter& p, double size) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour(palette::wood));
    p.drawRect(QRectF(size * 0.45, size * 0.74, size * 0.1, size * 0.12));
    const double tiers[][3] = {{0.18, 0.44, 0.2}, {0.32, 0.62, 0.27}, {0.46, 0.8, 0.34}};
    for (const auto& t : tiers) {
        QPainterPath tier;
        tier.moveTo(size * 0.5, size * t[0]);
        tier.lineTo(size * (0.5 + t[2]), size * t[1]);
        tier.lineTo(size * (0.5 - t[2]), size * t[1]);
        tier.closeSubpath();
        QLinearGradient fill(size * 0.3, 0, size * 0.7, 0);
        fill.setColorAt(0, colour(palette::pine));
        fill.setColorAt(1, colour(palette::pineLight));
        p.setBrush(fill);
        p.drawPath(tier);
    }
}

QImage paintIcon(int size) {
    // Painted at four times the size and reduced, for smooth edges.
    const int big = size * 4;
    QImage canvas = newLayer(big, big);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    paintTile(p, big);
    if (size >= 48) {
        FirTreeShape shape;
        shape.foot = QPointF(big * 0.5, big * 0.88);
        shape.height = big * 0.7;
        shape.width = big * 0.62;
        shape.tiers = size >= 128 ? 7 : 5;
        shape.snow = size >= 128 ? 0.8 : 0.4;
        shape.seed = 9;
        paintFirTree(p, shape);
    } else {
        paintSimpleTree(p, big);
    }
    const QPointF star(big * 0.5, big * (size >= 48 ? 0.19 : 0.17));
    QRadialGradient glow(star, big * 0.16);
    glow.setColorAt(0, colour(qRgb(255, 236, 160), 150));
    glow.setColorAt(1, colour(qRgb(255, 236, 160), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(star, big * 0.16, big * 0.16);
    p.setBrush(colour(palette::goldLight));
    p.setPen(QPen(colour(palette::goldDark), big * 0.008));
    p.drawPath(starPath(star, big * 0.085, big * 0.036));
    p.end();
    return canvas.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

void generateIcons(const Context& context) {
    for (int size : {16, 32, 48, 64, 128, 256}) {
        paintIcon(size).save(context.file(QString("Resource/Icon%1.png").arg(size)), "PNG");
    }
}

} // namespace
} // namespace makedata::art

PW_DATA_GENERATOR("icons", 330, makedata::art::generateIcons);
