#pragma once
// TGreetingLayout: the greeting as the ribbon shows it. A greeting takes one
// line at the largest size that fits the ribbon's flat part; when that line
// would be too small to read, it takes two lines, broken at the line-break
// opportunity (a space, or between two ideographs) nearest its middle. Where
// the greeting breaks is judged at the ribbon's own size in the window, so the
// band, the card and the print show the same lines, each fitted to its own
// rectangle.
//
//   TGreetingLayout layout(text, style, rect);
//   layout.Draw(painter, {caret, selectionStart, selectionEnd});
//   if (layout.TooLong()) ...           // shown as a hint while editing
#include "mainwindow/textfit.h"

#include <QTextLayout>
#include <memory>
#include <utility>

class QPainter;

// The caret and the selection to draw with a layout (positions in UTF-16
// units of the text; no caret when Caret is negative).
struct GreetingMarks {
    int Caret = -1;
    int SelectionStart = 0;
    int SelectionEnd = 0;
};

class TGreetingLayout {
public:
    // The smallest capitals that read well on the ribbon, in window pixels (at
    // 1×): below this a single line takes two lines, and two lines this small
    // make the greeting too long for the ribbon.
    static constexpr int LegibleCapHeight = 9;

    TGreetingLayout(const QString& text, const GreetingStyle& style, const QRect& rect);
    ~TGreetingLayout();
    TGreetingLayout(const TGreetingLayout&) = delete;
    TGreetingLayout& operator=(const TGreetingLayout&) = delete;

    const QString& Text() const { return text_; }
    // The fitted pixel size; 0 when the text does not fit at any size (nothing is drawn).
    int PixelSize() const { return pixelSize_; }
    int LineCount() const { return breakAt_ > 0 ? 2 : 1; }
    // Where the second line starts (0 with one line).
    int BreakAt() const { return breakAt_; }
    // Even two lines would be smaller than legible on the ribbon.
    bool TooLong() const { return tooLong_; }

    // The caret position nearest to a point of the rectangle.
    int CursorAt(QPointF point) const;
    // Where the caret at position is drawn: one pixel wide, as tall as the
    // rectangle with one line and as its own line with two.
    QRect CursorRect(int position) const;
    // Draws the text in the style's colour, the selection in the ribbon's
    // gold with the text in the ribbon's red, and the caret.
    void Draw(QPainter& painter, const GreetingMarks& marks) const;

private:
    int lineOf(int position) const;
    // The rows that belong to a line, for its selection, its caret and the
    // pointer: with two lines the first ends just under its baseline.
    std::pair<int, int> lineRows(int line) const;

    QString text_;
    GreetingStyle style_;
    QRect rect_;
    int breakAt_ = 0;
    bool tooLong_ = false;
    int pixelSize_ = 0;
    // The fitted font's metrics and the top of the first line.
    int ascent_ = 0;
    int descent_ = 0;
    int capHeight_ = 0;
    int top_ = 0;
    std::unique_ptr<QTextLayout> layout_;
};

// The gold of the ribbon's edges and its dark red: the selection's colours.
QColor RibbonGold();
QColor RibbonRed();
