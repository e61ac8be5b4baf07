// The pictures of the toys in their cases: a strip of two frames of the slot's
// size, 24-bit BMP, the transparent colour in the top-left pixel.
#include "data_decor/decor_data.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace decortest {
namespace {

// Slot width and height of each case, in case order.
constexpr int SlotSizes[7][2] = {{38, 42}, {25, 36}, {8, 49}, {38, 35}, {29, 32}, {6, 49}, {18, 47}};

int bitsPerPixel(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QByteArray header = file.read(30);
    return header.size() == 30 && header.startsWith("BM") ? static_cast<unsigned char>(header[28]) : 0;
}

TEST(DecorPictures, EveryToyHasAStripOfItsSlotsSizeWithATransparentCorner) {
    const auto& descs = defaultDecoration().descToys;
    ASSERT_EQ(descs.size(), 49u);
    for (std::size_t n = 0; n < descs.size(); ++n) {
        const QString path = QString::fromStdString(dataDir() + descs[n].ShapeFile);
        const int width = SlotSizes[n / 7][0], height = SlotSizes[n / 7][1];
        EXPECT_EQ(bitsPerPixel(path), 24) << path.toStdString();
        const QImage strip(path);
        ASSERT_EQ(strip.size(), QSize(2 * width, height)) << path.toStdString();

        const QRgb transparent = strip.pixel(0, 0) & 0xFFFFFF;
        int opaque = 0, changed = 0, outlineDiffers = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const bool normal = (strip.pixel(x, y) & 0xFFFFFF) != transparent;
                const bool hot = (strip.pixel(x + width, y) & 0xFFFFFF) != transparent;
                opaque += normal ? 1 : 0;
                changed += normal && strip.pixel(x, y) != strip.pixel(x + width, y) ? 1 : 0;
                // The control's outline is cut from frame 0: the hot frame may not reach outside it.
                outlineDiffers += normal != hot ? 1 : 0;
            }
        }
        EXPECT_GT(opaque, width * height / 10) << path.toStdString() << ": the toy fills its slot";
        EXPECT_LT(opaque, width * height * 9 / 10) << path.toStdString() << ": the slot keeps its outline";
        EXPECT_GT(changed, opaque / 2) << path.toStdString() << ": frame 1 is highlighted";
        EXPECT_EQ(outlineDiffers, 0) << path.toStdString();
    }
}

} // namespace
} // namespace decortest
