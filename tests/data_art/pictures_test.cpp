// The window pictures as the program reads them: sizes, outline colours,
// sprite frames inside their pictures, and the title sequence's pictures
// building a complete window face.
#include "data_art/art_data.h"
#include "mainwindow/layout.h"

#include <QFile>
#include <QPainter>
#include <QRect>
#include <gtest/gtest.h>

using artdata::loadPicture;
using artdata::rgb;

namespace {

struct Face {
    const char* file;
    QSize size;
    std::vector<QRect> controls; // where the dialog's controls sit: never outline colour
};

class DialogFace : public ::testing::TestWithParam<Face> {};

TEST_P(DialogFace, HasItsSizeAndAnOutlineColourOutsideItsControls) {
    const Face& face = GetParam();
    const QImage picture = loadPicture(QString("Resource/") + face.file);
    ASSERT_FALSE(picture.isNull()) << face.file;
    EXPECT_EQ(picture.size(), face.size);
    const std::uint32_t key = rgb(picture, 0, 0);
    // The outline colour cuts away the corners, and only the corners' region:
    // the middle of the face is solid.
    EXPECT_EQ(rgb(picture, face.size.width() - 1, face.size.height() - 1), key);
    EXPECT_NE(rgb(picture, face.size.width() / 2, face.size.height() / 2), key);
    for (const QRect& control : face.controls) {
        ASSERT_TRUE(QRect(QPoint(0, 0), face.size).contains(control)) << face.file;
        for (int y = control.top(); y <= control.bottom(); ++y) {
            for (int x = control.left(); x <= control.right(); ++x) {
                ASSERT_NE(rgb(picture, x, y), key) << face.file << " at " << x << "," << y;
            }
        }
    }
    // Every row has one solid run: no holes inside the face.
    for (int y = 0; y < face.size.height(); ++y) {
        int runs = 0;
        bool inside = false;
        for (int x = 0; x < face.size.width(); ++x) {
            const bool solid = rgb(picture, x, y) != key;
            runs += solid && !inside;
            inside = solid;
        }
        ASSERT_LE(runs, 1) << face.file << " row " << y;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faces, DialogFace,
    ::testing::Values(Face{"Welcome.bmp",
                           {579, 322},
                           {{45, 16, 452, 26},
                            {45, 52, 199, 179},
                            {45, 241, 199, 67},
                            {255, 52, 281, 256},
                            {508, 15, 28, 28}}},
                      Face{"Setup.bmp",
                           {274, 322},
                           {{24, 52, 227, 210}, {36, 276, 94, 25}, {148, 276, 94, 25}, {45, 20, 184, 28}}},
                      Face{"About.bmp",
                           {400, 322},
                           {{130, 129, 142, 24},
                            {130, 158, 142, 25},
                            {30, 278, 125, 25},
                            {154, 278, 94, 25},
                            {175, 278, 94, 25},
                            {270, 278, 94, 25}}},
                      Face{"Out.bmp",
                           {386, 159},
                           {{24, 39, 239, 25}, {273, 40, 94, 25}, {273, 86, 94, 25}, {66, 86, 94, 25}}}),
    [](const auto& info) { return QString(info.param.file).section('.', 0, 0).toStdString(); });

TEST(WindowPictures, MainWindowFaceAndCaseLooksHaveTheirSizes) {
    EXPECT_EQ(loadPicture("Resource/Bk.bmp").size(), QSize(640, 480));
    const QImage cases = loadPicture("Resource/Add.bmp");
    ASSERT_FALSE(cases.isNull());
    // Hot frames at (70k, 0), pressed at (70k, 52); the last case is 80 wide.
    for (int k = 0; k < 7; ++k) {
        const QRect hot(70 * k, 0, k == 6 ? 80 : 70, 52);
        EXPECT_TRUE(cases.rect().contains(hot)) << k;
        EXPECT_TRUE(cases.rect().contains(hot.translated(0, 52))) << k;
    }
}

// The greeting is fitted into the window's text rectangle: all of it must lie
// on the ribbon's red satin, off its folded ends and its dark fold lines.
TEST(WindowPictures, TheGreetingRectangleLiesOnTheRibbonsFlatFront) {
    const QImage face = loadPicture("Resource/Bk.bmp");
    ASSERT_FALSE(face.isNull());
    const QRect text = layout::WelcomeText;
    for (const int y : {text.top() + 5, text.center().y()}) {
        for (int x = text.left(); x <= text.right(); ++x) {
            const QRgb p = face.pixel(x, y);
            EXPECT_TRUE(qRed(p) >= 120 && qGreen(p) <= 60 && qBlue(p) <= 70)
                << "(" << x << ", " << y << ") is " << std::hex << (p & 0xFFFFFF);
        }
    }
    // Just outside on either side: the fold.
    for (const int x : {text.left() - 5, text.right() + 5}) {
        EXPECT_LT(qRed(face.pixel(x, text.center().y())), 120) << x;
    }
}

TEST(WindowPictures, CaseLooksDifferFromTheNormalLookAndFromEachOther) {
    const QImage face = loadPicture("Resource/Bk.bmp");
    const QImage cases = loadPicture("Resource/Add.bmp");
    ASSERT_FALSE(face.isNull() || cases.isNull());
    for (int k = 0; k < 7; ++k) {
        const QSize size(k == 6 ? 80 : 70, 52);
        const QImage normal = face.copy(QRect(QPoint(57 + 75 * k, 427), size));
        const QImage hot = cases.copy(QRect(QPoint(70 * k, 0), size));
        const QImage pressed = cases.copy(QRect(QPoint(70 * k, 52), size));
        EXPECT_NE(normal, hot) << k;
        EXPECT_NE(hot, pressed) << k;
    }
}

// The greeting editor's picture carries the main window's button frames: each
// must lie inside the picture, under the colour picker, and its normal frame
// must be what the window face shows under that button (so nothing jumps
// when the buttons appear).
TEST(WindowPictures, ButtonFramesLieUnderThePickerAndMatchTheWindowFace) {
    const QImage sheet = loadPicture("Resource/Welcome.bmp");
    const QImage face = loadPicture("Resource/Bk.bmp");
    ASSERT_FALSE(sheet.isNull() || face.isNull());
    const QRect picker(255, 52, 281, 256);
    const QRect bigButtons[] = {{34, 196, 70, 60}, {34, 267, 70, 60}, {536, 196, 70, 60}, {536, 267, 70, 60}};
    const QRect smallButtons[] = {{6, 431, 41, 41}, {599, 432, 41, 41}};
    for (int t = 0; t < 4; ++t) {
        for (int s = 0; s < 3; ++s) {
            const QRect frame(QPoint(255 + 70 * s, 52 + 60 * t), bigButtons[t].size());
            ASSERT_TRUE(picker.contains(frame)) << t << "," << s;
        }
        EXPECT_EQ(sheet.copy(QRect(QPoint(255, 52 + 60 * t), bigButtons[t].size())), face.copy(bigButtons[t]))
            << t;
        EXPECT_NE(sheet.copy(QRect(QPoint(325, 52 + 60 * t), bigButtons[t].size())), face.copy(bigButtons[t]))
            << t;
    }
    for (int t = 0; t < 2; ++t) {
        for (int s = 0; s < 3; ++s) {
            ASSERT_TRUE(picker.contains(QRect(QPoint(465, 52 + 123 * t + 41 * s), QSize(41, 41))))
                << t << "," << s;
        }
        EXPECT_EQ(sheet.copy(QRect(QPoint(465, 52 + 123 * t), QSize(41, 41))), face.copy(smallButtons[t]))
            << t;
    }
    EXPECT_TRUE(picker.contains(QRect(506, 52, 28, 56))); // close button, normal and pressed
}

TEST(WindowPictures, SetupPictureHoldsTheSharedPushButtonFrames) {
    const QImage setup = loadPicture("Resource/Setup.bmp");
    ASSERT_FALSE(setup.isNull());
    const QImage normal = setup.copy(24, 52, 94, 25);
    const QImage pressed = setup.copy(24, 77, 94, 25);
    EXPECT_NE(normal, pressed);
    // Captions are written over the frames in dark ink: the frames are light.
    EXPECT_GT(qGray(normal.pixel(47, 12)), 150);
    EXPECT_GT(qGray(pressed.pixel(47, 12)), 150);
}

// Plays the title's five cross-fades at full strength, white being
// transparent: the result must be a finished window face without holes.
TEST(TitlePictures, FiveFadesBuildACompleteFace) {
    const QImage empty = loadPicture("Resource/Empty.bmp");
    const QImage tree = loadPicture("Resource/Tree.bmp");
    const QImage text = loadPicture("Resource/Text.bmp");
    const QImage face = loadPicture("Resource/Bk.bmp");
    ASSERT_FALSE(empty.isNull() || tree.isNull() || text.isNull() || face.isNull());
    EXPECT_EQ(empty.size(), QSize(640, 480));
    EXPECT_TRUE(QRect(0, 0, 640, 480).contains(QRect(QPoint(194, 37), tree.size())));
    EXPECT_TRUE(QRect(0, 0, 640, 480).contains(QRect(QPoint(174, 51), text.size())));

    QImage screen(640, 480, QImage::Format_RGB32);
    screen.fill(Qt::white); // stands for the desktop
    auto fadeIn = [&screen](const QImage& sprite, QPoint at, QRect keep = QRect()) {
        for (int y = 0; y < sprite.height(); ++y) {
            for (int x = 0; x < sprite.width(); ++x) {
                const QPoint to = at + QPoint(x, y);
                if (keep.contains(to) || rgb(sprite, x, y) == 0xFFFFFFu) {
                    continue;
                }
                screen.setPixel(to, sprite.pixel(x, y));
            }
        }
    };
    fadeIn(empty, {0, 0});
    fadeIn(face.copy(200, 294, 240, 120), {200, 294});
    fadeIn(tree, {194, 37});
    fadeIn(text, {174, 51});
    fadeIn(face, {0, 0}, QRect(174, 37, 292, 332));
    // The window face fades in whole in the last step, so none of it may be
    // white (the fades' transparent colour).
    int whiteInFace = 0;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            whiteInFace += rgb(face, x, y) == 0xFFFFFFu;
        }
    }
    EXPECT_EQ(whiteInFace, 0);
    int holes = 0;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            holes += rgb(screen, x, y) == 0xFFFFFFu;
        }
    }
    EXPECT_EQ(holes, 0);
    // The tree really is in the picture: a lot of green in its middle.
    int green = 0;
    for (int y = 150; y < 330; ++y) {
        const QRgb c = screen.pixel(320, y);
        green += qGreen(c) > qRed(c) + 10 && qGreen(c) > qBlue(c);
    }
    EXPECT_GT(green, 100);
}

TEST(WindowPictures, AreUncompressed24BitBitmaps) {
    for (const char* name : {"Bk", "Add", "Welcome", "Setup", "About", "Out", "Empty", "Tree", "Text"}) {
        QFile file(artdata::dataFile(QString("Resource/%1.bmp").arg(name)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray header = file.read(54);
        ASSERT_EQ(header.size(), 54) << name;
        EXPECT_TRUE(header.startsWith("BM")) << name;
        EXPECT_EQ(quint8(header[28]), 24) << name; // bits per pixel
        EXPECT_EQ(quint8(header[30]), 0) << name;  // no compression
        EXPECT_EQ(file.size(), quint8(header[2]) | quint8(header[3]) << 8 | quint8(header[4]) << 16) << name;
    }
}

// The window pictures and help balloons drawn twice as fine for dense
// screens: the same art at twice the size (reduced, it looks like the
// ordinary picture, so no frame sits elsewhere), and a face's outline made of
// whole blocks exactly where the ordinary face has its outline, so the window
// keeps its shape.
TEST(WindowPictures, FinerPicturesAreTheSameArtTwiceAsFine) {
    // Faces cut along their outline colour, and pictures that are not.
    const struct {
        const char* name;
        bool face;
    } pictures[] = {{"Resource/Bk", false},      {"Resource/Add", false},      {"Resource/Welcome", true},
                    {"Resource/Setup", true},    {"Resource/About", true},     {"Resource/Out", true},
                    {"Help/Balloon", true},      {"Help/BalloonButton", true}, {"Help/BalloonDownLeft", true},
                    {"Help/BalloonRight", true}, {"Resource/Empty", false},    {"Resource/Tree", false},
                    {"Resource/Text", false}};
    for (const auto& [name, face] : pictures) {
        const QImage picture = loadPicture(QString("%1.bmp").arg(name));
        const QImage finer = loadPicture(QString("%1@2x.png").arg(name));
        ASSERT_FALSE(picture.isNull() || finer.isNull()) << name;
        ASSERT_EQ(finer.size(), picture.size() * 2) << name;
        const std::uint32_t key = rgb(picture, 0, 0);
        // A balloon's smooth outline seen over the cut-away colour.
        QImage seen(finer.size(), QImage::Format_RGB32);
        seen.fill(QColor::fromRgb(key));
        {
            QPainter painter(&seen);
            painter.drawImage(seen.rect(), finer);
        }
        const QImage reduced = seen.scaled(picture.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        double difference = 0;
        for (int y = 0; y < finer.height(); ++y) {
            for (int x = 0; x < finer.width(); ++x) {
                if (face) {
                    ASSERT_EQ(rgb(finer, x, y) == key, rgb(picture, x / 2, y / 2) == key)
                        << name << " at " << x << "," << y;
                }
                if (x % 2 == 0 && y % 2 == 0) {
                    const QRgb a = reduced.pixel(x / 2, y / 2), b = picture.pixel(x / 2, y / 2);
                    difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                                  std::abs(qBlue(a) - qBlue(b));
                }
            }
        }
        difference /= 3.0 * picture.width() * picture.height();
        EXPECT_LT(difference, 8) << name << ": mean difference per channel";
    }
}

// The finer balloons keep their coverage as alpha, so their edge is drawn
// smooth: partly covered pixels all along it, none where the ordinary
// balloon is cut away.
TEST(WindowPictures, FinerBalloonsHaveASmoothEdgeWithinTheOrdinaryOutline) {
    for (const char* name :
         {"Help/Balloon", "Help/BalloonButton", "Help/BalloonDownLeft", "Help/BalloonRight"}) {
        const QImage picture = loadPicture(QString("%1.bmp").arg(name));
        const QImage finer =
            loadPicture(QString("%1@2x.png").arg(name)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(finer.size(), picture.size() * 2) << name;
        int partial = 0, shownOutside = 0, inside = 0;
        for (int y = 0; y < finer.height(); ++y) {
            for (int x = 0; x < finer.width(); ++x) {
                const int alpha = qAlpha(finer.pixel(x, y));
                const bool cut = rgb(picture, x / 2, y / 2) == rgb(picture, 0, 0);
                shownOutside += cut && alpha != 0;
                partial += !cut && alpha > 0 && alpha < 255;
                inside += !cut;
            }
        }
        EXPECT_EQ(shownOutside, 0) << name;
        // Around a body of over 100 × 50 window pixels.
        EXPECT_GT(partial, 300) << name;
        EXPECT_LT(partial, inside / 10) << name;
    }
}

TEST(Icons, EverySizeIsASquarePictureWithTransparentCorners) {
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QImage icon = loadPicture(QString("Resource/Icon%1.png").arg(size));
        ASSERT_FALSE(icon.isNull()) << size;
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel());
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
    }
}

} // namespace
