#include "art/dialogart.h"

#include "art/artkit.h"
#include "art/buttonicons.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

namespace makedata::art {

void paintCard(QPainter& p, const QSize& size) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(0.5, 0.5, size.width() - 1, size.height() - 1);
    p.setPen(Qt::NoPen);
    QLinearGradient border(outer.topLeft(), outer.bottomRight());
    border.setColorAt(0, colour(palette::berryRedLight));
    border.setColorAt(0.5, colour(palette::berryRed));
    border.setColorAt(1, colour(palette::berryRedDark));
    p.setBrush(border);
    p.drawPath(roundedRect(outer, 16));
    const QRectF gold = outer.adjusted(5, 5, -5, -5);
    p.setBrush(colour(palette::gold));
    p.drawPath(roundedRect(gold, 12));
    const QRectF paper = gold.adjusted(2, 2, -2, -2);
    p.setBrush(colour(palette::paper));
    p.drawPath(roundedRect(paper, 10));
    // A fine gold rule inside the paper.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour(palette::gold, 150), 1));
    p.drawPath(roundedRect(paper.adjusted(3.5, 3.5, -3.5, -3.5), 8));
    p.restore();
}

void paintField(QPainter& p, const QRect& place) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect frame = place.adjusted(-3, -3, 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(colour(palette::paperShade));
    p.drawRect(frame);
    // Sunken: dark upper-left edge, light lower-right edge.
    p.setPen(colour(qRgb(150, 122, 86)));
    p.drawLine(frame.topLeft(), frame.topRight());
    p.drawLine(frame.topLeft(), frame.bottomLeft());
    p.setPen(colour(qRgb(255, 252, 244)));
    p.drawLine(frame.bottomLeft(), frame.bottomRight());
    p.drawLine(frame.topRight(), frame.bottomRight());
    p.fillRect(place, colour(palette::field));
    p.restore();
}

void paintCaptionPlate(QPainter& p, const QRect& place) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plate = QRectF(place).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(plate.topLeft(), plate.bottomLeft());
    fill.setColorAt(0, colour(qRgb(255, 250, 236)));
    fill.setColorAt(1, colour(qRgb(236, 222, 190)));
    p.setBrush(fill);
    p.setPen(QPen(colour(palette::gold), 1));
    p.drawRoundedRect(plate, 5, 5);
    p.restore();
}

void paintPushButton(QPainter& p, const QRect& place, bool pressed) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(place, colour(palette::paper));
    const QRectF body = QRectF(place).adjusted(0.5, 0.5, -0.5, -1.5);
    if (!pressed) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour(qRgb(120, 90, 50), 90));
        p.drawRoundedRect(body.translated(0, 1), 6, 6);
    }
    const QRectF face = pressed ? body.translated(0, 1) : body;
    QLinearGradient fill(face.topLeft(), face.bottomLeft());
    fill.setColorAt(0, colour(pressed ? qRgb(226, 196, 132) : qRgb(255, 246, 214)));
    fill.setColorAt(0.5, colour(pressed ? qRgb(232, 206, 146) : qRgb(246, 222, 160)));
    fill.setColorAt(1, colour(pressed ? qRgb(246, 226, 180) : qRgb(224, 184, 104)));
    p.setBrush(fill);
    p.setPen(QPen(colour(palette::goldDark), 1));
    p.drawRoundedRect(face, 6, 6);
    if (!pressed) {
        p.setPen(QPen(colour(qRgb(255, 255, 255), 150), 1));
        p.drawLine(QPointF(face.left() + 5, face.top() + 1.5), QPointF(face.right() - 5, face.top() + 1.5));
    }
    p.restore();
}

void paintCloseButton(QPainter& p, const QRect& place, bool pressed) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF disc = QRectF(place).adjusted(2, 2, -2, -2).translated(0, pressed ? 1 : 0);
    p.setPen(Qt::NoPen);
    if (!pressed) {
        p.setBrush(colour(qRgb(90, 40, 20), 90));
        p.drawEllipse(disc.translated(0.5, 1.5));
    }
    p.setBrush(colour(palette::gold));
    p.drawEllipse(disc);
    QRadialGradient fill(disc.center() - QPointF(3, 4), disc.width() * 0.7);
    fill.setColorAt(0, colour(pressed ? palette::berryRed : palette::berryRedLight));
    fill.setColorAt(1, colour(palette::berryRedDark));
    p.setBrush(fill);
    p.drawEllipse(disc.adjusted(2, 2, -2, -2));
    const QPointF c = disc.center();
    paintCloseIcon(p, QRectF(c.x() - 5, c.y() - 5, 10, 10), palette::goldLight);
    p.restore();
}

void paintText(QPainter& p, const QRectF& box, const QString& text, const QFont& font, QRgb tone, int flags) {
    // Words (a translation above all) must fit their place: one that does not is told rather than cut.
    if (const qreal width = QFontMetricsF(font).horizontalAdvance(text); width > box.width()) {
        std::fprintf(stderr, "make-data: \"%s\" is wider than its place (%.1f > %.1f pixels)\n",
                     qPrintable(text), width, box.width());
    }
    p.save();
    p.setFont(font);
    p.setPen(colour(tone));
    p.drawText(box, flags, text);
    p.restore();
}

void paintHolly(QPainter& p, QPointF at, double scale, double angle) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(at);
    p.rotate(angle);
    p.scale(scale, scale);
    for (int side : {-1, 1}) {
        QPainterPath leaf;
        leaf.moveTo(0, 0);
        // A leaf with three points on each edge.
        leaf.cubicTo(side * 6, -6, side * 10, -4, side * 14, -9);
        leaf.cubicTo(side * 15, -5, side * 19, -6, side * 24, -4);
        leaf.cubicTo(side * 20, -1, side * 21, 2, side * 24, 5);
        leaf.cubicTo(side * 18, 5, side * 15, 4, side * 12, 8);
        leaf.cubicTo(side * 10, 4, side * 6, 4, 0, 0);
        QLinearGradient fill(0, -8, 0, 8);
        fill.setColorAt(0, colour(palette::pineLight));
        fill.setColorAt(1, colour(palette::pineDark));
        p.setPen(QPen(colour(palette::pineDark), 0.8));
        p.setBrush(fill);
        p.drawPath(leaf);
        p.setPen(QPen(colour(palette::pineLight), 0.8));
        p.drawLine(QPointF(side * 2, 0), QPointF(side * 20, -1));
    }
    p.setPen(Qt::NoPen);
    for (QPointF berry : {QPointF(-3, 3), QPointF(3, 3), QPointF(0, -2)}) {
        QRadialGradient fill(berry - QPointF(1, 1), 4);
        fill.setColorAt(0, colour(palette::berryRedLight));
        fill.setColorAt(1, colour(palette::berryRedDark));
        p.setBrush(fill);
        p.drawEllipse(berry, 3.4, 3.4);
    }
    p.restore();
}

} // namespace makedata::art
