#include "mainwindow/textfit.h"

#include "controls/fontfaces.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>

namespace {

// A start well inside the usual band height; the search goes either way.
constexpr int startPixelSize = 20;
constexpr int largestPixelSize = 1000;

QSize textExtent(const QString& text, const QFont& font) {
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

bool fits(const QString& text, const GreetingStyle& style, int pixelSize, const QSize& box) {
    const QSize extent = textExtent(text, GreetingFont(style, pixelSize));
    return extent.width() <= box.width() && extent.height() <= box.height();
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

int FittedPixelSize(const QString& text, const GreetingStyle& style, const QSize& size) {
    int pixelSize = startPixelSize;
    while (pixelSize > 0 && !fits(text, style, pixelSize, size)) {
        --pixelSize;
    }
    if (pixelSize <= 0) {
        return 0;
    }
    while (pixelSize < largestPixelSize && fits(text, style, pixelSize + 1, size)) {
        ++pixelSize;
    }
    return pixelSize;
}

int TextFit(QPainter& painter, const QRect& rect, const QString& text, const GreetingStyle& style,
            bool caret) {
    painter.save();
    painter.setPen(style.color);
    int pixelSize = 0;
    if (text.isEmpty()) {
        if (caret) {
            const int x = rect.x() + rect.width() / 2;
            painter.drawLine(x, rect.y(), x, rect.y() + rect.height());
        }
    } else {
        pixelSize = FittedPixelSize(text, style, rect.size());
        if (pixelSize > 0) {
            const QFont font = GreetingFont(style, pixelSize);
            const QSize extent = textExtent(text, font);
            const int left = rect.x() + (rect.width() - extent.width()) / 2;
            const int top = rect.y() + (rect.height() - extent.height()) / 2;
            painter.setFont(font);
            painter.setRenderHint(QPainter::TextAntialiasing);
            painter.drawText(QRect(left, top, extent.width(), extent.height()), Qt::AlignLeft | Qt::AlignTop,
                             text);
            if (caret) {
                painter.drawLine(left + extent.width(), rect.y(), left + extent.width(),
                                 rect.y() + rect.height());
            }
        }
    }
    painter.restore();
    return pixelSize;
}
