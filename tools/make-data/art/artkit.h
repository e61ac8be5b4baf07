#pragma once
// Shared tools of the picture generators: the palette of the winter-night
// look, canvases, fonts with fixed rendering, a seeded random source and the
// step that turns a painted layer into a face with a cut-out outline colour.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QString>
#include <cstdint>

namespace makedata::art {

// The palette every picture draws from.
namespace palette {
constexpr QRgb skyTop = qRgb(7, 12, 36);
constexpr QRgb skyMiddle = qRgb(20, 36, 82);
constexpr QRgb skyHorizon = qRgb(58, 78, 132);
constexpr QRgb snowLight = qRgb(236, 242, 250);
constexpr QRgb snowShade = qRgb(150, 170, 208);
constexpr QRgb snowDeep = qRgb(96, 116, 166);
constexpr QRgb gold = qRgb(226, 184, 92);
constexpr QRgb goldDark = qRgb(150, 104, 34);
constexpr QRgb goldLight = qRgb(252, 230, 160);
constexpr QRgb berryRed = qRgb(170, 26, 38);
constexpr QRgb berryRedDark = qRgb(96, 12, 22);
constexpr QRgb berryRedLight = qRgb(222, 70, 70);
constexpr QRgb pine = qRgb(24, 84, 52);
constexpr QRgb pineDark = qRgb(10, 44, 28);
constexpr QRgb pineLight = qRgb(86, 150, 78);
constexpr QRgb paper = qRgb(246, 238, 220);
constexpr QRgb paperShade = qRgb(226, 212, 184);
constexpr QRgb field = qRgb(224, 214, 195); // the colour of the dialogs' edit fields and lists
constexpr QRgb ink = qRgb(60, 30, 24);
constexpr QRgb wood = qRgb(92, 52, 28);
constexpr QRgb woodDark = qRgb(52, 28, 16);
constexpr QRgb woodLight = qRgb(150, 96, 52);
// The colour outside a dialog's or balloon's outline (its top-left pixel).
constexpr QRgb outline = qRgb(255, 0, 255);
// White: the transparent colour of the title pictures.
constexpr QRgb titleKey = qRgb(255, 255, 255);
} // namespace palette

QColor colour(QRgb rgb, int alpha = 255);
QColor mix(QRgb a, QRgb b, double t);

// A canvas of `size` window pixels, `scale` times finer: its device pixel
// ratio is `scale`, so a painter on it works in window pixels and fills it at
// its own resolution (how the pictures for high-density screens are drawn).
QImage newCanvas(QSize size, int scale, QImage::Format format = QImage::Format_RGB32);

// A transparent, premultiplied ARGB canvas to paint a layer on.
QImage newLayer(int width, int height, int scale = 1);

// The part of `picture` at `place`, given in window pixels whatever the
// picture's scale.
QImage copyPart(const QImage& picture, const QRect& place);

// Gives a finer picture of a cut-out face the outline of the coarse one:
// each coarse pixel of the key colour becomes a block of key colour, and no
// other block keeps a key pixel (those take the coarse pixel's colour). So a
// window shaped by either picture has exactly the same outline.
void matchOutline(QImage& fine, const QImage& coarse, QRgb key);

// A finer picture of a cut-out face with a smooth outline: ARGB32 whose alpha
// is the fine layer's coverage, taken in by one fine pixel so that it lies
// within the coarse outline's steps; every pixel outside the coarse outline
// is the key colour with no coverage, and no pixel inside has the key colour.
// So a window shaped by either picture has exactly the same outline, and
// drawn by its alpha over what lies below, the finer one's edge is smooth.
QImage smoothOutline(const QImage& fineLayer, const QImage& coarse, QRgb key);

// A font of a family with a pixel size; hinting and antialiasing are fixed so
// every run renders the same pixels.
QFont pixelFont(const QString& family, int pixelSize, int weight = QFont::Normal, bool italic = false);

// Flattens a painted layer into an opaque RGB32 picture: pixels that are
// mostly transparent become the key colour, the others become opaque (their
// colour unpremultiplied), and no inside pixel keeps the key colour by chance.
QImage cutOutline(const QImage& layer, QRgb key);

// Draws `layer` over `backdrop` and marks every pixel the layer does not
// touch with the key colour, so a keyed blend onto that backdrop is seamless.
QImage keyOverBackdrop(const QImage& layer, const QImage& backdrop, QRgb key);

// A rounded rectangle path with the corners cut at the given radius.
QPainterPath roundedRect(const QRectF& rect, double radius);

// A five-pointed star, point upwards.
QPainterPath starPath(QPointF centre, double outerRadius, double innerRadius);

// A small deterministic random source (the same numbers on every platform).
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed * 2654435761u + 1u) {}
    std::uint32_t next();
    // A real number in [low, high).
    double uniform(double low, double high);
    int below(int count) { return int(next() % std::uint32_t(count)); }

private:
    std::uint32_t state_;
};

} // namespace makedata::art
