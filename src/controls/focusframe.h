#pragma once
// TFocusFrame: the keyboard focus of a skinned window, drawn as a glowing
// frame around the control that has it. The program's controls are pictures
// without a focus look of their own, so one frame floats above them. It shows
// once the keyboard is used in its window and hides again at a mouse press,
// so pointer users see the window exactly as before.
//
//   auto* frame = new TFocusFrame(window);   // owned by the window
//   frame->SetColors(gold, darkGreen);
#include <QColor>
#include <QPointer>
#include <QWidget>
#include <functional>

class TFocusFrame : public QWidget {
    Q_OBJECT
public:
    // Pixels between the control's edge and the frame's inner edge.
    static constexpr int Margin = 3;

    explicit TFocusFrame(QWidget* window);
    ~TFocusFrame() override;

    // The frame's light and its shadow.
    void SetColors(const QColor& light, const QColor& shadow);
    // The control framed now (null when the frame is hidden).
    QWidget* Target() const { return isVisible() ? target_.data() : nullptr; }
    bool KeyboardUsed() const { return keyboardUsed_; }
    // Follows the framed control again (after it moved).
    void Follow();
    // True while the window takes keys as text (they do not show the frame).
    std::function<bool()> TakesText;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void focusChanged(QWidget* now);

    QPointer<QWidget> target_;
    QColor light_{255, 214, 90};
    QColor shadow_{40, 24, 0};
    bool keyboardUsed_ = false;
};
