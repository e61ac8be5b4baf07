#pragma once
// The program's own mouse cursors, compiled in as resources: "ROTATEL" (an
// arrow turning left), "ROTATER" (turning right), "DRAG" (a grabbing hand)
// and "CLICK" (a wand with a sparkle, for everything clickable).
#include <QCursor>
#include <QPoint>
#include <QString>

namespace pinewick {

// The 32 x 32 two-colour cursor of that name; the arrow cursor for an unknown name.
QCursor pinewickCursor(const QString& name);

// The point of the picture that the pointer's position refers to.
QPoint cursorHotSpot(const QString& name);

} // namespace pinewick
