#include "art/firtree.h"

#include "art/artkit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace makedata::art {
namespace {

// The needles' greens, matched to the lit 3D tree.
constexpr QRgb needleDark = qRgb(14, 58, 26);
constexpr QRgb needleMiddle = qRgb(40, 120, 42);
constexpr QRgb needleLight = qRgb(128, 198, 88);

struct Tier {
    double top;
    double bottom;
    double halfWidth;
};

// One drooping spray from near the trunk to the tier's edge, covered in needles.
void paintSpray(QPainter& p, QPointF from, QPointF to, double light, double needleLength, Random& random) {
    const QPointF control((from.x() + to.x()) / 2,
                          std::min(from.y(), to.y()) - std::abs(to.x() - from.x()) * 0.08);
    QPainterPath stem;
    stem.moveTo(from);
    stem.quadTo(control, to);
    p.setPen(QPen(mix(palette::pineDark, qRgb(40, 30, 20), 0.5), std::max(0.8, needleLength * 0.18)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);

    const double length = stem.length();
    const int count = std::max(4, int(length / std::max(1.0, needleLength * 0.28)));
    for (int i = 1; i <= count; ++i) {
        const double t = double(i) / count;
        const QPointF at = stem.pointAtPercent(t);
        const double angle = stem.angleAtPercent(t) * M_PI / 180.0;
        const QPointF along(std::cos(angle), -std::sin(angle));
        const double tipLight = std::clamp(light + 0.35 * t + random.uniform(-0.12, 0.12), 0.0, 1.0);
        const QColor tone = tipLight < 0.5 ? mix(needleDark, needleMiddle, tipLight * 2)
                                           : mix(needleMiddle, needleLight, (tipLight - 0.5) * 2);
        p.setPen(QPen(tone, std::max(0.7, needleLength * 0.16), Qt::SolidLine, Qt::RoundCap));
        const double size = needleLength * (0.55 + 0.45 * std::sin(t * M_PI * 0.9 + 0.3));
        for (int side : {-1, 1}) {
            const QPointF across(-along.y() * side, along.x() * side);
            // Needles sweep forward along the spray and droop a little.
            const QPointF end = at + (along * 0.55 + across * 0.8 + QPointF(0, 0.35)) * size;
            p.drawLine(at, end);
        }
    }
}

void paintSnowOn(QPainter& p, QPointF at, double size) {
    QPainterPath lump;
    lump.moveTo(at.x() - size, at.y() + size * 0.15);
    lump.cubicTo(at.x() - size * 0.7, at.y() - size * 0.55, at.x() + size * 0.6, at.y() - size * 0.6,
                 at.x() + size, at.y() + size * 0.1);
    lump.cubicTo(at.x() + size * 0.4, at.y() + size * 0.35, at.x() - size * 0.4, at.y() + size * 0.4,
                 at.x() - size, at.y() + size * 0.15);
    QLinearGradient fill(at.x(), at.y() - size * 0.6, at.x(), at.y() + size * 0.4);
    fill.setColorAt(0, colour(qRgb(250, 252, 254)));
    fill.setColorAt(1, colour(qRgb(184, 200, 230)));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(lump);
}

} // namespace

void paintFirTree(QPainter& p, const FirTreeShape& shape) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    Random random(shape.seed);
    const double cx = shape.foot.x();
    const double trunkHeight = shape.height * 0.09;
    const double crownBottom = shape.foot.y() - trunkHeight * 0.55;
    const double tip = shape.foot.y() - shape.height;
    const double crown = crownBottom - tip;
    const double scale = shape.height / 300.0;

    // Trunk.
    const double trunkWidth = shape.width * 0.075;
    QLinearGradient bark(cx - trunkWidth / 2, 0, cx + trunkWidth / 2, 0);
    bark.setColorAt(0, colour(qRgb(58, 34, 20)));
    bark.setColorAt(0.6, colour(qRgb(104, 66, 38)));
    bark.setColorAt(1, colour(qRgb(62, 38, 22)));
    p.setPen(Qt::NoPen);
    p.setBrush(bark);
    p.drawRect(QRectF(cx - trunkWidth / 2, crownBottom - trunkHeight, trunkWidth,
                      shape.foot.y() - crownBottom + trunkHeight));

    std::vector<Tier> tiers;
    for (int i = 0; i < shape.tiers; ++i) {
        const double f0 = double(i) / shape.tiers;
        const double f1 = double(i + 1) / shape.tiers;
        const double top = tip + crown * std::pow(f0, 1.05) * 0.9;
        const double bottom = tip + crown * f1;
        const double halfWidth = shape.width / 2 * std::pow(f1, 0.92);
        tiers.push_back({top, bottom, halfWidth});
    }

    const double needle = 7.5 * scale;
    for (int i = int(tiers.size()) - 1; i >= 0; --i) {
        const Tier& tier = tiers[i];
        const int sprays = 8 + int(tier.halfWidth / (9 * scale));
        // A dark under-layer so gaps between sprays read as depth, not sky.
        QPainterPath body;
        body.moveTo(cx, tier.top);
        body.lineTo(cx + tier.halfWidth * 0.82, tier.bottom - (tier.bottom - tier.top) * 0.12);
        body.quadTo(cx, tier.bottom + (tier.bottom - tier.top) * 0.05, cx - tier.halfWidth * 0.82,
                    tier.bottom - (tier.bottom - tier.top) * 0.12);
        body.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(colour(qRgb(16, 62, 28)));
        p.drawPath(body);
        for (int layer = 0; layer < 2; ++layer) {
            for (int s = 0; s < sprays; ++s) {
                const double u = -1 + 2 * (s + random.uniform(0.1, 0.9)) / sprays;
                const QPointF from(cx + u * tier.halfWidth * 0.12,
                                   tier.top + (tier.bottom - tier.top) * 0.18);
                const double reach = (layer == 0 ? 1.0 : 0.8) * random.uniform(0.8, 1.08);
                const double droop = (tier.bottom - tier.top) * (0.15 + 0.85 * std::abs(u)) * 0.25;
                const QPointF to(cx + u * tier.halfWidth * reach,
                                 tier.bottom - (tier.bottom - tier.top) * (0.28 - 0.2 * std::abs(u)) +
                                     droop * 0.3);
                // Lit from the upper right; the back layer stays darker.
                const double light =
                    (layer == 0 ? 0.1 : 0.3) + 0.25 * (u + 1) / 2 - 0.12 * double(i) / shape.tiers;
                paintSpray(p, from, to, light, needle * (0.85 + 0.3 * std::abs(u)), random);
            }
        }
        // Front sprays reaching over the next tier break up the banding.
        if (i + 1 < int(tiers.size())) {
            const int front = 2 + int(tier.halfWidth / (22 * scale));
            for (int f = 0; f < front; ++f) {
                const double u = random.uniform(-0.8, 0.8);
                const QPointF from(cx + u * tier.halfWidth * 0.5, tier.top + (tier.bottom - tier.top) * 0.55);
                const QPointF to(from.x() + u * tier.halfWidth * random.uniform(0.35, 0.6),
                                 tier.bottom + (tier.bottom - tier.top) * random.uniform(0.05, 0.3));
                paintSpray(p, from, to, 0.45 + 0.2 * (u + 1) / 2, needle * 0.9, random);
            }
        }
        // Snow resting on the upper side of some sprays.
        if (shape.snow > 0) {
            const int lumps = int((2 + i * 0.6) * shape.snow);
            for (int k = 0; k < lumps; ++k) {
                const double u = random.uniform(-0.85, 0.85);
                const double y = tier.top + (tier.bottom - tier.top) * (0.45 + 0.3 * std::abs(u)) +
                                 random.uniform(-2, 2) * scale;
                paintSnowOn(p, QPointF(cx + u * tier.halfWidth * 0.8, y), random.uniform(3.0, 5.5) * scale);
            }
        }
    }
    // The leader shoot at the very top.
    p.setPen(QPen(colour(palette::pine), 1.6 * scale, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx, tip + crown * 0.05), QPointF(cx, tip - 2 * scale));
    p.restore();
}

} // namespace makedata::art
