#include "mainwindow/textfit.h"

#include "controls/fontfaces.h"
#include "mainwindow/greetinglayout.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QTextLayout>
#include <cmath>

namespace {

// A start well inside the usual band height; the search goes either way.
constexpr int startPixelSize = 20;
constexpr int largestPixelSize = 1000;

bool fits(const QString& text, const GreetingStyle& style, int pixelSize, int breakAt, const QSize& box) {
    const QFont font = GreetingFont(style, pixelSize);
    const QFontMetrics metrics(font);
    const int height = breakAt > 0 ? TwoLineHeight(font) : metrics.height();
    if (height > box.height()) {
        return false;
    }
    QTextLayout layout(text, font);
    LayOutLines(layout, breakAt);
    for (int i = 0; i < layout.lineCount(); ++i) {
        if (std::ceil(layout.lineAt(i).naturalTextWidth()) > box.width()) {
            return false;
        }
    }
    return true;
}

} // namespace

QFont GreetingFont(const GreetingStyle& style, int pixelSize) {
    // A face listed under its plain style name ("Regular" for "12 Regular").
    const QString face = DatabaseFontStyle(QFontDatabase::styles(style.family), style.style);
    QFont font = QFontDatabase::font(style.family, face, 12);
    if (font.family() != style.family && !style.family.isEmpty()) {
        font.setFamily(style.family);
    }
    font.setPixelSize(std::max(pixelSize, 1));
    return font;
}

void LayOutLines(QTextLayout& layout, int breakAt) {
    const int length = static_cast<int>(layout.text().size());
    layout.beginLayout();
    if (breakAt > 0 && breakAt < length) {
        layout.createLine().setNumColumns(breakAt);
        layout.createLine().setNumColumns(length - breakAt);
    } else {
        layout.createLine().setNumColumns(length);
    }
    layout.endLayout();
}

int TwoLineHeight(const QFont& font) {
    const QFontMetrics metrics(font);
    return 2 * metrics.ascent() + metrics.descent();
}

int FittedPixelSize(const QString& text, const GreetingStyle& style, const QSize& size, int breakAt) {
    int pixelSize = startPixelSize;
    while (pixelSize > 0 && !fits(text, style, pixelSize, breakAt, size)) {
        --pixelSize;
    }
    if (pixelSize <= 0) {
        return 0;
    }
    while (pixelSize < largestPixelSize && fits(text, style, pixelSize + 1, breakAt, size)) {
        ++pixelSize;
    }
    return pixelSize;
}

int TextFit(QPainter& painter, const QRect& rect, const QString& text, const GreetingStyle& style,
            bool caret) {
    const TGreetingLayout layout(text, style, rect);
    GreetingMarks marks;
    if (caret) {
        marks.Caret = static_cast<int>(text.size());
    }
    layout.Draw(painter, marks);
    return layout.PixelSize();
}
