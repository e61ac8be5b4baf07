#pragma once
// Scenes and picture checks shared by the GL tests.
#include <QImage>
#include <QString>

namespace gltest {

// Saves a rendering for people to look at: $TMPDIR/pinewick-scene-gl/<name>.png.
void savePicture(const QImage& image, const QString& name);
int red(QRgb p);
int green(QRgb p);
int blue(QRgb p);
// Number of pixels whose alpha is strictly between 0 and 255.
int partlyCovered(const QImage& image);

} // namespace gltest
