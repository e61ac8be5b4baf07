// The pictures of the toys in their cases: a strip of two frames of the slot's
// size, 24-bit BMP, the transparent colour in the top-left pixel; a thin toy's
// picture in the middle of a slot of at least 24 × 32.
#include "data_decor/decor_data.h"
#include "scene/keymeshes.h"

#include <QFile>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace decortest {
namespace {

// Slot width and height of each case, in case order, and the size of the
// toy's picture in it.
constexpr int SlotSizes[7][2] = {{38, 42}, {25, 36}, {24, 49}, {38, 35}, {29, 32}, {24, 49}, {24, 47}};
constexpr int PictureSizes[7][2] = {{38, 42}, {25, 36}, {8, 49}, {38, 35}, {29, 32}, {6, 49}, {18, 47}};

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
        int opaque = 0, hotOpaque = 0, changed = 0, outlineDiffers = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const bool normal = (strip.pixel(x, y) & 0xFFFFFF) != transparent;
                const bool hot = (strip.pixel(x + width, y) & 0xFFFFFF) != transparent;
                opaque += normal ? 1 : 0;
                hotOpaque += hot ? 1 : 0;
                changed += normal && strip.pixel(x, y) != strip.pixel(x + width, y) ? 1 : 0;
                // The control's outline is cut from frame 0: the hot frame may not reach outside it.
                outlineDiffers += normal != hot ? 1 : 0;
            }
        }
        EXPECT_GT(opaque, 0) << path.toStdString() << ": the toy shows";
        EXPECT_LT(opaque, width * height * 9 / 10) << path.toStdString() << ": the slot keeps its outline";
        // The toy's picture keeps its size in the middle of the slot.
        const int pictureWidth = PictureSizes[n / 7][0];
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if ((strip.pixel(x, y) & 0xFFFFFF) != transparent) {
                    EXPECT_GE(x, (width - pictureWidth) / 2) << path.toStdString();
                    EXPECT_LT(x, (width - pictureWidth) / 2 + pictureWidth) << path.toStdString();
                }
            }
        }
        EXPECT_GT(changed, opaque / 2) << path.toStdString() << ": frame 1 is highlighted";
        EXPECT_EQ(outlineDiffers, 0) << path.toStdString();

        // The strip for dense screens: twice as fine, with the toy's coverage
        // as alpha (a smooth edge) where the ordinary strip shows the toy.
        const QString finerPath = path.left(path.lastIndexOf('.')) + "@2x.png";
        const QImage finer = QImage(finerPath).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(finer.size(), strip.size() * 2) << finerPath.toStdString();
        int solidBlocks = 0, partial = 0;
        for (int y = 0; y < finer.height(); ++y) {
            for (int x = 0; x < finer.width(); ++x) {
                const int alpha = qAlpha(finer.pixel(x, y));
                solidBlocks += alpha >= 128;
                partial += alpha > 0 && alpha < 255;
            }
        }
        EXPECT_EQ(qAlpha(finer.pixel(0, 0)), 0) << finerPath.toStdString();
        EXPECT_NEAR(solidBlocks, 4 * (opaque + hotOpaque), 4 * (opaque + hotOpaque) / 4 + 8)
            << finerPath.toStdString();
        EXPECT_GT(partial, 0) << finerPath.toStdString();
    }
}

// The picture in the case is the toy at the size the tree's view shows it at
// the depth of the tree's axis (where a toy let go falls), so nothing changes
// size when it is let go; held where the pointer holds it: a hanging toy from
// the slot's top (on a thread), a standing one by its foot.
TEST(DecorPictures, ToysInTheCasesHaveTheirSizeInTheTreesView) {
    const DescriptionFile& file = defaultDecoration();
    // The camera 100 units in front of the origin, the view's field 0.5 over its 376 pixels.
    const float pixelsPerUnit = 376 * 0.5f / (0.5f * (100 - file.tree.position.z));
    for (std::size_t n = 0; n < file.descToys.size(); ++n) {
        const DescToyRecord& desc = file.descToys[n];
        SCOPED_TRACE(desc.ShapeFile);
        const int width = PictureSizes[n / 7][0], height = PictureSizes[n / 7][1];
        const int slotWidth = SlotSizes[n / 7][0];
        const KeyMeshSet set = LoadKeyMeshes({.pattern = dataDir() + desc.MeshFile,
                                              .count = 1,
                                              .span = 0,
                                              .anchor = AnchorByTop(desc.HangByTop != 0),
                                              .scale = desc.Scale,
                                              .recolour = std::nullopt});
        ASSERT_TRUE(set.mesh);
        const rm::Box box = set.mesh->GetBox();
        const float sizeX = box.max.x - box.min.x, sizeY = box.max.y - box.min.y;
        // A toy too big for its slot is shrunk to fit it.
        const float scale = std::min(pixelsPerUnit, 0.96f * std::min(width / sizeX, height / sizeY));

        const QImage strip(QString::fromStdString(dataDir() + desc.ShapeFile));
        const QRgb transparent = strip.pixel(0, 0);
        QRect toy;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < slotWidth; ++x) {
                if (strip.pixel(x, y) != transparent) {
                    toy |= QRect(x, y, 1, 1);
                }
            }
        }
        // Never bigger than the toy in the view; smaller only where thin
        // points (a star's rays, a top's spire) cover less than half a pixel.
        EXPECT_LE(toy.width(), sizeX * scale + 2);
        EXPECT_GE(toy.width(), sizeX * scale * 0.6 - 1);
        if (desc.HangByTop) {
            EXPECT_EQ(toy.top(), 0); // the thread
            EXPECT_LE(toy.bottom(), sizeY * scale + 2);
        } else {
            // Its foot on the snow along the shelf's back, whose top wavers
            // between rows 406 and 410 (window rows, in a slot standing on
            // row 419), clear of the shelf's edge.
            const int foot[2][7] = {{408, 407, 408, 405, 409, 406, 408}, {408, 406, 407, 405, 409, 406, 408}};
            EXPECT_EQ(419 - height + toy.bottom(), foot[n / 7 == 6][n % 7]);
            EXPECT_LE(toy.height(), sizeY * scale + 2);
            EXPECT_GE(toy.height(), sizeY * scale * 0.6 - 1);
        }
    }
}

} // namespace
} // namespace decortest
