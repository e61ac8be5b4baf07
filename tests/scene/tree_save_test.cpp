// The tree's own load and save with awkward files and settings: whatever the
// file or the folder, the decoration is read back as it was saved, a file that
// can't be read is never replaced, and no setting turns the scene into NaN.
#include "platform/paths.h"
#include "scene/openglprobe.h"
#include "scene/tree.h"
#include "scene/xfiles.h"
#include "support/test_paths.h"

#include <QDir>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using namespace testsupport;

class TreeSave : public ::testing::Test {
protected:
    // homeName may hold characters file patterns use ("a*b").
    void makeHome(const QString& homeName = "home") {
        home_ = scratchDir("tree_save") + "/" + homeName + "/";
        QDir().mkpath(home_ + "Data/Mesh");
        const std::string mesh = meshFolder();
        writeXMesh(mesh + "Tree.x", pyramid(30, 80));
        writeXMesh(mesh + "Flat.x", {{{-30, 0, -30, 30, 0, -30, 0, 0, 30}}});
        for (int k = 0; k < 2; ++k) {
            writeXMesh(mesh + "Ball" + std::to_string(k) + ".x",
                       doubleSided(twoGroupShape(0, float(k), 1, 0, 0)));
            writeXMesh(mesh + "Mouse" + std::to_string(k) + ".x", doubleSided(twoGroupShape(0, 0, 1, 1, 1)));
        }
        Paths.HDPath = home_;
        DirectXVersion = 0x600;
    }
    std::string meshFolder() const { return (home_ + "Data/Mesh/").toStdString(); }
    std::string descPath() const { return (home_ + "Data/desc").toStdString(); }

    static std::string decoration(const std::string& times,
                                  const std::string& tree = "Tree=Mesh/Tree.x,1,0:0:0,"
                                                            "0:0:1,0:1:0,0.25,0.12,0.02") {
        return "Driver=\nMusic=0,0\nWelcomeText=Hi\nWelcomeParams=Lobster,Regular,FF:D7:00\n" + times + "\n" +
               tree +
               "\nDescToy=Toys/Ball.bmp,0,2,Mesh/Ball*.x,FF:D7:00,2,Mesh/Ball*.x,FF:00:FF,900,600,1,2,"
               "Sound/Shatter.wav\nMouse=0.5,2,Mesh/Mouse*.x,400,1,1000,Sound/Squeak.wav\n";
    }
    void writeDesc(const std::string& text) const { std::ofstream(descPath(), std::ios::binary) << text; }
    static std::string slurp(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static std::unique_ptr<TTree> makeTree() {
        QImage background(370, 376, QImage::Format_RGB32);
        background.fill(QColor(10, 20, 60));
        return std::make_unique<TTree>("desc", QSize(370, 376), background);
    }

    QString home_;
};

TEST_F(TreeSave, TurnFollowsTheRotateTimeAndZeroTimesNeitherTurnNorDivide) {
    makeHome();
    struct Case {
        const char* times;
        float directionX; // x of the tree's direction after a positive turn of 1000 ms
    };
    // A quarter turn about +y brings the direction (0, 0, 1) round to (1, 0, 0);
    // a negative time turns the other way.
    const Case cases[] = {
        {"TimeForDrop=0\nTimeForRotate=0", 0},
        {"TimeForDrop=-5\nTimeForRotate=4000", 1},
        {"TimeForDrop=-5\nTimeForRotate=-4000", -1},
    };
    // The tree stands back from the scene's origin and turns where it stands.
    for (const Case& c : cases) {
        writeDesc(decoration(c.times, "Tree=Mesh/Tree.x,1,0:0:-30,0:0:1,0:1:0,0.25,0.12,0.02"));
        {
            auto tree = makeTree();
            ASSERT_FALSE(tree->loadError());
            tree->Rotate(true, 1000);
            rm::Vector direction, up;
            tree->treeFrame()->GetOrientation(tree->sceneFrame().get(), direction, up);
            EXPECT_NEAR(direction.x, c.directionX, 1e-5) << c.times;
            EXPECT_NEAR(direction.y, 0, 1e-5) << c.times;
            const rm::Vector foot = tree->treeFrame()->GetPosition(tree->sceneFrame().get());
            EXPECT_NEAR(foot.x, 0, 1e-4) << c.times;
            EXPECT_NEAR(foot.z, -30, 1e-4) << c.times;
            // A fall that takes no time lands at once, on the floor.
            TToy* toy = tree->AddToy(*tree->descToys()[0], {0, 0, 0.1f}, {0, 1, 0}, {0, 40, 10});
            tree->StartDrop({0, 40, 10});
            EXPECT_TRUE(tree->DropStep(toy, 16));
            EXPECT_EQ(toy->frame()->GetPosition(tree->treeFrame().get()).y, 0);
        }
        const std::string saved = slurp(descPath());
        EXPECT_NE(saved.find("Tree=Mesh/Tree.x,1,0:0:-30,"), std::string::npos) << saved;
        EXPECT_NE(saved.find(std::string(c.times).substr(0, 13)), std::string::npos)
            << "the file's times are kept";
    }
}

TEST_F(TreeSave, ATreeWithoutHeightDropsAtOnce) {
    makeHome();
    writeDesc(decoration("TimeForDrop=3000\nTimeForRotate=8000",
                         "Tree=Mesh/Flat.x,1,0:0:0,0:0:1,0:1:0,0.25,0.12,0.02"));
    auto tree = makeTree();
    tree->KeepFileUnchanged();
    EXPECT_EQ(tree->TreeHeight(), 0);
    TToy* toy = tree->AddToy(*tree->descToys()[0], {0, 0, 0.1f}, {0, 1, 0}, {0, 5, 10});
    tree->StartDrop({0, 5, 10});
    EXPECT_FALSE(std::isnan(tree->DropTimeOffset()));
    EXPECT_TRUE(tree->DropStep(toy, 16));
    EXPECT_EQ(toy->frame()->GetPosition(tree->treeFrame().get()).y, 0);
}

TEST_F(TreeSave, AStarInTheHomeFolderIsNoKeyNumber) {
    makeHome("a*b");
    writeDesc(decoration("TimeForDrop=3000\nTimeForRotate=8000"));
    auto tree = makeTree();
    tree->KeepFileUnchanged();
    tree->descToys()[0]->LoadMesh();
    EXPECT_TRUE(tree->descToys()[0]->mesh());
    ASSERT_TRUE(tree->mouse());
    EXPECT_TRUE(tree->mouse()->model());
}

TEST_F(TreeSave, NamesWrittenInAnotherLetterCaseStillFindTheirFiles) {
    makeHome();
    writeDesc(decoration("TimeForDrop=3000\nTimeForRotate=8000",
                         "Tree=mesh/TREE.x,1,0:0:0,0:0:1,0:1:0,0.25,0.12,0.02") +
              "DescToy=Toys/Ball.bmp,0,2,MESH/ball*.X,FF:D7:00,2,Mesh/Ball*.x,FF:00:FF,900,600,1,2,s.wav\n");
    auto tree = makeTree();
    tree->KeepFileUnchanged();
    EXPECT_FLOAT_EQ(tree->TreeHeight(), 80);
    tree->descToys()[1]->LoadMesh();
    EXPECT_TRUE(tree->descToys()[1]->mesh());
    EXPECT_EQ(tree->descToys()[1]->record().MeshFile, "MESH/ball*.X") << "the file's names are kept";
}

TEST_F(TreeSave, LongLinesAndTinyRealsComeBackFromTheSave) {
    makeHome();
    const std::string longName = "Mesh/" + std::string(150, 'T') + ".x";
    fs::copy_file(meshFolder() + "Tree.x", (home_ + "Data/").toStdString() + longName);
    const std::string sound = "Sound/" + std::string(120, 's') + ".wav";
    writeDesc(decoration("TimeForDrop=3000\nTimeForRotate=8000",
                         "Tree=" + longName + ",1,0:0:0,0:0:1,0:1:0,0.00001,0.00001,0.00001") +
              "DescToy=Toys/Ball.bmp,0,2,Mesh/Ball*.x,FF:D7:00,2,Mesh/Ball*.x,FF:00:FF,900,600,1,0.3," +
              sound + "\n");
    {
        auto tree = makeTree();
        ASSERT_FALSE(tree->loadError());
    }
    auto again = makeTree();
    ASSERT_FALSE(again->loadError()) << again->loadError()->what();
    EXPECT_EQ(again->treeRecord().meshFile, longName);
    EXPECT_EQ(again->treeRecord().topSnapFactor, 1e-5f);
    EXPECT_EQ(again->descToys().at(1)->record().SoundFile, sound);
    EXPECT_FLOAT_EQ(again->TreeHeight(), 80);
}

TEST_F(TreeSave, RealsBeyondSinglePrecisionAreALoadErrorNotAVanishedTree) {
    makeHome();
    const std::string text = decoration("TimeForDrop=3000\nTimeForRotate=8000",
                                        "Tree=Mesh/Tree.x,1e39,0:0:0,0:0:1,0:1:0,0.25,0.12,0.02");
    writeDesc(text);
    {
        auto tree = makeTree();
        ASSERT_TRUE(tree->loadError());
        EXPECT_STREQ(tree->loadError()->what(), "Data/desc:7: '1e39' is out of the range of real values");
    }
    EXPECT_EQ(slurp(descPath()), text);
}

TEST_F(TreeSave, AFileThatIsThereButUnreadableIsNeverReplaced) {
    makeHome();
    const std::string desc = descPath();
    auto expectKept = [&](const char* what) {
        {
            auto tree = makeTree();
            EXPECT_TRUE(tree->loadError()) << what;
            EXPECT_FALSE(tree->Save()) << what;
        }
        EXPECT_FALSE(fs::exists(desc + "~~~")) << what;
        EXPECT_FALSE(fs::is_regular_file(fs::symlink_status(desc))) << what << ": replaced by a default file";
    };
    fs::create_symlink("nowhere", desc);
    expectKept("dangling link");
    fs::remove(desc);
    fs::create_symlink("desc", desc);
    expectKept("link loop");
    fs::remove(desc);
    fs::create_directory(desc);
    expectKept("folder");
    {
        auto tree = makeTree();
        EXPECT_STREQ(tree->loadError()->what(), "Data/desc: is a directory, not a description file");
        EXPECT_TRUE(tree->loadWarnings().empty()) << "no warnings about lines of a file that isn't one";
    }
}

TEST_F(TreeSave, ALinkedFileIsReplacedWhereItLivesAndTheLinkStays) {
    makeHome();
    const std::string real = (home_ + "kept/desc").toStdString();
    fs::create_directories(home_.toStdString() + "kept");
    const std::string text = decoration("TimeForDrop=3000\nTimeForRotate=8000");
    std::ofstream(real, std::ios::binary) << text;
    fs::create_symlink(real, descPath());
    {
        auto tree = makeTree();
        ASSERT_FALSE(tree->loadError());
        tree->WelcomeText = "through the link";
    }
    EXPECT_TRUE(fs::is_symlink(descPath()));
    EXPECT_NE(slurp(real).find("WelcomeText=through the link"), std::string::npos);
    EXPECT_EQ(slurp(real + "~~~"), text);
    EXPECT_FALSE(fs::exists(real + ".tmp"));
}

TEST_F(TreeSave, NoBackupNoReplacement) {
    makeHome();
    const std::string text = decoration("TimeForDrop=3000\nTimeForRotate=8000");
    writeDesc(text);
    fs::create_directories(descPath() + "~~~/taken");
    {
        auto tree = makeTree();
        tree->WelcomeText = "changed";
        EXPECT_FALSE(tree->Save());
    }
    EXPECT_EQ(slurp(descPath()), text);
}

TEST_F(TreeSave, ASaveInterruptedAfterItsBackupLeavesNoStrayFile) {
    makeHome();
    const std::string text = decoration("TimeForDrop=3000\nTimeForRotate=8000");
    writeDesc(text);
    // Killed between the backup and the rename: both names on one file.
    fs::create_hard_link(descPath(), descPath() + "~~~");
    {
        auto tree = makeTree();
        tree->WelcomeText = "after the interruption";
    }
    EXPECT_FALSE(fs::exists(descPath() + "~~~.tmp"));
    EXPECT_FALSE(fs::exists(descPath() + ".tmp"));
    EXPECT_EQ(slurp(descPath() + "~~~"), text);
    EXPECT_NE(slurp(descPath()).find("WelcomeText=after the interruption"), std::string::npos);
}

} // namespace
