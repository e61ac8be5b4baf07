// TControlNR: a control shaped by its picture, hit-tested through its mask.
#include "controls/controlnr.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kKey = 0xFFFF00FF;
constexpr QRgb kFrame0 = 0xFF204060;
constexpr QRgb kFrame1 = 0xFFC0A080;
constexpr int kW = 38, kH = 30;

// Two frames side by side; each an opaque disc of radius 12 on the key colour.
QImage DiscStrip() {
    QImage strip(2 * kW, kH, QImage::Format_RGB32);
    strip.fill(kKey);
    for (int f = 0; f < 2; ++f) {
        for (int y = 0; y < kH; ++y) {
            for (int x = 0; x < kW; ++x) {
                const int dx = x - kW / 2, dy = y - kH / 2;
                if (dx * dx + dy * dy <= 144) {
                    strip.setPixel(f * kW + x, y, f == 0 ? kFrame0 : kFrame1);
                }
            }
        }
    }
    return strip;
}

// A shaped control at (50, 40) over a control that covers the whole window.
class ShapedWindow : public testing::Test {
protected:
    void SetUp() override {
        window.resize(200, 150);
        below = new TControl0(&window);
        below->setGeometry(0, 0, 200, 150);
        below->OnPaint = [](TControl0* s) {
            s->Canvas()->fillRect(s->rect(), Qt::white);
        };
        below->OnMouseDown = [this](TControl0*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
            log.push_back("below");
        };
        shaped = new TControlNR(&window);
        shaped->move(50, 40);
        shaped->OnMouseDown = [this](TControl0*, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
            log.push_back("shaped " + std::to_string(x) + "," + std::to_string(y));
        };
        ASSERT_TRUE(dir.isValid());
        strip = dir.filePath("strip.png");
        ASSERT_TRUE(DiscStrip().save(strip));
    }
    void Show() {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void ClickAt(QPoint local) {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(50, 40) + local);
    }

    QWidget window;
    TControl0* below = nullptr;
    TControlNR* shaped = nullptr;
    QTemporaryDir dir;
    QString strip;
    std::vector<std::string> log;
};

TEST_F(ShapedWindow, ClicksOnTransparentPixelsReachWhatIsBelow) {
    ASSERT_TRUE(shaped->SetShape(strip, kW, kH));
    EXPECT_EQ(shaped->size(), QSize(kW, kH));
    Show();
    ClickAt(QPoint(19, 15)); // centre of the disc
    ClickAt(QPoint(1, 1));   // a corner: transparent
    ClickAt(QPoint(19, 2));  // the disc's top edge (dy = -13): transparent
    ClickAt(QPoint(19, 3));  // dy = -12: opaque
    EXPECT_EQ(log, (std::vector<std::string>{"shaped 19,15", "below", "below", "shaped 19,3"}));
}

TEST_F(ShapedWindow, HoverEntersOnlyOverTheShape) {
    ASSERT_TRUE(shaped->SetShape(strip, kW, kH));
    shaped->OnMouseEnter = [this](TControl0*) {
        log.push_back("enter");
    };
    Show();
    QTest::mouseMove(window.windowHandle(), QPoint(10, 10));
    QTest::mouseMove(window.windowHandle(), QPoint(51, 41));
    EXPECT_FALSE(shaped->bMouseInside);
    QTest::mouseMove(window.windowHandle(), QPoint(50 + 19, 40 + 15));
    EXPECT_TRUE(shaped->bMouseInside);
    EXPECT_EQ(log, std::vector<std::string>{"enter"});
}

TEST_F(ShapedWindow, AllTransparentPictureHidesTheControlFromTheMouse) {
    QImage blank(kW, kH, QImage::Format_RGB32);
    blank.fill(kKey);
    shaped->SetShape(blank, kW, kH, kKey);
    Show();
    EXPECT_TRUE(shaped->isVisible());
    ClickAt(QPoint(19, 15));
    EXPECT_EQ(log, std::vector<std::string>{"below"});
}

TEST_F(ShapedWindow, ClearMakesItRectangularAndPaintedInDesignColor) {
    ASSERT_TRUE(shaped->SetShape(strip, kW, kH));
    shaped->Clear();
    EXPECT_FALSE(shaped->HasShape());
    Show();
    ClickAt(QPoint(1, 1));
    EXPECT_EQ(log, std::vector<std::string>{"shaped 1,1"});
    shaped->SetDesignColor(QColor(1, 2, 3));
    EXPECT_EQ(shaped->grab().toImage().pixel(1, 1), qRgb(1, 2, 3));
    // With OnPaint, the owner paints instead.
    shaped->OnPaint = [](TControl0* s) {
        s->Canvas()->fillRect(s->rect(), QColor(9, 8, 7));
    };
    EXPECT_EQ(shaped->grab().toImage().pixel(1, 1), qRgb(9, 8, 7));
}

TEST_F(ShapedWindow, StateSelectsTheFrame) {
    ASSERT_TRUE(shaped->SetShape(strip, kW, kH));
    EXPECT_EQ(shaped->grab().toImage().pixel(19, 15), kFrame0);
    shaped->SetState(1);
    const QImage shown = shaped->grab().toImage();
    const QImage expected = DiscStrip().copy(kW, 0, kW, kH);
    for (const QRect& r : shaped->mask()) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                ASSERT_EQ(shown.pixel(x, y), expected.pixel(x, y)) << x << "," << y;
            }
        }
    }
    // A new shape starts again at frame 0.
    ASSERT_TRUE(shaped->SetShape(strip, kW, kH));
    EXPECT_EQ(shaped->State(), 0);
}

TEST_F(ShapedWindow, FailedLoadKeepsThePreviousPicture) {
    ASSERT_TRUE(shaped->SetShape(strip, kW, kH));
    const QRegion before = shaped->mask();
    EXPECT_FALSE(shaped->SetShape(dir.filePath("missing.png"), kW, kH));
    EXPECT_TRUE(shaped->HasShape());
    EXPECT_EQ(shaped->mask(), before);
    // Into an empty control a failed load gives nothing to see or click.
    auto* empty = new TControlNR(&window);
    EXPECT_FALSE(empty->SetShape(dir.filePath("missing.png"), kW, kH));
    EXPECT_FALSE(empty->mask().contains(QPoint(5, 5)));
}

TEST_F(ShapedWindow, CanvasShapeCopiesTheCorner) {
    const QImage source = DiscStrip();
    shaped->SetShape(source, kW, kH, kKey);
    EXPECT_EQ(shaped->Picture().size(), QSize(kW, kH));
    EXPECT_TRUE(shaped->mask().contains(QPoint(19, 15)));
    EXPECT_FALSE(shaped->mask().contains(QPoint(0, 0)));
    // A source smaller than the control leaves the rest cut out.
    shaped->SetShape(source.copy(0, 0, 10, 10), kW, kH, kKey);
    EXPECT_FALSE(shaped->mask().contains(QPoint(20, 20)));

    // A source drawn twice as fine keeps its density, the outline and the look.
    shaped->SetShape(source, kW, kH, kKey);
    const QRegion ordinary = shaped->mask();
    QImage finer = source.scaled(source.size() * 2);
    finer.setDevicePixelRatio(2);
    shaped->SetShape(finer, kW, kH, kKey);
    EXPECT_EQ(shaped->Picture().size(), QSize(kW, kH) * 2);
    EXPECT_EQ(shaped->mask(), ordinary);
    EXPECT_EQ(shaped->grab().toImage().pixel(19, 15), kFrame0);
}

} // namespace
