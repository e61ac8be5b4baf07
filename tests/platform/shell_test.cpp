// Shell folders, the desktop launcher and the widget helpers.
#include "platform/paths.h"
#include "support/test_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        home_ = testsupport::scratchDir("home");
        savedHome_ = qgetenv("HOME");
        savedConfig_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", home_.toUtf8());
        qunsetenv("XDG_CONFIG_HOME");
    }
    void TearDown() override {
        qputenv("HOME", savedHome_);
        if (savedConfig_.isEmpty()) {
            qunsetenv("XDG_CONFIG_HOME");
        } else {
            qputenv("XDG_CONFIG_HOME", savedConfig_);
        }
    }
    QString home_;
    QByteArray savedHome_, savedConfig_;
};

TEST_F(ShellTest, DesktopFolderFollowsTheUserDirsFile) {
    EXPECT_EQ(GetDesktopFolder(), home_ + "/Desktop/");
    QDir(home_).mkpath(".config");
    QFile dirs(home_ + "/.config/user-dirs.dirs");
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n");
    dirs.close();
    EXPECT_EQ(GetDesktopFolder(), home_ + "/Bureau/");
    EXPECT_TRUE(GetTempFolder().endsWith('/'));
}

TEST_F(ShellTest, LauncherIsAValidExecutableDesktopEntry) {
    Paths.HDPath = home_ + "/tree home/";
    ASSERT_TRUE(CreateDesktopShortcut());
    const QString launcher = home_ + "/Desktop/Pinewick.desktop";
    ASSERT_TRUE(QFileInfo::exists(launcher));
    EXPECT_TRUE(QFileInfo(launcher).isExecutable());

    QSettings entry(launcher, QSettings::IniFormat);
    entry.beginGroup("Desktop Entry");
    EXPECT_EQ(entry.value("Type").toString(), "Application");
    EXPECT_EQ(entry.value("Name").toString(), "Pinewick");
    EXPECT_EQ(entry.value("Path").toString(), Paths.HDPath);
    EXPECT_EQ(entry.value("Exec").toString(), ProgramFile());

    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    if (!validator.isEmpty()) {
        QProcess check;
        check.start(validator, {launcher});
        ASSERT_TRUE(check.waitForFinished());
        EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardOutput().toStdString();
    }
}

TEST(DesktopEntryText, QuotesAndEscapesTheProgram) {
    const QString text = DesktopEntryText("/opt/my tree/pine$wick", "/opt/my tree/", "");
    EXPECT_TRUE(text.contains("Exec=\"/opt/my tree/pine\\\\$wick\"\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("Path=/opt/my tree/\n"));
    EXPECT_FALSE(text.contains("Icon="));
    EXPECT_TRUE(DesktopEntryText("/opt/100%/pw", "/", "").contains("Exec=/opt/100%%/pw\n"));
}

TEST(FindChildControl, DirectChildrenAndExactNamesOnly) {
    QWidget form;
    auto* toy = new QWidget(&form);
    toy->setObjectName("Toy1");
    auto* panel = new QWidget(&form);
    auto* nested = new QWidget(panel);
    nested->setObjectName("Toy2");
    EXPECT_EQ(FindChildControl(&form, "Toy1"), toy);
    EXPECT_EQ(FindChildControl(&form, "toy1"), nullptr);
    EXPECT_EQ(FindChildControl(&form, "Toy2"), nullptr);
    EXPECT_EQ(FindChildControl(nullptr, "Toy1"), nullptr);
}

TEST(ConvertPoint, MapsThroughTheScreen) {
    QWidget form;
    form.setGeometry(100, 100, 640, 480);
    auto* a = new QWidget(&form);
    a->setGeometry(10, 20, 50, 50);
    auto* b = new QWidget(&form);
    b->setGeometry(135, 32, 370, 376);
    EXPECT_EQ(ConvertPoint(QPoint(5, 5), a, b), QPoint(10 + 5 - 135, 20 + 5 - 32));
}

} // namespace
