// The default decoration rendered through the scene's own renderer, as the
// program shows it at its first start. The picture is kept as
// $PINEWICK_BUILD_DIR/decor-preview.png for people to look at.
#include "data_decor/decor_data.h"
#include "data_decor/decor_scene.h"
#include "support/test_paths.h"

#include <QPainter>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>

namespace decortest {
namespace {

int count(const QImage& image, const std::function<bool(QRgb)>& test) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += test(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return n;
}

// Per mille of the picture.
int share(const QImage& image, const std::function<bool(QRgb)>& test) {
    return count(image, test) * 1000 / (image.width() * image.height());
}

TEST(DefaultDecorationPicture, ShowsADecoratedTreeFillingTheView) {
    const DecorScene scene = buildDecorScene(defaultDecoration(), dataDir());
    const long treeTriangles = triangleCount(*scene.tree) - [&] {
        long toys = 0;
        for (const auto& child : scene.tree->children()) {
            toys += triangleCount(*child);
        }
        return toys;
    }();
    std::printf("tree: %ld triangles; whole scene: %ld triangles\n", treeTriangles,
                triangleCount(*scene.scene));

    const QImage picture = renderDecorScene(scene, 370, 376);
    ASSERT_FALSE(picture.isNull()) << "no 3D device";
    // Over a dark winter blue, as a person would see it on the window.
    QImage shown(picture.size(), QImage::Format_RGB32);
    shown.fill(QColor(22, 34, 64));
    QPainter painter(&shown);
    painter.drawImage(0, 0, picture);
    painter.end();
    shown.save(testsupport::buildDir() + "/decor-preview.png");

    // The tree covers a good part of the view (standing back, as in the
    // window, so that its foot shows above the cases), and is green.
    const int covered = share(picture, [](QRgb p) { return qAlpha(p) > 128; });
    EXPECT_GT(covered, 100) << "tree and toys cover too little of the view (per mille)";
    EXPECT_LT(covered, 800);
    const int green = share(picture, [](QRgb p) { return qAlpha(p) > 128 && qGreen(p) > qRed(p) + 20; });
    EXPECT_GT(green, 60);
    // The toys show: red ornaments and gold ones among the needles.
    const int red =
        share(picture, [](QRgb p) { return qAlpha(p) > 128 && qRed(p) > 120 && qRed(p) > 2 * qGreen(p); });
    EXPECT_GE(red, 2);
    // Pure white shows the background through the scene: no lit surface may reach it.
    EXPECT_EQ(count(picture, [](QRgb p) { return qAlpha(p) == 255 && (p & 0xFFFFFF) == 0xFFFFFF; }), 0);
    // Nothing is cut off at the top: the first rows are empty.
    for (int x = 0; x < picture.width(); ++x) {
        ASSERT_EQ(qAlpha(picture.pixel(x, 0)), 0) << "something reaches the top edge at x " << x;
    }
}

} // namespace
} // namespace decortest
