// The pattern every skinned dialog shares: outline cut from the face, centring,
// dragging by a free spot, the face painted at (0, 0).
#include "controls/bitmapregion.h"
#include "dialogs/dialog_support.h"
#include "dialogs/formsetup.h"

#include <QGuiApplication>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

using dialogtest::resourcePicture;

TEST(BorderlessDialog, OutlineAndCaptionComeFromTheFaceAndTheApplication) {
    QGuiApplication::setApplicationDisplayName("Pinewick");
    const QImage face = resourcePicture("Setup.bmp");
    TFormSetup dialog;
    dialog.Prepare(face, nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Pinewick");
    EXPECT_EQ(dialog.mask(), CreateRegionFromBitmap32(face, 274, 322, face.pixel(0, 0)));
    // The rounded card: its corner is cut away, its middle is solid.
    EXPECT_FALSE(dialog.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(dialog.mask().contains(QPoint(137, 161)));
}

TEST(BorderlessDialog, WithoutAPictureTheWindowStaysWholeAndPaintsItself) {
    TFormSetup dialog;
    dialog.Prepare(QImage(), nullptr);
    EXPECT_TRUE(dialog.mask().isEmpty());
    const QImage shot = dialog.grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(5, 5)), TBorderlessDialog::FieldColor());
}

TEST(BorderlessDialog, FacePaintedAtTheOrigin) {
    const QImage face = resourcePicture("Setup.bmp");
    TFormSetup dialog;
    dialog.Prepare(face, nullptr);
    const QImage shot = dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Away from the controls the window shows its picture pixel for pixel.
    for (const QPoint p : {QPoint(137, 8), QPoint(12, 160), QPoint(262, 300), QPoint(137, 310)}) {
        EXPECT_EQ(shot.pixel(p), face.pixel(p)) << p.x() << "," << p.y();
    }
}

TEST(BorderlessDialog, CentresOnItsOwnerWithTruncatingDivision) {
    TFormSetup dialog;
    QWidget owner;
    owner.setGeometry(101, 50, 640, 481);
    dialog.CenterOn(&owner);
    EXPECT_EQ(dialog.pos(), QPoint(101 + 183, 50 + 79));
    // An owner smaller than the dialog: (101 − 274) / 2 is −86, not −87.
    owner.setGeometry(0, 0, 101, 100);
    dialog.CenterOn(&owner);
    EXPECT_EQ(dialog.pos(), QPoint(-86, -111));
}

TEST(BorderlessDialog, DraggedByAFreeSpotButNotByItsControls) {
    TFormSetup dialog;
    dialog.Prepare(resourcePicture("Setup.bmp"), nullptr);
    dialog.move(200, 100);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    // Without a window manager the window follows the pointer by hand.
    QTest::mousePress(&dialog, Qt::LeftButton, {}, QPoint(12, 160));
    QTest::mouseMove(&dialog, QPoint(52, 180));
    QTest::mouseRelease(&dialog, Qt::LeftButton, {}, QPoint(52, 180));
    EXPECT_EQ(dialog.pos(), QPoint(240, 120));

    QTest::mousePress(dialog.DriversList->viewport(), Qt::LeftButton, {}, QPoint(100, 150));
    QTest::mouseMove(dialog.DriversList->viewport(), QPoint(140, 170));
    QTest::mouseRelease(dialog.DriversList->viewport(), Qt::LeftButton, {}, QPoint(140, 170));
    EXPECT_EQ(dialog.pos(), QPoint(240, 120));
}
