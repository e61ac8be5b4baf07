// Paths and settings: the home folder, the debug switch and the first-run flag
// against a real settings file in a scratch folder.
#include "platform/paths.h"
#include "platform/settings.h"
#include "support/test_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
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

TEST_F(PathsTest, DefaultHomeIsTheProgramFolderWithDataElseTheUsersDataFolder) {
    const QString built = testsupport::scratchDir("built") + "/";
    QDir().mkpath(built + "Data/Resource");
    const QString installed = testsupport::scratchDir("installed-bin") + "/";
    const QString userData = testsupport::scratchDir("xdg-data");
    qputenv("XDG_DATA_HOME", userData.toUtf8());
    const std::pair<QString, QString> cases[] = {
        {built, built},
        {installed, userData + "/pinewick/"},
    };
    for (const auto& [programFolder, home] : cases) {
        LoadPaths({}, programFolder);
        EXPECT_EQ(Paths.HDPath, home) << programFolder.toStdString();
        EXPECT_EQ(Paths.CDPath, home);
        EXPECT_FALSE(Paths.Debug);
        EXPECT_TRUE(Paths.First);
    }
    qunsetenv("XDG_DATA_HOME");
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

TEST_F(PathsTest, HomeFolderIsReadAsOneStringWhateverItHolds) {
    // Lines as a user or a tool writes them into the settings file.
    const std::pair<const char*, const char*> written[] = {
        {"HDPath=/x/a,b/", "/x/a,b/"},          {"HDPath=/home/ann/a, b", "/home/ann/a, b/"},
        {"HDPath=/x/a,,b,/", "/x/a,,b,/"},      {"HDPath=/x/my tree/", "/x/my tree/"},
        {"HDPath=/x/\"q\"/", "/x/\"q\"/"},      {"HDPath=/x/\"a,b\"/", "/x/\"a,b\"/"},
        {"HDPath=/x/a;b/", "/x/a;b/"},          {"HDPath=\"/x/a,b/\"", "/x/a,b/"},
        {"HDPath = /x/spaced/ ", "/x/spaced/"}, {"HDPath=/x/\xc3\xa9t\xc3\xa9,2/", "/x/\u00e9t\u00e9,2/"},
    };
    const QString file = OpenSettings()->fileName();
    QDir().mkpath(QFileInfo(file).absolutePath());
    for (const auto& [line, expected] : written) {
        {
            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(QByteArray("[General]\nFirst=0\n") + line + "\n[Other]\nHDPath=/wrong/\n");
        }
        LoadPaths({}, "/opt/pinewick/");
        EXPECT_EQ(Paths.HDPath.toStdString(), expected) << line;
    }
    // Whatever the store writes itself comes back unchanged.
    for (const char* folder : {"/x/a,b/", "/x/\"q\",/", "/x/a\\b/", " /x/lead/", "/x/a=b/"}) {
        OpenSettings()->clear();
        store("HDPath", folder);
        LoadPaths({}, "/opt/pinewick/");
        EXPECT_EQ(Paths.HDPath.toStdString(), folder) << folder;
    }
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

// The installed data folder as the test program finds it beside itself.
class DataLookupTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The folder beside the test program is one for all: the test
        // processes that run at the same time take turns.
        ASSERT_TRUE(lock_.lock());
        installed_ = InstalledDataFolder();
        ASSERT_FALSE(QFileInfo::exists(installed_)) << "left from another run: " << installed_.toStdString();
    }
    void TearDown() override { QDir(QDir::cleanPath(installed_ + "../..")).removeRecursively(); }
    static void write(const QString& file, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray read(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QString installed_;
    QLockFile lock_{QDir::tempPath() + "/pinewick-installed-data-test.lock"};
};

TEST_F(DataLookupTest, TheWholeDataSetComesFromOneFolderTheDecorationFromTheHome) {
    struct Case {
        const char* name;
        bool homeHasDataSet;
        bool homeHasDesc;
        bool installedExists;
        bool readsInstalled; // where Resource/Bk.bmp and desc.default are read
    };
    const Case cases[] = {
        {"build-folder", true, true, true, false},
        {"own-data-no-install", true, true, false, false},
        {"installed", false, true, true, true},
        {"bare-home-no-install", false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString home = testsupport::scratchDir(QString("lookup-") + c.name) + "/";
        if (c.homeHasDataSet) {
            QDir().mkpath(home + "Data/Resource");
        }
        if (c.homeHasDesc) {
            write(home + "Data/desc", "own");
        }
        if (c.installedExists) {
            write(installed_ + "Resource/Bk.bmp", "bmp");
            write(installed_ + "desc.default", "default");
        }
        Paths.HDPath = home;
        const QString from = c.readsInstalled ? installed_ : home + "Data/";
        EXPECT_EQ(DataFile("Resource\\Bk.bmp"), from + "Resource/Bk.bmp");
        EXPECT_EQ(DecorationFile("desc.default"), from + "desc.default");
        EXPECT_EQ(UserDataFile("desc~~~"), home + "Data/desc~~~");
        if (c.homeHasDesc) {
            EXPECT_EQ(DecorationFile("desc"), home + "Data/desc");
        }
        QDir(QDir::cleanPath(installed_ + "../..")).removeRecursively();
    }
}

TEST_F(DataLookupTest, AFirstStartGetsItsOwnWritableCopyOfTheShippedDecoration) {
    write(installed_ + "Resource/Bk.bmp", "bmp");
    write(installed_ + "desc", "shipped");
    QFile::setPermissions(installed_ + "desc", QFileDevice::ReadOwner | QFileDevice::ReadOther);
    Paths.HDPath = testsupport::scratchDir("seed") + "/home/";

    ASSERT_TRUE(SeedUserData());
    EXPECT_EQ(read(UserDataFile("desc")), "shipped");
    EXPECT_TRUE(QFileInfo(UserDataFile("desc")).isWritable());
    EXPECT_EQ(DecorationFile("desc"), UserDataFile("desc"));

    // Seeded once: the user's changes stay.
    write(UserDataFile("desc"), "mine");
    ASSERT_TRUE(SeedUserData());
    EXPECT_EQ(read(UserDataFile("desc")), "mine");

    // A dangling link where the decoration goes is the user's: neither
    // followed (which would make its target) nor replaced.
    Paths.HDPath = testsupport::scratchDir("seed-link") + "/home/";
    const QString target = Paths.HDPath + "elsewhere/desc";
    QDir().mkpath(Paths.HDPath + "elsewhere");
    QDir().mkpath(Paths.HDPath + "Data");
    ASSERT_TRUE(QFile::link(target, UserDataFile("desc")));
    ASSERT_TRUE(SeedUserData());
    EXPECT_EQ(QFileInfo(UserDataFile("desc")).symLinkTarget(), target);
    EXPECT_FALSE(QFileInfo::exists(target));

    // A home that can't be made is told, and the shipped one is read.
    Paths.HDPath = "/proc/no-such-home/";
    EXPECT_FALSE(SeedUserData());
    EXPECT_EQ(DecorationFile("desc"), installed_ + "desc");
}

TEST(AddBackslash, AppendsOnlyWhenMissing) {
    EXPECT_EQ(AddBackslash(""), "/");
    EXPECT_EQ(AddBackslash("/a"), "/a/");
    EXPECT_EQ(AddBackslash("/a/"), "/a/");
}

} // namespace
