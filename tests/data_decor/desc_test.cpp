// The default description file: read back by the program unchanged, the
// settings a first start needs, a starting decoration on the tree, and data
// files for every name it holds.
#include "data_decor/decor_data.h"
#include "scene/keymeshes.h"
#include "scene/rm/meshbuilder.h"
#include "support/test_paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImage>
#include <QProcess>
#include <gtest/gtest.h>
#include <set>

namespace decortest {
namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(DefaultDescription, PassesTheCheckAndReadsBackToTheSameBytes) {
    const QString path = QString::fromStdString(dataDir() + "desc.default");
    QProcess check;
    check.start(testsupport::programPath(), {"--check", path});
    ASSERT_TRUE(check.waitForFinished(30000));
    EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardError().toStdString();
    EXPECT_EQ(check.readAllStandardOutput(), readAll(path));
}

TEST(DefaultDescription, GreetsInAFontThatIsInstalled) {
    const DescriptionFile& file = defaultDecoration();
    EXPECT_EQ(file.welcomeText, "Merry Christmas and a Happy New Year!");
    EXPECT_TRUE(QFontDatabase::families().contains(QString::fromStdString(file.fontName))) << file.fontName;
    EXPECT_TRUE(QFontDatabase::styles(QString::fromStdString(file.fontName))
                    .contains(QString::fromStdString(file.fontStyle)))
        << file.fontName << " " << file.fontStyle;
    EXPECT_EQ(file.musicOn, 1);
    EXPECT_EQ(file.songNumber, 0);
    EXPECT_TRUE(file.driver.empty());
}

TEST(DefaultDescription, NamesOnlyFilesThatExist) {
    const DescriptionFile& file = defaultDecoration();
    std::vector<std::string> names{file.tree.meshFile, file.mouse->soundFile};
    for (int k = 0; k < file.mouse->frameCount; ++k) {
        names.push_back(KeyMeshFile(file.mouse->modelFile, k));
    }
    for (const auto& desc : file.descToys) {
        names.push_back(desc.ShapeFile);
        for (int k = 0; k < desc.MeshCount; ++k) {
            names.push_back(KeyMeshFile(desc.MeshFile, k));
        }
        for (int k = 0; k < desc.LandCount; ++k) {
            names.push_back(KeyMeshFile(desc.LandFile, k));
        }
        EXPECT_GT(desc.LandTime, 0);
        EXPECT_EQ(desc.MeshCount > 1, desc.MeshTime > 0) << desc.MeshFile;
    }
    for (const auto& name : names) {
        EXPECT_EQ(name.find('\\'), std::string::npos) << name;
        // Sounds come from another generator; the meshes and pictures are ours.
        if (name.rfind("Sound/", 0) != 0) {
            EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(dataDir() + name))) << name;
        }
    }
}

TEST(DefaultDescription, StartsWithAFestiveTreeAndOneTopAtTheSnapPoint) {
    const DescriptionFile& file = defaultDecoration();
    ASSERT_TRUE(file.mouse.has_value());
    EXPECT_NEAR(file.mouse->chance, 0.3, 0.05);
    EXPECT_GE(file.toys.size(), 20u);
    EXPECT_LE(file.toys.size(), 31u);

    auto tree = rm::MeshBuilder::create();
    ASSERT_TRUE(tree->Load(dataDir() + file.tree.meshFile));
    tree->Scale(file.tree.scale, file.tree.scale, file.tree.scale); // as it stands in the scene
    const rm::Box box = tree->GetBox();
    const float height = box.max.y - box.min.y;
    const float radius =
        ((box.max.x - box.min.x) + (box.max.z - box.min.z)) * 0.25f * file.tree.topRadiusFactor;
    const float lowest = box.max.y - height * file.tree.topDepthFactor;

    int tops = 0;
    std::set<int> kinds;
    for (const ToyRecord& toy : file.toys) {
        ASSERT_GE(toy.descNumber, 0);
        ASSERT_LT(toy.descNumber, 49);
        kinds.insert(toy.descNumber / 7);
        if (file.descToys[static_cast<std::size_t>(toy.descNumber)].IsTop) {
            ++tops;
            // Where the tree-top rule would snap a top dropped near the tip.
            EXPECT_NEAR(toy.position.y, box.max.y - height * file.tree.topSnapFactor, 0.01f);
            EXPECT_EQ(toy.position.x, 0.0f);
            EXPECT_EQ(toy.position.z, 0.0f);
            continue;
        }
        // On the tree, among its branches.
        const float out = std::hypot(toy.position.x, toy.position.z);
        EXPECT_LT(out, (box.max.x - box.min.x) * 0.5f) << "toy " << toy.descNumber;
        EXPECT_GT(toy.position.y, 0.06f * height);
        EXPECT_LT(toy.position.y, lowest);
    }
    EXPECT_EQ(tops, 1);
    for (std::size_t i = 0; i < file.toys.size(); ++i) {
        for (std::size_t j = i + 1; j < file.toys.size(); ++j) {
            const TVector a = file.toys[i].position, b = file.toys[j].position;
            EXPECT_GT(std::hypot(a.x - b.x, a.y - b.y, a.z - b.z), 2.0f)
                << "toys " << i << " and " << j << " meet";
        }
    }
    EXPECT_GE(kinds.size(), 6u) << "toys of most cases are on the tree";

    // A top dropped on the upper part of the tree is accepted: everything
    // above the zone's lowest height lies within its radius.
    for (int g = 0; g < tree->CreateMesh()->GetGroupCount(); ++g) {
        for (const auto& v : tree->CreateMesh()->GetVertices(g)) {
            if (v.position.y >= lowest) {
                EXPECT_LE(std::hypot(v.position.x, v.position.z), radius);
            }
        }
    }
}

QString makeData() {
    return testsupport::buildDir() + "/tools/make-data/make-data";
}

const QStringList OurGenerators{"decor-tree", "decor-toys", "decor-mouse", "decor-pictures", "decor-desc"};

bool runMakeData(const QString& dir, const QStringList& extra = {}) {
    QProcess run;
    run.start(makeData(), QStringList{dir, "--only"} + OurGenerators + extra);
    return run.waitForFinished(120000) && run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0;
}

TEST(DecorGenerator, TwoRunsWriteTheSameFiles) {
    const QString first = testsupport::scratchDir("decor-a"), second = testsupport::scratchDir("decor-b");
    ASSERT_TRUE(runMakeData(first));
    ASSERT_TRUE(runMakeData(second));
    int files = 0;
    for (QDirIterator it(first, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        const QString twin = second + path.mid(first.size());
        ASSERT_EQ(readAll(path), readAll(twin)) << path.toStdString();
        ++files;
    }
    EXPECT_GT(files, 49 * 2);
}

TEST(DecorGenerator, KeepsTheUsersDecorationUnlessAskedToReplaceIt) {
    const QString dir = testsupport::scratchDir("decor-keep");
    QDir().mkpath(dir + "/Data");
    {
        QFile mine(dir + "/desc");
        ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
        mine.write("Music=0,4\r\n");
    }
    QProcess run;
    run.start(makeData(), {dir, "--only", "decor-desc"});
    ASSERT_TRUE(run.waitForFinished(60000));
    EXPECT_EQ(readAll(dir + "/desc"), QByteArray("Music=0,4\r\n"));
    EXPECT_TRUE(readAll(dir + "/desc.default").startsWith("Driver=\r\nMusic=1,0\r\n"));

    run.start(makeData(), {dir, "--only", "decor-desc", "--replace-desc"});
    ASSERT_TRUE(run.waitForFinished(60000));
    EXPECT_EQ(readAll(dir + "/desc"), readAll(dir + "/desc.default"));
}

TEST(DecorGenerator, WritesPlainCasePicturesWhenThereIsNo3DDevice) {
    const QString dir = testsupport::scratchDir("decor-nogl");
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("__EGL_VENDOR_LIBRARY_FILENAMES", "/nonexistent"); // hides every EGL driver
    run.setProcessEnvironment(environment);
    run.start(makeData(), {dir, "--only", "decor-pictures"});
    ASSERT_TRUE(run.waitForFinished(60000));
    EXPECT_EQ(run.exitCode(), 0);
    const QImage strip(dir + "/Shape/BigBall0.bmp");
    ASSERT_EQ(strip.size(), QSize(76, 42));
    EXPECT_NE(strip.pixel(19, 21), strip.pixel(0, 0)) << "the toy's place is filled";
    EXPECT_EQ(QImage(dir + "/Shape/BigBall0@2x.png").size(), QSize(152, 84));
}

} // namespace
} // namespace decortest
