// TFormTree: decorating. One small state machine (InputState) follows the
// pointer over the cases, the toy slots and the tree: a toy dragged out of its
// slot hangs where it is released over the tree or falls to the floor; a
// right press on a hung toy removes it; holding the left button on a half of
// the tree turns it that way; a double click sets it turning by itself.
// IdleStep advances everything that moves, once per display frame.
#include "controls/control0.h"
#include "controls/controlnr.h"
#include "mainwindow/formtree.h"
#include "platform/paths.h"
#include "platform/timethread.h"
#include "scene/desctoy.h"
#include "scene/toy.h"
#include "scene/tree.h"

#include <QApplication>

// The description a slot is bound to by the tree's catalogue.
TDescToy* SlotDescToy(const QWidget* slot) {
    return static_cast<TDescToy*>(slot->property("descToy").value<void*>());
}

namespace {

// A new toy looks at the camera, upright.
constexpr rm::Vector toyDirection{0, 0, 0.1f};
constexpr rm::Vector toyUp{0, 1, 0};

} // namespace

void TFormTree::CaseClick(TControl0* sender) {
    if (IsHelpShowing()) {
        return;
    }
    const int k = sender->Tag;
    for (int n = 0; n < 49; ++n) {
        TControlNR* slot = Toys[static_cast<std::size_t>(n)];
        // A slot the catalogue left without a toy stays empty.
        slot->setVisible(7 * k <= n && n < 7 * k + 7 && SlotDescToy(slot));
    }
}

// Toy slots.

void TFormTree::ToyMouseEnter(TControl0* sender) {
    static_cast<TControlNR*>(sender)->SetState(1);
}

void TFormTree::ToyMouseLeave(TControl0* sender) {
    static_cast<TControlNR*>(sender)->SetState(0);
}

void TFormTree::ToyMouseMove(TControl0* sender, int x, int y) {
    if (InputState == StateFalling || InputState == StateLanding) {
        return;
    }
    if (InputState == StateDragSlot) {
        if (sender == DraggedSlot) {
            // The grab point stays under the pointer.
            sender->move(sender->x() + x - grabX_, sender->y() + y - grabY_);
        }
        return;
    }
    if (InputState != StateSlot) {
        InputState = StateSlot;
        sender->setCursor(cursors_[crDrag]);
    }
}

void TFormTree::ToyMouseDown(TControl0* sender, Qt::MouseButton button) {
    if (InputState == StateFalling || InputState == StateLanding || IsHelpShowing()) {
        return;
    }
    PutBackCarried();
    NotWelcomeClick();
    if (button != Qt::LeftButton) {
        return;
    }
    InputState |= StateHeld;
    if (InputState != StateDragSlot) {
        return;
    }
    auto* slot = static_cast<TControlNR*>(sender);
    DraggedSlot = slot;
    slot->raise();
    slot->SetState(0);
    const TDescToy* descToy = SlotDescToy(slot);
    // Held by its top centre when it hangs by its top, else by its foot.
    grabX_ = slot->width() / 2;
    grabY_ = descToy && descToy->record().HangByTop ? 0 : slot->LowestShownRow();
    slotHomeLeft_ = slot->x();
    slotHomeTop_ = slot->y();
}

void TFormTree::ToyMouseUp(TControl0* sender, int x, int y) {
    if (InputState != StateDragSlot) {
        // A press that did not start a drag is over with its release.
        if (InputState & StateHeld) {
            InputState = StateRest;
        }
        return;
    }
    InputState = StateRest;
    const QPoint p = ConvertPoint(QPoint(x, y), sender, TreeControl);
    TDescToy* descToy = SlotDescToy(sender);
    // Both edges of the tree control count as over the tree.
    if (tree_ && descToy && p.x() >= 0 && p.x() <= TreeControl->width() && p.y() >= 0 &&
        p.y() <= TreeControl->height()) {
        ReleaseToyAt(*descToy, p);
    }
    sender->move(slotHomeLeft_, slotHomeTop_);
    DraggedSlot = nullptr;
}

void TFormTree::ReleaseToyAt(TDescToy& descToy, QPoint p) {
    rm::Vector hit{0, 0, 0};
    const TPickResult result = tree_->Pick(p.x(), p.y(), &hit);
    const bool hangs = result.kind == TPickResult::Tree && (!descToy.IsTop() || tree_->FitTop(hit));
    if (hangs) {
        // A top stands on the tip; any other toy hangs in front of the needles.
        const rm::Vector at = descToy.IsTop() ? hit : tree_->HangPoint(descToy, hit);
        history_->ToyHung(tree_->AddToy(descToy, toyDirection, toyUp, at));
        return;
    }
    // Missed the tree, hit another toy, or a top that may not go there: it falls.
    const rm::Vector start = tree_->ScreenToTree(p.x(), p.y());
    DropToy = tree_->AddToy(descToy, toyDirection, toyUp, start);
    tree_->StartDrop(start);
    InputState = StateFalling;
    HourglassOn();
    LastTick = TimeThread ? TimeThread->ElapsedMs() : LastTick;
}

// The tree.

void TFormTree::TreeMouseMove(int x, int) {
    if (InputState == StateFalling || InputState == StateLanding || InputState >= StateHeld) {
        return;
    }
    const int s = x < TreeControl->width() / 2 ? StateTreeLeft : StateTreeRight;
    if (s != InputState) {
        InputState = s;
        TreeControl->setCursor(
            cursors_[static_cast<std::size_t>(s == StateTreeLeft ? crRotateL : crRotateR)]);
    }
}

void TFormTree::TreeMouseDown(Qt::MouseButton button, int x, int y) {
    if (InputState == StateFalling || InputState == StateLanding) {
        return;
    }
    PutBackCarried();
    NotWelcomeClick();
    if (button == Qt::LeftButton) {
        InputState |= StateHeld;
        if (InputState == StateTurnLeft || InputState == StateTurnRight) {
            LastTick = TimeThread ? TimeThread->ElapsedMs() : LastTick;
        }
    } else if (button == Qt::RightButton && tree_) {
        const TPickResult result = tree_->Pick(x, y);
        if (result.kind == TPickResult::Toy) {
            DropToy = result.toy;
            InputState = StateRemove;
        }
    }
}

void TFormTree::TreeMouseUp(int x, int y) {
    if (InputState == StateFalling || InputState == StateLanding) {
        return;
    }
    if (InputState == StateRemove && tree_) {
        history_->RemoveToy(DropToy);
        DropToy = nullptr;
    }
    LastTick = TimeThread ? TimeThread->ElapsedMs() : LastTick;
    InputState = StateRest;
    // The pointer is seen again where the button came up, as the move that
    // follows the end of a mouse capture: the state and the cursor show the
    // half under it at once.
    if (TreeControl->rect().contains(x, y)) {
        TreeMouseMove(x, y);
    }
}

void TFormTree::TreeControlDblClick() {
    // The double click's own press has already set bit 7: the half under the
    // pointer is what counts.
    const int half = InputState & ~StateHeld;
    if (half != StateTreeLeft && half != StateTreeRight) {
        return;
    }
    if (AutoRotate != 0) {
        AutoRotate = 0;
    } else {
        AutoRotate = half == StateTreeRight ? 1 : -1;
    }
}

void TFormTree::FormMouseMove() {
    if (InputState != StateRest && InputState != StateFalling && InputState != StateLanding) {
        InputState = StateRest;
    }
}

// The step.

bool TFormTree::DialogShowing() const {
    // A dialog above the window (greeting editor, driver dialog, About box,
    // output dialog, a message) holds the clock.
    const QWidget* modal = QApplication::activeModalWidget();
    return modal && modal != this;
}

bool TFormTree::ToysAnimate() const {
    for (const auto& toy : tree_->toys()) {
        const DescToyRecord& record = toy->descToy().record();
        if (record.MeshCount > 1 && record.MeshTime > 0) {
            return true;
        }
    }
    return false;
}

void TFormTree::RenderTree() {
    tree_->Render();
}

void TFormTree::IdleStep() {
    // Time spent in a dialog or with the help up counts as elapsed afterwards.
    if (!tree_ || DialogShowing() || IsHelpShowing()) {
        return;
    }
    const int now = TimeThread ? TimeThread->ElapsedMs() : LastTick + frameTimer_.interval();
    // Turning frames may be drawn quicker; the still tree gets full quality again.
    const bool falling = InputState == StateFalling || InputState == StateLanding;
    tree_->SetTurning(InputState == StateTurnLeft || InputState == StateTurnRight ||
                      (AutoRotate != 0 && !falling));
    switch (InputState) {
    case StateFalling:
        // The fall's time runs from the release.
        if (tree_->DropStep(DropToy, now - LastTick)) {
            InputState = StateLanding;
            tree_->StartLanding(DropToy, DropMediaPlayer());
            LastTick = now;
        }
        return;
    case StateLanding:
        // The landing's time runs from the end of the fall.
        if (tree_->LandingStep(now - LastTick)) {
            InputState = StateRest;
            DropToy = nullptr;
            HourglassOff();
            NameTree();
        }
        RenderTree();
        return;
    case StateTurnLeft:
        tree_->Rotate(true, now - LastTick);
        break;
    case StateTurnRight:
        tree_->Rotate(false, now - LastTick);
        break;
    default: {
        // A still tree with still toys is not drawn again. While the tree
        // turns, the toys move at the display rate; on a still tree their own
        // animations are paced (about thirty steps a second), and Render draws
        // only the rectangles they changed.
        const bool toysMove = ToysAnimate();
        if (AutoRotate != 0) {
            if (toysMove) {
                tree_->AnimateToys(now);
            }
            tree_->Rotate(AutoRotate == -1, now - LastTick);
        } else if (toysMove && tree_->AnimateToysPaced(now)) {
            RenderTree();
        }
        break;
    }
    }
    LastTick = now;
}
