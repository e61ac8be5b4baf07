// Interpolators: key lookup (linear, nearest, open clamp, closed wrap) and the
// mesh and frame keys the toys' and the mouse's animations are built from.
#include "scene/rm/interpolator.h"

#include <gtest/gtest.h>

namespace {

using namespace rm::interpolation;

float valueAt(const std::vector<double>& indices, const std::vector<float>& values, double index,
              unsigned options) {
    rm::KeyBlend blend;
    EXPECT_TRUE(rm::locateKeys(indices, index, options, blend));
    return values[blend.from] + (values[blend.to] - values[blend.from]) * blend.t;
}

TEST(KeyLookup, OpenBlendsNeighboursAndHoldsTheEnds) {
    const std::vector<double> indices{0, 100, 300};
    const std::vector<float> values{0, 10, 30};
    EXPECT_FLOAT_EQ(valueAt(indices, values, 50, Open | Linear), 5);
    EXPECT_FLOAT_EQ(valueAt(indices, values, 200, Open | Linear), 20);
    EXPECT_FLOAT_EQ(valueAt(indices, values, -20, Open | Linear), 0);
    EXPECT_FLOAT_EQ(valueAt(indices, values, 300, Open | Linear), 30);
    EXPECT_FLOAT_EQ(valueAt(indices, values, 900, Open | Linear), 30);
}

TEST(KeyLookup, NeighboursAreAlwaysKeysThatExist) {
    struct Case {
        std::vector<double> indices;
        double index;
        unsigned options;
        std::size_t from, to;
        float t;
    };
    const Case cases[] = {
        {{0, 100, 300}, 300, Open | Linear, 2, 2, 0},
        {{0, 100, 300}, 100, Open | Linear, 1, 2, 0},
        {{0, 100, 300}, 200, Open | Linear, 1, 2, 0.5f},
        {{0, 100, 300}, 0, Open | Linear, 0, 0, 0},
        {{0, 100, 300}, 300, Open | Nearest, 2, 2, 0},
        {{0, 100, 300}, 300, Closed | Linear, 0, 1, 0},
        {{5}, 5, Open | Linear, 0, 0, 0},
        {{5, 5}, 5, Open | Linear, 0, 0, 0},
    };
    for (const Case& c : cases) {
        rm::KeyBlend blend;
        ASSERT_TRUE(rm::locateKeys(c.indices, c.index, c.options, blend));
        EXPECT_LT(blend.to, c.indices.size()) << c.index;
        EXPECT_EQ(blend.from, c.from) << c.index;
        EXPECT_EQ(blend.to, c.to) << c.index;
        EXPECT_FLOAT_EQ(blend.t, c.t) << c.index;
    }
}

TEST(KeyLookup, ClosedBlendsUpToTheLastKeyThenWraps) {
    // Keys at 0, 50 and 100: the period is 100; 50..100 blends key 1 into the
    // last key, and past the last key the first one comes back.
    const std::vector<double> indices{0, 50, 100};
    const std::vector<float> values{0, 10, 30};
    EXPECT_FLOAT_EQ(valueAt(indices, values, 25, Closed | Linear), 5);
    EXPECT_FLOAT_EQ(valueAt(indices, values, 75, Closed | Linear), 20);
    EXPECT_NEAR(valueAt(indices, values, 99.9, Closed | Linear), 30, 0.1);
    EXPECT_FLOAT_EQ(valueAt(indices, values, 100, Closed | Linear), 0);
    EXPECT_FLOAT_EQ(valueAt(indices, values, 125, Closed | Linear), 5);
    EXPECT_FLOAT_EQ(valueAt(indices, values, 1050, Closed | Linear), 10);
    EXPECT_FLOAT_EQ(valueAt(indices, values, -25, Closed | Linear), 20);
    EXPECT_FLOAT_EQ(valueAt(indices, values, 90, Closed | Nearest), 30);
    // Keys that do not start at 0 repeat from their first key.
    EXPECT_FLOAT_EQ(valueAt({10, 20, 30}, {1, 2, 4}, 45, Closed | Linear), 3);
}

TEST(KeyLookup, NearestAndSingleKeys) {
    EXPECT_FLOAT_EQ(valueAt({0, 10}, {1, 2}, 4, Open | Nearest), 1);
    EXPECT_FLOAT_EQ(valueAt({0, 10}, {1, 2}, 6, Open | Nearest), 2);
    EXPECT_FLOAT_EQ(valueAt({5}, {7}, 100, Closed | Linear), 7);
    EXPECT_FLOAT_EQ(valueAt({5}, {7}, -100, Open | Linear), 7);
    rm::KeyBlend blend;
    EXPECT_FALSE(rm::locateKeys({}, 0, Open, blend));
}

std::vector<rm::Vertex> vertices(float x, rm::Color color) {
    std::vector<rm::Vertex> list(3);
    for (int i = 0; i < 3; ++i) {
        list[i].position = rm::Vector(x + i, 0, 0);
        list[i].normal = rm::Vector(0, 0, -1);
        list[i].color = color;
    }
    return list;
}

std::shared_ptr<rm::Mesh> triangleMesh() {
    auto mesh = rm::Mesh::create();
    const unsigned face[] = {0, 1, 2};
    EXPECT_EQ(mesh->AddGroup(3, 1, 3, face), 0);
    return mesh;
}

TEST(MeshInterpolator, BlendsVerticesAndOnlyWithTheOptionTheirColours) {
    auto target = triangleMesh();
    target->SetVertices(0, 0, vertices(0, 0xFF112233));
    auto morph = rm::MeshInterpolator::create();
    morph->SetIndex(0);
    morph->SetVertices(0, 0, vertices(0, 0xFF000000));
    morph->SetIndex(1000);
    morph->SetVertices(0, 0, vertices(10, 0xFFFF00FF));
    morph->AttachObject(target);

    morph->Interpolate(250, nullptr, Open | Linear);
    auto result = target->GetVertices(0);
    EXPECT_FLOAT_EQ(result[1].position.x, 3.5f);
    EXPECT_EQ(result[1].color, 0xFF112233u) << "colours stay without the vertex-colour option";

    morph->Interpolate(500, nullptr, Open | Linear | VertexColor);
    result = target->GetVertices(0);
    EXPECT_FLOAT_EQ(result[0].position.x, 5.0f);
    EXPECT_EQ(result[0].color, 0xFF800080u);
}

TEST(MeshInterpolator, ClosedToyAnimationCyclesThroughItsKeys) {
    // Three key meshes spread over 600 ms as the toys record them.
    auto target = triangleMesh();
    auto morph = rm::MeshInterpolator::create();
    for (int k = 0; k < 3; ++k) {
        morph->SetIndex(600.0 * k / 2);
        morph->SetVertices(0, 0, vertices(float(k * 10), 0xFFFFFFFF));
    }
    morph->AttachObject(target);
    morph->Interpolate(150, nullptr, Closed | Linear | VertexColor);
    EXPECT_FLOAT_EQ(target->GetVertices(0)[0].position.x, 5.0f);
    morph->Interpolate(450, nullptr, Closed | Linear | VertexColor); // halfway into the last key
    EXPECT_FLOAT_EQ(target->GetVertices(0)[0].position.x, 15.0f);
    morph->Interpolate(599, nullptr, Closed | Linear | VertexColor);
    EXPECT_NEAR(target->GetVertices(0)[0].position.x, 20.0f, 0.05f) << "the last key is reached";
    morph->Interpolate(600 + 300, nullptr, Closed | Linear | VertexColor);
    EXPECT_FLOAT_EQ(target->GetVertices(0)[0].position.x, 10.0f);
    morph->Interpolate(1200, nullptr, Closed | Linear | VertexColor);
    EXPECT_FLOAT_EQ(target->GetVertices(0)[0].position.x, 0.0f) << "and the cycle starts again";
}

TEST(MeshInterpolator, GroupColourKeysAndAnExplicitTarget) {
    auto attached = triangleMesh();
    auto other = triangleMesh();
    auto morph = rm::MeshInterpolator::create();
    morph->SetIndex(0);
    morph->SetGroupColor(0, 0xFF0000FF);
    morph->SetIndex(10);
    morph->SetGroupColor(0, 0xFFFF0000);
    morph->AttachObject(attached);
    morph->Interpolate(10, other.get(), Open | Linear);
    EXPECT_EQ(other->GetGroupColor(0), 0xFFFF0000u);
    EXPECT_EQ(attached->GetGroupColor(0), 0xFFFFFFFFu) << "an explicit target overrides the attached mesh";
}

TEST(FrameInterpolator, PositionAndOrientationKeys) {
    auto scene = rm::Frame::create();
    auto frame = rm::Frame::create(scene);
    auto path = rm::FrameInterpolator::create();
    path->SetIndex(0);
    path->SetPosition(nullptr, {0, 0, 0});
    path->SetOrientation(nullptr, {0, 0, 1}, {0, 1, 0});
    path->SetIndex(100);
    path->SetPosition(nullptr, {10, 20, 0});
    path->SetOrientation(nullptr, {1, 0, 0}, {0, 1, 0});
    path->AttachObject(frame);

    path->Interpolate(50, nullptr, Open | Linear);
    rm::Vector position = frame->GetPosition(nullptr);
    EXPECT_NEAR(position.x, 5, 1e-4);
    EXPECT_NEAR(position.y, 10, 1e-4);
    rm::Vector direction, up;
    frame->GetOrientation(nullptr, direction, up);
    EXPECT_NEAR(direction.x, std::sqrt(0.5), 1e-4) << "halfway through a quarter turn";
    EXPECT_NEAR(direction.z, std::sqrt(0.5), 1e-4);
    EXPECT_NEAR(up.y, 1, 1e-4);

    path->Interpolate(500, nullptr, Open | Linear);
    position = frame->GetPosition(nullptr);
    EXPECT_NEAR(position.x, 10, 1e-4) << "open: the last key holds";
}

TEST(FrameInterpolator, RecordsKeysGivenRelativeToAFrameInWorldCoordinates) {
    auto scene = rm::Frame::create();
    auto reference = rm::Frame::create(scene);
    reference->SetPosition(nullptr, {100, 0, 0});
    auto frame = rm::Frame::create(scene);
    auto path = rm::FrameInterpolator::create();
    path->SetIndex(0);
    path->SetPosition(reference.get(), {1, 2, 3});
    path->Interpolate(0, frame.get(), Open | Linear);
    rm::Vector position = frame->GetPosition(nullptr);
    EXPECT_NEAR(position.x, 101, 1e-4);
    EXPECT_NEAR(position.z, 3, 1e-4);
}

} // namespace
