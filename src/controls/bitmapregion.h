#pragma once
// CreateRegionFromBitmap32: the outline of a picture as a region, for shaped
// controls and borderless windows (QWidget::setMask).
#include <QImage>
#include <QRegion>
#include <QRgb>

// Every pixel of the first width × height pixels of `bitmap` whose colour
// (low 24 bits of the pixel word; the alpha byte is ignored) differs from
// `transparent` belongs to the region; the match is exact. Pixels outside the
// picture count as transparent. Rows whose runs repeat are merged into one
// band, so the region is already in Qt's canonical form. A picture with a
// device pixel ratio of 2 or more is read in the coordinates it paints at:
// the first pixel of each block stands for the block.
QRegion CreateRegionFromBitmap32(const QImage& bitmap, int width, int height, QRgb transparent);
