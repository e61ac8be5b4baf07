#include "art/mainwindowface.h"

#include "art/artkit.h"
#include "art/buttonart.h"
#include "art/nightscene.h"
#include "art/windowlayout.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace makedata::art {
namespace {

// The red satin ribbon that carries the greeting (gold letters read best on
// it), with gold edges and swallow-tail ends folded behind.
void paintRibbon(QPainter& p) {
    const QRectF band(layout::greetingBand);
    const double notch = 12;
    for (int side : {-1, 1}) {
        const double edge = side < 0 ? band.left() : band.right();
        QPainterPath tail;
        tail.moveTo(edge - side * 26, band.top() + 3);
        tail.lineTo(edge + side * 4, band.top() + 7);
        tail.lineTo(edge - side * notch + side * 4, band.center().y() + 5);
        tail.lineTo(edge + side * 4, band.bottom() + 3);
        tail.lineTo(edge - side * 26, band.bottom() - 1);
        tail.closeSubpath();
        QLinearGradient shade(0, band.top(), 0, band.bottom());
        shade.setColorAt(0, colour(qRgb(120, 16, 26)));
        shade.setColorAt(1, colour(qRgb(70, 6, 14)));
        p.setPen(Qt::NoPen);
        p.setBrush(colour(qRgb(0, 0, 0), 80));
        p.drawPath(tail.translated(1, 2));
        p.setBrush(shade);
        p.drawPath(tail);
    }
    const QRectF front(layout::ribbonFront);
    QLinearGradient satin(0, front.top(), 0, front.bottom());
    satin.setColorAt(0.0, colour(qRgb(196, 44, 52)));
    satin.setColorAt(0.3, colour(qRgb(164, 24, 36)));
    satin.setColorAt(1.0, colour(qRgb(110, 10, 22)));
    p.setBrush(colour(qRgb(0, 0, 0), 90));
    p.drawRect(front.translated(0, 2));
    p.setBrush(satin);
    p.drawRect(front);
    p.setPen(QPen(colour(palette::gold), 1.2));
    p.drawLine(QPointF(front.left(), front.top() + 2.5), QPointF(front.right(), front.top() + 2.5));
    p.drawLine(QPointF(front.left(), front.bottom() - 2.5), QPointF(front.right(), front.bottom() - 2.5));
    // The folds where the ends turn behind.
    for (double x : {front.left(), front.right()}) {
        p.setPen(QPen(colour(qRgb(60, 4, 10)), 1));
        p.drawLine(QPointF(x, front.top()), QPointF(x, front.bottom()));
    }
}

// Evergreen boughs in the top corners, with a few ornaments.
void paintBough(QPainter& p, bool left) {
    p.save();
    if (!left) {
        p.translate(640, 0);
        p.scale(-1, 1);
    }
    Random random(left ? 31 : 37);
    const QPointF twigs[][2] = {{{-6, 12}, {132, 6}}, {{-6, 26}, {96, 44}}, {{-6, 2}, {70, -4}},
                                {{40, 8}, {118, 30}}, {{20, 20}, {60, 62}}, {{-4, 40}, {38, 82}}};
    for (const auto& twig : twigs) {
        const QPointF from = twig[0];
        const QPointF to = twig[1];
        p.setPen(QPen(colour(palette::woodDark), 2));
        p.drawLine(from, to);
        const int needles = 34;
        for (int i = 0; i < needles; ++i) {
            const double t = double(i) / needles;
            const QPointF at = from + (to - from) * t;
            const double length = 9 + 5 * (1 - std::abs(t - 0.5) * 2) + random.uniform(-2, 2);
            for (int sideSign : {-1, 1}) {
                const QPointF dir = to - from;
                const double norm = std::hypot(dir.x(), dir.y());
                const QPointF along = dir / norm;
                const QPointF across(-along.y() * sideSign, along.x() * sideSign);
                const QPointF end = at + (along * 0.7 + across) * length * 0.75;
                const double shade = random.uniform(0, 1);
                p.setPen(QPen(mix(palette::pineDark, palette::pineLight, shade * 0.8), 1.3, Qt::SolidLine,
                              Qt::RoundCap));
                p.drawLine(at, end);
            }
        }
    }
    // Snow on the boughs and two hanging ornaments.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        p.setBrush(colour(palette::snowLight, 220));
        p.drawEllipse(QPointF(random.uniform(0, 120), random.uniform(0, 30)), random.uniform(2, 4), 1.8);
    }
    const QPointF ornaments[] = {{58, 50}, {104, 30}};
    const QRgb tones[] = {palette::berryRed, palette::gold};
    for (int i = 0; i < 2; ++i) {
        const QPointF c = ornaments[i];
        p.setPen(QPen(colour(palette::goldDark), 1));
        p.drawLine(c - QPointF(0, 14), c - QPointF(0, 7));
        QRadialGradient ball(c - QPointF(2.5, 2.5), 8);
        ball.setColorAt(0, colour(qRgb(255, 255, 255), 230));
        ball.setColorAt(0.25, colour(tones[i]));
        ball.setColorAt(1, mix(tones[i], qRgb(0, 0, 0), 0.55));
        p.setPen(Qt::NoPen);
        p.setBrush(ball);
        p.drawEllipse(c, 7, 7);
        p.setBrush(colour(palette::gold));
        p.drawRect(QRectF(c.x() - 2, c.y() - 9, 4, 3));
    }
    p.restore();
}

// The wooden shelf along the bottom with snow on its edge.
void paintShelf(QPainter& p) {
    const double top = layout::shelfTop;
    const double front = layout::caseTop - 2;
    QLinearGradient board(0, top, 0, front);
    board.setColorAt(0, colour(palette::woodDark));
    board.setColorAt(1, colour(palette::woodLight));
    p.setPen(Qt::NoPen);
    p.setBrush(board);
    p.drawRect(QRectF(0, top, 640, front - top));
    QLinearGradient face(0, front, 0, 480);
    face.setColorAt(0, colour(palette::wood));
    face.setColorAt(1, colour(palette::woodDark));
    p.setBrush(face);
    p.drawRect(QRectF(0, front, 640, 480 - front));
    // Grain.
    Random random(41);
    for (int i = 0; i < 26; ++i) {
        const double y = random.uniform(front + 4, 478);
        const double x = random.uniform(-40, 600);
        p.setPen(QPen(colour(palette::woodDark, 90), 1));
        p.drawLine(QPointF(x, y), QPointF(x + random.uniform(40, 160), y + random.uniform(-1, 1)));
    }
    p.setPen(QPen(colour(palette::goldLight, 90), 1));
    p.drawLine(QPointF(0, front + 0.5), QPointF(640, front + 0.5));
    // Snow lying along the back of the shelf.
    p.setPen(Qt::NoPen);
    QPainterPath snow;
    snow.moveTo(0, top + 3);
    for (int x = 0; x <= 640; x += 8) {
        snow.lineTo(x, layout::snowHeight(x));
    }
    snow.lineTo(640, top + 4);
    snow.closeSubpath();
    p.setBrush(colour(palette::snowLight));
    p.drawPath(snow);
}

// The tree's soft shadow on the snow around its foot (the tree itself is
// drawn over the face at run time).
void paintTreeShadow(QPainter& p) {
    p.save();
    p.translate(QPointF(316, 383));
    p.scale(1.0, 0.16);
    QRadialGradient shadow(QPointF(0, 0), 110);
    shadow.setColorAt(0.0, colour(qRgb(30, 40, 90), 120));
    shadow.setColorAt(1.0, colour(qRgb(30, 40, 90), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(0, 0), 110, 110);
    p.restore();
}

void paintButtonPanel(QPainter& p, const QRect& around) {
    const QRectF panel = QRectF(around).adjusted(-8, -10, 8, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(colour(qRgb(0, 0, 0), 70));
    p.drawRoundedRect(panel.translated(2, 3), 10, 10);
    QLinearGradient fill(panel.topLeft(), panel.bottomLeft());
    fill.setColorAt(0, colour(qRgb(28, 40, 78), 235));
    fill.setColorAt(1, colour(qRgb(14, 22, 48), 235));
    p.setBrush(fill);
    p.setPen(QPen(colour(palette::gold), 1.5));
    p.drawRoundedRect(panel, 10, 10);
    p.setPen(QPen(colour(palette::goldDark), 1));
    p.drawRoundedRect(panel.adjusted(3, 3, -3, -3), 7, 7);
}

void paintWindowEdge(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour(qRgb(6, 8, 20)), 2));
    p.drawRect(QRectF(1, 1, 638, 478));
    p.setPen(QPen(colour(palette::gold, 160), 1));
    p.drawRect(QRectF(3.5, 3.5, 633, 473));
}

// The night scene with boughs, ribbon and shelf: what lies under the controls.
// Painted in the window's coordinates onto p, which may scale them.
void paintScene(QPainter& p) {
    paintNightScene(p);
    p.setRenderHint(QPainter::Antialiasing);
    paintBough(p, true);
    paintBough(p, false);
    paintTreeShadow(p);
    paintRibbon(p);
    paintShelf(p);
}

QImage paintScene(int scale) {
    QImage face = newCanvas(layout::window, scale);
    QPainter p(&face);
    paintScene(p);
    return face;
}

// The card's gilt edge, all the way round, in the card's coordinates.
void paintCardEdge(QPainter& p, QSizeF card) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour(qRgb(6, 8, 20)), 2));
    p.drawRect(QRectF(1, 1, card.width() - 2, card.height() - 2));
    p.setPen(QPen(colour(palette::gold, 160), 1));
    p.drawRect(QRectF(3.5, 3.5, card.width() - 7, card.height() - 7));
}

} // namespace

QImage paintMainWindowBase(int scale) {
    QImage face = paintScene(scale);
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    paintWindowEdge(p);
    paintButtonPanel(p, layout::bigButtons[0].united(layout::bigButtons[1]));
    paintButtonPanel(p, layout::bigButtons[2].united(layout::bigButtons[3]));
    return face;
}

QImage paintCardBackground() {
    QImage card = paintScene(1).copy(QRect(QPoint(0, 0), layout::card));
    QPainter p(&card);
    paintCardEdge(p, layout::card);
    return card;
}

QImage paintPrintCardBackground(int scale) {
    QImage card(layout::card * scale, QImage::Format_RGB32);
    QPainter p(&card);
    p.scale(scale, scale);
    paintScene(p);
    paintCardEdge(p, layout::card);
    return card;
}

QImage paintMainWindowFace(int scale) {
    const QImage base = paintMainWindowBase(scale);
    QImage face = base;
    QPainter p(&face);
    for (int k = 0; k < layout::caseCount; ++k) {
        p.drawImage(layout::caseRect(k).topLeft(), caseFrame(base, k, 0));
    }
    for (int b = 0; b < 4; ++b) {
        p.drawImage(layout::bigButtons[std::size_t(b)].topLeft(), bigButtonFrame(base, b, 0));
    }
    for (int b = 0; b < 2; ++b) {
        p.drawImage(layout::smallButtons[std::size_t(b)].topLeft(), smallButtonFrame(base, b, 0));
    }
    return face;
}

} // namespace makedata::art
