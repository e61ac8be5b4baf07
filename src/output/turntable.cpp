#include "output/turntable.h"

#include "mainwindow/greetingpicture.h"
#include "mainwindow/layout.h"
#include "scene/tree.h"
#include "scene/treegltf.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

TTurntable::TTurntable(const QImage& windowBackground, TTree& tree, int frames)
    : tree_(tree), frames_(std::max(1, frames)) {
    tree_.treeFrame()->GetOrientation(tree_.sceneFrame().get(), direction_, up_);
    // Frame 0 is the card as it is mailed: the greeting is painted once, and
    // every frame only repaints the tree's square over it.
    tree_.AnimateToys(0);
    tree_.Render();
    still_ = GreetingPicture(windowBackground, tree_);
}

TTurntable::~TTurntable() {
    tree_.treeFrame()->SetOrientation(tree_.sceneFrame().get(), direction_, up_);
    tree_.AnimateToys(0);
    tree_.Render();
}

double TTurntable::ToyTime(double t, double loopMs, double periodMs) {
    if (!(periodMs > 0) || !(loopMs > 0)) {
        return t;
    }
    return t * LoopCycles(loopMs, periodMs) * periodMs / loopMs;
}

QImage TTurntable::Frame(int index) {
    if (index <= 0) {
        return still_;
    }
    const double t = LoopMs() * index / frames_;
    // Each ornament's own clock, so that all of them close their loops together.
    for (const auto& descToy : tree_.descToys()) {
        const double period = descToy->record().MeshCount > 1 ? descToy->record().MeshTime : 0;
        descToy->Animate(ToyTime(t, LoopMs(), period));
    }
    // Turned from where the user left the tree, never by adding up small
    // turns, so rounding cannot drift and the last frame leads into the first.
    const auto& frame = tree_.treeFrame();
    frame->SetOrientation(tree_.sceneFrame().get(), direction_, up_);
    tree_.Turn(static_cast<float>(2 * std::numbers::pi * index / frames_));
    tree_.Render();

    QImage card = still_;
    QPainter painter(&card);
    tree_.PaintTo(layout::TreeControl.x(), layout::TreeControl.y(), painter);
    return card;
}
