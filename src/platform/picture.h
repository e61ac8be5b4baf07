#pragma once
// Loading the pictures of the Data folder (window background, case pictures).
#include <QImage>
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
