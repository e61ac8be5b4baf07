// What a screen reader finds in the dialogs: a name for every control a
// person can use; message boxes are dialogs.
#include "dialogs/dialog_support.h"
#include "dialogs/formabout.h"
#include "dialogs/formsetup.h"
#include "dialogs/formwelcome.h"
#include "scene/d3ddriverlist.h"

#include <QAccessible>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace {

// Names of the visible controls a person can use under `node`; an unnamed one fails.
void expectNamed(QAccessibleInterface* node, int& controls) {
    const QAccessible::State state = node->state();
    if (!state.invisible && (state.focusable || node->role() == QAccessible::Button)) {
        ++controls;
        EXPECT_FALSE(node->text(QAccessible::Name).trimmed().isEmpty())
            << node->role() << " " << (node->object() ? node->object()->objectName().toStdString() : "");
    }
    for (int i = 0; i < node->childCount(); ++i) {
        expectNamed(node->child(i), controls);
    }
}

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
            int controls = 0;
            expectNamed(QAccessible::queryAccessibleInterface(dialog), controls);
            EXPECT_GE(controls, 2) << dialog->objectName().toStdString();
            dialog->close();
        });
    }
    QMessageBox box(QMessageBox::NoIcon, "Pinewick", "Do you want to exit ?",
                    QMessageBox::Yes | QMessageBox::No);
    const QAccessible::Role role = QAccessible::queryAccessibleInterface(&box)->role();
    EXPECT_TRUE(role == QAccessible::Dialog || role == QAccessible::AlertMessage) << role;
}

} // namespace
