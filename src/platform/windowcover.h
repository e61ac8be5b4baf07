#pragma once
// TWindowCover: tells whether other windows cover a top-level window entirely.
// Qt counts a window that is mapped as exposed even when another window lies
// over all of it; on X11 the server says so itself (VisibilityNotify), and
// this watches for it. Elsewhere, and under a compositing window manager
// (which draws every window off-screen), a window is never reported covered.
//
//   TWindowCover cover(window);          // window: a shown top-level QWidget
//   connect(&cover, &TWindowCover::Changed, ...);
//   if (cover.Covered()) ...             // nothing of the window can be seen
#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QPointer>
#include <QWidget>

class TWindowCover : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit TWindowCover(QWidget* window);
    ~TWindowCover() override;

    // Asks the window system to report the window's visibility; again after
    // the window was re-created (its id changed). Needs a created window.
    void Watch();
    bool Covered() const { return covered_; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    void Changed(bool covered);

private:
    QPointer<QWidget> window_;
    quint32 watched_ = 0; // the X window id asked for, 0 when none
    bool covered_ = false;
};
