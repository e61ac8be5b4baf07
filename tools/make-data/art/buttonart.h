#pragma once
// The main window's command buttons and toy cases in their three looks
// (0 normal, 1 hot, 2 pressed), painted over whatever lies under them.
#include <QImage>
#include <QPainter>
#include <QRect>

namespace makedata::art {

enum class BigButton { Send = 0, Greeting = 1, Music = 2, Driver = 3 };
enum class SmallButton { Help = 0, Exit = 1 };

// A 70 x 60 command button with its icon, filling `place`.
void paintBigButton(QPainter& p, const QRect& place, BigButton button, int state);
// A 41 x 41 round button with its icon, filling `place`.
void paintSmallButton(QPainter& p, const QRect& place, SmallButton button, int state);
// Toy case k (a labelled gift box) filling `place`.
void paintCase(QPainter& p, const QRect& place, int k, int state);

// Finished frames: the part of `base` (the window face without controls)
// under the control, with the control painted on it. The window face and the
// sprite sheets take their frames from here, so they match pixel for pixel.
QImage bigButtonFrame(const QImage& base, int button, int state);
QImage smallButtonFrame(const QImage& base, int button, int state);
QImage caseFrame(const QImage& base, int k, int state);

} // namespace makedata::art
