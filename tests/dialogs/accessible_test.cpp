// What a screen reader finds in the dialogs: a name for every control a
// person can use; message boxes are dialogs.
#include "dialogs/dialog_support.h"
#include "dialogs/formabout.h"
#include "dialogs/formsetup.h"
#include "dialogs/formwelcome.h"
#include "scene/d3ddriverlist.h"
#include "support/accessible_controls.h"

#include <QAccessible>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace {

TEST(DialogAccessibility, EveryControlOfEveryDialogHasAName) {
    TFormWelcome welcome;
    welcome.Prepare(dialogtest::resourcePicture("Welcome.bmp"), nullptr, nullptr, nullptr);
    TD3DDriverList drivers;
    TFormSetup setup;
    setup.Prepare(dialogtest::resourcePicture("Setup.bmp"), &drivers);
    TFormAbout about;
    about.Prepare(dialogtest::resourcePicture("About.bmp"), dialogtest::resourcePicture("Setup.bmp"));
    for (QDialog* dialog : std::initializer_list<QDialog*>{&welcome, &setup, &about}) {
        dialogtest::whileShowing(*dialog, [dialog] {
            const auto controls = testsupport::accessibleControls(dialog);
            EXPECT_GE(controls.size(), 2u) << dialog->objectName().toStdString();
            for (const auto& [object, name] : controls) {
                EXPECT_FALSE(name.isEmpty()) << object.toStdString();
            }
            dialog->close();
        });
    }
    QMessageBox box(QMessageBox::NoIcon, "Pinewick", "Do you want to exit ?",
                    QMessageBox::Yes | QMessageBox::No);
    const QAccessible::Role role = QAccessible::queryAccessibleInterface(&box)->role();
    EXPECT_TRUE(role == QAccessible::Dialog || role == QAccessible::AlertMessage) << role;
}

} // namespace
