#include "art/buttonicons.h"

#include "art/artkit.h"

#include <QPainterPath>
#include <functional>

namespace makedata::art {
namespace {

using Draw = std::function<void(QPainter&, QColor)>;

// Draws an icon twice: a soft dark shadow, then the icon itself.
void withShadow(QPainter& p, QRgb tone, const Draw& draw) {
    p.save();
    p.translate(0.8, 1.2);
    draw(p, colour(qRgb(40, 0, 8), 150));
    p.restore();
    draw(p, colour(tone));
}

QPen linePen(const QColor& c, double width) {
    QPen pen(c, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void envelope(QPainter& p, const QRectF& b, const QColor& c) {
    const QRectF body(b.left() + 2, b.top() + 6, b.width() - 4, b.height() - 11);
    p.setPen(linePen(c, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(body, 2, 2);
    QPainterPath flap;
    flap.moveTo(body.topLeft() + QPointF(1, 1));
    flap.lineTo(body.center().x(), body.top() + body.height() * 0.58);
    flap.lineTo(body.topRight() + QPointF(-1, 1));
    p.drawPath(flap);
    // A wax seal star.
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(body.center().x(), body.top() + body.height() * 0.6), 3.2, 3.2);
}

void quill(QPainter& p, const QRectF& b, const QColor& c) {
    QPainterPath feather;
    const QPointF tip(b.left() + 7, b.bottom() - 7);
    feather.moveTo(tip);
    feather.cubicTo(b.left() + 10, b.top() + 14, b.left() + 20, b.top() + 2, b.right() - 2, b.top() + 1);
    feather.cubicTo(b.right() - 5, b.top() + 12, b.left() + 18, b.top() + 20, tip.x(), tip.y());
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(feather);
    p.setPen(linePen(c, 1.6));
    p.drawLine(tip, tip + QPointF(-3, 4));
    // The written flourish.
    QPainterPath line;
    line.moveTo(b.left() + 1, b.bottom() - 1);
    line.cubicTo(b.left() + 8, b.bottom() - 5, b.left() + 12, b.bottom() + 1, b.left() + 18, b.bottom() - 2);
    line.cubicTo(b.left() + 22, b.bottom() - 4, b.left() + 26, b.bottom() - 1, b.right() - 1, b.bottom() - 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(linePen(c, 1.8));
    p.drawPath(line);
}

void notes(QPainter& p, const QRectF& b, const QColor& c) {
    const QPointF head1(b.left() + 8, b.bottom() - 5);
    const QPointF head2(b.right() - 7, b.bottom() - 8);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    for (const QPointF& head : {head1, head2}) {
        p.save();
        p.translate(head);
        p.rotate(-22);
        p.drawEllipse(QPointF(0, 0), 5.2, 3.8);
        p.restore();
    }
    p.setPen(linePen(c, 2.2));
    const QPointF stem1(head1.x() + 4.4, head1.y() - 1.5);
    const QPointF stem2(head2.x() + 4.4, head2.y() - 1.5);
    p.drawLine(stem1, QPointF(stem1.x(), b.top() + 6));
    p.drawLine(stem2, QPointF(stem2.x(), b.top() + 3));
    QPainterPath beam;
    beam.moveTo(stem1.x() - 1, b.top() + 4.5);
    beam.lineTo(stem2.x() + 1, b.top() + 1.5);
    beam.lineTo(stem2.x() + 1, b.top() + 7);
    beam.lineTo(stem1.x() - 1, b.top() + 10);
    beam.closeSubpath();
    p.setPen(Qt::NoPen);
    p.drawPath(beam);
}

void cube(QPainter& p, const QRectF& b, const QColor& c) {
    const QPointF centre = b.center() + QPointF(0, 1);
    const double r = 12.5;
    const QPointF top(centre.x(), centre.y() - r);
    const QPointF upperLeft(centre.x() - r * 0.87, centre.y() - r * 0.5);
    const QPointF upperRight(centre.x() + r * 0.87, centre.y() - r * 0.5);
    const QPointF lowerLeft(centre.x() - r * 0.87, centre.y() + r * 0.5);
    const QPointF lowerRight(centre.x() + r * 0.87, centre.y() + r * 0.5);
    const QPointF bottom(centre.x(), centre.y() + r);
    // Three faces in three strengths, so it reads as a solid.
    QColor light = c;
    QColor middle = c;
    middle.setAlphaF(c.alphaF() * 0.7);
    QColor dark = c;
    dark.setAlphaF(c.alphaF() * 0.45);
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawPolygon(QPolygonF({top, upperRight, centre, upperLeft}));
    p.setBrush(middle);
    p.drawPolygon(QPolygonF({upperLeft, centre, bottom, lowerLeft}));
    p.setBrush(dark);
    p.drawPolygon(QPolygonF({centre, upperRight, lowerRight, bottom}));
    p.setPen(linePen(c, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF({top, upperRight, lowerRight, bottom, lowerLeft, upperLeft}));
    p.drawLine(centre, upperLeft);
    p.drawLine(centre, upperRight);
    p.drawLine(centre, bottom);
}

void question(QPainter& p, const QRectF& b, const QColor& c) {
    QPainterPath mark;
    mark.moveTo(b.left() + 5, b.top() + 6);
    mark.cubicTo(b.left() + 5, b.top() + 1, b.right() - 4, b.top(), b.right() - 4, b.top() + 6);
    mark.cubicTo(b.right() - 4, b.top() + 10, b.center().x(), b.top() + 9.5, b.center().x(), b.top() + 14);
    p.setPen(linePen(c, 2.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mark);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(b.center().x(), b.bottom() - 1.8), 1.9, 1.9);
}

void power(QPainter& p, const QRectF& b, const QColor& c) {
    p.setPen(linePen(c, 2.4));
    p.setBrush(Qt::NoBrush);
    const QRectF ring = b.adjusted(2, 3, -2, -1);
    p.drawArc(ring, 125 * 16, 290 * 16);
    p.drawLine(QPointF(b.center().x(), b.top() + 0.5), QPointF(b.center().x(), b.center().y() + 1));
}

} // namespace

void paintButtonIcon(QPainter& p, const QRectF& box, int icon, QRgb tone) {
    static const std::function<void(QPainter&, const QRectF&, const QColor&)> icons[] = {envelope, quill,
                                                                                         notes, cube};
    withShadow(p, tone, [&](QPainter& painter, QColor c) { icons[icon](painter, box, c); });
}

void paintSmallIcon(QPainter& p, const QRectF& box, int icon, QRgb tone) {
    withShadow(p, tone, [&](QPainter& painter, QColor c) {
        if (icon == 0) {
            question(painter, box, c);
        } else {
            power(painter, box, c);
        }
    });
}

void paintCloseIcon(QPainter& p, const QRectF& box, QRgb tone) {
    withShadow(p, tone, [&](QPainter& painter, QColor c) {
        painter.setPen(linePen(c, 2.4));
        painter.drawLine(box.topLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomLeft());
    });
}

} // namespace makedata::art
