#pragma once
// Line icons that say what each button does, drawn in one tone into a box.
#include <QPainter>
#include <QRectF>

namespace makedata::art {

// Big button icons: 0 envelope (send), 1 quill over a line (greeting),
// 2 notes (music), 3 cube (3D driver).
void paintButtonIcon(QPainter& p, const QRectF& box, int icon, QRgb tone);
// Small button icons: 0 question mark (help), 1 power sign (exit).
void paintSmallIcon(QPainter& p, const QRectF& box, int icon, QRgb tone);
// A cross for close buttons.
void paintCloseIcon(QPainter& p, const QRectF& box, QRgb tone);

} // namespace makedata::art
