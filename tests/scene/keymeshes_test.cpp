// Key-mesh loading: file numbering, anchoring, morph keys and landing recolouring.
#include "scene/keymeshes.h"
#include "scene/xfiles.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

namespace {

using testsupport::twoGroupShape;
using testsupport::writeXMesh;

class KeyMeshes : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = testsupport::scratchDir("keys").toStdString() + "/";
        // Three keys of one shape, each key a little higher; the first group is
        // magenta (the landing key colour), the second green.
        for (int k = 0; k < 3; ++k) {
            writeXMesh(dir_ + "Shape" + std::to_string(k) + ".x", twoGroupShape(1, 2.0f + k, 1, 0, 1));
        }
    }
    std::string dir_;
};

TEST_F(KeyMeshes, FileNumbersReplaceTheFirstStar) {
    EXPECT_EQ(KeyMeshFile("Mesh\\Ball*.x", 2), "Mesh/Ball2.x");
    EXPECT_EQ(KeyMeshFile("Ball*_*.x", 10), "Ball10_*.x");
    EXPECT_EQ(KeyMeshFile("Ball.x", 3), "Ball.x");
    // A "*" in the folders (a home folder's name) is no key number.
    EXPECT_EQ(KeyMeshFile("/home/a*b/Data/Mesh\\Ball*.x", 2), "/home/a*b/Data/Mesh/Ball2.x");
    EXPECT_EQ(KeyMeshFile("/home/a*b/Data/Mesh/Ball.x", 2), "/home/a*b/Data/Mesh/Ball.x");
    // Counts from the file are bounded: never two billion files to open.
    EXPECT_EQ(KeyMeshCount(2147483647), MaxKeyMeshes);
    EXPECT_EQ(KeyMeshCount(-3), 1);
    EXPECT_EQ(KeyMeshCount(9), 9);
}

TEST_F(KeyMeshes, AnchoringByTopOrBottomUsesKeyZero) {
    for (bool byTop : {true, false}) {
        const KeyMeshSet set = LoadKeyMeshes(
            {.pattern = dir_ + "Shape*.x", .count = 1, .span = 0, .anchor = AnchorByTop(byTop), .scale = 2});
        ASSERT_TRUE(set.mesh);
        EXPECT_FALSE(set.interpolator);
        const rm::Box box = set.mesh->GetBox();
        EXPECT_FLOAT_EQ(byTop ? box.max.y : box.min.y, 0);
        EXPECT_FLOAT_EQ(box.max.y - box.min.y, 8); // scaled by 2
        EXPECT_FLOAT_EQ(box.min.x + box.max.x, 0);
        EXPECT_FLOAT_EQ(box.min.z + box.max.z, 0);
    }
    const KeyMeshSet mouse = LoadKeyMeshes(
        {.pattern = dir_ + "Shape0.x", .count = 1, .span = 0, .anchor = AnchorFeetAndFront(), .scale = 1});
    const rm::Box box = mouse.mesh->GetBox();
    EXPECT_FLOAT_EQ(box.min.y, 0);
    EXPECT_FLOAT_EQ(box.max.z, 0);
}

TEST_F(KeyMeshes, MorphKeysSpreadOverTheSpanAndShareKeyZerosAnchor) {
    const KeyMeshSet set = LoadKeyMeshes(
        {.pattern = dir_ + "Shape*.x", .count = 3, .span = 1000, .anchor = AnchorByTop(false), .scale = 1});
    ASSERT_TRUE(set.mesh && set.interpolator);
    auto minY = [&] {
        return set.mesh->GetBox().min.y;
    };
    EXPECT_FLOAT_EQ(minY(), 0);
    set.interpolator->Interpolate(500, nullptr, 0x46); // key 1: one unit higher than key 0
    EXPECT_NEAR(minY(), 1, 1e-5);
    set.interpolator->Interpolate(250, nullptr, 0x46);
    EXPECT_NEAR(minY(), 0.5, 1e-5);
    set.interpolator->Interpolate(1000, nullptr, 0x45); // open: the last key holds
    EXPECT_NEAR(minY(), 2, 1e-5);
}

TEST_F(KeyMeshes, LandingMeshesGetUnsharedVerticesAndTheNewColour) {
    const TColor magenta = StrToColor("FF:00:FF");
    const TColor gold = StrToColor("FF:D7:00");
    const KeyMeshSet set = LoadKeyMeshes({.pattern = dir_ + "Shape*.x",
                                          .count = 3,
                                          .span = 900,
                                          .anchor = AnchorByTop(true),
                                          .scale = 1,
                                          .recolour = Recolour{gold, magenta}});
    ASSERT_TRUE(set.mesh && set.interpolator);
    ASSERT_EQ(set.mesh->GetGroupCount(), 2);
    EXPECT_EQ(set.mesh->GetGroup(0).vertexCount, 3 * set.mesh->GetGroup(0).faceCount);
    set.interpolator->Interpolate(450, nullptr, 0x45);
    EXPECT_EQ(set.mesh->GetGroupColor(0) & 0xFFFFFF, SceneColor(gold));
    EXPECT_EQ(set.mesh->GetGroupColor(1) & 0xFFFFFF, 0x008000u);
}

TEST_F(KeyMeshes, OnlyAnimatedLandingsAreRecoloured) {
    const TColor magenta = StrToColor("FF:00:FF");
    const TColor gold = StrToColor("FF:D7:00");
    struct Case {
        int count;
        TColor shown;      // group 0 as the landing starts
        bool interpolated; // key meshes morph
    };
    // One key is key mesh 0 as it was loaded; two or more are rebuilt and recoloured.
    const Case cases[] = {{1, magenta, false}, {0, magenta, false}, {2, gold, true}};
    for (const Case& c : cases) {
        const KeyMeshSet set = LoadKeyMeshes({.pattern = dir_ + "Shape*.x",
                                              .count = c.count,
                                              .span = 900,
                                              .anchor = AnchorByTop(true),
                                              .scale = 1,
                                              .recolour = Recolour{gold, magenta}});
        ASSERT_TRUE(set.mesh) << c.count;
        EXPECT_EQ(set.mesh->GetGroupColor(0) & 0xFFFFFF, SceneColor(c.shown)) << c.count;
        EXPECT_EQ(bool(set.interpolator), c.interpolated) << c.count;
        EXPECT_NEAR(set.mesh->GetBox().max.y, 0, 1e-5) << c.count;
    }
}

TEST_F(KeyMeshes, MissingFilesGiveNoMesh) {
    EXPECT_FALSE(
        LoadKeyMeshes({.pattern = dir_ + "None*.x", .count = 3, .span = 9, .anchor = AnchorByTop(true)})
            .mesh);
    // A missing later key is left out; the others still morph.
    const KeyMeshSet set = LoadKeyMeshes(
        {.pattern = dir_ + "Shape*.x", .count = 5, .span = 1000, .anchor = AnchorByTop(false), .scale = 1});
    ASSERT_TRUE(set.mesh && set.interpolator);
    set.interpolator->Interpolate(250, nullptr, 0x45);
    EXPECT_NEAR(set.mesh->GetBox().min.y, 1, 1e-5);
}

TEST(SceneColor, SwapsRedAndBlue) {
    EXPECT_EQ(SceneColor(0x0037AFD4), 0x00D4AF37u);
}

} // namespace
