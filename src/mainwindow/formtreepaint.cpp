// TFormTree: painting. Every face is copied from the window's pictures: the
// background, the command buttons' strips in Welcome.bmp and the cases' hot
// and pressed looks in Add.bmp.
#include "controls/control0.h"
#include "controls/controlnr.h"
#include "mainwindow/formtree.h"
#include "scene/tree.h"

#include <QPainter>

void TFormTree::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, background_);
}

void TFormTree::TreePaint() {
    if (tree_ && TreeControl->Canvas()) {
        tree_->PaintTo(0, 0, *TreeControl->Canvas());
        if (MarkerShown()) {
            DrawMarker(*TreeControl->Canvas());
        }
    }
}

// bOut, bWelcome, bMusic, bOptions: normal, hot and pressed side by side at
// x = 255, 325, 395, one row of 60 pixels per button.
void TFormTree::ButtonPaint(TControl0* sender) {
    sender->DrawButton(nullptr, 255, 52 + sender->Tag * sender->height(), buttons_, true, false);
}

// b2Help, b2Quit: their three looks one under another at x = 465.
void TFormTree::Button2Paint(TControl0* sender) {
    sender->DrawButton(nullptr, 465, 52 + 3 * sender->Tag * sender->height(), buttons_, false, false);
}

// Cases: the background under the case when at rest; the hot look of case k
// at (70 k, 0) and the pressed look at (70 k, 52) of the cases picture.
void TFormTree::CasePaint(TControl0* sender) {
    if (cases_.isNull()) {
        // Without its sprites a case keeps the background in every state.
        sender->DrawBk(background_, false);
        return;
    }
    sender->DrawButton(&background_, Cases[0]->width() * sender->Tag, 0, cases_, false, false);
}
