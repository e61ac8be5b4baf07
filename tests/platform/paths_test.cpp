// Paths and settings: the home folder, the debug switch and the first-run flag
// against a real settings file in a scratch folder.
#include "platform/paths.h"
#include "platform/settings.h"
#include "support/test_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

class PathsTest : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           testsupport::scratchDir("settings"));
        OpenSettings()->clear();
    }
    void store(const QString& name, const QString& value) { OpenSettings()->setValue(name, value); }
};

TEST_F(PathsTest, DefaultsComeFromTheProgramFolder) {
    LoadPaths({}, "/opt/pinewick/");
    EXPECT_EQ(Paths.HDPath, "/opt/pinewick/");
    EXPECT_EQ(Paths.CDPath, "/opt/pinewick/");
    EXPECT_FALSE(Paths.Debug);
    EXPECT_TRUE(Paths.First);
    EXPECT_EQ(DataFile("Resource\\Bk.bmp"), "/opt/pinewick/Data/Resource/Bk.bmp");
}

TEST_F(PathsTest, StoredFoldersGainTheirTrailingSlash) {
    store("HDPath", "/home/ann/tree");
    store("CDPath", "/media/cd/");
    LoadPaths({}, "/opt/pinewick/");
    EXPECT_EQ(Paths.HDPath, "/home/ann/tree/");
    EXPECT_EQ(Paths.CDPath, "/media/cd/");

    store("HDPath", "");
    LoadPaths({}, "/opt/pinewick/");
    EXPECT_EQ(Paths.HDPath, "/");
}

TEST_F(PathsTest, FolderWithCommasIsReadWhole) {
    // An unquoted value with commas comes back from the store as a list.
    const QString file = OpenSettings()->fileName();
    QDir().mkpath(QFileInfo(file).absolutePath());
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[General]\nHDPath=/home/ann/a, b\n");
    }
    LoadPaths({}, "/opt/pinewick/");
    EXPECT_EQ(Paths.HDPath, "/home/ann/a, b/");
}

TEST_F(PathsTest, DebugSwitchInAnyCaseAndPosition) {
    for (const QStringList& args :
         {QStringList{"-DEBUG"}, QStringList{"-debug"}, QStringList{"x", "-DeBuG"}}) {
        LoadPaths(args, "/p/");
        EXPECT_TRUE(Paths.Debug) << args.join(' ').toStdString();
    }
    LoadPaths({"--debug", "DEBUG"}, "/p/");
    EXPECT_FALSE(Paths.Debug);
}

TEST_F(PathsTest, FirstRunFlagParsing) {
    const std::pair<const char*, bool> cases[] = {
        {"0", false}, {"1", true}, {"7", true}, {"x", true}, {" 0 ", false}};
    for (const auto& [text, expected] : cases) {
        store("First", text);
        LoadPaths({}, "/p/");
        EXPECT_EQ(Paths.First, expected) << text;
    }
}

TEST_F(PathsTest, FirstRunFlagIsWrittenOnlyBySavePaths) {
    LoadPaths({}, "/p/");
    Paths.First = false;
    // An abnormal end never reaches SavePaths: the store still says first run.
    LoadPaths({}, "/p/");
    EXPECT_TRUE(Paths.First);

    Paths.First = false;
    SavePaths();
    EXPECT_EQ(OpenSettings()->value("First").toString(), "0");
    LoadPaths({}, "/p/");
    EXPECT_FALSE(Paths.First);
}

TEST_F(PathsTest, ReadRegStringCreatesNothing) {
    EXPECT_EQ(ReadRegString("NoSuchMaker", "NoSuchProgram", "Server", "fallback"), "fallback");
    EXPECT_FALSE(QFile::exists(QSettings("NoSuchMaker", "NoSuchProgram").fileName()));
    store("HDPath", "/srv/x");
    EXPECT_EQ(ReadRegString("Corlune", "Pinewick", "HDPath", "d"), "/srv/x");
}

TEST(AddBackslash, AppendsOnlyWhenMissing) {
    EXPECT_EQ(AddBackslash(""), "/");
    EXPECT_EQ(AddBackslash("/a"), "/a/");
    EXPECT_EQ(AddBackslash("/a/"), "/a/");
}

} // namespace
