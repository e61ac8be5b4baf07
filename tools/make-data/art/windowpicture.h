#pragma once
// Writes a window picture at both densities: the bitmap the program reads on
// an ordinary screen and, beside it, the same art drawn twice as fine for a
// screen of device pixel ratio 2 ("Bk.bmp" and "Bk@2x.png"). The finer one is
// PNG: at four times the pixels a bitmap would take megabytes per picture.
#include "generator.h"

#include <QImage>
#include <QRgb>
#include <QString>
#include <functional>
#include <optional>

namespace makedata::art {

// Paints the picture at a scale (1 or 2): window pixels times the scale.
using ScaledPainting = std::function<QImage(int scale)>;

// "Resource/Bk.bmp" → "Resource/Bk@2x.png".
QString finerPictureName(const QString& relative);

// Writes paint(1) as the 24-bit bitmap `relative` and paint(2) as its finer
// PNG. With `outlineKey`, the finer face gets exactly the outline of the
// ordinary one, so a window shaped by either has the same outline.
void writeWindowPicture(const Context& context, const QString& relative, const ScaledPainting& paint,
                        std::optional<QRgb> outlineKey = std::nullopt);

// Writes a face painted as a layer whose alpha is its coverage: paint(1) cut
// along the key colour as the bitmap, and paint(2) as a PNG that keeps the
// coverage as alpha inside exactly the bitmap's outline (smoothOutline). A
// window shaped by either has the same outline; the finer one's edge is drawn
// smooth over what lies below.
void writeCutOutPicture(const Context& context, const QString& relative, const ScaledPainting& paintLayer,
                        QRgb key);

} // namespace makedata::art
