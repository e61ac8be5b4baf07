#pragma once
// A card for the card-file tests: a scratch home with the default decoration,
// the window's background and the tree rendered once, ready to export.
#include "scene/tree.h"
#include "support/scratch_home.h"

#include <QImage>
#include <memory>

namespace testcard {

struct Card {
    testsupport::ScratchHome home;
    QImage window;
    std::unique_ptr<TTree> tree;
};

Card MakeCard(const QString& name);

} // namespace testcard
