#pragma once
// The winter night behind the tree: starry sky with the moon, snowy hills
// with a lit village at the horizon, a snow field with a warm glow where the
// tree stands, and a few falling flakes. The main window's face and the
// title's empty frame are both painted on it.
#include <QImage>

class QPainter;

namespace makedata::art {

// The whole 640 x 480 night scene without any controls.
QImage paintNightScene();
// The same scene painted onto p in the window's 640 x 480 coordinates (p may
// scale them, for a picture finer than the window's).
void paintNightScene(QPainter& p);

} // namespace makedata::art
