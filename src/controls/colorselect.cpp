#include "controls/colorselect.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int kMinHeight = 32;

int WidthFor(int height) {
    return height + height / 10;
}

quint32 Pixel(int red, int green, int blue) {
    return 0xFF000000u | quint32(red) << 16 | quint32(green) << 8 | quint32(blue);
}

void Invert(QImage& picture, int x, int y) {
    auto* word = reinterpret_cast<quint32*>(picture.scanLine(y)) + x;
    *word = 0xFF000000u | (0xFFFFFFu - (*word & 0xFFFFFFu));
}

} // namespace

TColorSelect::TColorSelect(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    SetBounds(0, 0, 0, 256);
}

TColorSelect::~TColorSelect() = default;

void TColorSelect::SetColor(uint32_t color) {
    red_ = color & 0xFF;
    green_ = color >> 8 & 0xFF;
    blue_ = color >> 16 & 0xFF;
    ShowRGB();
}

void TColorSelect::SetBounds(int left, int top, int, int height) {
    const int h = std::max(height, kMinHeight);
    setGeometry(left, top, WidthFor(h), h);
    Resized();
}

void TColorSelect::resizeEvent(QResizeEvent*) {
    // A plain resize obeys the same rule as SetBounds.
    const int h = std::max(height(), kMinHeight);
    if (size() != QSize(WidthFor(h), h)) {
        resize(WidthFor(h), h);
        return;
    }
    Resized();
}

void TColorSelect::Resized() {
    if (pictureSize_ == size()) {
        return;
    }
    pictureSize_ = size();
    ShowRGB();
}

void TColorSelect::ShowRGB() {
    paletteStale_ = true;
    ShowColor();
}

void TColorSelect::ShowColor() {
    shownStale_ = true;
    update();
}

const QImage& TColorSelect::Shown() const {
    if (paletteStale_ || palette_.size() != pictureSize_) {
        drawPalette();
    }
    if (shownStale_) {
        drawShown();
    }
    return shown_;
}

void TColorSelect::drawPalette() const {
    if (palette_.size() != pictureSize_) {
        palette_ = QImage(pictureSize_, QImage::Format_RGB32);
    }
    paletteStale_ = false;
    shownStale_ = true;
    const int h = H();
    const int w = palette_.width();
    std::vector<int> columnValue(h);
    for (int x = 0; x < h; ++x) {
        columnValue[x] = V(x);
    }
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<quint32*>(palette_.scanLine(y));
        const int value = V(y);
        for (int x = 0; x < h; ++x) {
            row[x] = Pixel(columnValue[x], value, blue_);
        }
        std::fill(row + h, row + w, Pixel(0, 0, value));
    }
}

void TColorSelect::drawShown() const {
    shownStale_ = false;
    // Reuses the shown picture's memory: a drag step allocates nothing.
    if (shown_.size() == palette_.size()) {
        std::copy_n(palette_.constBits(), palette_.sizeInBytes(), shown_.bits());
    } else {
        shown_ = palette_.copy();
    }
    const int h = H();
    if (shown_.height() != h) {
        return;
    }
    const int blueRow = P(blue_);
    for (int x = h; x < shown_.width(); ++x) {
        Invert(shown_, x, blueRow);
    }
    // The cross leaves its centre and the centre's direct neighbours unmarked;
    // arms are cut at the square's edges.
    const int cx = P(red_), cy = P(green_);
    for (int d = 2; d <= 9; ++d) {
        if (cx - d >= 0) {
            Invert(shown_, cx - d, cy);
        }
        if (cx + d < h) {
            Invert(shown_, cx + d, cy);
        }
        if (cy - d >= 0) {
            Invert(shown_, cx, cy - d);
        }
        if (cy + d < h) {
            Invert(shown_, cx, cy + d);
        }
    }
}

void TColorSelect::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, Shown());
}

void TColorSelect::hideEvent(QHideEvent* event) {
    // Drawn again when next shown: a closed editor keeps no pictures.
    palette_ = QImage();
    shown_ = QImage();
    paletteStale_ = true;
    shownStale_ = true;
    QWidget::hideEvent(event);
}

void TColorSelect::DoMouseDown(Qt::MouseButton, Qt::KeyboardModifiers shift, int x, int y) {
    const int h = H();
    if (y < 0 || y >= h || x < 0) {
        dragMode_ = 0;
    } else if (x < h) {
        dragMode_ = 1;
    } else if (x < 2 * h) {
        dragMode_ = 2;
    } else {
        dragMode_ = 0;
    }
    if (dragMode_ > 0) {
        DoMouseMove(shift, x, y);
    }
}

void TColorSelect::DoMouseMove(Qt::KeyboardModifiers, int x, int y) {
    const int last = H() - 1;
    if (dragMode_ == 1) {
        const int red = V(std::clamp(x, 0, last));
        const int green = V(std::clamp(y, 0, last));
        if (red == red_ && green == green_) {
            return;
        }
        red_ = red;
        green_ = green;
        ShowColor();
    } else if (dragMode_ == 2) {
        const int blue = V(std::clamp(y, 0, last));
        if (blue == blue_) {
            return;
        }
        blue_ = blue;
        ShowRGB();
    } else {
        return;
    }
    if (OnChanged) {
        OnChanged(this);
    }
}

void TColorSelect::DoMouseUp(Qt::MouseButton, Qt::KeyboardModifiers shift, int x, int y) {
    if (dragMode_ > 0) {
        DoMouseMove(shift, x, y);
    }
    dragMode_ = 0;
}

void TColorSelect::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    DoMouseDown(event->button(), event->modifiers(), p.x(), p.y());
}

void TColorSelect::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    DoMouseMove(event->modifiers(), p.x(), p.y());
}

void TColorSelect::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    DoMouseUp(event->button(), event->modifiers(), p.x(), p.y());
}
