#include "help/balloonshape.h"

#include "art/artkit.h"
#include "art/dialogart.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace makedata::help {
namespace {

constexpr int bodyWidth = 170;
constexpr int bodyHeight = 72;
constexpr int tailLength = 24;
// Slanted tails leave the body at 28 % of its width from the nearer side.
constexpr int slantBase = bodyWidth * 28 / 100;
constexpr int slant = 18;

bool vertical(Tail tail) {
    return tail == Tail::Up || tail == Tail::UpLeft || tail == Tail::UpRight || tail == Tail::Down ||
           tail == Tail::DownLeft || tail == Tail::DownRight;
}

bool upward(Tail tail) {
    return tail == Tail::Up || tail == Tail::UpLeft || tail == Tail::UpRight;
}

// Where the tail leaves the body (its base's middle), in picture pixels.
QPointF tailBase(const BalloonShape& shape) {
    const QRect body = shape.body();
    switch (shape.tail) {
    case Tail::Up:
        return QPointF(body.center().x() + 0.5, body.top());
    case Tail::UpLeft:
        return QPointF(body.left() + slantBase, body.top());
    case Tail::UpRight:
        return QPointF(body.right() + 1 - slantBase, body.top());
    case Tail::Down:
        return QPointF(body.center().x() + 0.5, body.bottom() + 1);
    case Tail::DownLeft:
        return QPointF(body.left() + slantBase, body.bottom() + 1);
    case Tail::DownRight:
        return QPointF(body.right() + 1 - slantBase, body.bottom() + 1);
    case Tail::Left:
        return QPointF(body.left(), body.center().y() + 0.5);
    case Tail::Right:
        return QPointF(body.right() + 1, body.center().y() + 0.5);
    case Tail::None:
        break;
    }
    return QPointF(body.center());
}

} // namespace

QSize BalloonShape::pictureSize() const {
    if (tail == Tail::None) {
        return QSize(bodyWidth, bodyHeight);
    }
    return vertical(tail) ? QSize(bodyWidth, bodyHeight + 2 * tailLength)
                          : QSize(bodyWidth + 2 * tailLength, bodyHeight);
}

QRect BalloonShape::body() const {
    if (tail == Tail::None) {
        return QRect(0, 0, bodyWidth, bodyHeight);
    }
    return vertical(tail) ? QRect(0, tailLength, bodyWidth, bodyHeight)
                          : QRect(tailLength, 0, bodyWidth, bodyHeight);
}

QPoint BalloonShape::tip() const {
    const QSize size = pictureSize();
    const QPointF base = tailBase(*this);
    switch (tail) {
    case Tail::Up:
        return QPoint(int(base.x()), 1);
    case Tail::UpLeft:
        return QPoint(int(base.x()) - slant, 1);
    case Tail::UpRight:
        return QPoint(int(base.x()) + slant, 1);
    case Tail::Down:
        return QPoint(int(base.x()), size.height() - 2);
    case Tail::DownLeft:
        return QPoint(int(base.x()) - slant, size.height() - 2);
    case Tail::DownRight:
        return QPoint(int(base.x()) + slant, size.height() - 2);
    case Tail::Left:
        return QPoint(1, int(base.y()));
    case Tail::Right:
        return QPoint(size.width() - 2, int(base.y()));
    case Tail::None:
        break;
    }
    return body().center();
}

QPoint BalloonShape::centreFor(QPoint target) const {
    const QSize size = pictureSize();
    return target - tip() + QPoint(size.width() / 2, size.height() / 2);
}

const std::vector<BalloonShape>& balloonShapes() {
    static const std::vector<BalloonShape> shapes{{Tail::None, "Balloon.bmp"},
                                                  {Tail::None, "BalloonButton.bmp", true},
                                                  {Tail::Up, "BalloonUp.bmp"},
                                                  {Tail::UpLeft, "BalloonUpLeft.bmp"},
                                                  {Tail::UpRight, "BalloonUpRight.bmp"},
                                                  {Tail::Down, "BalloonDown.bmp"},
                                                  {Tail::DownLeft, "BalloonDownLeft.bmp"},
                                                  {Tail::DownRight, "BalloonDownRight.bmp"},
                                                  {Tail::Left, "BalloonLeft.bmp"},
                                                  {Tail::Right, "BalloonRight.bmp"}};
    return shapes;
}

int shapeIndex(Tail tail, bool button) {
    const auto& shapes = balloonShapes();
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        if (shapes[i].tail == tail && shapes[i].button == button) {
            return int(i);
        }
    }
    return -1;
}

QImage paintBalloon(const BalloonShape& shape, int scale) {
    namespace palette = art::palette;
    const QSize size = shape.pictureSize();
    QImage layer = art::newLayer(size.width(), size.height(), scale);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(shape.body()).adjusted(1.5, 1.5, -1.5, -1.5);
    QPainterPath outline = art::roundedRect(body, 16);
    if (shape.tail != Tail::None) {
        // A curved tail from a base 22 pixels wide to the tip.
        const QPointF base = tailBase(shape);
        const QPointF tip = QPointF(shape.tip()) + QPointF(0.5, 0.5);
        const bool alongX = vertical(shape.tail);
        const QPointF half = alongX ? QPointF(11, 0) : QPointF(0, 11);
        const QPointF inward =
            alongX ? QPointF(0, upward(shape.tail) ? 6 : -6) : QPointF(shape.tail == Tail::Left ? 6 : -6, 0);
        QPainterPath tail;
        tail.moveTo(base - half + inward);
        tail.quadTo(base - half * 0.3, tip);
        tail.quadTo(base + half * 0.3, base + half + inward);
        tail.closeSubpath();
        outline = outline.united(tail);
    }
    // Soft shadow is left out on purpose: the balloon's outline is cut from
    // the picture, and a shadow would become part of the balloon.
    QLinearGradient fill(0, body.top(), 0, body.bottom());
    if (shape.button) {
        fill.setColorAt(0, art::colour(palette::berryRedLight));
        fill.setColorAt(1, art::colour(palette::berryRedDark));
    } else {
        fill.setColorAt(0, art::colour(qRgb(255, 252, 242)));
        fill.setColorAt(1, art::colour(qRgb(242, 230, 204)));
    }
    p.setPen(QPen(art::colour(palette::gold), 2.5));
    p.setBrush(fill);
    p.drawPath(outline);
    p.setPen(
        QPen(shape.button ? art::colour(palette::goldLight, 180) : art::colour(palette::berryRed, 160), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(art::roundedRect(body.adjusted(4, 4, -4, -4), 12));
    // A sprig of holly in the corner.
    art::paintHolly(p, QPointF(body.right() - 16, body.top() + 13), 0.42, -20);
    p.end();
    return layer;
}

} // namespace makedata::help
