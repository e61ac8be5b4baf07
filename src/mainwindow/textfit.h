#pragma once
// Drawing the greeting line fitted into a rectangle: the largest font size at
// which the whole text fits, centred; optionally with a caret after the text.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

struct GreetingStyle {
    QString family;
    QString style; // a style name of the family ("Regular", "Bold Italic", ...)
    QColor color;
};

// The font of a family and style name at a pixel size; an unknown family or
// style falls back to the closest font the system has.
QFont GreetingFont(const GreetingStyle& style, int pixelSize);

// Draws text into rect; returns the pixel size used (0 when nothing fits).
int TextFit(QPainter& painter, const QRect& rect, const QString& text, const GreetingStyle& style,
            bool caret);

// The largest pixel size at which text fits into size (0 when none does).
int FittedPixelSize(const QString& text, const GreetingStyle& style, const QSize& size);
