#pragma once
// TColorSelect: a colour picker. A square where red grows to the right and
// green downwards, at the current blue, and to its right a narrow strip of
// blue from black to full blue. Pressing or dragging in the square sets red and
// green, in the strip blue; the current colour is marked by an inverted cross
// in the square and an inverted line across the strip.
//
// The control is H pixels high (at least 32) and H + H / 10 wide, whatever
// width it is given.
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>

class TColorSelect : public QWidget {
    Q_OBJECT
public:
    explicit TColorSelect(QWidget* parent = nullptr);
    ~TColorSelect() override;

    // Fired after a mouse action changed the colour (never by SetColor).
    std::function<void(TColorSelect* sender)> OnChanged;

    // The colour as red + green × 256 + blue × 65536.
    uint32_t GetColor() const { return red_ | green_ << 8 | uint32_t(blue_) << 16; }
    void SetColor(uint32_t color);
    QColor GetQColor() const { return QColor(red_, green_, blue_); }

    // Places the control; the width follows from the height.
    void SetBounds(int left, int top, int width, int height);

    // Mouse handling in control coordinates, any button.
    void DoMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void DoMouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void DoMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

    // The picture shown: palette plus markers. Drawn when first painted or
    // asked for after a change, and let go while the control is hidden.
    const QImage& Shown() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int H() const { return height(); }
    // Position of a component value, and the value at a position.
    int P(int k) const { return k * (H() - 1) / 255; }
    int V(int v) const { return v * 255 / (H() - 1); }
    // Sizes the pictures to the control and rebuilds them.
    void Resized();
    // The palette (blue or size changed) and the markers are to be drawn anew.
    void ShowRGB();
    // The markers are to be drawn anew on the palette.
    void ShowColor();
    void drawPalette() const;
    void drawShown() const;

    uint8_t red_ = 0, green_ = 0, blue_ = 0;
    QSize pictureSize_;
    // Drawn on demand (Shown): stale until then.
    mutable QImage palette_;
    mutable QImage shown_;
    mutable bool paletteStale_ = true;
    mutable bool shownStale_ = true;
    // 0 none, 1 dragging in the square, 2 dragging in the strip.
    int dragMode_ = 0;
};
