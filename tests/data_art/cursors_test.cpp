// The four cursors come out of the program's resources as 32 x 32
// two-colour cursors, each with its hot spot on its picture.
#include "controls/cursors.h"

#include <QBitmap>
#include <QImage>
#include <gtest/gtest.h>

namespace {

class Cursor : public ::testing::TestWithParam<const char*> {};

TEST_P(Cursor, IsATwoColourPictureWithItsHotSpotOnIt) {
    const QString name = GetParam();
    const QCursor cursor = pinewick::pinewickCursor(name);
    ASSERT_EQ(cursor.shape(), Qt::BitmapCursor) << GetParam();
    const QImage ink = cursor.bitmap().toImage();
    const QImage shown = cursor.mask().toImage();
    ASSERT_EQ(ink.size(), QSize(32, 32));
    ASSERT_EQ(shown.size(), QSize(32, 32));
    EXPECT_EQ(cursor.hotSpot(), pinewick::cursorHotSpot(name));

    // Both black and white pixels are shown (a dark motif with a light rim,
    // or the other way round), and much of the square stays transparent.
    int black = 0;
    int white = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (shown.pixelIndex(x, y) == 1) {
                (ink.pixelIndex(x, y) == 1 ? black : white)++;
            }
        }
    }
    EXPECT_GT(black, 30);
    EXPECT_GT(white, 30);
    EXPECT_LT(black + white, 32 * 32 / 2);
    // The hot spot lies on the drawing or right next to it.
    const QPoint hot = cursor.hotSpot();
    bool nearDrawing = false;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint at = hot + QPoint(dx, dy);
            nearDrawing |= QRect(0, 0, 32, 32).contains(at) && shown.pixelIndex(at) == 1;
        }
    }
    EXPECT_TRUE(nearDrawing) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Cursors, Cursor, ::testing::Values("ROTATEL", "ROTATER", "DRAG", "CLICK"));

TEST(Cursors, HaveTheirHotSpots) {
    EXPECT_EQ(pinewick::cursorHotSpot("ROTATEL"), QPoint(9, 4));
    EXPECT_EQ(pinewick::cursorHotSpot("ROTATER"), QPoint(5, 3));
    EXPECT_EQ(pinewick::cursorHotSpot("DRAG"), QPoint(11, 0));
    EXPECT_EQ(pinewick::cursorHotSpot("CLICK"), QPoint(12, 3));
}

TEST(Cursors, UnknownNameGivesTheArrow) {
    EXPECT_EQ(pinewick::pinewickCursor("HOURGLASS").shape(), Qt::ArrowCursor);
}

} // namespace
