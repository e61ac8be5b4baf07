// The About box: the exit question's answers and the information form.
#include "controls/control0.h"
#include "dialogs/dialog_support.h"
#include "dialogs/formabout.h"

#include <QTest>
#include <gtest/gtest.h>

using dialogtest::click;
using dialogtest::whileShowing;

namespace {

class AboutBox : public ::testing::Test {
protected:
    AboutBox() {
        about.Prepare(dialogtest::resourcePicture("About.bmp"), dialogtest::resourcePicture("Setup.bmp"));
        about.OpenUrl = [this](const QUrl& url) {
            opened.push_back(url);
        };
        mainWindow.setGeometry(100, 50, 640, 480);
        about.SetMainWindow(&mainWindow);
    }

    TFormAbout about;
    QWidget mainWindow;
    std::vector<QUrl> opened;
};

} // namespace

TEST_F(AboutBox, ExitQuestionIsYesOnlyForYes) {
    struct Way {
        const char* name;
        std::function<void(TFormAbout&)> act;
        bool answer;
    };
    const std::vector<Way> ways{
        {"Yes", [](TFormAbout& a) { click(a.Yes); }, true},
        {"No", [](TFormAbout& a) { click(a.No); }, false},
        {"Escape", [](TFormAbout& a) { QTest::keyClick(&a, Qt::Key_Escape); }, false},
        {"Enter", [](TFormAbout& a) { QTest::keyClick(&a, Qt::Key_Return); }, true},
        {"closed", [](TFormAbout& a) { a.close(); }, false},
    };
    for (const Way& way : ways) {
        whileShowing(about, [&] {
            EXPECT_TRUE(about.QExit->isVisible());
            EXPECT_TRUE(about.Yes->isVisible());
            EXPECT_TRUE(about.No->isVisible());
            EXPECT_FALSE(about.Ok->isVisible());
            EXPECT_EQ(about.QExit->Caption(), "Do you want to exit ?");
            way.act(about);
        });
        EXPECT_EQ(about.AskExit(), way.answer) << way.name;
        EXPECT_FALSE(about.isVisible()) << way.name;
    }
}

TEST_F(AboutBox, BothFormsCentreOnTheMainWindow) {
    whileShowing(about, [&] { click(about.Ok); });
    about.ShowInfo();
    EXPECT_EQ(about.pos(), QPoint(100 + 120, 50 + 79));
    mainWindow.move(0, 0);
    whileShowing(about, [&] { click(about.No); });
    about.AskExit();
    EXPECT_EQ(about.pos(), QPoint(120, 79));
}

TEST_F(AboutBox, InformationIsClosedByOk) {
    whileShowing(about, [&] {
        EXPECT_TRUE(about.Ok->isVisible());
        EXPECT_FALSE(about.QExit->isVisible());
        EXPECT_FALSE(about.Yes->isVisible());
        EXPECT_FALSE(about.No->isVisible());
        click(about.Ok);
    });
    about.ShowInfo();
    EXPECT_FALSE(about.isVisible());
    // An exit question after the information starts from No again.
    whileShowing(about, [&] { QTest::keyClick(about.No, Qt::Key_Escape); });
    EXPECT_FALSE(about.AskExit());
}

TEST_F(AboutBox, LinksOpenTheirAddresses) {
    whileShowing(about, [&] {
        click(about.HTTPpanel);
        click(about.EMAILpanel);
        for (TControl0* product : about.Products) {
            click(product);
        }
        click(about.Ok);
    });
    about.ShowInfo();
    ASSERT_EQ(opened.size(), 2 + about.Products.size());
    EXPECT_EQ(opened[0].scheme(), "https");
    EXPECT_EQ(opened[1].scheme(), "mailto");
    for (size_t i = 0; i < about.Products.size(); ++i) {
        EXPECT_EQ(opened[2 + i], QUrl(about.Products[i]->Caption()));
        EXPECT_TRUE(opened[2 + i].isValid());
        EXPECT_FALSE(about.Products[i]->toolTip().isEmpty());
    }
}
