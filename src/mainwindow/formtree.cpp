#include "mainwindow/formtree.h"

#include "platform/paths.h"
#include "mainwindow/cursors.h"
#include "mainwindow/greetingpicture.h"
#include "mainwindow/layout.h"
#include "mainwindow/timethread.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace {

// The step is paced to the display instead of spinning a core.
int frameInterval(const QWidget* widget) {
    const QScreen* screen = widget->screen();
    const double rate = screen ? screen->refreshRate() : 60.0;
    return static_cast<int>(1000.0 / (rate > 1 ? rate : 60.0));
}

// Which way a press at pos (window coordinates, on the tree) turns the tree:
// -1 on its left half, 1 on its right half.
int turnDirectionAt(const QPoint& pos) {
    return pos.x() - layout::TreeControl.x() < layout::TreeControl.width() / 2 ? -1 : 1;
}

} // namespace

TFormTree::TFormTree(QWidget* parent) : QWidget(parent, Qt::FramelessWindowHint) {
    setWindowTitle(QGuiApplication::applicationDisplayName());
    setFixedSize(layout::Window);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);

    background_ = QImage(DataFile("Resource/Bk.bmp")).convertToFormat(QImage::Format_RGB32);
    if (background_.isNull()) {
        background_ = QImage(layout::Window, QImage::Format_RGB32);
        background_.fill(QColor(12, 20, 48));
    }

    TreeControl = new QWidget(this);
    TreeControl->setObjectName("TreeControl");
    TreeControl->setGeometry(layout::TreeControl);
    // The form paints the tree itself; the control only gives it its place.
    TreeControl->setAttribute(Qt::WA_TransparentForMouseEvents);

    tree_ = std::make_unique<TTree>("desc", this, background_, TreeControl);
    if (tree_->loadError()) {
        QMessageBox::critical(this, windowTitle(),
                              QString::fromStdString(tree_->loadError()->what()) +
                                  "\n\nThe decoration is shown as it comes with Pinewick; your file is "
                                  "left as it is and will not be overwritten.");
    }

    connect(&frameTimer_, &QTimer::timeout, this, &TFormTree::IdleStep);
    frameTimer_.start(frameInterval(this));
    lastTick_ = TimeThread ? TimeThread->ElapsedMs() : 0;
}

TFormTree::~TFormTree() = default;

void TFormTree::IdleStep() {
    const int now = TimeThread ? TimeThread->ElapsedMs() : lastTick_ + frameTimer_.interval();
    tree_->AnimateToys(now);
    const int turn = holdRotate_ != 0 ? holdRotate_ : AutoRotate;
    if (turn != 0) {
        tree_->Rotate(turn > 0, now - lastTick_);
    } else {
        tree_->Render();
    }
    lastTick_ = now;
    update(layout::TreeControl);
}

void TFormTree::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, background_);
    TextFit(painter, layout::Welcome, QString::fromStdString(tree_->WelcomeText), TreeGreetingStyle(*tree_),
            false);
    tree_->PaintTo(layout::TreeControl.x(), layout::TreeControl.y(), painter);
}

void TFormTree::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    if (layout::TreeControl.contains(pos)) {
        holdRotate_ = turnDirectionAt(pos);
        return;
    }
    // A free spot moves the window.
    if (!windowHandle() || !windowHandle()->startSystemMove()) {
        dragging_ = true;
        dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
    }
}

void TFormTree::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        move(event->globalPosition().toPoint() - dragOffset_);
        return;
    }
    // Over the tree the cursor shows which way a press turns it.
    const QPoint pos = event->position().toPoint();
    if (layout::TreeControl.contains(pos)) {
        setCursor(pinewick::pinewickCursor(turnDirectionAt(pos) < 0 ? "ROTATEL" : "ROTATER"));
    } else {
        unsetCursor();
    }
}

void TFormTree::mouseReleaseEvent(QMouseEvent*) {
    holdRotate_ = 0;
    dragging_ = false;
}

void TFormTree::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (layout::TreeControl.contains(pos)) {
        AutoRotate = AutoRotate == 0 ? turnDirectionAt(pos) : 0;
    }
}

void TFormTree::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
    }
}
