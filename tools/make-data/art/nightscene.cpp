#include "art/nightscene.h"

#include "art/artkit.h"
#include "art/windowlayout.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace makedata::art {
namespace {

constexpr QPointF moonCentre{78, 82};
constexpr double moonRadius = 24;

void paintSky(QPainter& p) {
    QLinearGradient sky(0, 0, 0, layout::horizonY + 30);
    sky.setColorAt(0.0, colour(palette::skyTop));
    sky.setColorAt(0.55, colour(palette::skyMiddle));
    sky.setColorAt(1.0, colour(palette::skyHorizon));
    p.fillRect(QRect(0, 0, 640, layout::horizonY + 40), sky);

    // The moon's halo and a faint warm haze over the horizon.
    QRadialGradient halo(moonCentre, 150);
    halo.setColorAt(0.0, colour(qRgb(190, 210, 255), 90));
    halo.setColorAt(0.25, colour(qRgb(150, 175, 235), 38));
    halo.setColorAt(1.0, colour(qRgb(120, 150, 220), 0));
    p.fillRect(QRect(0, 0, 640, 300), halo);
}

void paintStars(QPainter& p) {
    Random random(7);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 230; ++i) {
        const QPointF at(random.uniform(2, 638), random.uniform(2, layout::horizonY - 14));
        const double height = 1.0 - at.y() / layout::horizonY;
        if (std::hypot(at.x() - moonCentre.x(), at.y() - moonCentre.y()) < moonRadius + 10) {
            continue;
        }
        const double size = random.uniform(0.5, 1.3);
        const int alpha = int(random.uniform(90, 255) * (0.45 + 0.55 * height));
        const QRgb tint = random.below(4) == 0 ? qRgb(255, 236, 200) : qRgb(220, 232, 255);
        p.setBrush(colour(tint, alpha));
        p.drawEllipse(at, size, size);
    }
    // A few bright stars with four-pointed glints.
    const QPointF bright[] = {{192, 58}, {468, 44}, {566, 118}, {288, 132}, {612, 30}, {36, 176}, {404, 92}};
    for (const QPointF& at : bright) {
        QRadialGradient glow(at, 7);
        glow.setColorAt(0, colour(qRgb(255, 255, 250), 220));
        glow.setColorAt(1, colour(qRgb(200, 220, 255), 0));
        p.setBrush(glow);
        p.drawEllipse(at, 7, 7);
        p.setPen(QPen(colour(qRgb(235, 242, 255), 150), 0.8));
        p.drawLine(at - QPointF(9, 0), at + QPointF(9, 0));
        p.drawLine(at - QPointF(0, 9), at + QPointF(0, 9));
        p.setPen(Qt::NoPen);
        p.setBrush(colour(qRgb(255, 255, 252)));
        p.drawEllipse(at, 1.3, 1.3);
    }
}

void paintMoon(QPainter& p) {
    QRadialGradient face(moonCentre - QPointF(7, 7), moonRadius * 1.4);
    face.setColorAt(0.0, colour(qRgb(255, 252, 236)));
    face.setColorAt(0.7, colour(qRgb(238, 232, 206)));
    face.setColorAt(1.0, colour(qRgb(206, 200, 176)));
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawEllipse(moonCentre, moonRadius, moonRadius);
    // Soft maria.
    p.setBrush(colour(qRgb(196, 190, 168), 110));
    p.drawEllipse(moonCentre + QPointF(-7, -4), 7, 6);
    p.drawEllipse(moonCentre + QPointF(6, 7), 5, 4);
    p.drawEllipse(moonCentre + QPointF(8, -9), 3.5, 3);
}

// A line of rolling hills; `seed` varies the shape.
QPainterPath hills(double baseY, double amplitude, double phase) {
    QPainterPath path;
    path.moveTo(0, 480);
    for (int x = 0; x <= 640; x += 4) {
        const double y =
            baseY - amplitude * (0.55 * std::sin(x / 97.0 + phase) + 0.3 * std::sin(x / 41.0 + 2 * phase) +
                                 0.15 * std::sin(x / 19.0 + 3 * phase));
        path.lineTo(x, y);
    }
    path.lineTo(640, 480);
    path.closeSubpath();
    return path;
}

void paintVillageHouse(QPainter& p, QPointF foot, double scale, bool lit) {
    const double w = 14 * scale;
    const double h = 9 * scale;
    p.setPen(Qt::NoPen);
    p.setBrush(colour(qRgb(34, 40, 70)));
    p.drawRect(QRectF(foot.x() - w / 2, foot.y() - h, w, h));
    QPainterPath roof;
    roof.moveTo(foot.x() - w / 2 - 2 * scale, foot.y() - h);
    roof.lineTo(foot.x(), foot.y() - h - 7 * scale);
    roof.lineTo(foot.x() + w / 2 + 2 * scale, foot.y() - h);
    roof.closeSubpath();
    p.setBrush(colour(qRgb(214, 224, 244)));
    p.drawPath(roof);
    if (lit) {
        p.setBrush(colour(qRgb(255, 196, 92)));
        p.drawRect(QRectF(foot.x() - w / 4 - 1.5 * scale, foot.y() - h * 0.7, 3 * scale, 3 * scale));
        p.drawRect(QRectF(foot.x() + w / 4 - 1.5 * scale, foot.y() - h * 0.7, 3 * scale, 3 * scale));
        QRadialGradient glow(QPointF(foot.x(), foot.y() - h * 0.5), 14 * scale);
        glow.setColorAt(0, colour(qRgb(255, 190, 90), 70));
        glow.setColorAt(1, colour(qRgb(255, 190, 90), 0));
        p.setBrush(glow);
        p.drawEllipse(QPointF(foot.x(), foot.y() - h * 0.5), 14 * scale, 14 * scale);
    }
}

void paintDistantPine(QPainter& p, QPointF foot, double height, QRgb tone) {
    QPainterPath tree;
    const double w = height * 0.36;
    tree.moveTo(foot.x(), foot.y() - height);
    for (int tier = 1; tier <= 3; ++tier) {
        const double y = foot.y() - height + height * tier / 3.2;
        tree.lineTo(foot.x() + w * tier / 3.0, y);
        tree.lineTo(foot.x() + w * tier / 6.0, y - height * 0.06);
    }
    for (int tier = 3; tier >= 1; --tier) {
        const double y = foot.y() - height + height * tier / 3.2;
        tree.lineTo(foot.x() - w * tier / 6.0, y - height * 0.06);
        tree.lineTo(foot.x() - w * tier / 3.0, y);
    }
    tree.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour(tone));
    p.drawPath(tree);
}

void paintHorizon(QPainter& p) {
    p.setPen(Qt::NoPen);
    // Far hills, blue in the moonlight.
    QLinearGradient far(0, 180, 0, 240);
    far.setColorAt(0, colour(qRgb(112, 132, 186)));
    far.setColorAt(1, colour(qRgb(74, 92, 148)));
    p.setBrush(far);
    p.drawPath(hills(206, 16, 0.8));

    // The village on the far hills, left and right of the tree.
    const struct {
        double x, y, scale;
        bool lit;
    } houses[] = {{136, 213, 0.9, true}, {158, 209, 1.1, true}, {184, 214, 0.8, false}, {206, 216, 1.0, true},
                  {438, 215, 1.0, true}, {462, 210, 0.8, true}, {486, 213, 1.1, false}, {510, 212, 0.9, true},
                  {12, 212, 0.8, true},  {626, 211, 0.8, true}};
    for (const auto& house : houses) {
        paintVillageHouse(p, {house.x, house.y}, house.scale, house.lit);
    }
    for (double x : {122.0, 146.0, 196.0, 222.0, 426.0, 450.0, 498.0, 524.0}) {
        paintDistantPine(p, {x, 218 + std::fmod(x, 5.0)}, 18 + std::fmod(x * 7, 9.0), qRgb(40, 62, 92));
    }

    // Nearer hills and the snow field.
    QLinearGradient near(0, 212, 0, 480);
    near.setColorAt(0.0, colour(qRgb(104, 122, 176)));
    near.setColorAt(0.3, colour(qRgb(126, 144, 196)));
    near.setColorAt(1.0, colour(qRgb(168, 184, 224)));
    p.setBrush(near);
    p.drawPath(hills(232, 9, 2.3));
}

void paintGround(QPainter& p) {
    p.setPen(Qt::NoPen);
    // Drifts: soft blue shadows across the field.
    const struct {
        double x, y, rx, ry;
    } drifts[] = {{110, 300, 150, 22},
                  {540, 290, 140, 18},
                  {320, 258, 220, 10},
                  {60, 380, 120, 26},
                  {590, 370, 110, 24}};
    for (const auto& d : drifts) {
        QRadialGradient shade(QPointF(d.x, d.y), d.rx);
        shade.setColorAt(0, colour(qRgb(120, 140, 196), 70));
        shade.setColorAt(1, colour(qRgb(120, 140, 196), 0));
        p.save();
        p.translate(d.x, d.y);
        p.scale(1.0, d.ry / d.rx);
        p.translate(-d.x, -d.y);
        p.setBrush(shade);
        p.drawEllipse(QPointF(d.x, d.y), d.rx, d.rx);
        p.restore();
    }
    // The warm light of the tree on the snow and in the air around it.
    QRadialGradient warm(QPointF(320, 300), 230);
    warm.setColorAt(0.0, colour(qRgb(255, 214, 140), 84));
    warm.setColorAt(0.45, colour(qRgb(255, 196, 120), 32));
    warm.setColorAt(1.0, colour(qRgb(255, 190, 110), 0));
    p.setBrush(warm);
    p.drawEllipse(QPointF(320, 300), 230, 230);
    // The trodden circle at the foot of the tree.
    p.save();
    p.translate(layout::treeFoot);
    p.scale(1.0, 0.22);
    QRadialGradient foot(QPointF(0, 0), 130);
    foot.setColorAt(0.0, colour(qRgb(255, 238, 206), 120));
    foot.setColorAt(1.0, colour(qRgb(255, 238, 206), 0));
    p.setBrush(foot);
    p.drawEllipse(QPointF(0, 0), 130, 130);
    p.restore();
    // The foreground falls into shadow towards the shelf.
    QLinearGradient near(0, 340, 0, 412);
    near.setColorAt(0, colour(qRgb(40, 56, 110), 0));
    near.setColorAt(1, colour(qRgb(40, 56, 110), 70));
    p.setBrush(near);
    p.drawRect(QRectF(0, 340, 640, 140));
    // Glittering snow.
    Random random(11);
    for (int i = 0; i < 160; ++i) {
        const QPointF at(random.uniform(0, 640), random.uniform(246, 470));
        p.setBrush(colour(qRgb(255, 255, 255), int(random.uniform(90, 230))));
        p.drawEllipse(at, 0.6, 0.6);
    }
}

void paintSnowfall(QPainter& p) {
    Random random(23);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 110; ++i) {
        const QPointF at(random.uniform(0, 640), random.uniform(0, 420));
        const double size = random.uniform(0.8, 2.2);
        QRadialGradient flake(at, size);
        flake.setColorAt(0, colour(qRgb(250, 252, 255), int(random.uniform(140, 230))));
        flake.setColorAt(1, colour(qRgb(250, 252, 255), 0));
        p.setBrush(flake);
        p.drawEllipse(at, size, size);
    }
}

} // namespace

QImage paintNightScene() {
    QImage scene(layout::window, QImage::Format_RGB32);
    QPainter p(&scene);
    paintNightScene(p);
    return scene;
}

void paintNightScene(QPainter& p) {
    p.fillRect(QRect(QPoint(0, 0), layout::window), QColor::fromRgb(palette::skyTop));
    p.setRenderHint(QPainter::Antialiasing);
    paintSky(p);
    paintStars(p);
    paintMoon(p);
    paintHorizon(p);
    paintGround(p);
    paintSnowfall(p);
}

} // namespace makedata::art
