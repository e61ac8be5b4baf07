// The decorated tree on a small scene of its own: a pyramid for a tree, a
// three-key ornament, a top, a two-key landing and a mouse. Renders through
// the real OpenGL device (llvmpipe without a GPU).
#include "platform/paths.h"
#include "scene/openglprobe.h"
#include "scene/tree.h"
#include "scene/xfiles.h"
#include "support/test_paths.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <cmath>
#include <cstring>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using namespace testsupport;

const char* const treeLine = "Tree=Mesh/Tree.x,1,0:0:0,0:0:1,0:1:0,0.25,0.12,0.02";
const char* const catalogue =
    "DescToy=Toys/Ball.bmp,0,3,Mesh/Ball*.x,FF:D7:00,2,Mesh/Land*.x,FF:00:FF,900,600,1,2,"
    "Sound/Shatter.wav\n"
    "DescToy=Toys/Top.bmp,1,1,Mesh/Top.x,C0:C0:C0,2,Mesh/Land*.x,FF:00:FF,0,600,0,1,"
    "Sound/Crash.wav\n";

class TreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        home_ = scratchDir("tree") + "/";
        QDir().mkpath(home_ + "Data/Mesh");
        const std::string mesh = (home_ + "Data/Mesh/").toStdString();
        writeXMesh(mesh + "Tree.x", pyramid(30, 80));
        for (int k = 0; k < 3; ++k) {
            writeXMesh(mesh + "Ball" + std::to_string(k) + ".x",
                       doubleSided(twoGroupShape(0, float(k), 1, 0, 0)));
        }
        writeXMesh(mesh + "Top.x", doubleSided(twoGroupShape(0, 0, 1, 1, 0)));
        for (int k = 0; k < 2; ++k) {
            writeXMesh(mesh + "Land" + std::to_string(k) + ".x",
                       doubleSided(twoGroupShape(float(k), 0, 1, 0, 1)));
            writeXMesh(mesh + "Mouse" + std::to_string(k) + ".x",
                       doubleSided(twoGroupShape(0, 0, 0.5f, 0.5f, 0.5f)));
        }
        Paths.HDPath = home_;
        DirectXVersion = 0x600;
    }

    void writeDesc(const std::string& extra, const std::string& mouseChance = "1") {
        std::ofstream(descPath())
            << "Driver=\nMusic=0,0\nWelcomeText=Hi\nWelcomeParams=Lobster,Regular,FF:D7:00\n"
            << "TimeForDrop=30000\nTimeForRotate=8000\n"
            << treeLine << "\n"
            << catalogue << "Mouse=" << mouseChance << ",2,Mesh/Mouse*.x,400,1,1000,Sound/Squeak.wav\n"
            << extra;
    }
    std::unique_ptr<TTree> makeTree() {
        QImage background(370, 376, QImage::Format_RGB32);
        background.fill(QColor(10, 20, 60));
        return std::make_unique<TTree>("desc", QSize(370, 376), background);
    }
    std::string descPath() const { return (home_ + "Data/desc").toStdString(); }
    std::string descText() const {
        std::ifstream in(descPath(), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // A point on the tree's front face, through the middle of the view.
    static constexpr int centreX = 185, centreY = 200;

    QString home_;
};

TEST_F(TreeTest, MeasuresTheTreeAndRaisesTheCamera) {
    writeDesc("");
    auto tree = makeTree();
    ASSERT_TRUE(tree->hasDevice());
    EXPECT_FALSE(tree->loadError());
    EXPECT_FLOAT_EQ(tree->TreeHeight(), 80);
    EXPECT_FLOAT_EQ(tree->TopRadius(), (60 + 60) * 0.25f * 0.25f);
    EXPECT_FLOAT_EQ(tree->TopLowestHeight(), 80 - 80 * 0.12f);
    EXPECT_NEAR(tree->cameraFrame()->GetPosition(tree->treeFrame().get()).y, 40, 1e-4);
    EXPECT_EQ(tree->descToys().size(), 2u);
    ASSERT_TRUE(tree->mouse());
}

TEST_F(TreeTest, ATopOnTheTreeDoesNotRaiseTheTopZone) {
    writeDesc("Toy=1,0:78:0,0:0:1,0:1:0\n");
    auto tree = makeTree();
    tree->KeepFileUnchanged();
    EXPECT_FLOAT_EQ(tree->TreeHeight(), 80);
    EXPECT_FLOAT_EQ(tree->TopSnapHeight(), 80 - 80 * 0.02f);
    // Taken off, a new top snaps onto the tip, not above the old one.
    tree->RemoveToy(tree->toys()[0].get());
    rm::Vector point{0, 79, 0};
    ASSERT_TRUE(tree->FitTop(point));
    EXPECT_LT(point.y, 80);
}

TEST_F(TreeTest, PickFindsSkyTreeAndAToyInFront) {
    writeDesc("");
    auto tree = makeTree();
    rm::Vector hit{-1.0f};
    EXPECT_EQ(tree->Pick(3, 3, &hit).kind, TPickResult::Nothing);

    const TPickResult onTree = tree->Pick(centreX, centreY, &hit);
    ASSERT_EQ(onTree.kind, TPickResult::Tree);
    EXPECT_GT(hit.y, 0);
    EXPECT_LT(hit.y, tree->TreeHeight());
    EXPECT_GT(hit.z, 0); // on the side facing the camera

    // Hung a little in front of the sloping face, so that all of it shows.
    TToy* toy = tree->AddToy(*tree->descToys()[0], {0, 0, 0.1f}, {0, 1, 0}, hit + rm::Vector(0, 0, 4));
    const TPickResult onToy = tree->Pick(centreX, centreY + 22); // the ornament's lower half
    EXPECT_EQ(onToy.kind, TPickResult::Toy);
    EXPECT_EQ(onToy.toy, toy);
    EXPECT_EQ(tree->FindToy(tree->treeFrame().get()).kind, TPickResult::Tree);
    EXPECT_EQ(tree->FindToy(tree->cameraFrame().get()).kind, TPickResult::Nothing);
}

// The toy nearest a point of the screen: one behind the axis, though nearer
// on the screen, only when none hangs on the camera's side.
TEST_F(TreeTest, NearestToyTakesTheCameraSideFirst) {
    writeDesc("");
    auto tree = makeTree();
    tree->KeepFileUnchanged();
    EXPECT_EQ(tree->NearestToy(185, 188), nullptr);
    // Right behind the middle of the screen, and in front but off to the side.
    TToy* behind = tree->AddToy(*tree->descToys()[0], {0, 0, 0.1f}, {0, 1, 0}, {0, 40, -10});
    EXPECT_EQ(tree->NearestToy(185, 188), behind);
    TToy* front = tree->AddToy(*tree->descToys()[0], {0, 0, 0.1f}, {0, 1, 0}, {20, 40, 10});
    tree->AddToy(*tree->descToys()[0], {0, 0, 0.1f}, {0, 1, 0}, {-28, 52, 10});
    EXPECT_EQ(tree->NearestToy(185, 188), front);
}

TEST_F(TreeTest, ScreenToTreeLiesOnThePlaneOfTheAxis) {
    writeDesc("");
    auto tree = makeTree();
    const rm::Vector p = tree->ScreenToTree(185, 188);
    EXPECT_NEAR(p.z, 0, 1e-3);
    EXPECT_NEAR(p.x, 0, 0.5);
    EXPECT_NEAR(p.y, 40, 0.5);
    // Up the screen is up the tree; right is right as the camera sees it.
    EXPECT_GT(tree->ScreenToTree(185, 50).y, p.y);
}

TEST_F(TreeTest, TopRuleAcceptsNearTheTipOnly) {
    writeDesc("");
    auto tree = makeTree();
    rm::Vector nearTip{0.5f, 78, 0.5f};
    ASSERT_TRUE(tree->FitTop(nearTip));
    EXPECT_EQ(nearTip, rm::Vector(0, tree->TopSnapHeight(), 0));

    rm::Vector belowZone{0, tree->TopLowestHeight() - 0.01f, 0};
    EXPECT_FALSE(tree->FitTop(belowZone));
    rm::Vector outside{tree->TopRadius() + 0.1f, 79, 0};
    EXPECT_FALSE(tree->FitTop(outside));

    tree->AddToy(*tree->descToys()[1], {0, 0, 0.1f}, {0, 1, 0}, {0, tree->TopSnapHeight(), 0});
    rm::Vector again{0, 79, 0};
    EXPECT_FALSE(tree->FitTop(again));
}

TEST_F(TreeTest, AFullRotateTimeIsAFullTurn) {
    writeDesc("");
    auto tree = makeTree();
    for (int i = 0; i < 8; ++i) {
        tree->Rotate(true, 1000);
    }
    rm::Vector direction, up;
    tree->treeFrame()->GetOrientation(tree->sceneFrame().get(), direction, up);
    EXPECT_NEAR(direction.z, 1, 1e-4);
    EXPECT_NEAR(direction.x, 0, 1e-3);
    tree->Rotate(false, 2000); // a quarter turn back
    tree->treeFrame()->GetOrientation(tree->sceneFrame().get(), direction, up);
    EXPECT_NEAR(std::fabs(direction.x), 1, 1e-4);
}

TEST_F(TreeTest, FallStartsWithItsOffsetAndStopsExactlyOnTheFloor) {
    writeDesc("");
    auto tree = makeTree();
    tree->StartDrop({0, tree->TreeHeight(), 0});
    EXPECT_EQ(tree->DropTimeOffset(), 0);
    tree->StartDrop({0, 0, 0});
    EXPECT_EQ(tree->DropTimeOffset(), 30000);
    tree->StartDrop({0, 20, 0}); // (1 - 20/80) × 30000 + 0.5
    EXPECT_EQ(tree->DropTimeOffset(), 22500);
    tree->StartDrop({0, 1.5f * tree->TreeHeight(), 0}); // above the tip: from rest
    EXPECT_EQ(tree->DropTimeOffset(), 0);

    // Released beside the tip, and above it at the control's top edge: the
    // fall takes a few steps and never goes up. (Released lower, the offset
    // makes the first step cover most of the way.)
    for (const QPoint release : {QPoint(300, 40), QPoint(300, 1)}) {
        SCOPED_TRACE(release.y());
        const rm::Vector start = tree->ScreenToTree(release.x(), release.y());
        TToy* toy = tree->AddToy(*tree->descToys()[0], {0, 0, 0.1f}, {0, 1, 0}, start);
        tree->StartDrop(start);
        float previous = start.y;
        bool landed = false;
        int steps = 0;
        for (double t = 16; !landed && steps < 1000; t += 16, ++steps) {
            landed = tree->DropStep(toy, t);
            const float y = toy->frame()->GetPosition(tree->treeFrame().get()).y;
            ASSERT_GE(y, 0);
            ASSERT_LE(y, previous);
            previous = y;
        }
        EXPECT_TRUE(landed);
        EXPECT_EQ(previous, 0);
        EXPECT_GT(steps, 3);
    }
    EXPECT_GT(tree->ScreenToTree(300, 1).y, tree->TreeHeight());
}

TEST_F(TreeTest, LandingPlaysThenRemovesTheToy) {
    writeDesc("", "0");
    auto tree = makeTree();
    TToy* toy = tree->AddToy(*tree->descToys()[0], {0, 0, 0.1f}, {0, 1, 0}, {10, 0, 5});
    tree->SetRandom([] { return 1; }); // chance 0: the mouse comes only on a draw of 0
    tree->StartLanding(toy, nullptr);
    EXPECT_FALSE(tree->MouseActive());
    EXPECT_EQ(tree->FallingToy(), toy);
    ASSERT_TRUE(tree->descToys()[0]->landingMesh());
    EXPECT_FALSE(tree->LandingStep(599)); // the last moment before the end still runs
    EXPECT_EQ(tree->toys().size(), 1u);
    EXPECT_TRUE(tree->LandingStep(600));
    EXPECT_TRUE(tree->toys().empty());
    EXPECT_EQ(tree->FallingToy(), nullptr);
}

TEST_F(TreeTest, MouseComesWhenTheChanceReachesTheDraw) {
    struct Case {
        const char* chance;
        int draw;
        bool mouse;
    };
    const Case cases[] = {
        {"0", 0, true},      {"0", 1, false},  {"0", 1000, true},    {"0", 2001, false},   {"0.5", 500, true},
        {"0.5", 501, false}, {"1", 999, true}, {"0.25", 1250, true}, {"0.25", 251, false},
    };
    for (const Case& c : cases) {
        writeDesc("", c.chance);
        auto tree = makeTree();
        TToy* toy = tree->AddToy(*tree->descToys()[0], {0, 0, 0.1f}, {0, 1, 0}, {10, 0, 5});
        tree->SetRandom([&c] { return c.draw; });
        tree->StartLanding(toy, nullptr);
        EXPECT_EQ(tree->MouseActive(), c.mouse) << "chance " << c.chance << ", draw " << c.draw;
    }
}

TEST_F(TreeTest, OnePointLightLightsTheScene) {
    writeDesc("");
    auto tree = makeTree();
    std::vector<std::pair<const rm::Light*, rm::Vector>> lights; // with where they stand
    std::function<void(const rm::Frame&)> collect = [&](const rm::Frame& frame) {
        for (const auto& light : frame.lights()) {
            lights.emplace_back(light.get(), frame.GetPosition(tree->sceneFrame().get()));
        }
        for (const auto& child : frame.children()) {
            collect(*child);
        }
    };
    collect(*tree->sceneFrame());
    ASSERT_EQ(lights.size(), 1u);
    EXPECT_EQ(lights[0].first->GetType(), rm::LightType::Point);
    EXPECT_EQ(lights[0].first->GetColor(), rm::Vector(0.9f, 0.9f, 0.9f));
    EXPECT_EQ(lights[0].second, rm::Vector(5000, 5000, 5000));
}

TEST_F(TreeTest, CertainMouseFetchesTheToyAway) {
    writeDesc("", "1");
    auto tree = makeTree();
    TToy* toy = tree->AddToy(*tree->descToys()[0], {0, 0, 0.1f}, {0, 1, 0}, {10, 0, 5});
    tree->SetRandom([] { return 999; });
    tree->StartLanding(toy, nullptr);
    ASSERT_TRUE(tree->MouseActive());
    EXPECT_TRUE(tree->mouse()->fetching());
    const rm::Vector before = toy->frame()->GetPosition(nullptr);
    EXPECT_FALSE(tree->LandingStep(950)); // at the toy, pausing
    EXPECT_FALSE(tree->LandingStep(999));
    EXPECT_NE(toy->frame()->GetPosition(nullptr), before); // carried along
    EXPECT_TRUE(tree->LandingStep(1000));
    EXPECT_FALSE(tree->mouse()->fetching());
    EXPECT_TRUE(tree->toys().empty());
    // The mouse frame is gone from the scene again.
    EXPECT_EQ(tree->treeFrame()->children().size(), 0u);
}

TEST_F(TreeTest, OlderStackNeverSendsTheMouse) {
    writeDesc("", "1");
    DirectXVersion = 0x500;
    auto tree = makeTree();
    TToy* toy = tree->AddToy(*tree->descToys()[0], {0, 0, 0.1f}, {0, 1, 0}, {10, 0, 5});
    tree->StartLanding(toy, nullptr);
    EXPECT_FALSE(tree->MouseActive());
}

TEST_F(TreeTest, SaveWritesTheTurnedTreeAndUserToysAlongItsAxes) {
    writeDesc("Toy=1,0:79:0,0:0:1,0:1:0\n");
    {
        auto tree = makeTree();
        ASSERT_EQ(tree->toys().size(), 1u);
        tree->Rotate(true, 4000); // half a turn
        tree->AddToy(*tree->descToys()[0], {0.3f, 0, 0.1f}, {0, 1, 0}, {1, 30, 12});
    }
    const std::string text = descText();
    EXPECT_NE(text.find("\r\nTree=Mesh/Tree.x,1,0:0:0,"), std::string::npos) << text;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("Tree=", 0) == 0) {
            line.pop_back(); // the CR of the line end
            const TreeRecord t = ParseTreeLine(line.substr(5));
            EXPECT_NEAR(t.direction.z, -1, 1e-4);
            EXPECT_NEAR(t.direction.x, 0, 1e-3);
            EXPECT_NEAR(t.up.y, 1, 1e-4);
        }
    }
    EXPECT_NE(text.find("Toy=1,0:79:0,0:0:1,0:1:0\r\nToy=0,1:30:12,0:0:1,0:1:0\r\n"), std::string::npos)
        << text;
    // The next start shows the tree turned.
    auto again = makeTree();
    rm::Vector direction, up;
    again->treeFrame()->GetOrientation(again->sceneFrame().get(), direction, up);
    EXPECT_NEAR(direction.z, -1, 1e-4);
}

TEST_F(TreeTest, ToysOfOneDescriptionShareAndAnimateTheirMesh) {
    writeDesc("Toy=0,5:40:8,0:0:1,0:1:0\nToy=0,-5:30:8,0:0:1,0:1:0\n");
    auto tree = makeTree();
    ASSERT_EQ(tree->toys().size(), 2u);
    const auto& first = tree->toys()[0]->frame()->visuals();
    const auto& second = tree->toys()[1]->frame()->visuals();
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0], second[0]);
    const float before = first[0]->GetBox().min.y;
    tree->AnimateToys(450); // halfway through the three keys' cycle
    EXPECT_NE(first[0]->GetBox().min.y, before);
}

TEST_F(TreeTest, PacedAnimationsStepThirtyTimesASecondAndRepeatEachRoundExactly) {
    writeDesc("Toy=0,5:40:8,0:0:1,0:1:0\n");
    auto tree = makeTree();
    ASSERT_EQ(tree->toys().size(), 1u);
    const auto mesh = std::dynamic_pointer_cast<rm::Mesh>(tree->toys()[0]->frame()->visuals().at(0));
    ASSERT_TRUE(mesh);
    int steps = 0;
    for (int frame = 1; frame <= 120; ++frame) // two seconds at 60 frames a second
        steps += tree->AnimateToysPaced(1000.0 + frame * 1000.0 / 60.0);
    EXPECT_NEAR(steps, 60, 1);
    // The 900 ms loop, a round later and a round earlier: the same vertices to the last bit.
    const auto verticesAt = [&](double time) {
        tree->AnimateToysPaced(time);
        return mesh->GetVertices(0);
    };
    const auto now = verticesAt(5210.37);
    const auto same = [&now](const std::vector<rm::Vertex>& other) {
        return other.size() == now.size() &&
               std::memcmp(other.data(), now.data(), now.size() * sizeof(rm::Vertex)) == 0;
    };
    EXPECT_FALSE(same(verticesAt(5260.1)));
    for (double other : {6110.52, 4310.2, 41210.47}) { // within the same step of the loop
        EXPECT_TRUE(same(verticesAt(other))) << other;
    }
}

TEST_F(TreeTest, BrokenFileIsReportedAndNeverOverwritten) {
    writeDesc("Toy=0,1:x:3,0:0:1,0:1:0\n");
    const std::string original = descText();
    {
        auto tree = makeTree();
        ASSERT_TRUE(tree->loadError());
        EXPECT_STREQ(tree->loadError()->what(), "Data/desc:11: 'x' is not a valid floating point value");
        EXPECT_FALSE(tree->Save());
    }
    EXPECT_EQ(descText(), original);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(descPath() + "~~~")));
}

TEST_F(TreeTest, SongsWrapAround) {
    writeDesc("");
    auto tree = makeTree();
    tree->KeepFileUnchanged();
    tree->SongNumber = 8;
    tree->MusicOff();
    tree->NextSong();
    EXPECT_EQ(tree->MusicOn, 1);
    EXPECT_TRUE(tree->SongFile().endsWith("Data/Resource/Song0.mid"));
    EXPECT_EQ(tree->SongNumber, 0);
    tree->SongNumber = -1;
    EXPECT_TRUE(tree->SongFile().endsWith("Song8.mid"));
}

TEST_F(TreeTest, PrintToScalesThePicture) {
    writeDesc("");
    auto tree = makeTree();
    QImage page(740, 752, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    tree->PrintTo(painter, QRect(0, 0, 740, 752));
    painter.end();
    EXPECT_EQ(page.pixelColor(4, 4), QColor(10, 20, 60));     // background, scaled up
    EXPECT_NE(page.pixelColor(370, 400), QColor(10, 20, 60)); // the tree
}

// Printing renders the tree for the page: into a rectangle three times the
// view's size on the canvas's device, the picture has the view's framing (it
// shrinks back to the view's picture) and edges a pixel wide, where the
// window's picture enlarged would spread them over three.
TEST_F(TreeTest, PrintToRendersAtTheCanvasResolution) {
    writeDesc("");
    auto tree = makeTree();
    tree->Render();
    if (!tree->hasDevice()) {
        GTEST_SKIP() << "no 3D device";
    }
    QImage view(370, 376, QImage::Format_RGB32);
    {
        QPainter painter(&view);
        tree->PaintTo(0, 0, painter);
    }
    QImage page(1110, 1128, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        tree->PrintTo(painter, QRect(0, 0, 1110, 1128));
    }
    const QImage enlarged = view.scaled(page.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage shrunk = page.scaled(view.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Edges: the pixels that are neither the background nor the tree's face
    // (more than a quarter of the way from both), where one meets the other.
    const QColor face = view.pixelColor(185, 300);
    const QColor back = view.pixelColor(4, 4);
    const auto distance = [](const QColor& a, const QColor& b) {
        return std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
    };
    const double apart = distance(face, back);
    ASSERT_GT(apart, 20);
    const auto edgePixels = [&](const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                n += distance(c, face) > apart / 4 && distance(c, back) > apart / 4;
            }
        }
        return n;
    };
    double difference = 0;
    for (int y = 0; y < view.height(); ++y) {
        for (int x = 0; x < view.width(); ++x) {
            difference += std::abs(qGray(shrunk.pixel(x, y)) - qGray(view.pixel(x, y)));
        }
    }
    EXPECT_LT(difference / (view.width() * view.height()), 6.0) << "the same framing";
    EXPECT_LT(edgePixels(page), 0.6 * edgePixels(enlarged)) << "rendered, not enlarged";
}

} // namespace
