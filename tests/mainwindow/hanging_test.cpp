// Toys let go on the tree show in front of its needles, and every toy in its
// case is easy to hit: the main window driven through its window, rendered
// with the real OpenGL renderer.
#include "mainwindow/window_fixture.h"
#include "scene/desctoy.h"
#include "scene/scenevector.h"
#include "scene/toy.h"

#include <QImage>

namespace {

using testsupport::treeOrigin;

class HangingTest : public testsupport::WindowFixture {
protected:
    // Pixels of the tree control's picture, rendered afresh.
    QImage render() const { return tree().RenderAt(tree().size()).convertToFormat(QImage::Format_ARGB32); }

    // The share of the only toy's pixels that the camera sees: the pixels it
    // changes in the tree's picture, over the pixels it covers drawn alone.
    double visibleShare(TToy* toy) {
        const QImage with = render();
        std::unique_ptr<TToy> taken = tree().TakeToy(toy);
        const QImage without = render();
        const auto visuals = tree().treeFrame()->visuals();
        for (const auto& visual : visuals) {
            tree().treeFrame()->DeleteVisual(visual.get());
        }
        tree().PutToy(std::move(taken), 0);
        const QImage alone = render();
        for (const auto& visual : visuals) {
            tree().treeFrame()->AddVisual(visual);
        }
        int seen = 0, drawn = 0;
        for (int y = 0; y < alone.height(); ++y) {
            for (int x = 0; x < alone.width(); ++x) {
                drawn += qAlpha(alone.pixel(x, y)) > 0;
                seen += with.pixel(x, y) != without.pixel(x, y);
            }
        }
        return drawn ? double(seen) / drawn : 0.0;
    }
};

// Each of the 42 toys that hang (the tops stand on the tip) is dragged out of
// its case and let go on the foliage of an empty tree, high, in the middle
// and low down: it shows at least two thirds of itself, hangs on the ray
// through the pointer in front of the needles hit there, and is saved there.
TEST_F(HangingTest, EveryToyLetGoOnTheTreeShowsTwoThirdsOfItself) {
    if (GetDXVersion() < 0x600) {
        GTEST_SKIP() << "needs OpenGL 3.3";
    }
    TFormTree& form = open();
    while (!tree().toys().empty()) {
        tree().RemoveToy(tree().toys().back().get());
    }
    const QPoint targets[] = {{185, 110}, {192, 200}, {178, 290}};
    for (int n = 0; n < 42; ++n) {
        const QString slot = "Toy" + QString::number(n);
        SCOPED_TRACE(slot.toStdString());
        form.CaseClick(control("Case" + QString::number(n / 7)));
        const QPoint target = targets[n % 3];
        rm::Vector foliage;
        ASSERT_EQ(tree().Pick(target.x(), target.y(), &foliage).kind, TPickResult::Tree);
        dragSlot(slot, treeOrigin + target);
        ASSERT_EQ(tree().toys().size(), 1u);
        TToy* toy = tree().toys().back().get();

        EXPECT_GE(visibleShare(toy), 2.0 / 3.0);
        // On the pick's ray, under the pointer, between the camera and the foliage.
        const auto inCamera = [this](const TVector& v) {
            return tree().cameraFrame()->InverseTransform(tree().treeFrame()->Transform(ToSceneVector(v)));
        };
        const rm::Vector near = inCamera(toy->record().position), far = inCamera(ToFileVector(foliage));
        EXPECT_LE(near.z, far.z);
        EXPECT_NEAR(glm::length(near / near.z - far / far.z), 0, 1e-4);
        EXPECT_NE(savedText().indexOf(QByteArray::fromStdString(toy->SaveLine())), -1);
        tree().RemoveToy(toy);
    }
}

// A candle in its case is a stick a few pixels wide: its slot takes a press
// 10 pixels beside it, up to the slot's 24-pixel width, and a press beyond
// the slot turns nothing into a drag. Every slot is at least 24 × 32 around
// a toy that stands clear of the shelf's back edge.
TEST_F(HangingTest, ASlotTakesAPressBesideItsThinToy) {
    TFormTree& form = open();
    for (int n = 0; n < 49; ++n) {
        const QWidget* slot = control("Toy" + QString::number(n));
        EXPECT_GE(slot->width(), 24) << n;
        EXPECT_GE(slot->height(), 32) << n;
    }
    form.CaseClick(control("Case5"));
    const auto* candle = control<TControlNR>("Toy35");
    // Its foot on the snow along the shelf's back, there from row 409 down.
    EXPECT_EQ(candle->y() + candle->LowestShownRow(), 408);
    const QPoint middle = candle->geometry().center() + QPoint(1, 0); // x = 90 of a 24-wide slot
    ASSERT_EQ(middle.x(), 90);
    const struct {
        int dx;
        bool picks;
    } rows[] = {{10, true}, {-10, true}, {11, true}, {-12, true}, {12, false}, {-13, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.dx);
        const QPoint p = middle + QPoint(row.dx, 0);
        move(p + QPoint(0, 1));
        move(p);
        press(p, Qt::LeftButton);
        EXPECT_EQ(form.DraggedSlot == candle, row.picks);
        EXPECT_EQ(form.InputState == TFormTree::StateDragSlot, row.picks);
        release(p, Qt::LeftButton);
        EXPECT_EQ(form.DraggedSlot, nullptr);
        EXPECT_EQ(candle->geometry().center().x(), 89);
    }
}

} // namespace
