// The dialogs on the real main window, wired as the program wires them: the
// buttons open them where the main window says, the band shows the editing
// mark while the editor is open, and the exit question decides the end.
#include "controls/control0.h"
#include "dialogs/dialog_support.h"
#include "dialogs/dialogs.h"
#include "dialogs/formabout.h"
#include "dialogs/formsetup.h"
#include "dialogs/formwelcome.h"
#include "mainwindow/formtree.h"
#include "platform/paths.h"
#include "platform/timethread.h"
#include "scene/openglprobe.h"
#include "scene/tree.h"
#include "support/scratch_home.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

using dialogtest::click;
using dialogtest::whileShowing;

namespace {

class DialogsOnTheMainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        home = testsupport::makeScratchHome("dialogs-main");
        Paths.HDPath = home.home;
        DirectXVersion = 0x500;
        clock = std::make_unique<TTimeThread>(10);
        TimeThread = clock.get();
        form = std::make_unique<TFormTree>();
        FormTree = form.get();
        dialogs = std::make_unique<TDialogs>(*form);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->FormActivate();
        QCoreApplication::processEvents();
    }
    void TearDown() override {
        stop();
        TimeThread = nullptr;
        clock.reset();
    }
    // Program end in the program's order: the dialogs, then the main window.
    void stop() {
        dialogs.reset();
        form.reset();
        FormTree = nullptr;
    }
    QString saved(const QByteArray& key) const {
        QFile file(home.desc);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (line.startsWith(key)) {
                return QString::fromUtf8(line.mid(key.size())).trimmed();
            }
        }
        return "(missing)";
    }

    testsupport::ScratchHome home;
    std::unique_ptr<TTimeThread> clock;
    std::unique_ptr<TFormTree> form;
    std::unique_ptr<TDialogs> dialogs;
};

} // namespace

TEST_F(DialogsOnTheMainWindow, GreetingButtonOpensTheEditorUnderTheBandAndTheGreetingIsSaved) {
    TFormWelcome& editor = dialogs->FormWelcome();
    EXPECT_EQ(editor.WelcomeText->text(), QString::fromStdString(form->tree()->WelcomeText));
    whileShowing(editor, [&] {
        EXPECT_TRUE(form->WelcomeEditing());
        EXPECT_EQ(editor.pos(), QPoint(form->x() + (640 - 579) / 2, form->y() + 32));
        editor.WelcomeText->selectAll();
        QTest::keyClicks(editor.WelcomeText, "Season's greetings");
        EXPECT_EQ(form->tree()->WelcomeText, "Season's greetings");
        QTest::keyClick(editor.WelcomeText, Qt::Key_Escape);
    });
    form->bWelcomeClick();
    EXPECT_FALSE(form->WelcomeEditing());
    EXPECT_TRUE(form->isVisible());
    stop();
    EXPECT_EQ(saved("WelcomeText="), "Season's greetings");
}

TEST_F(DialogsOnTheMainWindow, DriverButtonOpensTheDialogCentredWithTheTreesDriver) {
    TFormSetup& setup = dialogs->FormSetup();
    whileShowing(setup, [&] {
        EXPECT_EQ(setup.pos(), QPoint(form->x() + (640 - 274) / 2, form->y() + (480 - 322) / 2));
        // The tree's driver is preselected when the machine lists it; Ok
        // confirms it (no change), Cancel leaves a machine without it.
        const auto selected = setup.DriversList->selectedItems();
        if (!selected.isEmpty()) {
            EXPECT_EQ(selected.first()->text().toLower(), form->tree()->driverName().toLower());
            click(setup.Ok);
        } else {
            click(setup.Cancel);
        }
    });
    const QString before = form->tree()->driverName();
    form->bOptionsClick();
    EXPECT_EQ(form->tree()->driverName(), before);
}

TEST_F(DialogsOnTheMainWindow, ExitAsksAndOnlyYesCloses) {
    TFormAbout& about = dialogs->FormAbout();
    whileShowing(about, [&] {
        EXPECT_EQ(about.pos(), QPoint(form->x() + (640 - 400) / 2, form->y() + (480 - 322) / 2));
        click(about.No);
    });
    form->b2QuitClick();
    EXPECT_TRUE(form->isVisible());
    whileShowing(about, [&] { QTest::keyClick(&about, Qt::Key_Escape); });
    form->b2QuitClick();
    EXPECT_TRUE(form->isVisible());
    whileShowing(about, [&] { click(about.Yes); });
    form->b2QuitClick();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(DialogsOnTheMainWindow, HelpActionOneShowsTheInformation) {
    TFormAbout& about = dialogs->FormAbout();
    whileShowing(about, [&] {
        EXPECT_TRUE(about.Ok->isVisible());
        EXPECT_FALSE(about.Yes->isVisible());
        click(about.Ok);
    });
    form->HelpAction(nullptr, 1);
    EXPECT_FALSE(about.isVisible());
    EXPECT_TRUE(form->isVisible());
}
