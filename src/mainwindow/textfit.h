#pragma once
// Fitting the greeting into a rectangle: the largest font size at which the
// whole text fits, on one line or on two (see TGreetingLayout), centred;
// optionally with a caret after the text.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;
class QTextLayout;

struct GreetingStyle {
    QString family;
    QString style; // a style name of the family ("Regular", "Bold Italic", ...)
    QColor color;
};

// The font of a family and style name at a pixel size; an unknown family or
// style falls back to the closest font the system has.
QFont GreetingFont(const GreetingStyle& style, int pixelSize);

// Draws text into rect as the ribbon shows it; returns the pixel size used
// (0 when nothing fits).
int TextFit(QPainter& painter, const QRect& rect, const QString& text, const GreetingStyle& style,
            bool caret);

// The largest pixel size at which text fits into size (0 when none does): on
// one line, or on two broken at breakAt when that is above 0. A text fits when
// its lines are no wider than the box and together no taller.
int FittedPixelSize(const QString& text, const GreetingStyle& style, const QSize& size, int breakAt = 0);

// Lays out the layout's text (with its font set) as one line, or as two lines
// broken at breakAt when that is above 0.
void LayOutLines(QTextLayout& layout, int breakAt);
// The height two lines take: the second line's baseline lies one ascent under
// the first's, so a descender of the first line may reach into the room above
// the capitals of the second.
int TwoLineHeight(const QFont& font);
