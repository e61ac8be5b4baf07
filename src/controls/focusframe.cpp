#include "controls/focusframe.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

namespace {

// Keys that move the focus or act on the focused control; typing does not
// bring the frame up.
bool isNavigationKey(int key) {
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Delete:
        return true;
    default:
        return false;
    }
}

} // namespace

TFocusFrame::TFocusFrame(QWidget* window) : QWidget(window) {
    setObjectName("FocusFrame");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusChanged(now); });
}

TFocusFrame::~TFocusFrame() {
    qApp->removeEventFilter(this);
}

void TFocusFrame::SetColors(const QColor& light, const QColor& shadow) {
    light_ = light;
    shadow_ = shadow;
    update();
}

bool TFocusFrame::eventFilter(QObject* watched, QEvent* event) {
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != parentWidget()) {
        return false;
    }
    if (event->type() == QEvent::KeyPress && !keyboardUsed_ &&
        isNavigationKey(static_cast<QKeyEvent*>(event)->key()) && !(TakesText && TakesText())) {
        keyboardUsed_ = true;
        Follow();
    } else if (event->type() == QEvent::MouseButtonPress && keyboardUsed_) {
        keyboardUsed_ = false;
        hide();
    } else if (widget == target_ && (event->type() == QEvent::Move || event->type() == QEvent::Hide ||
                                     event->type() == QEvent::Show)) {
        Follow();
    }
    return false;
}

void TFocusFrame::focusChanged(QWidget* now) {
    target_ = now && now != parentWidget() && now->window() == parentWidget() ? now : nullptr;
    Follow();
}

void TFocusFrame::Follow() {
    if (!keyboardUsed_ || !target_ || !target_->isVisible()) {
        hide();
        return;
    }
    const QRect place(target_->mapTo(parentWidget(), QPoint(0, 0)), target_->size());
    setGeometry(place.adjusted(-Margin - 2, -Margin - 2, Margin + 2, Margin + 2));
    show();
    raise();
    update();
}

void TFocusFrame::paintEvent(QPaintEvent*) {
    // A soft shadow line, a bright line and a faint glow inside it: readable
    // on the dark window face and on the lit tree alike.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(rect()).adjusted(1, 1, -1, -1);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(shadow_, 3));
    painter.drawRoundedRect(outer, 6, 6);
    painter.setPen(QPen(light_, 2, Qt::SolidLine));
    painter.drawRoundedRect(outer.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    QColor glow = light_;
    glow.setAlpha(90);
    painter.setPen(QPen(glow, 2));
    painter.drawRoundedRect(outer.adjusted(2.5, 2.5, -2.5, -2.5), 4, 4);
}
