// The outline of a 32-bit picture: horizontal runs of pixels that differ from
// the transparent colour in their low 24 bits.
#include "controls/bitmapregion.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb kKey = 0xFF00FF00;

QImage Transparent(int w, int h) {
    QImage picture(w, h, QImage::Format_RGB32);
    picture.fill(kKey);
    return picture;
}

std::vector<QRect> Rects(const QRegion& region) {
    return {region.begin(), region.end()};
}

TEST(CreateRegionFromBitmap32, AllTransparentIsEmpty) {
    EXPECT_TRUE(CreateRegionFromBitmap32(Transparent(20, 10), 20, 10, kKey).isEmpty());
}

TEST(CreateRegionFromBitmap32, SingleOpaquePixel) {
    QImage picture = Transparent(20, 10);
    picture.setPixel(7, 4, 0xFF000000);
    EXPECT_EQ(Rects(CreateRegionFromBitmap32(picture, 20, 10, kKey)), std::vector<QRect>{QRect(7, 4, 1, 1)});
    // At the last column the run is closed by the end of the row.
    picture.setPixel(7, 4, kKey);
    picture.setPixel(19, 9, 0xFF000001);
    EXPECT_EQ(Rects(CreateRegionFromBitmap32(picture, 20, 10, kKey)), std::vector<QRect>{QRect(19, 9, 1, 1)});
}

TEST(CreateRegionFromBitmap32, FullyOpaqueRowIsOneRect) {
    QImage picture = Transparent(20, 10);
    for (int x = 0; x < 20; ++x) {
        picture.setPixel(x, 3, 0xFF102030);
    }
    EXPECT_EQ(Rects(CreateRegionFromBitmap32(picture, 20, 10, kKey)), std::vector<QRect>{QRect(0, 3, 20, 1)});
}

TEST(CreateRegionFromBitmap32, AlphaByteIsIgnoredAndMatchIsExact) {
    QImage picture(4, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, 0x0000FF00); // the key with another alpha: transparent
    picture.setPixel(1, 0, 0xFF00FF01); // one step away: opaque
    picture.setPixel(2, 0, 0x7F00FF00);
    picture.setPixel(3, 0, 0xFF01FF00);
    EXPECT_EQ(Rects(CreateRegionFromBitmap32(picture, 4, 1, kKey)),
              (std::vector<QRect>{QRect(1, 0, 1, 1), QRect(3, 0, 1, 1)}));
}

TEST(CreateRegionFromBitmap32, EveryOpaquePixelAndNothingElse) {
    // A ring with a hole, and a few stray pixels.
    QImage picture = Transparent(40, 30);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            const int dx = x - 20, dy = y - 15;
            const int d = dx * dx + dy * dy;
            if ((d < 144 && d > 25) || (x * 7 + y * 3) % 37 == 0) {
                picture.setPixel(x, y, 0xFF000000 | (x * 5 << 8) | y);
            }
        }
    }
    const QRegion region = CreateRegionFromBitmap32(picture, 40, 30, kKey);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            EXPECT_EQ(region.contains(QPoint(x, y)), picture.pixel(x, y) != kKey) << x << "," << y;
        }
    }
    // The region is Qt's own canonical form: equal to one built by unions.
    QRegion united;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            if (picture.pixel(x, y) != kKey) {
                united += QRect(x, y, 1, 1);
            }
        }
    }
    EXPECT_EQ(region, united);

    // The same outline drawn twice as fine, with stray pixels of the key
    // colour inside blocks: read in window pixels, it gives the same region.
    QImage finer = picture.scaled(80, 60);
    finer.setPixel(41, 31, kKey);
    finer.setDevicePixelRatio(2);
    EXPECT_EQ(CreateRegionFromBitmap32(finer, 40, 30, kKey), region);
    EXPECT_EQ(CreateRegionFromBitmap32(finer, 10, 30, kKey), region & QRegion(0, 0, 10, 30));
}

TEST(CreateRegionFromBitmap32, OnlyTheRequestedCorner) {
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(0xFF000000);
    EXPECT_EQ(CreateRegionFromBitmap32(picture, 4, 3, kKey), QRegion(0, 0, 4, 3));
}

TEST(CreateRegionFromBitmap32, SizeBeyondThePictureReadsNothingOutside) {
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(0xFF000000);
    EXPECT_EQ(CreateRegionFromBitmap32(picture, 300, 200, kKey), QRegion(0, 0, 3, 2));
    EXPECT_TRUE(CreateRegionFromBitmap32(QImage(), 64, 32, kKey).isEmpty());
    EXPECT_TRUE(CreateRegionFromBitmap32(picture, -5, 2, kKey).isEmpty());
}

TEST(CreateRegionFromBitmap32, OtherFormatsAreReadAsColours) {
    QImage picture(2, 1, QImage::Format_RGB888);
    picture.setPixel(0, 0, kKey);
    picture.setPixel(1, 0, 0xFF123456);
    EXPECT_EQ(CreateRegionFromBitmap32(picture, 2, 1, kKey), QRegion(1, 0, 1, 1));
}

} // namespace
