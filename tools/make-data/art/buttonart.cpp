#include "art/buttonart.h"

#include "art/artkit.h"
#include "art/buttonicons.h"
#include "art/windowlayout.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

namespace makedata::art {
namespace {

// A warm glow behind a hot control.
void paintGlow(QPainter& p, const QRectF& around, double reach) {
    QRadialGradient glow(around.center(), std::max(around.width(), around.height()) / 2 + reach);
    glow.setColorAt(0.55, colour(qRgb(255, 214, 120), 120));
    glow.setColorAt(1.0, colour(qRgb(255, 214, 120), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(around.center(), around.width() / 2 + reach, around.height() / 2 + reach);
}

// A glossy tile: shadow, gold rim, coloured body, highlight.
void paintTile(QPainter& p, const QPainterPath& shape, const QRectF& box, QRgb body, int state) {
    const bool pressed = state == 2;
    const bool hot = state == 1;
    p.setPen(Qt::NoPen);
    if (!pressed) {
        p.setBrush(colour(qRgb(0, 0, 0), 90));
        p.drawPath(shape.translated(1.5, 2.5));
    }
    QLinearGradient rim(box.topLeft(), box.bottomRight());
    rim.setColorAt(0, colour(palette::goldLight));
    rim.setColorAt(0.5, colour(palette::gold));
    rim.setColorAt(1, colour(palette::goldDark));
    p.setBrush(rim);
    p.drawPath(shape);

    const QRectF inner = box.adjusted(2.5, 2.5, -2.5, -2.5);
    QPainterPath innerShape = shape;
    {
        QTransform t;
        t.translate(box.center().x(), box.center().y());
        t.scale(inner.width() / box.width(), inner.height() / box.height());
        t.translate(-box.center().x(), -box.center().y());
        innerShape = t.map(shape);
    }
    const QColor top = hot ? mix(body, qRgb(255, 236, 200), 0.3) : mix(body, qRgb(255, 255, 255), 0.12);
    const QColor bottom = pressed ? mix(body, qRgb(0, 0, 0), 0.55) : mix(body, qRgb(0, 0, 0), 0.35);
    QLinearGradient fill(inner.topLeft(), inner.bottomLeft());
    fill.setColorAt(0, pressed ? bottom : top);
    fill.setColorAt(1, pressed ? top.darker(130) : bottom);
    p.setBrush(fill);
    p.drawPath(innerShape);

    if (!pressed) {
        // The gloss on the upper half.
        p.save();
        p.setClipPath(innerShape);
        QLinearGradient gloss(inner.topLeft(), QPointF(inner.left(), inner.center().y()));
        gloss.setColorAt(0, colour(qRgb(255, 255, 255), hot ? 110 : 80));
        gloss.setColorAt(1, colour(qRgb(255, 255, 255), 0));
        p.setBrush(gloss);
        p.drawEllipse(QRectF(inner.left() - inner.width() * 0.2, inner.top() - inner.height() * 0.55,
                             inner.width() * 1.4, inner.height() * 1.0));
        p.restore();
    } else {
        // An inner shadow along the top edge.
        p.save();
        p.setClipPath(innerShape);
        p.setPen(QPen(colour(qRgb(0, 0, 0), 110), 3));
        p.setBrush(Qt::NoBrush);
        p.drawPath(innerShape.translated(0, 1.5));
        p.restore();
    }
}

QRgb iconTone(int state) {
    return state == 1 ? qRgb(255, 246, 214) : palette::goldLight;
}

} // namespace

void paintBigButton(QPainter& p, const QRect& place, BigButton button, int state) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(place).adjusted(4, 4, -5, -6);
    if (state == 1) {
        paintGlow(p, box, 4);
    }
    const QRectF tile = state == 2 ? box.translated(0.5, 1) : box;
    paintTile(p, roundedRect(tile, 11), tile, palette::berryRed, state);
    const QRectF iconBox(tile.center().x() - 16, tile.center().y() - 15, 32, 30);
    paintButtonIcon(p, iconBox, int(button), iconTone(state));
    p.restore();
}

void paintSmallButton(QPainter& p, const QRect& place, SmallButton button, int state) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(place).adjusted(3, 3, -4, -4);
    if (state == 1) {
        paintGlow(p, box, 3);
    }
    const QRectF disc = state == 2 ? box.translated(0.5, 1) : box;
    QPainterPath shape;
    shape.addEllipse(disc);
    paintTile(p, shape, disc, palette::pine, state);
    const QRectF iconBox(disc.center().x() - 10, disc.center().y() - 10, 20, 20);
    paintSmallIcon(p, iconBox, int(button), iconTone(state));
    p.restore();
}

void paintCase(QPainter& p, const QRect& place, int k, int state) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRgb body = k % 2 == 0 ? palette::berryRed : palette::pine;
    const QRectF outer = QRectF(place).adjusted(2, 2, -2, -3);
    if (state == 1) {
        paintGlow(p, outer, 2);
    }
    const double lift = state == 1 ? -2.0 : 0.0;
    const double sink = state == 2 ? 1.0 : 0.0;

    // Box body with a gold ribbon down the middle.
    const QRectF boxBody(outer.left() + 1, outer.top() + 10 + sink, outer.width() - 2,
                         outer.height() - 10 - sink);
    p.setPen(Qt::NoPen);
    p.setBrush(colour(qRgb(0, 0, 0), 80));
    p.drawRoundedRect(boxBody.translated(1, 2), 3, 3);
    QLinearGradient side(boxBody.topLeft(), boxBody.bottomLeft());
    side.setColorAt(0, mix(body, qRgb(255, 255, 255), state == 1 ? 0.22 : 0.08));
    side.setColorAt(1, mix(body, qRgb(0, 0, 0), state == 2 ? 0.55 : 0.35));
    p.setBrush(side);
    p.drawRoundedRect(boxBody, 3, 3);
    p.setBrush(colour(palette::gold, 230));
    p.drawRect(QRectF(boxBody.center().x() - 3, boxBody.top(), 6, boxBody.height()));

    // The lid, lifted a little when hot, pushed down when pressed.
    const QRectF lid(outer.left(), outer.top() + 4 + lift + sink, outer.width(), 9);
    QLinearGradient lidFill(lid.topLeft(), lid.bottomLeft());
    lidFill.setColorAt(0, mix(body, qRgb(255, 255, 255), state == 1 ? 0.35 : 0.2));
    lidFill.setColorAt(1, mix(body, qRgb(0, 0, 0), 0.25));
    p.setBrush(lidFill);
    p.drawRoundedRect(lid, 2.5, 2.5);
    p.setBrush(colour(palette::gold));
    p.drawRect(QRectF(lid.center().x() - 3, lid.top(), 6, lid.height()));
    // A small bow on the lid.
    p.setBrush(colour(palette::goldLight));
    p.drawEllipse(QPointF(lid.center().x() - 5, lid.top() - 1), 5, 3);
    p.drawEllipse(QPointF(lid.center().x() + 5, lid.top() - 1), 5, 3);
    p.setBrush(colour(palette::goldDark));
    p.drawEllipse(QPointF(lid.center().x(), lid.top() - 0.5), 2.2, 2.2);

    if (state == 1) {
        // A warm rim of light around the lifted box.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colour(palette::goldLight, 230), 1.6));
        p.drawRoundedRect(boxBody.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        p.drawRoundedRect(lid.adjusted(0.5, 0.5, -0.5, -0.5), 2.5, 2.5);
        p.setPen(Qt::NoPen);
    }
    // The label tag with the case's name.
    const QRectF tag(boxBody.left() + 5, boxBody.top() + 10, boxBody.width() - 10, 17);
    p.setBrush(colour(qRgb(0, 0, 0), 60));
    p.drawRoundedRect(tag.translated(0.5, 1), 3, 3);
    p.setBrush(colour(state == 1 ? qRgb(255, 250, 236) : palette::paper));
    p.setPen(QPen(colour(palette::goldDark), 1));
    p.drawRoundedRect(tag, 3, 3);
    p.setPen(colour(state == 1 ? palette::berryRed : palette::ink));
    const QString name = layout::caseName(k);
    QFont font = pixelFont("DejaVu Sans Condensed", 11, QFont::Bold);
    if (QFontMetricsF(font).horizontalAdvance(name) > tag.width() - 2) {
        font = pixelFont("DejaVu Sans Condensed", 10, QFont::Bold);
        // A translation is written short enough for the tag; one that is not
        // is told rather than cut.
        if (state == 0 && QFontMetricsF(font).horizontalAdvance(name) > tag.width()) {
            std::fprintf(stderr, "make-data: the label \"%s\" is wider than its case (%.1f > %.1f pixels)\n",
                         qPrintable(name), QFontMetricsF(font).horizontalAdvance(name), tag.width());
        }
    }
    p.setFont(font);
    p.drawText(tag.translated(0, 0.5), Qt::AlignCenter, name);
    p.restore();
}

namespace {

template <typename Paint> QImage frameOver(const QImage& base, const QRect& place, Paint paint) {
    QImage tile = copyPart(base, place).convertToFormat(QImage::Format_RGB32);
    QPainter p(&tile);
    p.translate(-place.topLeft());
    paint(p);
    return tile;
}

} // namespace

QImage bigButtonFrame(const QImage& base, int button, int state) {
    const QRect place = layout::bigButtons[std::size_t(button)];
    return frameOver(base, place, [&](QPainter& p) { paintBigButton(p, place, BigButton(button), state); });
}

QImage smallButtonFrame(const QImage& base, int button, int state) {
    const QRect place = layout::smallButtons[std::size_t(button)];
    return frameOver(base, place,
                     [&](QPainter& p) { paintSmallButton(p, place, SmallButton(button), state); });
}

QImage caseFrame(const QImage& base, int k, int state) {
    const QRect place = layout::caseRect(k);
    return frameOver(base, place, [&](QPainter& p) { paintCase(p, place, k, state); });
}

} // namespace makedata::art
