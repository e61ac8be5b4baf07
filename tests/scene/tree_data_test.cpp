// The decorated tree on the generated data: the real fir, ornaments, landings
// and mouse.
#include "platform/paths.h"
#include "scene/openglprobe.h"
#include "scene/tree.h"
#include "support/scratch_home.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class TreeDataTest : public ::testing::Test {
protected:
    // A home with the generated decoration, optionally without its toys.
    std::unique_ptr<TTree> makeTree(bool withToys) {
        const testsupport::ScratchHome home = testsupport::makeScratchHome("tree-data");
        if (!withToys) {
            QFile desc(home.desc);
            desc.open(QIODevice::ReadOnly);
            QByteArray kept;
            for (const QByteArray& line : desc.readAll().split('\n')) {
                if (!line.startsWith("Toy=") && !line.isEmpty()) {
                    kept += line + '\n';
                }
            }
            desc.close();
            desc.open(QIODevice::WriteOnly | QIODevice::Truncate);
            desc.write(kept);
        }
        Paths.HDPath = home.home;
        DirectXVersion = 0x600;
        QImage background(370, 376, QImage::Format_RGB32);
        background.fill(QColor(12, 20, 48));
        auto tree = std::make_unique<TTree>("desc", QSize(370, 376), background);
        tree->KeepFileUnchanged();
        return tree;
    }
    // The first description of a case (seven per case, in case order).
    static TDescToy& firstOfCase(TTree& tree, int caseNumber) {
        return *tree.descToys().at(static_cast<std::size_t>(caseNumber) * 7);
    }
};

TEST_F(TreeDataTest, CatalogueAndMeasures) {
    auto tree = makeTree(true);
    ASSERT_FALSE(tree->loadError());
    EXPECT_TRUE(tree->loadWarnings().empty());
    EXPECT_EQ(tree->descToys().size(), 49u);
    EXPECT_GE(tree->toys().size(), 20u);
    EXPECT_GT(tree->TreeHeight(), 60); // the mesh at the scene's four fifths
    EXPECT_LT(tree->TreeHeight(), 80);
    ASSERT_TRUE(tree->mouse());
    EXPECT_TRUE(tree->mouse()->model());
}

TEST_F(TreeDataTest, PickSkyTreeAndOrnament) {
    auto tree = makeTree(false);
    rm::Vector hit{-1.0f};
    EXPECT_EQ(tree->Pick(5, 5, &hit).kind, TPickResult::Nothing);
    ASSERT_EQ(tree->Pick(185, 250, &hit).kind, TPickResult::Tree);
    EXPECT_GT(hit.y, 0);
    EXPECT_LT(hit.y, tree->TreeHeight());

    // A big ball hung in front of the branches, under that spot.
    TToy* ball = tree->AddToy(firstOfCase(*tree, 0), {0, 0, 0.1f}, {0, 1, 0}, hit + rm::Vector(0, 0, 6));
    int ballPixels = 0;
    for (int y = 250; y < 290; ++y) {
        const TPickResult below = tree->Pick(185, y);
        ballPixels += below.kind == TPickResult::Toy && below.toy == ball;
    }
    EXPECT_GT(ballPixels, 5);
    EXPECT_EQ(tree->Pick(185, 240).kind, TPickResult::Tree);
}

TEST_F(TreeDataTest, TopRuleAroundTheTip) {
    auto tree = makeTree(false);
    // Dropped on the tree right under its tip.
    rm::Vector hit;
    int y = 0;
    while (y < 200 && tree->Pick(185, y, &hit).kind != TPickResult::Tree) {
        ++y;
    }
    ASSERT_LT(y, 200);
    rm::Vector nearTip = tree->ScreenToTree(185, y + 4);
    nearTip.y = std::max(nearTip.y, tree->TopLowestHeight() + 0.5f);
    EXPECT_TRUE(tree->FitTop(nearTip));
    rm::Vector low = tree->ScreenToTree(185, 200);
    EXPECT_FALSE(tree->FitTop(low));

    tree->AddToy(firstOfCase(*tree, 6), {0, 0, 0.1f}, {0, 1, 0}, nearTip);
    rm::Vector second{0, tree->TopSnapHeight(), 0};
    EXPECT_FALSE(tree->FitTop(second));
}

TEST_F(TreeDataTest, FallLandingAndFetch) {
    auto tree = makeTree(false);
    for (bool fetch : {false, true}) {
        TToy* toy = tree->AddToy(firstOfCase(*tree, 0), {0, 0, 0.1f}, {0, 1, 0}, tree->ScreenToTree(330, 60));
        tree->StartDrop(toy->frame()->GetPosition(tree->treeFrame().get()));
        double t = 0;
        while (!tree->DropStep(toy, t += 16)) {
            ASSERT_LT(t, 60000);
        }
        tree->SetRandom([fetch] { return fetch ? 0 : 999; });
        tree->StartLanding(toy, nullptr);
        // The generated mouse comes about three times in ten: 999 never, 0 always.
        EXPECT_EQ(tree->MouseActive(), fetch);
        double landing = 0;
        while (!tree->LandingStep(landing += 16)) {
            ASSERT_LT(landing, 60000);
        }
        EXPECT_TRUE(tree->toys().empty());
        if (!fetch) {
            ASSERT_TRUE(firstOfCase(*tree, 0).landingMesh());
            EXPECT_GT(firstOfCase(*tree, 0).landingMesh()->GetGroupCount(), 0);
        }
    }
}

TEST_F(TreeDataTest, OrnamentsOfOneKindShareTheirMesh) {
    auto tree = makeTree(false);
    TDescToy& bell = firstOfCase(*tree, 1);
    TToy* a = tree->AddToy(bell, {0, 0, 0.1f}, {0, 1, 0}, {5, 40, 10});
    TToy* b = tree->AddToy(bell, {0, 0, 0.1f}, {0, 1, 0}, {-5, 30, 10});
    ASSERT_EQ(a->frame()->visuals().size(), 1u);
    EXPECT_EQ(a->frame()->visuals()[0], b->frame()->visuals()[0]);
}

} // namespace
