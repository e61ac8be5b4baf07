#include "controls/control0.h"

#include "controls/controlaccessible.h"
#include "platform/picture.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

TControl0::TControl0(QWidget* parent) : QWidget(parent) {
    InstallControlAccessibility();
    resize(100, 100);
    // Moves are reported without a button held, as the owners' hover logic expects.
    setMouseTracking(true);
    CreateParams();
}

TControl0::~TControl0() = default;

void TControl0::CreateParams() {
    // An opaque control draws every pixel itself: Qt then neither erases its
    // background nor paints the parent below it.
    const bool opaque = !flTransparent && PaintsWholeClient();
    setAttribute(Qt::WA_OpaquePaintEvent, opaque);
    setAttribute(Qt::WA_NoSystemBackground, true);
    setAutoFillBackground(false);
}

void TControl0::SetOnExtDrop(TExtDropEvent handler) {
    onExtDrop_ = std::move(handler);
    SetDropEnabled();
}

void TControl0::SetOnExtDropMany(TExtDropManyEvent handler) {
    onExtDropMany_ = std::move(handler);
    SetDropEnabled();
}

void TControl0::SetDropEnabled() {
    setAcceptDrops(onExtDrop_ || onExtDropMany_);
}

void TControl0::SetDesignColor(const QColor& color) {
    designColor_ = color;
    Invalidate();
}

void TControl0::SetCaption(const QString& caption) {
    if (caption == caption_) {
        return;
    }
    caption_ = caption;
    Invalidate();
}

bool TControl0::event(QEvent* event) {
    // The switches and handlers are usually set after construction: apply them
    // when the control is about to appear.
    if (event->type() == QEvent::Polish || event->type() == QEvent::Show) {
        CreateParams();
    }
    return QWidget::event(event);
}

void TControl0::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // The region being repainted is the canvas's clip, so that a painter of
    // costly content (the tree) can draw only that part.
    painter.setClipRegion(event->region());
    canvas_ = &painter;
    Paint();
    canvas_ = nullptr;
}

void TControl0::Paint() {
    if (OnPaint) {
        OnPaint(this);
    }
}

void TControl0::DoMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
    bMousePressed = true;
    if (OnMouseDown) {
        OnMouseDown(this, button, shift, x, y);
    }
    if (bDownUpInvalidate) {
        Invalidate();
    }
}

void TControl0::DoMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
    bMousePressed = false;
    if (OnMouseUp) {
        OnMouseUp(this, button, shift, x, y);
    }
    if (bDownUpInvalidate) {
        Invalidate();
    }
}

void TControl0::MouseEnter() {
    bMouseInside = true;
    if (OnMouseEnter) {
        OnMouseEnter(this);
    }
    if (bEnterLeaveInvalidate) {
        Invalidate();
    }
}

void TControl0::MouseLeave() {
    bMouseInside = false;
    if (OnMouseLeave) {
        OnMouseLeave(this);
    }
    if (bEnterLeaveInvalidate) {
        Invalidate();
    }
}

void TControl0::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        clickArmed_ = true;
    }
    DoMouseDown(event->button(), event->modifiers(), p.x(), p.y());
}

void TControl0::mouseDoubleClickEvent(QMouseEvent* event) {
    // The window system normally delivers the second press before the double
    // click; when it does not, the double click is that press.
    if (!bMousePressed) {
        mousePressEvent(event);
    }
    if (event->button() == Qt::LeftButton && OnDblClick) {
        clickArmed_ = false;
        OnDblClick(this);
    }
}

void TControl0::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    const bool click = event->button() == Qt::LeftButton && clickArmed_ && ContainsPoint(p);
    if (event->button() == Qt::LeftButton) {
        clickArmed_ = false;
    }
    DoMouseUp(event->button(), event->modifiers(), p.x(), p.y());
    // The up handler may have hidden or reshaped the control: the click still
    // belongs to the press and release that happened.
    if (click && OnClick) {
        OnClick(this);
    }
}

bool TControl0::ContainsPoint(QPoint p) const {
    return rect().contains(p) && (mask().isEmpty() || mask().contains(p));
}

void TControl0::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    // While a button is held Qt keeps enter and leave back until the release;
    // the control reports them as the pointer crosses its outline.
    if (event->buttons() != Qt::NoButton && ContainsPoint(p) != bMouseInside) {
        if (bMouseInside) {
            MouseLeave();
        } else {
            MouseEnter();
        }
    }
    if (OnMouseMove) {
        OnMouseMove(this, event->modifiers(), p.x(), p.y());
    }
}

void TControl0::enterEvent(QEnterEvent*) {
    if (!bMouseInside) {
        MouseEnter();
    }
}

void TControl0::leaveEvent(QEvent*) {
    if (bMouseInside) {
        MouseLeave();
    }
}

void TControl0::keyPressEvent(QKeyEvent* event) {
    if (!OnKeyDown && !OnKeyPress) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (OnKeyDown) {
        OnKeyDown(this, event->key(), event->modifiers());
    }
    if (OnKeyPress && !event->text().isEmpty()) {
        OnKeyPress(this, event->text());
    }
}

void TControl0::keyReleaseEvent(QKeyEvent* event) {
    if (!OnKeyUp) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    OnKeyUp(this, event->key(), event->modifiers());
}

namespace {

// Local files of a desktop drop, in the order they were dragged.
QStringList DroppedFiles(const QMimeData* data) {
    QStringList files;
    if (data == nullptr || !data->hasUrls()) {
        return files;
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            files.append(url.toLocalFile());
        }
    }
    return files;
}

} // namespace

void TControl0::dragEnterEvent(QDragEnterEvent* event) {
    if ((onExtDrop_ || onExtDropMany_) && !DroppedFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void TControl0::dragMoveEvent(QDragMoveEvent* event) {
    if ((onExtDrop_ || onExtDropMany_) && !DroppedFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void TControl0::dropEvent(QDropEvent* event) {
    const QStringList files = DroppedFiles(event->mimeData());
    if (files.isEmpty() || !(onExtDrop_ || onExtDropMany_)) {
        return;
    }
    event->acceptProposedAction();
    DropToMe(event->position().toPoint(), files);
}

void TControl0::DropToMe(QPoint point, const QStringList& files) {
    if (files.isEmpty()) {
        return;
    }
    if (!onExtDrop_ || (onExtDropMany_ && files.size() != 1)) {
        if (onExtDropMany_) {
            onExtDropMany_(this, point, files);
        }
    } else {
        onExtDrop_(this, point, files.first());
    }
}

void TControl0::DrawBk(const QImage& source, bool caption) {
    if (canvas_ == nullptr) {
        return;
    }
    canvas_->drawImage(QRect(0, 0, width(), height()), source, PicturePixels(source, geometry()));
    if (caption) {
        CaptionOut();
    }
}

int TControl0::ButtonState() const {
    int s = 0;
    if (bEnterLeaveInvalidate) {
        if (bMouseInside) {
            s = 1;
        }
        if (bDownUpInvalidate && bMousePressed) {
            s = 2;
        }
    } else if (bDownUpInvalidate && bMousePressed) {
        s = 1;
    }
    return s;
}

void TControl0::DrawButton(int normalX, int normalY, const QImage* normal, int x, int y, const QImage& states,
                           bool horizontal, bool caption) {
    if (canvas_ == nullptr) {
        return;
    }
    int s = ButtonState();
    const QImage* source = &states;
    QPoint origin(x, y);
    if (s == 0 && normal != nullptr) {
        source = normal;
        origin = QPoint(normalX, normalY);
    } else if (s != 0) {
        if (normal != nullptr) {
            --s;
        }
        origin = horizontal ? QPoint(x + s * width(), y) : QPoint(x, y + s * height());
    }
    canvas_->drawImage(QRect(0, 0, width(), height()), *source,
                       PicturePixels(*source, QRect(origin, size())));
    if (caption) {
        CaptionOut();
    }
}

void TControl0::DrawButton(const QImage* normal, int x, int y, const QImage& states, bool horizontal,
                           bool caption) {
    DrawButton(this->x(), this->y(), normal, x, y, states, horizontal, caption);
}

void TControl0::CaptionOut() {
    if (canvas_ == nullptr) {
        return;
    }
    canvas_->setFont(font());
    canvas_->setPen(palette().color(foregroundRole()));
    canvas_->setBackgroundMode(Qt::TransparentMode);
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(caption_);
    const int textHeight = metrics.height();
    // Integer division truncates toward zero, also for a caption wider than the control.
    const int tx = (width() - textWidth) / 2;
    const int ty = (height() - textHeight) / 2;
    canvas_->drawText(tx, ty + metrics.ascent(), caption_);
}
