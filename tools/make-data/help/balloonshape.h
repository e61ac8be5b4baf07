#pragma once
// The help balloons' pictures: a paper speech bubble of one size with its
// tail on one of eight sides (or none). The bubble's body sits in the middle
// of its picture, so a balloon's text, which is centred in the picture,
// lands in the middle of the body; the tail's tip is what the balloon points at.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

namespace makedata::help {

enum class Tail { None, Up, UpLeft, UpRight, Down, DownLeft, DownRight, Left, Right };

struct BalloonShape {
    Tail tail;
    QString file;        // relative to the help folder
    bool button = false; // red with light text: a balloon that does something when clicked

    QSize pictureSize() const;
    // The body's rectangle in the picture.
    QRect body() const;
    // The tail's tip in the picture (the body's centre when there is no tail).
    QPoint tip() const;
    // Where a balloon must be centred (as the help script gives it) so its
    // tip lands on `target` in the window.
    QPoint centreFor(QPoint target) const;
};

// Every shape, in the order of the help script's "HelpBk=" lines.
const std::vector<BalloonShape>& balloonShapes();
int shapeIndex(Tail tail, bool button = false);

// The finished balloon, `scale` times finer than the window, on a transparent
// layer (alpha is its coverage); its top-left pixel is transparent.
QImage paintBalloon(const BalloonShape& shape, int scale = 1);

} // namespace makedata::help
