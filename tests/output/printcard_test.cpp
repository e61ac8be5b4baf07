// Printing the card: the page places of the window's rectangles, and a real
// print to PDF at a chosen resolution, read back with pdftoppm.
#include "output/printcard.h"
#include "platform/paths.h"
#include "scene/openglprobe.h"
#include "scene/tree.h"
#include "support/scratch_home.h"

#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

using output::TPrintLayout;

TEST(PrintLayout, PlacesOfA600DpiPage) {
    const TPrintLayout page = TPrintLayout::ForPage(4960, 600, 600);
    EXPECT_EQ(page.mx, 236);
    EXPECT_EQ(page.my, 236);
    EXPECT_EQ(page.W, 4488);
    EXPECT_EQ(page.Map({0, 0, 640, 422}), QRect(236, 236, 4488, 2959));
    EXPECT_EQ(page.Map({135, 0, 370, 32}), QRect(1182, 236, 2594, 224));
    EXPECT_EQ(page.Map({135, 32, 370, 376}), QRect(1182, 460, 2594, 2636));
}

TEST(PrintLayout, TallPixelsKeepTheProportions) {
    // Twice the vertical resolution: every height and top doubles (bar the
    // margin, which is 10 mm either way), widths stay.
    const TPrintLayout square = TPrintLayout::ForPage(2480, 300, 300);
    const TPrintLayout tall = TPrintLayout::ForPage(2480, 300, 600);
    EXPECT_EQ(tall.mx, square.mx);
    EXPECT_EQ(tall.my, 2 * square.my);
    for (const QRect window : {QRect(0, 0, 640, 422), QRect(135, 0, 370, 32), QRect(135, 32, 370, 376)}) {
        const QRect a = square.Map(window);
        const QRect b = tall.Map(window);
        EXPECT_EQ(b.left(), a.left());
        EXPECT_EQ(b.width(), a.width());
        EXPECT_EQ(b.height(), 2 * a.height());
        EXPECT_EQ(b.top() - tall.my, 2 * (a.top() - square.my));
    }
    // Integer steps in order: the width truncates before the resolutions apply.
    const TPrintLayout odd = TPrintLayout::ForPage(1000, 96, 97);
    EXPECT_EQ(odd.mx, 38);
    EXPECT_EQ(odd.Map({135, 32, 370, 376}), QRect(38 + 135 * 924 / 640, 38 + (32 * 924 / 640) * 97 / 96,
                                                  370 * 924 / 640, (376 * 924 / 640) * 97 / 96));
}

// The bounding box of the pixels that pass a test.
template <typename Test> QRect BoundingBox(const QImage& image, Test test) {
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (test(line[x])) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

void ExpectNear(const QRect& got, const QRect& want, int tolerance) {
    EXPECT_NEAR(got.left(), want.left(), tolerance) << "left";
    EXPECT_NEAR(got.top(), want.top(), tolerance) << "top";
    EXPECT_NEAR(got.right(), want.right(), tolerance) << "right";
    EXPECT_NEAR(got.bottom(), want.bottom(), tolerance) << "bottom";
}

TEST(PrintCard, PdfAt600DpiShowsTheRectanglesOfTheLayout) {
    const testsupport::ScratchHome home = testsupport::makeScratchHome("printcard");
    Paths.HDPath = home.home;
    DirectXVersion = GetDXVersion();
    // Plain colours make every rectangle easy to find on the page: the card
    // blue, the tree's own background green, the greeting red.
    QImage treeBackground(370, 376, QImage::Format_RGB32);
    treeBackground.fill(QColor(0, 200, 0));
    TTree tree("desc", QSize(370, 376), treeBackground);
    tree.KeepFileUnchanged();
    ASSERT_FALSE(tree.loadError());
    tree.WelcomeText = "MMMMMMMMMM";
    tree.WelcomeColor = 0x0000FF;
    tree.AnimateToys(0);
    tree.Render();
    // The card's own picture of the tree's place is what the tree is printed
    // over (the window's picture there, as fine as the card): green as well.
    QImage card(640, 422, QImage::Format_RGB32);
    card.fill(QColor(0, 0, 220));
    QPainter(&card).fillRect(QRect(135, 32, 370, 376), QColor(0, 200, 0));

    const QString pdf = home.home + "card.pdf";
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setResolution(600);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setFullPage(true);
        // PDF pages are whole points: A4 comes out 4958 pixels wide at 600 dpi.
        // The layout is that of a 4960-pixel page, whose places are known.
        ASSERT_NEAR(printer.width(), 4960, 2);
        QPainter canvas(&printer);
        const TPrintLayout page = TPrintLayout::ForPage(4960, printer.logicalDpiX(), printer.logicalDpiY());
        ASSERT_EQ(page.dpiX, 600);
        output::PrintCard(canvas, page, card, tree);
    }
    QProcess render;
    render.start("pdftoppm", {"-r", "600", "-x", "0", "-y", "0", "-W", "4960", "-H", "3400", "-png",
                              "-singlefile", pdf, home.home + "page"});
    ASSERT_TRUE(render.waitForFinished(120000));
    ASSERT_EQ(render.exitCode(), 0) << render.readAllStandardError().toStdString();
    const QImage page = QImage(home.home + "page.png").convertToFormat(QImage::Format_RGB32);
    ASSERT_GE(page.width(), 4958);

    // The picture embeds with some softening at its edges: a few pixels of tolerance.
    const auto printed = [](QRgb p) {
        return std::min({qRed(p), qGreen(p), qBlue(p)}) < 160;
    };
    const auto green = [](QRgb p) {
        return qGreen(p) > 150 && qRed(p) < 90 && qBlue(p) < 90;
    };
    const auto red = [](QRgb p) {
        return qRed(p) > 150 && qGreen(p) < 90 && qBlue(p) < 90;
    };
    ExpectNear(BoundingBox(page, printed), QRect(236, 236, 4488, 2959), 3);
    ExpectNear(BoundingBox(page, green), QRect(1182, 460, 2594, 2636), 3);
    // Above the tree (whose ornaments may be red too) only the greeting is red.
    const QRect greeting = BoundingBox(page.copy(0, 0, page.width(), 460), red);
    ASSERT_FALSE(greeting.isNull());
    // On the ribbon's flat front: the window's (153, 3, 334, 25) on the page.
    const QRect text(1308, 257, 2342, 175);
    EXPECT_TRUE(text.adjusted(-2, -2, 2, 2).contains(greeting)) << greeting.x() << "," << greeting.y();
    // Fitted anew at the printer's resolution: the letters fill the text's height.
    EXPECT_GT(greeting.height(), text.height() / 2);
    EXPECT_GT(greeting.width(), text.width() / 3);
}

} // namespace
