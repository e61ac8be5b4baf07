#pragma once
// Loading the pictures of the Data folder (window background, case pictures).
#include <QImage>
#include <QRectF>
#include <QString>

// Pictures larger than this, in bytes or pixels on a side, are refused: the
// program's own pictures are far smaller, and a damaged or hostile one would
// otherwise take the memory of the whole machine.
inline constexpr qint64 MaxPictureFileBytes = qint64(64) << 20;
inline constexpr int MaxPictureSide = 4096;

// The picture in path, or a null image when the file is missing, is not a
// regular file (a FIFO, device or folder), is too large, is not a picture, or
// does not hold the whole picture (a truncated or damaged file would otherwise
// show as garbage); a failure other than a missing file is told on standard
// error with the file's name.
QImage LoadPicture(const QString& path);

// The picture in path for a screen of `devicePixelRatio`. Above 1, the finer
// picture drawn beside it ("Resource/Bk.bmp" → "Resource/Bk@2x.png") when it
// is whole and exactly twice as large: it carries a device pixel ratio of 2,
// so it paints at the same size in window coordinates as the picture itself.
// A missing, damaged or misfitting finer picture silently gives the picture
// itself, as does a ratio of 1.
QImage LoadPicture(const QString& path, qreal devicePixelRatio);

// An opaque RGB32 copy of `picture` (same device pixel ratio) in which every
// pixel keeps the colour it stores, whatever its alpha: a picture whose alpha
// draws a smooth outline still shows its transparent colour where the outline
// is cut.
QImage WithoutAlpha(const QImage& picture);

// The name of the finer picture beside `path`.
QString FinerPictureName(const QString& path);

// The pixels of `picture` that cover `logical`, a rectangle in the
// coordinates the picture paints at (its pixels divided by its device pixel
// ratio): what a painter's source rectangle must be.
QRectF PicturePixels(const QImage& picture, const QRectF& logical);
