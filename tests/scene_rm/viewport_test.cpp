// Viewport maths and picking: documented defaults, the projection the scene's
// screen-to-tree mapping relies on, and picks of known meshes.
#include "scene/rm/shapes.h"
#include "scene/rm/viewport.h"

#include <gtest/gtest.h>

namespace {

struct Scene {
    std::shared_ptr<rm::Frame> root = rm::Frame::create();
    std::shared_ptr<rm::Frame> camera = rm::Frame::create(root);
    rm::Viewport viewport{camera, 370, 376};

    Scene() {
        camera->SetPosition(root.get(), {0, 0, 100});
        camera->SetOrientation(root.get(), {0, 0, -1}, {0, 1, 0});
        viewport.SetBack(5000);
    }
};

TEST(Viewport, DocumentedDefaults) {
    rm::Viewport viewport(rm::Frame::create(), 200, 100);
    EXPECT_FLOAT_EQ(viewport.GetField(), 0.5f);
    EXPECT_FLOAT_EQ(viewport.GetFront(), 1.0f);
    EXPECT_EQ(viewport.GetWidth(), 200);
    EXPECT_EQ(viewport.GetHeight(), 100);
    EXPECT_FALSE(viewport.SetField(0));
    EXPECT_FALSE(viewport.SetBack(-1));
}

TEST(Viewport, FieldSpansTheLargerSideOnTheFrontPlane) {
    Scene scene;
    // Camera space: x right, y up, z forward. A point at (field, 0, front) lies
    // on the edge of the larger side (the height, 376).
    const rm::Vector centre = scene.viewport.project({0, 0, 1});
    EXPECT_FLOAT_EQ(centre.x, 185);
    EXPECT_FLOAT_EQ(centre.y, 188);
    EXPECT_FLOAT_EQ(centre.z, 0.0f);
    const rm::Vector edge = scene.viewport.project({0.5f, 0.5f, 1});
    EXPECT_FLOAT_EQ(edge.x, 185 + 188);
    EXPECT_FLOAT_EQ(edge.y, 0);
    EXPECT_NEAR(scene.viewport.project({0, 0, 5000}).z, 1.0f, 1e-6);
}

TEST(Viewport, TransformAndInverseTransformRoundTrip) {
    Scene scene;
    for (rm::Vector world : {rm::Vector(0, 0, 0), rm::Vector(10, -20, 30), rm::Vector(-50, 40, -900)}) {
        glm::vec4 screen = scene.viewport.Transform(world);
        rm::Vector back = scene.viewport.InverseTransform(screen);
        EXPECT_NEAR(back.x, world.x, 1e-2);
        EXPECT_NEAR(back.y, world.y, 1e-2);
        EXPECT_NEAR(back.z, world.z, 1e-2);
        // The same through the (x, y, depth, 1) form a pick description gives.
        back = scene.viewport.InverseTransform(glm::vec4(rm::Vector(screen) / screen.w, 1.0f));
        EXPECT_NEAR(back.z, world.z, 1e-2);
    }
    // The world origin, 100 in front of the camera, is in the middle.
    glm::vec4 origin = scene.viewport.Transform({0, 0, 0});
    EXPECT_FLOAT_EQ(origin.w, 100);
    EXPECT_FLOAT_EQ(origin.x / origin.w, 185);
}

TEST(ViewportPick, NearestFirstWithFramePathAndSurfacePoint) {
    Scene scene;
    auto holder = rm::Frame::create(scene.root);
    auto ball = rm::Frame::create(holder);
    ball->SetPosition(scene.root.get(), {0, 0, 0});
    ball->AddVisual(rm::makeSphere(10, 32, 16, 0xFFFF0000));
    auto shield = rm::Frame::create(scene.root);
    shield->AddVisual(rm::makeBox({-3, -3, 30}, {3, 3, 32}, 0xFF00FF00));

    auto hits = scene.viewport.Pick(185, 188);
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0].frames.back(), shield);
    EXPECT_EQ(hits[1].frames.back(), ball);
    ASSERT_EQ(hits[1].frames.size(), 3u);
    EXPECT_EQ(hits[1].frames[0], scene.root);
    EXPECT_EQ(hits[1].frames[1], holder);
    EXPECT_LT(hits[0].position.z, hits[1].position.z);
    // The screen position with depth maps back onto the ball's surface, facing the camera.
    rm::Vector world = scene.viewport.InverseTransform(glm::vec4(hits[1].position, 1.0f));
    EXPECT_NEAR(glm::length(world), 10.0f, 0.05f);
    EXPECT_GT(world.z, 9.5f);
    EXPECT_EQ(hits[1].group, 0);
}

TEST(ViewportPick, MissesAndOffScreenPointsGiveNothing) {
    Scene scene;
    auto ball = rm::Frame::create(scene.root);
    ball->AddVisual(rm::makeSphere(10, 16, 8, 0xFFFF0000));
    EXPECT_TRUE(scene.viewport.Pick(5, 5).empty());
    EXPECT_TRUE(scene.viewport.Pick(-1, 188).empty());
    EXPECT_TRUE(scene.viewport.Pick(370, 188).empty());
    // A point off the centre but on the ball: its hit lies under that pixel.
    auto hits = scene.viewport.Pick(200, 170);
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_NEAR(hits[0].position.x, 200.5f, 1e-2);
    EXPECT_NEAR(hits[0].position.y, 170.5f, 1e-2);
}

TEST(ViewportPick, ObjectsBehindTheCameraOrBeyondTheBackPlaneAreNotPicked) {
    Scene scene;
    scene.viewport.SetBack(50);
    auto far = rm::Frame::create(scene.root);
    far->AddVisual(rm::makeSphere(10, 16, 8, 0xFFFF0000)); // 90..110 away
    auto behind = rm::Frame::create(scene.root);
    behind->SetPosition(nullptr, {0, 0, 150});
    behind->AddVisual(rm::makeSphere(10, 16, 8, 0xFFFF0000));
    EXPECT_TRUE(scene.viewport.Pick(185, 188).empty());
}

} // namespace
