// TColorSelect under real mouse events: values from positions, clamping while
// dragging, the markers and the size rule.
#include "controls/colorselect.h"
#include "controls/colourname.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

QRgb Invert(QRgb c) {
    return 0xFF000000u | (0xFFFFFFu - (c & 0xFFFFFFu));
}

class ColorSelect : public testing::Test {
protected:
    ColorSelect() {
        select.OnChanged = [this](TColorSelect* sender) {
            EXPECT_EQ(sender, &select);
            ++changes;
        };
    }
    void Click(QPoint p) { QTest::mouseClick(&select, Qt::LeftButton, {}, p); }
    int Red() const { return select.GetColor() & 0xFF; }
    int Green() const { return select.GetColor() >> 8 & 0xFF; }
    int Blue() const { return select.GetColor() >> 16 & 0xFF; }

    TColorSelect select;
    int changes = 0;
};

TEST_F(ColorSelect, SizeFollowsHeight) {
    EXPECT_EQ(select.size(), QSize(281, 256));
    select.SetBounds(5, 6, 999, 20);
    EXPECT_EQ(select.geometry(), QRect(5, 6, 35, 32));
    EXPECT_EQ(select.Shown().size(), QSize(35, 32));
    select.show();
    select.resize(10, 100);
    EXPECT_EQ(select.size(), QSize(110, 100));
    EXPECT_EQ(select.Shown().size(), QSize(110, 100));
}

TEST_F(ColorSelect, ClicksAt256) {
    Click(QPoint(10, 20));
    EXPECT_EQ(Red(), 10);
    EXPECT_EQ(Green(), 20);
    EXPECT_EQ(changes, 1);
    Click(QPoint(270, 255));
    EXPECT_EQ(Blue(), 255);
    EXPECT_EQ(changes, 2);
    // The same place again changes nothing and reports nothing; neither does the right button.
    Click(QPoint(270, 255));
    QTest::mouseClick(&select, Qt::RightButton, {}, QPoint(10, 20));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(select.GetColor(), 10u | 20u << 8 | 255u << 16);
}

TEST_F(ColorSelect, DragOutsideIsClamped) {
    QTest::mousePress(&select, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(&select, QPoint(-50, 400));
    EXPECT_EQ(Red(), 0);
    EXPECT_EQ(Green(), 255);
    // Into the strip while dragging in the square: still red and green.
    QTest::mouseMove(&select, QPoint(270, 30));
    EXPECT_EQ(Red(), 255);
    EXPECT_EQ(Green(), 30);
    EXPECT_EQ(Blue(), 0);
    QTest::mouseRelease(&select, Qt::LeftButton, {}, QPoint(270, 30));
    EXPECT_EQ(changes, 3);
    // After the release a move does nothing.
    QTest::mouseMove(&select, QPoint(5, 5));
    EXPECT_EQ(Red(), 255);

    QTest::mousePress(&select, Qt::LeftButton, {}, QPoint(260, 40));
    QTest::mouseMove(&select, QPoint(0, -10));
    EXPECT_EQ(Blue(), 0);
    QTest::mouseMove(&select, QPoint(900, 128));
    EXPECT_EQ(Blue(), 128);
    QTest::mouseRelease(&select, Qt::LeftButton, {}, QPoint(900, 128));
    EXPECT_EQ(Red(), 255);
    EXPECT_EQ(changes, 6);
}

TEST_F(ColorSelect, PaletteAndMarkers) {
    select.SetColor(64 | 128 << 8 | 255u << 16);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(select.GetColor(), 64u | 128u << 8 | 255u << 16);
    const QImage shown = select.Shown();
    // Square at blue 255, strip from black to blue.
    EXPECT_EQ(shown.pixel(200, 10), qRgb(200, 10, 255));
    EXPECT_EQ(shown.pixel(260, 100), qRgb(0, 0, 100));
    // The strip line, inverted, across the whole strip.
    EXPECT_EQ(shown.pixel(256, 255), Invert(qRgb(0, 0, 255)));
    EXPECT_EQ(shown.pixel(280, 255), Invert(qRgb(0, 0, 255)));
    // The cross: arms from 2 to 9 pixels off the centre; centre and neighbours untouched.
    EXPECT_EQ(shown.pixel(64, 128), qRgb(64, 128, 255));
    EXPECT_EQ(shown.pixel(65, 128), qRgb(65, 128, 255));
    EXPECT_EQ(shown.pixel(66, 128), Invert(qRgb(66, 128, 255)));
    EXPECT_EQ(shown.pixel(55, 128), Invert(qRgb(55, 128, 255)));
    EXPECT_EQ(shown.pixel(54, 128), qRgb(54, 128, 255));
    EXPECT_EQ(shown.pixel(64, 137), Invert(qRgb(64, 137, 255)));
    EXPECT_EQ(shown.pixel(64, 138), qRgb(64, 138, 255));
    EXPECT_EQ(shown.pixel(65, 130), qRgb(65, 130, 255));
    // What is painted is what is shown.
    EXPECT_EQ(select.grab().toImage().pixel(66, 128), Invert(qRgb(66, 128, 255)));
}

// The pictures come with the first paint and go while the control is hidden;
// shown again, it paints the same colours, changes made meanwhile included.
TEST_F(ColorSelect, APictureOnlyWhileShown) {
    select.SetColor(10 | 20 << 8 | 30u << 16);
    select.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&select));
    const QImage painted = select.grab().toImage();
    EXPECT_EQ(painted.pixel(100, 50), qRgb(100, 50, 30));
    select.SetColor(10 | 20 << 8 | 50u << 16);
    EXPECT_EQ(select.grab().toImage().pixel(100, 50), qRgb(100, 50, 50));
    select.hide();
    select.SetColor(10 | 20 << 8 | 40u << 16);
    select.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&select));
    EXPECT_EQ(select.grab().toImage().pixel(100, 50), qRgb(100, 50, 40));
    EXPECT_EQ(select.Shown().pixel(260, 40), Invert(qRgb(0, 0, 40))); // the strip's line at blue 40
}

TEST_F(ColorSelect, CrossIsClippedAtTheEdges) {
    const QImage before = select.Shown(); // colour 0: cross at the top-left corner
    for (int d = 2; d <= 9; ++d) {
        EXPECT_EQ(before.pixel(d, 0), Invert(qRgb(d, 0, 0)));
        EXPECT_EQ(before.pixel(0, d), Invert(qRgb(0, d, 0)));
    }
    select.SetColor(255 | 255 << 8);
    const QImage corner = select.Shown();
    EXPECT_EQ(corner.pixel(253, 255), Invert(qRgb(253, 255, 0)));
    EXPECT_EQ(corner.pixel(255, 246), Invert(qRgb(255, 246, 0)));
    // The right and lower arms would leave the square: the strip keeps its colours.
    for (int x = 256; x < 281; ++x) {
        EXPECT_EQ(corner.pixel(x, 255), qRgb(0, 0, 255));
    }
}

TEST_F(ColorSelect, ScaledAtSmallHeight) {
    select.SetBounds(0, 0, 0, 52); // positions step by 5
    Click(QPoint(51, 10));
    EXPECT_EQ(Red(), 255);
    EXPECT_EQ(Green(), 50);
    EXPECT_EQ(select.Shown().pixel(51 - 2, 10), Invert(qRgb(245, 50, 0)));
    Click(QPoint(53, 51));
    EXPECT_EQ(Blue(), 255);
}

// The name a screen reader says for a toy's colour: a pure colour names
// itself (hues 11 and 12 are either side of red's end), and the transparent
// pixels around the toy say nothing.
TEST(ColourName, PureColoursNameThemselves) {
    const std::pair<QRgb, const char*> cases[] = {
        {qRgb(255, 0, 0), "Red"},       {qRgb(255, 47, 0), "Red"},        {qRgb(255, 52, 0), "Orange"},
        {qRgb(255, 128, 0), "Orange"},  {qRgb(255, 215, 0), "Gold"},      {qRgb(255, 255, 0), "Yellow"},
        {qRgb(0, 255, 0), "Green"},     {qRgb(0, 255, 255), "Turquoise"}, {qRgb(0, 0, 255), "Blue"},
        {qRgb(128, 0, 255), "Purple"},  {qRgb(255, 0, 128), "Pink"},      {qRgb(230, 128, 158), "Pink"},
        {qRgb(255, 255, 255), "White"}, {qRgb(160, 160, 160), "Silver"},  {qRgb(40, 40, 40), "Dark"}};
    for (const auto& [colour, name] : cases) {
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::black);
        for (int y = 2; y < 6; ++y) {
            for (int x = 2; x < 6; ++x) {
                picture.setPixel(x, y, colour);
            }
        }
        EXPECT_EQ(ColourName(picture, picture.rect(), qRgb(0, 0, 0)).toStdString(), name);
    }
}

} // namespace
