// TFormTree: the frame timer that drives IdleStep. It runs once per display
// frame while some of the window can be seen; minimised, covered or on another
// workspace, the window costs nothing. The time thread counts on meanwhile (at
// rest, without waking), so the first step after the window shows again moves
// everything by the time that passed: a fall in progress lands where it would
// have.
#include "controls/control0.h"
#include "mainwindow/formtree.h"
#include "platform/timethread.h"
#include "platform/windowcover.h"

#include <QEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>
#include <algorithm>

void TFormTree::startFrameTimer() {
    const QScreen* screen = this->screen();
    const double rate = screen && screen->refreshRate() > 1 ? screen->refreshRate() : 60.0;
    frameTimer_.setTimerType(Qt::PreciseTimer);
    frameTimer_.setInterval(std::max(1, static_cast<int>(1000.0 / rate)));
    LastTick = TimeThread ? TimeThread->ElapsedMs() : 0;
    stepping_ = true;
    if (!cover_) {
        cover_ = new TWindowCover(this);
        connect(cover_, &TWindowCover::Changed, this, &TFormTree::followExposure);
    }
    cover_->Watch();
    followExposure();
}

bool TFormTree::WindowExposed() const {
    const QWindow* window = windowHandle();
    return window && window->isExposed() && !(cover_ && cover_->Covered());
}

void TFormTree::followExposure() {
    const bool run = stepping_ && WindowExposed();
    if (run && !frameTimer_.isActive()) {
        frameTimer_.start();
    } else if (!run && frameTimer_.isActive()) {
        frameTimer_.stop();
    }
    // Unseen, nothing here needs the clock's thread to wake: it rests, and
    // still answers with the count it would have reached.
    if (TimeThread) {
        TimeThread->SetResting(stepping_ && !run);
    }
}

bool TFormTree::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Welcome &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove ||
         event->type() == QEvent::MouseButtonDblClick)) {
        WelcomeMouse(static_cast<QMouseEvent*>(event));
    }
    // Qt has updated isExposed() when the window's expose event arrives.
    if (event->type() == QEvent::Expose && watched == windowHandle()) {
        // A window made again has a new id to watch.
        if (cover_) {
            cover_->Watch();
        }
        followExposure();
    }
    return QDialog::eventFilter(watched, event);
}
