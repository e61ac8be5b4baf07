// The maker's logo film that opens the title sequence: a golden crescent
// with a twinkling star rises out of the snowy dark, "Corlune" spells itself
// in, "presents" follows, and everything fades back to black after three
// seconds. 320 x 240, 25 frames a second, Motion-JPEG in AVI.
#include "art/artkit.h"
#include "film/filmwriter.h"
#include "generator.h"
#include "sound/loudness.h"
#include "sound/synth.h"
#include "sound/wavfile.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace makedata::film {
namespace {

using art::colour;
namespace palette = art::palette;

constexpr int width = 320;
constexpr int height = 240;
constexpr int framesPerSecond = 25;
constexpr double length = 3.0;

// 0 before `from`, 1 after `to`, smooth in between.
double ease(double t, double from, double to) {
    const double x = std::clamp((t - from) / (to - from), 0.0, 1.0);
    return x * x * (3 - 2 * x);
}

void paintSnow(QPainter& p, double t, double strength) {
    art::Random random(3);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        const double x0 = random.uniform(0, width);
        const double y0 = random.uniform(-height, height);
        const double speed = random.uniform(18, 40);
        const double size = random.uniform(0.6, 1.8);
        const double y = std::fmod(y0 + speed * t + height, height + 10) - 5;
        const double x = x0 + 6 * std::sin(t * 1.7 + i);
        p.setBrush(colour(qRgb(230, 238, 255), int(random.uniform(60, 180) * strength)));
        p.drawEllipse(QPointF(x, y), size, size);
    }
}

QPainterPath crescent(QPointF centre, double radius) {
    QPainterPath outer;
    outer.addEllipse(centre, radius, radius);
    QPainterPath bite;
    bite.addEllipse(centre + QPointF(radius * 0.42, -radius * 0.22), radius * 0.86, radius * 0.86);
    return outer.subtracted(bite);
}

QImage paintFrame(double t) {
    QImage frame(width, height, QImage::Format_ARGB32);
    frame.fill(Qt::black);
    QPainter p(&frame);
    p.setRenderHint(QPainter::Antialiasing);
    const double fadeOut = 1.0 - ease(t, 2.5, 2.95);

    // Night blue rising out of black.
    const double dawn = ease(t, 0.0, 0.6) * fadeOut;
    QRadialGradient sky(QPointF(160, 100), 220);
    sky.setColorAt(0, colour(qRgb(26, 40, 88), int(255 * dawn)));
    sky.setColorAt(1, colour(qRgb(4, 6, 18), int(255 * dawn)));
    p.fillRect(frame.rect(), sky);
    paintSnow(p, t, dawn);

    // The crescent grows in with a soft halo.
    const double moon = ease(t, 0.2, 1.1) * fadeOut;
    const QPointF centre(160, 88);
    const double radius = 30 * (0.75 + 0.25 * ease(t, 0.2, 1.1));
    QRadialGradient halo(centre, radius * 2.4);
    halo.setColorAt(0, colour(qRgb(255, 220, 140), int(90 * moon)));
    halo.setColorAt(1, colour(qRgb(255, 220, 140), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(centre, radius * 2.4, radius * 2.4);
    QLinearGradient gold(centre - QPointF(radius, radius), centre + QPointF(radius, radius));
    gold.setColorAt(0, colour(palette::goldLight, int(255 * moon)));
    gold.setColorAt(1, colour(palette::gold, int(255 * moon)));
    p.setBrush(gold);
    p.drawPath(crescent(centre, radius));

    // The star in the crescent's arms, with a twinkle as it appears.
    const double starIn = ease(t, 0.9, 1.3) * fadeOut;
    const QPointF starAt = centre + QPointF(radius * 0.5, -radius * 0.05);
    const double twinkle = std::exp(-std::pow((t - 1.35) / 0.18, 2));
    if (starIn > 0) {
        p.setBrush(colour(qRgb(255, 248, 220), int(255 * starIn)));
        p.drawPath(art::starPath(starAt, 9 * starIn, 3.8 * starIn));
        p.setPen(QPen(colour(qRgb(255, 250, 230), int(220 * twinkle * fadeOut)), 1.2));
        const double reach = 8 + 26 * twinkle;
        p.drawLine(starAt - QPointF(reach, 0), starAt + QPointF(reach, 0));
        p.drawLine(starAt - QPointF(0, reach), starAt + QPointF(0, reach));
        p.setPen(Qt::NoPen);
    }

    // "Corlune", letter by letter.
    const QString name = "CORLUNE";
    const QFont font = art::pixelFont("EB Garamond", 34, QFont::Medium);
    const QFontMetricsF metrics(font);
    const double spacing = 7;
    double total = -spacing;
    for (const QChar c : name) {
        total += metrics.horizontalAdvance(c) + spacing;
    }
    double x = (width - total) / 2;
    p.setFont(font);
    for (int i = 0; i < name.size(); ++i) {
        const double start = 0.9 + 0.09 * i;
        const double shown = ease(t, start, start + 0.35) * fadeOut;
        p.setPen(colour(palette::goldLight, int(255 * shown)));
        p.drawText(QPointF(x, 170 + 6 * (1 - ease(t, start, start + 0.35))), QString(name[i]));
        x += metrics.horizontalAdvance(name[i]) + spacing;
    }
    // A thin rule and "presents".
    const double rule = ease(t, 1.5, 2.0) * fadeOut;
    p.setPen(QPen(colour(palette::gold, int(200 * rule)), 1));
    p.drawLine(QPointF(160 - 70 * rule, 182.5), QPointF(160 + 70 * rule, 182.5));
    const double presents = ease(t, 1.7, 2.2) * fadeOut;
    p.setFont(art::pixelFont("EB Garamond", 17, QFont::Normal, true));
    p.setPen(colour(qRgb(220, 228, 250), int(255 * presents)));
    p.drawText(QRectF(0, 186, width, 26), Qt::AlignCenter, "presents");
    return frame;
}

// A short soft chime under the name: three small bells rising as its letters
// come, then their chord dying away with the picture. Quieter than the title
// sound that follows, at a momentary loudness of -24 dBFS.
std::vector<float> logoChime() {
    sound::Buffer b(length);
    const double notes[] = {1567.98, 2093.00, 2637.02}; // G6, C7, E7
    for (int i = 0; i < 3; ++i) {
        const double at = 0.9 + 0.18 * i;
        b.addPartial(at, notes[i], 0.5, 0.9, 0.004);
        b.addPartial(at, notes[i] * 2.76, 0.08, 0.25, 0.002);
    }
    for (const double f : notes) {
        b.addPartial(1.55, f / 2, 0.22, 0.8, 0.02);
    }
    return sound::atLoudness(b.samples(), sound::sampleRate, -24.0, 0.3);
}

void generateLogoFilm(const Context& context) {
    FilmWriter writer(context.file("Resource/Logo.avi"), width, height, framesPerSecond, logoChime(),
                      sound::sampleRate);
    const int frames = int(length * framesPerSecond);
    for (int i = 0; i < frames && writer.ok(); ++i) {
        writer.addFrame(paintFrame(double(i) / framesPerSecond));
    }
    if (!writer.finish()) {
        std::fprintf(stderr, "%s\n", qPrintable(writer.error()));
    }
}

} // namespace
} // namespace makedata::film

PW_DATA_GENERATOR("logo-film", 500, makedata::film::generateLogoFilm);
