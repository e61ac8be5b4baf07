// The pictures of the toys in their cases: a strip of two frames of the slot's
// size, 24-bit BMP, the transparent colour in the top-left pixel.
#include "data_decor/decor_data.h"
#include "scene/keymeshes.h"

#include <QFile>
#include <QImage>
#include <algorithm>
#include <cmath>
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
        EXPECT_GT(opaque, 0) << path.toStdString() << ": the toy shows";
        EXPECT_LT(opaque, width * height * 9 / 10) << path.toStdString() << ": the slot keeps its outline";
        EXPECT_GT(changed, opaque / 2) << path.toStdString() << ": frame 1 is highlighted";
        EXPECT_EQ(outlineDiffers, 0) << path.toStdString();

        // The strip for dense screens: twice as fine, each frame's outline
        // made of whole blocks where the ordinary frame has its pixels.
        const QString finerPath = path.left(path.lastIndexOf('.')) + "@2x.png";
        const QImage finer(finerPath);
        ASSERT_EQ(finer.size(), strip.size() * 2) << finerPath.toStdString();
        int blocksDiffer = 0;
        for (int y = 0; y < finer.height(); ++y) {
            for (int x = 0; x < finer.width(); ++x) {
                blocksDiffer += ((finer.pixel(x, y) & 0xFFFFFF) != transparent) !=
                                ((strip.pixel(x / 2, y / 2) & 0xFFFFFF) != transparent);
            }
        }
        EXPECT_EQ(blocksDiffer, 0) << finerPath.toStdString();
    }
}

// The picture in the case is the toy at the size the tree's view shows it at
// the depth of the tree's axis (where a toy let go falls), so nothing changes
// size when it is let go; held where the pointer holds it: a hanging toy from
// the slot's top (on a thread), a standing one on the slot's bottom edge.
TEST(DecorPictures, ToysInTheCasesHaveTheirSizeInTheTreesView) {
    const DescriptionFile& file = defaultDecoration();
    // The camera 100 units in front of the origin, the view's field 0.5 over its 376 pixels.
    const float pixelsPerUnit = 376 * 0.5f / (0.5f * (100 - file.tree.position.z));
    for (std::size_t n = 0; n < file.descToys.size(); ++n) {
        const DescToyRecord& desc = file.descToys[n];
        SCOPED_TRACE(desc.ShapeFile);
        const int width = SlotSizes[n / 7][0], height = SlotSizes[n / 7][1];
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
            for (int x = 0; x < width; ++x) {
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
            EXPECT_GE(toy.bottom(), height - 2);
            EXPECT_LE(toy.height(), sizeY * scale + 2);
            EXPECT_GE(toy.height(), sizeY * scale * 0.6 - 1);
        }
    }
}

} // namespace
} // namespace decortest
