#pragma once
// The pieces the dialog faces are made of: a paper card with a red and gold
// border and holly in its corners, sunken fields where controls sit, the
// shared push-button frames and the greeting editor's close button.
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

namespace makedata::art {

// A card filling a layer of `size`; everything outside its rounded outline
// stays transparent (it becomes the outline colour later).
void paintCard(QPainter& p, const QSize& size);
// A sunken frame around a control's place; the place itself is filled with
// the field colour.
void paintField(QPainter& p, const QRect& place);
// A raised plate for a caption that a control writes over the face.
void paintCaptionPlate(QPainter& p, const QRect& place);
// One 94 x 25 push-button frame (normal or pressed) filling `place`.
void paintPushButton(QPainter& p, const QRect& place, bool pressed);
// The editor's 28 x 28 round close button.
void paintCloseButton(QPainter& p, const QRect& place, bool pressed);
// Centred text in the dialogs' ink.
void paintText(QPainter& p, const QRectF& box, const QString& text, const QFont& font, QRgb tone,
               int flags = Qt::AlignCenter);
// A sprig of holly: two leaves and three berries, centred on `at`.
void paintHolly(QPainter& p, QPointF at, double scale, double angle);

} // namespace makedata::art
