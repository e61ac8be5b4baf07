#include "mainwindow/greetinglayout.h"

#include "mainwindow/layout.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cmath>

namespace {

// The size at which the break nearest the middle is looked for: widths scale
// with the size, and a fixed one keeps the choice from hinting's rounding.
constexpr int measuringPixelSize = 24;

int capHeight(const GreetingStyle& style, int pixelSize) {
    return pixelSize > 0 ? QFontMetrics(GreetingFont(style, pixelSize)).capHeight() : 0;
}

// The line-break opportunity whose place in the one-line greeting lies
// nearest its middle; 0 when there is none.
int breakNearestMiddle(const QString& text, const GreetingStyle& style) {
    QTextLayout line(text, GreetingFont(style, measuringPixelSize));
    LayOutLines(line, 0);
    const QTextLine only = line.lineAt(0);
    const qreal middle = only.naturalTextWidth() / 2;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
    int best = 0;
    qreal bestDistance = 0;
    for (qsizetype at = finder.toNextBoundary(); at > 0 && at < text.size(); at = finder.toNextBoundary()) {
        if (!(finder.boundaryReasons() & QTextBoundaryFinder::BreakOpportunity)) {
            continue;
        }
        // The first line ends at its last visible character, before the spaces.
        qsizetype end = at;
        while (end > 0 && text.at(end - 1).isSpace()) {
            --end;
        }
        const qreal distance = std::abs(only.cursorToX(static_cast<int>(end)) - middle);
        if (best == 0 || distance < bestDistance) {
            best = static_cast<int>(at);
            bestDistance = distance;
        }
    }
    return best;
}

struct Lines {
    int breakAt = 0;
    bool tooLong = false;
    int pixelSize = 0; // at the ribbon's size
};

// One line while its capitals are legible at the ribbon's size; else two when
// two are larger; too long when the larger is still not legible.
Lines chooseLines(const QString& text, const GreetingStyle& style) {
    const QSize ribbon = layout::WelcomeText.size();
    const int oneLine = FittedPixelSize(text, style, ribbon);
    if (oneLine > 0 && capHeight(style, oneLine) >= TGreetingLayout::LegibleCapHeight) {
        return {0, false, oneLine};
    }
    const int breakAt = breakNearestMiddle(text, style);
    const int twoLines = breakAt > 0 ? FittedPixelSize(text, style, ribbon, breakAt) : 0;
    if (twoLines <= oneLine) {
        return {0, true, oneLine};
    }
    return {breakAt, capHeight(style, twoLines) < TGreetingLayout::LegibleCapHeight, twoLines};
}

} // namespace

QColor RibbonGold() {
    return QColor(226, 184, 92);
}

QColor RibbonRed() {
    return QColor(110, 10, 22);
}

TGreetingLayout::TGreetingLayout(const QString& text, const GreetingStyle& style, const QRect& rect)
    : text_(text), style_(style), rect_(rect) {
    if (text_.isEmpty()) {
        return;
    }
    const Lines lines = chooseLines(text_, style_);
    breakAt_ = lines.breakAt;
    tooLong_ = lines.tooLong;
    pixelSize_ = rect_.size() == layout::WelcomeText.size()
                     ? lines.pixelSize
                     : FittedPixelSize(text_, style_, rect_.size(), breakAt_);
    if (pixelSize_ <= 0) {
        return;
    }
    const QFont font = GreetingFont(style_, pixelSize_);
    const QFontMetrics metrics(font);
    ascent_ = metrics.ascent();
    descent_ = metrics.descent();
    capHeight_ = metrics.capHeight();
    const int height = breakAt_ > 0 ? TwoLineHeight(font) : metrics.height();
    top_ = rect_.y() + (rect_.height() - height) / 2;
    layout_ = std::make_unique<QTextLayout>(text_, font);
    layout_->setCacheEnabled(true);
    LayOutLines(*layout_, breakAt_);
    for (int i = 0; i < layout_->lineCount(); ++i) {
        QTextLine line = layout_->lineAt(i);
        const int width = static_cast<int>(std::ceil(line.naturalTextWidth()));
        // Each line centred; its baseline one ascent under the one above.
        line.setPosition(
            QPointF(rect_.x() + (rect_.width() - width) / 2, top_ + ascent_ * (i + 1) - line.ascent()));
    }
}

TGreetingLayout::~TGreetingLayout() = default;

int TGreetingLayout::lineOf(int position) const {
    return breakAt_ > 0 && position >= breakAt_ ? 1 : 0;
}

std::pair<int, int> TGreetingLayout::lineRows(int line) const {
    if (breakAt_ == 0) {
        return {top_, top_ + ascent_ + descent_};
    }
    // The second line's tall letters reach up to the first line's baseline.
    const int split = top_ + ascent_ + 1;
    return line == 0 ? std::pair(top_, split) : std::pair(split, top_ + 2 * ascent_ + descent_);
}

int TGreetingLayout::CursorAt(QPointF point) const {
    if (!layout_) {
        return static_cast<int>(text_.size());
    }
    const int line = breakAt_ > 0 && point.y() >= lineRows(1).first ? 1 : 0;
    // Line x positions include where the line was placed.
    int position = layout_->lineAt(line).xToCursor(point.x());
    if (line == 0 && breakAt_ > 0) {
        // The end of the first line is before its trailing spaces: the
        // position after them is where the second line starts.
        int end = breakAt_;
        while (end > 0 && text_.at(end - 1).isSpace()) {
            --end;
        }
        position = std::min(position, end);
    }
    return position;
}

QRect TGreetingLayout::CursorRect(int position) const {
    if (!layout_) {
        return QRect(rect_.x() + rect_.width() / 2, rect_.y(), 1, rect_.height() + 1);
    }
    position = std::clamp(position, 0, static_cast<int>(text_.size()));
    const int line = lineOf(position);
    const QTextLine textLine = layout_->lineAt(line);
    const int x = static_cast<int>(std::lround(textLine.cursorToX(position)));
    // One line: the caret spans the ribbon, as it always did.
    if (breakAt_ == 0) {
        return QRect(x, rect_.y(), 1, rect_.height() + 1);
    }
    const auto [from, to] = lineRows(line);
    return QRect(x, from, 1, to - from);
}

void TGreetingLayout::Draw(QPainter& painter, const GreetingMarks& marks) const {
    painter.save();
    painter.setPen(style_.color);
    if (text_.isEmpty()) {
        if (marks.Caret >= 0) {
            const int x = rect_.x() + rect_.width() / 2;
            painter.drawLine(x, rect_.y(), x, rect_.y() + rect_.height());
        }
    } else if (layout_) {
        painter.setRenderHint(QPainter::TextAntialiasing);
        layout_->draw(&painter, QPointF(0, 0));
        if (marks.SelectionEnd > marks.SelectionStart) {
            // The selection in reverse: the ribbon's gold as its ground and
            // everything drawn on it in the ribbon's red, so a letter of the
            // other line that reaches into it still shows.
            QPainterPath selected;
            for (int i = 0; i < layout_->lineCount(); ++i) {
                const QTextLine line = layout_->lineAt(i);
                const int from = std::max(marks.SelectionStart, line.textStart());
                const int to = std::min(marks.SelectionEnd, line.textStart() + line.textLength());
                if (from < to) {
                    const auto [top, bottom] = lineRows(i);
                    const qreal x1 = line.cursorToX(from);
                    const qreal x2 = line.cursorToX(to);
                    selected.addRect(QRectF(std::min(x1, x2), top, std::abs(x2 - x1), bottom - top));
                }
            }
            painter.save();
            painter.setClipPath(selected);
            painter.fillPath(selected, RibbonGold());
            painter.setPen(RibbonRed());
            layout_->draw(&painter, QPointF(0, 0));
            painter.restore();
        }
        if (marks.Caret >= 0) {
            const QRect caret = CursorRect(marks.Caret);
            painter.drawLine(caret.topLeft(), caret.bottomLeft());
        }
    }
    painter.restore();
}
