// The driver dialog: preselection, the change test and what Ok needs.
#include "controls/control0.h"
#include "dialogs/dialog_support.h"
#include "dialogs/formsetup.h"
#include "scene/d3ddriverlist.h"

#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

using dialogtest::click;
using dialogtest::whileShowing;

namespace {

class DriverDialog : public ::testing::Test {
protected:
    DriverDialog()
        : drivers({{0, "llvmpipe (LLVM 15.0.6, 256 bits)", false}, {1, "Mesa Intel(R) UHD Graphics", true}}) {
        dialog.Prepare(dialogtest::resourcePicture("Setup.bmp"), &drivers);
    }

    QString selected() const {
        const auto items = dialog.DriversList->selectedItems();
        return items.isEmpty() ? QString() : items.first()->text();
    }

    TD3DDriverList drivers;
    TFormSetup dialog;
};

} // namespace

TEST_F(DriverDialog, ListsTheDriversInTableOrder) {
    ASSERT_EQ(dialog.DriversList->count(), 2);
    EXPECT_EQ(dialog.DriversList->item(0)->text(), "llvmpipe (LLVM 15.0.6, 256 bits)");
    EXPECT_EQ(dialog.DriversList->item(1)->text(), "Mesa Intel(R) UHD Graphics");
    EXPECT_EQ(dialog.lDrivers->Caption(), "Drivers");
}

TEST_F(DriverDialog, ConfirmingTheCurrentDriverIsNoChange) {
    QString chosen = "untouched";
    whileShowing(dialog, [&] {
        EXPECT_EQ(selected(), "Mesa Intel(R) UHD Graphics");
        click(dialog.Ok);
    });
    EXPECT_FALSE(dialog.Choose("Mesa Intel(R) UHD Graphics", chosen));
    EXPECT_EQ(chosen, "untouched");
}

TEST_F(DriverDialog, ANameInOtherLetterCaseIsPreselectedAndCountsAsAChange) {
    QString chosen;
    whileShowing(dialog, [&] {
        EXPECT_EQ(selected(), "Mesa Intel(R) UHD Graphics");
        click(dialog.Ok);
    });
    EXPECT_TRUE(dialog.Choose("MESA intel(r) uhd graphics", chosen));
    EXPECT_EQ(chosen, "Mesa Intel(R) UHD Graphics");
}

TEST_F(DriverDialog, OkNeedsASelection) {
    QString chosen;
    whileShowing(dialog, [&] {
        EXPECT_TRUE(selected().isEmpty());
        click(dialog.Ok);
        EXPECT_TRUE(dialog.isVisible());
        // The user picks the second driver and confirms with a double click.
        QListWidget* list = dialog.DriversList;
        const QPoint at = list->visualItemRect(list->item(1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    });
    EXPECT_TRUE(dialog.Choose("a driver that went away", chosen));
    EXPECT_EQ(chosen, "Mesa Intel(R) UHD Graphics");
}

TEST_F(DriverDialog, EscapeCancelAndClosingAllKeepTheDriver) {
    const std::vector<std::function<void()>> ways{
        [&] { QTest::keyClick(dialog.DriversList, Qt::Key_Escape); },
        [&] { QTest::keyClick(&dialog, Qt::Key_Escape); },
        [&] { click(dialog.Cancel); },
        [&] { dialog.close(); },
    };
    for (size_t way = 0; way < ways.size(); ++way) {
        QString chosen = "untouched";
        whileShowing(dialog, [&] {
            dialog.DriversList->setCurrentRow(0);
            ways[way]();
        });
        EXPECT_FALSE(dialog.Choose("Mesa Intel(R) UHD Graphics", chosen)) << way;
        EXPECT_EQ(chosen, "untouched") << way;
        EXPECT_FALSE(dialog.isVisible()) << way;
    }
}
