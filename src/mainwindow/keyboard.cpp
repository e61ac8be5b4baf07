// TFormTree: decorating with the keyboard. The controls take the focus in the
// order cases, slots, tree, greeting band, command buttons; a frame drawn in
// the window's colours shows which has it. Keys act only where the pointer
// could: while a toy falls or lands, or with the help up, the slots and the
// tree rest as they do under the mouse.
#include "controls/control0.h"
#include "controls/controlnr.h"
#include "controls/focusframe.h"
#include "mainwindow/formtree.h"
#include "scene/desctoy.h"
#include "scene/tree.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

void TFormTree::setupKeyboard() {
    // The window itself is no stop: keys reach it from whichever control has the focus.
    setFocusPolicy(Qt::NoFocus);
    std::vector<QWidget*> order(Cases.begin(), Cases.end());
    order.insert(order.end(), Toys.begin(), Toys.end());
    for (QWidget* control :
         {static_cast<QWidget*>(TreeControl), static_cast<QWidget*>(Welcome), static_cast<QWidget*>(bOut),
          static_cast<QWidget*>(bWelcome), static_cast<QWidget*>(bMusic), static_cast<QWidget*>(bOptions),
          static_cast<QWidget*>(b2Help), static_cast<QWidget*>(b2Quit)}) {
        order.push_back(control);
    }
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i]->setFocusPolicy(Qt::TabFocus);
        if (i > 0) {
            setTabOrder(order[i - 1], order[i]);
        }
    }
    marker_ = QPoint(TreeControl->width() / 2, TreeControl->height() / 2);
    focusFrame_ = new TFocusFrame(this);
    focusFrame_->TakesText = [this] {
        return WelcomeEditing();
    };
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        // Leaving the carried toy's slot puts the toy back.
        if (carriedSlot_ && now != carriedSlot_) {
            PutBackCarried();
        }
        TreeControl->update();
    });
}

bool TFormTree::MarkerShown() const {
    return carriedSlot_ || (TreeControl->hasFocus() && focusFrame_ && focusFrame_->KeyboardUsed());
}

bool TFormTree::KeyboardAction(QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    const int step = mods & Qt::ShiftModifier ? MarkerFineStep : MarkerStep;
    QPoint arrow;
    if (!(mods & Qt::ControlModifier)) {
        arrow = key == Qt::Key_Left    ? QPoint(-step, 0)
                : key == Qt::Key_Right ? QPoint(step, 0)
                : key == Qt::Key_Up    ? QPoint(0, -step)
                : key == Qt::Key_Down  ? QPoint(0, step)
                                       : QPoint();
    }
    const bool turnLeft = key == Qt::Key_PageUp || (key == Qt::Key_Left && mods & Qt::ControlModifier);
    const bool turnRight = key == Qt::Key_PageDown || (key == Qt::Key_Right && mods & Qt::ControlModifier);
    if (key == Qt::Key_F1) {
        b2HelpClick();
        return true;
    }

    if (carriedSlot_) {
        if (!arrow.isNull()) {
            MoveMarker(arrow);
        } else if (enter) {
            HangCarried();
        } else if (key == Qt::Key_Escape) {
            PutBackCarried();
        } else if (turnLeft || turnRight) {
            TurnByKey(turnLeft);
        } else {
            return false;
        }
        return true;
    }

    QWidget* focus = QApplication::focusWidget();
    if (focus == TreeControl) {
        if (!arrow.isNull()) {
            MoveMarker(arrow);
        } else if (key == Qt::Key_Delete) {
            RemoveNearestToy();
        } else if (turnLeft || turnRight) {
            TurnByKey(turnLeft);
        } else if (enter) {
            // A click on the tree ends greeting editing, and nothing else.
            NotWelcomeClick();
        } else {
            return false;
        }
        return true;
    }
    if (!enter) {
        return false;
    }
    if (auto* slot = qobject_cast<TControlNR*>(focus); slot && slot->objectName().startsWith("Toy")) {
        PickUpSlot(slot);
        return true;
    }
    if (auto* control = qobject_cast<TControl0*>(focus); control && control->parentWidget() == this) {
        clickByKey(control);
        return true;
    }
    return false;
}

void TFormTree::clickByKey(TControl0* control) {
    // What the pointer's press and release on the control's corner would do.
    if (control->OnMouseDown) {
        control->OnMouseDown(control, Qt::LeftButton, {}, 0, 0);
    }
    if (control->OnMouseUp) {
        control->OnMouseUp(control, Qt::LeftButton, {}, 0, 0);
    }
    if (control->OnClick) {
        control->OnClick(control);
    }
}

void TFormTree::PickUpSlot(TControlNR* slot) {
    TDescToy* descToy = SlotDescToy(slot);
    if (!tree_ || !descToy || InputState == StateFalling || InputState == StateLanding || IsHelpShowing() ||
        DraggedSlot) {
        return;
    }
    NotWelcomeClick();
    carriedSlot_ = slot;
    slotHomeLeft_ = slot->x();
    slotHomeTop_ = slot->y();
    // Held where the pointer would hold it: top centre or foot.
    grabX_ = slot->width() / 2;
    grabY_ = descToy->record().HangByTop ? 0 : slot->LowestShownRow();
    slot->raise();
    slot->SetState(0);
    SetMarker(marker_);
}

void TFormTree::placeCarried() {
    if (carriedSlot_) {
        carriedSlot_->move(TreeControl->pos() + marker_ - QPoint(grabX_, grabY_));
    }
}

void TFormTree::HangCarried() {
    TControlNR* slot = carriedSlot_;
    if (!slot) {
        return;
    }
    carriedSlot_ = nullptr;
    slot->move(slotHomeLeft_, slotHomeTop_);
    if (TDescToy* descToy = SlotDescToy(slot); descToy && tree_) {
        ReleaseToyAt(*descToy, marker_);
    }
    SetMarker(marker_);
}

void TFormTree::PutBackCarried() {
    if (!carriedSlot_) {
        return;
    }
    TControlNR* slot = carriedSlot_;
    carriedSlot_ = nullptr;
    slot->move(slotHomeLeft_, slotHomeTop_);
    TreeControl->update();
}

void TFormTree::SetMarker(QPoint p) {
    // Kept on the tree control, whose every pixel the pointer could reach.
    marker_ = QPoint(std::clamp(p.x(), 0, TreeControl->width() - 1),
                     std::clamp(p.y(), 0, TreeControl->height() - 1));
    markerOver_ = tree_ ? tree_->Pick(marker_.x(), marker_.y()).kind : TPickResult::Nothing;
    placeCarried();
    TreeControl->update();
    const QString over[] = {tr("Target off the tree."), tr("Target on the tree."), tr("Target on a toy.")};
    TreeControl->setAccessibleDescription(tr("%1 Arrow keys move the target; Delete removes the nearest toy; "
                                             "Page Up and Page Down turn the tree")
                                              .arg(over[markerOver_]));
}

void TFormTree::MoveMarker(QPoint by) {
    if (InputState == StateFalling || InputState == StateLanding) {
        return;
    }
    SetMarker(marker_ + by);
}

void TFormTree::RemoveNearestToy() {
    if (!tree_ || InputState == StateFalling || InputState == StateLanding || IsHelpShowing()) {
        return;
    }
    NotWelcomeClick();
    if (TToy* toy = tree_->NearestToy(marker_.x(), marker_.y())) {
        history_->RemoveToy(toy);
        SetMarker(marker_);
    }
}

void TFormTree::TurnByKey(bool left) {
    if (!tree_ || InputState == StateFalling || InputState == StateLanding || IsHelpShowing()) {
        return;
    }
    tree_->Rotate(left, static_cast<double>(tree_->TimeForRotate()) / TurnsPerRound);
    SetMarker(marker_);
}

void TFormTree::DrawMarker(QPainter& canvas) const {
    // A ring with a cross in the frame's gold where a toy would hang; grey
    // where it would fall.
    const bool onTree = markerOver_ == TPickResult::Tree;
    const QColor light = onTree ? QColor(255, 214, 90) : QColor(200, 200, 200);
    const QColor shadow(40, 24, 0);
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing);
    const QPointF c = QPointF(marker_) + QPointF(0.5, 0.5);
    for (const auto& [color, width] : {std::pair{shadow, 4.0}, std::pair{light, 2.0}}) {
        canvas.setPen(QPen(color, width, onTree ? Qt::SolidLine : Qt::DashLine, Qt::RoundCap));
        canvas.setBrush(Qt::NoBrush);
        canvas.drawEllipse(c, 9, 9);
        canvas.drawLine(c + QPointF(-15, 0), c + QPointF(-5, 0));
        canvas.drawLine(c + QPointF(5, 0), c + QPointF(15, 0));
        canvas.drawLine(c + QPointF(0, -15), c + QPointF(0, -5));
        canvas.drawLine(c + QPointF(0, 5), c + QPointF(0, 15));
    }
    canvas.setPen(Qt::NoPen);
    canvas.setBrush(light);
    canvas.drawEllipse(c, 1.5, 1.5);
    canvas.restore();
}
