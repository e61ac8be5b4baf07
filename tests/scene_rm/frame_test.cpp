// Frame conventions, checked against the documented behaviour of the
// retained-mode interface: left-handed, y up, rotations clockwise looking
// toward the origin, orientation from direction and up.
#include "scene/rm/frame.h"

#include <gtest/gtest.h>
#include <numbers>

namespace {

constexpr float pi = std::numbers::pi_v<float>;

void expectNear(rm::Vector actual, rm::Vector expected, float tolerance = 1e-4f) {
    EXPECT_NEAR(actual.x, expected.x, tolerance) << "x";
    EXPECT_NEAR(actual.y, expected.y, tolerance) << "y";
    EXPECT_NEAR(actual.z, expected.z, tolerance) << "z";
}

TEST(FrameOrientation, DefaultIsDirectionZUpY) {
    auto frame = rm::Frame::create();
    rm::Vector direction, up;
    frame->GetOrientation(nullptr, direction, up);
    expectNear(direction, {0, 0, 1});
    expectNear(up, {0, 1, 0});
}

TEST(FrameOrientation, DirectionAndUpBecomeZAndYAxes) {
    auto frame = rm::Frame::create();
    frame->SetOrientation(nullptr, {1, 0, 0}, {0, 1, 0});
    // Facing +x with y up, the frame's own x axis (its right) is world -z in a
    // left-handed system.
    expectNear(frame->Transform({0, 0, 1}), {1, 0, 0});
    expectNear(frame->Transform({0, 1, 0}), {0, 1, 0});
    expectNear(frame->Transform({1, 0, 0}), {0, 0, -1});
}

TEST(FrameOrientation, UpIsProjectedPerpendicularToDirection) {
    auto frame = rm::Frame::create();
    frame->SetOrientation(nullptr, {0, 0, 2}, {0, 3, 3});
    rm::Vector direction, up;
    frame->GetOrientation(nullptr, direction, up);
    expectNear(direction, {0, 0, 1});
    expectNear(up, {0, 1, 0});
}

TEST(FrameOrientation, ParallelUpLeavesOrientationUnchanged) {
    auto frame = rm::Frame::create();
    frame->SetOrientation(nullptr, {1, 0, 0}, {0, 1, 0});
    frame->SetOrientation(nullptr, {0, 1, 0}, {0, 2, 0});
    rm::Vector direction, up;
    frame->GetOrientation(nullptr, direction, up);
    expectNear(direction, {1, 0, 0});
}

TEST(FrameOrientation, RelativeToAReferenceFrame) {
    auto scene = rm::Frame::create();
    auto reference = rm::Frame::create(scene);
    reference->SetOrientation(nullptr, {1, 0, 0}, {0, 1, 0});
    auto frame = rm::Frame::create(scene);
    frame->SetOrientation(reference.get(), {0, 0, 1}, {0, 1, 0});
    rm::Vector direction, up;
    frame->GetOrientation(nullptr, direction, up);
    expectNear(direction, {1, 0, 0});
    frame->GetOrientation(reference.get(), direction, up);
    expectNear(direction, {0, 0, 1});
}

TEST(FrameRotation, PositiveAngleTurnsClockwiseLookingTowardTheOrigin) {
    // The documented rotation about y for row vectors: (x, y, z) ->
    // (x cos + z sin, y, -x sin + z cos). A quarter turn takes +z to +x and +x to -z.
    auto frame = rm::Frame::create();
    frame->AddRotation(rm::CombineType::After, {0, 1, 0}, pi / 2);
    expectNear(frame->Transform({0, 0, 1}), {1, 0, 0});
    expectNear(frame->Transform({1, 0, 0}), {0, 0, -1});
    // About x: +y goes to +z.
    auto other = rm::Frame::create();
    other->AddRotation(rm::CombineType::After, {1, 0, 0}, pi / 2);
    expectNear(other->Transform({0, 1, 0}), {0, 0, 1});
}

TEST(FrameRotation, AfterTurnsAboutTheParentAxisBeforeAboutTheFrameOwn) {
    auto scene = rm::Frame::create();
    auto after = rm::Frame::create(scene);
    auto before = rm::Frame::create(scene);
    for (auto& frame : {after, before}) {
        frame->SetPosition(scene.get(), {10, 0, 0});
        frame->SetOrientation(scene.get(), {0, 1, 0}, {0, 0, -1}); // z axis up, y axis toward the viewer
    }
    after->AddRotation(rm::CombineType::After, {0, 1, 0}, pi / 2);
    before->AddRotation(rm::CombineType::Before, {0, 1, 0}, pi / 2);
    // After: the whole transform turns about the scene's vertical, position included.
    expectNear(after->GetPosition(scene.get()), {0, 0, -10});
    rm::Vector direction, up;
    after->GetOrientation(scene.get(), direction, up);
    expectNear(direction, {0, 1, 0});
    expectNear(up, {-1, 0, 0});
    // Before: the turn is about the frame's own y axis (the scene's -z); position stays.
    expectNear(before->GetPosition(scene.get()), {10, 0, 0});
    before->GetOrientation(scene.get(), direction, up);
    expectNear(direction, {1, 0, 0});
    expectNear(up, {0, 0, -1});
}

TEST(FrameRotation, FullTurnInStepsComesBack) {
    auto frame = rm::Frame::create();
    frame->SetPosition(nullptr, {3, 1, 2});
    for (int i = 0; i < 360; ++i)
        frame->AddRotation(rm::CombineType::After, {0, -1, 0}, 2 * pi / 360);
    expectNear(frame->GetPosition(nullptr), {3, 1, 2}, 1e-3f);
}

TEST(FrameHierarchy, ChildMovesWithParentAndPositionsAreRelative) {
    auto scene = rm::Frame::create();
    auto parent = rm::Frame::create(scene);
    auto child = rm::Frame::create(parent);
    EXPECT_EQ(child->GetParent(), parent.get());
    ASSERT_EQ(parent->children().size(), 1u);
    child->SetPosition(parent.get(), {1, 2, 3});
    parent->SetPosition(scene.get(), {10, 0, 0});
    parent->AddRotation(rm::CombineType::Before, {0, 1, 0}, pi / 2);
    expectNear(child->GetPosition(parent.get()), {1, 2, 3});
    expectNear(child->GetPosition(nullptr), {13, 2, -1});
    // Setting a world position keeps the frame under its parent.
    child->SetPosition(nullptr, {0, 0, 0});
    expectNear(child->GetPosition(parent.get()), parent->InverseTransform({0, 0, 0}));
    EXPECT_TRUE(parent->DeleteChild(child.get()));
    EXPECT_EQ(child->GetParent(), nullptr);
    EXPECT_FALSE(parent->DeleteChild(child.get()));
}

TEST(FrameHierarchy, TransformAndInverseTransformRoundTrip) {
    auto scene = rm::Frame::create();
    auto a = rm::Frame::create(scene);
    auto b = rm::Frame::create(a);
    a->SetPosition(nullptr, {5, -2, 7});
    a->SetOrientation(nullptr, {1, 1, 0}, {0, 0, 1});
    b->SetPosition(a.get(), {0, 3, 1});
    b->AddRotation(rm::CombineType::Before, {1, 2, 3}, 0.7f);
    for (rm::Vector point : {rm::Vector(0, 0, 0), rm::Vector(1, 2, 3), rm::Vector(-40, 5, 0.5f)}) {
        expectNear(b->InverseTransform(b->Transform(point)), point);
        expectNear(b->Transform(b->InverseTransform(point)), point);
    }
    // Transform of the origin is the frame's world position.
    expectNear(b->Transform({0, 0, 0}), b->GetPosition(nullptr));
}

TEST(FrameLookAt, PointsZAtTheTargetWithoutRoll) {
    auto scene = rm::Frame::create();
    auto target = rm::Frame::create(scene);
    auto camera = rm::Frame::create(scene);
    camera->SetPosition(scene.get(), {0, 0, 100});
    camera->LookAt(*target, scene.get(), rm::Constraint::ConstrainZ);
    rm::Vector direction, up;
    camera->GetOrientation(scene.get(), direction, up);
    expectNear(direction, {0, 0, -1});
    expectNear(up, {0, 1, 0});

    camera->SetPosition(scene.get(), {30, 40, 100});
    camera->LookAt(*target, scene.get(), rm::Constraint::ConstrainZ);
    camera->GetOrientation(scene.get(), direction, up);
    expectNear(direction, glm::normalize(rm::Vector(-30, -40, -100)));
    EXPECT_GT(up.y, 0.0f);
    // No roll: the camera's x axis stays horizontal.
    EXPECT_NEAR(camera->Transform({1, 0, 0}).y - camera->Transform({0, 0, 0}).y, 0.0f, 1e-5f);
}

TEST(FrameVisuals, SharedBetweenFramesAndRemovable) {
    auto visual = std::make_shared<rm::Visual>();
    auto a = rm::Frame::create();
    auto b = rm::Frame::create();
    a->AddVisual(visual);
    b->AddVisual(visual);
    EXPECT_EQ(visual.use_count(), 3);
    EXPECT_TRUE(a->DeleteVisual(visual.get()));
    EXPECT_FALSE(a->DeleteVisual(visual.get()));
    EXPECT_EQ(visual.use_count(), 2);
}

TEST(FrameMotion, MoveAppliesRotationAndVelocity) {
    auto scene = rm::Frame::create();
    auto frame = rm::Frame::create(scene);
    frame->SetVelocity(scene.get(), {1, 0, 0});
    frame->SetRotation(scene.get(), {0, 1, 0}, pi / 4);
    scene->Move(2.0f);
    expectNear(frame->GetPosition(scene.get()), {2, 0, 0});
    expectNear(frame->Transform({0, 0, 1}) - frame->Transform({0, 0, 0}), {1, 0, 0});
}

} // namespace
