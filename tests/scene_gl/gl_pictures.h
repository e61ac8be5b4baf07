#pragma once
// Scenes and picture checks shared by the GL tests.
#include "scene/rm/frame.h"

#include <QImage>
#include <QString>
#include <memory>

namespace gltest {

// Saves a rendering for people to look at: $TMPDIR/pinewick-scene-gl/<name>.png.
void savePicture(const QImage& image, const QString& name);
int red(QRgb p);
int green(QRgb p);
int blue(QRgb p);
// Number of pixels whose alpha is strictly between 0 and 255.
int partlyCovered(const QImage& image);
// Lights root as the tree's scene is lit (a point light far up front right,
// a little ambient light) and returns a camera 100 units in front of the
// origin, looking at it.
std::shared_ptr<rm::Frame> lightAndCamera(const std::shared_ptr<rm::Frame>& root);

} // namespace gltest
