#pragma once
// TControl0: the owner-drawn control that every button, caption strip, picture
// panel and marker of the program is made of. It paints nothing of its own: its
// owner paints it through OnPaint, usually with DrawBk / DrawButton / CaptionOut
// from a prepared picture. It keeps two visual states (pointer inside, a button
// held down), can repaint itself when they change, and accepts files dropped
// from the desktop (text/uri-list).
//
// Events are public std::function members; the first argument is always the
// control that raised the event. Assign them before the control is shown;
// the drop events go through SetOnExtDrop / SetOnExtDropMany so the control
// starts or stops accepting drops.
//
// Click rules: OnClick fires when the left button is pressed and released
// inside the control. A double click fires OnMouseDown and OnDblClick for its
// second press; when OnDblClick is set the release that follows is not a
// click, otherwise it is an ordinary one (so a quickly clicked button never
// loses a click).
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

class QPainter;

class TControl0 : public QWidget {
    Q_OBJECT
public:
    using TNotifyEvent = std::function<void(TControl0* sender)>;
    using TMouseEvent = std::function<void(TControl0* sender, Qt::MouseButton button,
                                           Qt::KeyboardModifiers shift, int x, int y)>;
    using TMouseMoveEvent = std::function<void(TControl0* sender, Qt::KeyboardModifiers shift, int x, int y)>;
    using TKeyEvent = std::function<void(TControl0* sender, int key, Qt::KeyboardModifiers shift)>;
    using TKeyPressEvent = std::function<void(TControl0* sender, const QString& text)>;
    using TExtDropEvent = std::function<void(TControl0* sender, QPoint point, const QString& fileName)>;
    using TExtDropManyEvent =
        std::function<void(TControl0* sender, QPoint point, const QStringList& fileNames)>;

    explicit TControl0(QWidget* parent = nullptr);
    ~TControl0() override;

    // Paints the control; called for every paint with the control's canvas open.
    TNotifyEvent OnPaint;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

    // Files dropped from the desktop, at a point in the control's coordinates.
    // One file goes to OnExtDrop when that is set; several go to OnExtDropMany
    // when that is set (with only OnExtDrop set, it gets the first file only).
    const TExtDropEvent& OnExtDrop() const { return onExtDrop_; }
    const TExtDropManyEvent& OnExtDropMany() const { return onExtDropMany_; }
    void SetOnExtDrop(TExtDropEvent handler);
    void SetOnExtDropMany(TExtDropManyEvent handler);
    // Accepts drops exactly when a drop handler is set.
    void SetDropEnabled();

    // Repaint when the pointer enters or leaves / when a button goes down or up.
    bool bEnterLeaveInvalidate = false;
    bool bDownUpInvalidate = false;
    // Transparent: whatever OnPaint leaves unpainted shows the parent. Otherwise
    // the control is opaque and its background is never erased. Applied when the
    // control is shown, or at once by CreateParams().
    bool flTransparent = false;
    // Children are always composed over the control's own painting in Qt, as
    // with child clipping; the switch is kept for the layouts that set it.
    bool flClipChildren = true;
    void CreateParams();

    // The pointer is inside the control (between enter and leave).
    bool bMouseInside = false;
    // A mouse button went down on the control and has not been released yet
    // (the release comes to the control even outside it).
    bool bMousePressed = false;

    // Free number for the owner (case index, button index, ...).
    int Tag = 0;

    QColor DesignColor() const { return designColor_; }
    void SetDesignColor(const QColor& color);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);

    // The canvas of the paint in progress (valid inside OnPaint only).
    QPainter* Canvas() const { return canvas_; }

    // Copies the rectangle of `source` at the control's own place in its parent
    // onto the whole control, so the control shows its parent's background.
    void DrawBk(const QImage& source, bool caption);
    // Copies one frame of a states picture (frames the control's size: normal,
    // inside, pressed) chosen by the visual state; with a normal picture given
    // the states picture starts with the inside frame and the normal look is
    // taken from `normal` at (normalX, normalY).
    void DrawButton(int normalX, int normalY, const QImage* normal, int x, int y, const QImage& states,
                    bool horizontal, bool caption);
    // The same with the normal look taken at the control's own place in `normal`.
    void DrawButton(const QImage* normal, int x, int y, const QImage& states, bool horizontal, bool caption);
    // Writes the caption centred (truncating) with the control's font and text colour.
    void CaptionOut();

    // The frame DrawButton shows: 0 normal, 1 inside, 2 pressed, before the
    // shift for a separate normal picture.
    int ButtonState() const;

protected:
    // True when every paint covers the whole control, so no background is needed.
    virtual bool PaintsWholeClient() const { return static_cast<bool>(OnPaint); }
    void Invalidate() { update(); }
    // Called from paintEvent with the canvas open.
    virtual void Paint();

    void DoMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void DoMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseEnter();
    void MouseLeave();
    void DropToMe(QPoint point, const QStringList& files);
    // The point (control coordinates) lies on the control's visible outline.
    bool ContainsPoint(QPoint p) const;

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    TExtDropEvent onExtDrop_;
    TExtDropManyEvent onExtDropMany_;
    QColor designColor_{0x80, 0x80, 0x80};
    QString caption_;
    QPainter* canvas_ = nullptr;
    // The left button went down inside and may become a click on release.
    bool clickArmed_ = false;
};
