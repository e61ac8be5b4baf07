#include "controls/colourname.h"

#include <QColor>
#include <QCoreApplication>
#include <array>
#include <cmath>

namespace {

struct HueName {
    int upTo; // hue in degrees, exclusive
    const char* name;
};

// Hue bands as people name them; red wraps around. Pink reaches to 350: a
// rose candle (hue 342) is pink to anyone, a red ball (hue 358) red. The
// names are a toy's colour as a screen reader says it ("Red big ball").
constexpr HueName hueNames[] = {
    {12, QT_TRANSLATE_NOOP("ColourName", "Red")},    {38, QT_TRANSLATE_NOOP("ColourName", "Orange")},
    {54, QT_TRANSLATE_NOOP("ColourName", "Gold")},   {68, QT_TRANSLATE_NOOP("ColourName", "Yellow")},
    {165, QT_TRANSLATE_NOOP("ColourName", "Green")}, {195, QT_TRANSLATE_NOOP("ColourName", "Turquoise")},
    {255, QT_TRANSLATE_NOOP("ColourName", "Blue")},  {285, QT_TRANSLATE_NOOP("ColourName", "Purple")},
    {350, QT_TRANSLATE_NOOP("ColourName", "Pink")},  {361, QT_TRANSLATE_NOOP("ColourName", "Red")}};

QString nameOfHue(int hue) {
    for (const HueName& band : hueNames) {
        if (hue < band.upTo) {
            return QCoreApplication::translate("ColourName", band.name);
        }
    }
    return QCoreApplication::translate("ColourName", "Red");
}

} // namespace

QString ColourName(const QImage& picture, const QRect& area, QRgb transparent) {
    // Votes of the coloured pixels by hue, weighted by how vivid they are;
    // grey pixels vote for lightness instead.
    std::array<double, 360> hueVotes{};
    double colouredWeight = 0;
    double greyCount = 0;
    double greyLightness = 0;
    const QRect inside = area.intersected(picture.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            if ((pixel & 0xFFFFFF) == (transparent & 0xFFFFFF)) {
                continue;
            }
            const QColor colour = QColor::fromRgb(pixel).toHsv();
            const double saturation = colour.hsvSaturationF();
            const double value = colour.valueF();
            if (saturation > 0.3 && value > 0.25 && colour.hsvHue() >= 0) {
                hueVotes[static_cast<std::size_t>(colour.hsvHue())] += saturation * value;
                colouredWeight += 1;
            } else {
                greyCount += 1;
                greyLightness += value;
            }
        }
    }
    if (colouredWeight == 0 && greyCount == 0) {
        return {};
    }
    if (colouredWeight < greyCount * 0.35) {
        const double lightness = greyLightness / greyCount;
        return lightness > 0.85  ? QCoreApplication::translate("ColourName", "White")
               : lightness > 0.4 ? QCoreApplication::translate("ColourName", "Silver")
                                 : QCoreApplication::translate("ColourName", "Dark");
    }
    // The strongest 30-degree window of hues, named by the mean hue of its
    // votes (not by its middle: one pure colour fills the first window that
    // reaches it at the window's far end).
    int bestStart = 0;
    double bestVotes = -1;
    for (int start = 0; start < 360; ++start) {
        double votes = 0;
        for (int k = 0; k < 30; ++k) {
            votes += hueVotes[static_cast<std::size_t>((start + k) % 360)];
        }
        if (votes > bestVotes) {
            bestVotes = votes;
            bestStart = start;
        }
    }
    double offset = 0;
    for (int k = 0; k < 30; ++k) {
        offset += k * hueVotes[static_cast<std::size_t>((bestStart + k) % 360)];
    }
    return nameOfHue((bestStart + static_cast<int>(std::lround(offset / bestVotes))) % 360);
}
