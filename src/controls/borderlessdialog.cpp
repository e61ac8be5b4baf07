#include "controls/borderlessdialog.h"

#include "controls/bitmapregion.h"
#include "controls/control0.h"
#include "controls/controlaccessible.h"
#include "controls/focusframe.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

TBorderlessDialog::TBorderlessDialog(QSize size, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setFixedSize(size);
    setModal(true);
    // The face covers the whole window on every paint: nothing to erase.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFont(DialogFont());
}

TBorderlessDialog::~TBorderlessDialog() = default;

QColor TBorderlessDialog::FieldColor() {
    return QColor(0xE0, 0xD6, 0xC3);
}

QFont TBorderlessDialog::DialogFont() {
    // Liberation Sans has the metrics of the classic interface sans, so the
    // captions fit the places the faces give them.
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    return font;
}

void TBorderlessDialog::PrepareFace(const QImage& face) {
    setWindowTitle(QGuiApplication::applicationDisplayName());
    face_ = face.convertToFormat(QImage::Format_RGB32);
    if (face_.isNull()) {
        clearMask();
    } else {
        const QRgb transparent = face_.pixel(0, 0);
        setMask(CreateRegionFromBitmap32(face_, width(), height(), transparent));
    }
    update();
}

void TBorderlessDialog::CenterOn(const QWidget* owner) {
    if (owner == nullptr) {
        return;
    }
    const QRect outer = owner->geometry();
    move(outer.x() + (outer.width() - width()) / 2, outer.y() + (outer.height() - height()) / 2);
}

void TBorderlessDialog::CancelClick() {
    reject();
}

void TBorderlessDialog::previewKeys() {
    for (QWidget* child : findChildren<QWidget*>()) {
        child->removeEventFilter(this);
        child->installEventFilter(this);
    }
}

bool TBorderlessDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        CancelClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TBorderlessDialog::focusButtons() {
    for (TControl0* button : findChildren<TControl0*>()) {
        if (button->OnClick && button->focusPolicy() == Qt::NoFocus) {
            button->setFocusPolicy(Qt::TabFocus);
        }
    }
    if (!focusFrame_) {
        focusFrame_ = new TFocusFrame(this);
    }
}

void TBorderlessDialog::showEvent(QShowEvent* event) {
    previewKeys();
    focusButtons();
    // A screen reader names each control by its hint.
    NameControlsFromHints(this);
    // Kept above the main window by the window manager.
    if (mainWindow_ != nullptr && mainWindow_->windowHandle() != nullptr && windowHandle() != nullptr) {
        windowHandle()->setTransientParent(mainWindow_->windowHandle());
    }
    QDialog::showEvent(event);
}

void TBorderlessDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (face_.isNull()) {
        painter.fillRect(rect(), FieldColor());
    } else {
        painter.drawImage(0, 0, face_);
    }
}

void TBorderlessDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        CancelClick();
        return;
    }
    const bool press =
        event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space;
    if (auto* button = qobject_cast<TControl0*>(focusWidget());
        press && button && button->OnClick && button->isVisible()) {
        button->OnClick(button);
        return;
    }
    QDialog::keyPressEvent(event);
}

void TBorderlessDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    // The window manager moves the window when there is one; otherwise the
    // window follows the pointer by hand until the button is released.
    if (windowHandle() == nullptr || !windowHandle()->startSystemMove()) {
        dragging_ = true;
        dragOffset_ = event->globalPosition().toPoint() - pos();
    }
}

void TBorderlessDialog::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        move(event->globalPosition().toPoint() - dragOffset_);
    }
}

void TBorderlessDialog::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = false;
    }
}
