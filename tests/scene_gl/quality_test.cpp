// Quicker pictures of a moving scene: coarser meshes for small visuals and
// fewer samples per pixel, and full quality again the moment it stands still.
#include "gl_pictures.h"
#include "scene/rm/gl/detaillevels.h"
#include "scene/rm/gl/device.h"
#include "scene/rm/shapes.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace {

using namespace gltest;

// A flat n × n grid of squares in the xy plane: every edge vertex is on its open border.
rm::MeshGroup grid(int n) {
    rm::MeshGroup group;
    for (int y = 0; y <= n; ++y) {
        for (int x = 0; x <= n; ++x) {
            rm::Vertex v;
            // A gentle bump, so that collapses have a cost to weigh.
            v.position = {static_cast<float>(x), static_cast<float>(y),
                          0.05f * std::sin(x * 0.7f) * std::cos(y * 0.5f)};
            v.normal = {0, 0, 1};
            group.vertices.push_back(v);
        }
    }
    const auto at = [n](int x, int y) {
        return static_cast<unsigned>(y * (n + 1) + x);
    };
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x)
            group.indices.insert(group.indices.end(), {at(x, y), at(x + 1, y), at(x + 1, y + 1), at(x, y),
                                                       at(x + 1, y + 1), at(x, y + 1)});
    }
    return group;
}

TEST(DetailLevels, EachLevelHalvesTheTrianglesOverTheSameVerticesWithGrowingError) {
    const rm::MeshGroup sphere = rm::makeSphere(10, 48, 24, 0xFFFF0000)->groups()[0];
    const gl::DetailLevels levels = gl::DetailLevels::build(sphere.vertices, sphere.indices);
    const auto& list = levels.levels();
    ASSERT_GE(list.size(), 4u);
    // The full level is the mesh's own list, unchanged.
    EXPECT_EQ(list[0].first, 0u);
    EXPECT_EQ(list[0].count, sphere.indices.size());
    EXPECT_EQ(list[0].error, 0.0f);
    EXPECT_TRUE(std::equal(sphere.indices.begin(), sphere.indices.end(), levels.indices().begin()));
    for (std::size_t i = 1; i < list.size(); ++i) {
        EXPECT_EQ(list[i].first, list[i - 1].first + list[i - 1].count) << i;
        EXPECT_EQ(list[i].count % 3, 0u) << i;
        EXPECT_LE(list[i].count, list[i - 1].count * 4 / 5) << i;
        EXPECT_GE(list[i].count, list[i - 1].count / 3) << i << ": about half, not all at once";
        EXPECT_GT(list[i].error, list[i - 1].error) << i;
    }
    // Errors are in the mesh's units: half the triangles of a round sphere of radius 10 stray little.
    EXPECT_GT(list[1].error, 0.0f);
    EXPECT_LT(list[1].error, 0.5f);
    EXPECT_LE(list.back().error, 0.25f * 20.0f) << "no level beyond a quarter of the mesh's size";
    EXPECT_EQ(levels.indices().size(), list.back().first + list.back().count);
    EXPECT_TRUE(std::all_of(levels.indices().begin(), levels.indices().end(),
                            [&](unsigned i) { return i < sphere.vertices.size(); }));
}

TEST(DetailLevels, TheOpenBorderStaysWhereItIs) {
    const rm::MeshGroup plane = grid(16);
    const gl::DetailLevels levels = gl::DetailLevels::build(plane.vertices, plane.indices);
    ASSERT_GE(levels.levels().size(), 2u);
    for (std::size_t l = 1; l < levels.levels().size(); ++l) {
        const gl::DetailLevel& level = levels.levels()[l];
        const std::set<unsigned> used(levels.indices().begin() + static_cast<long>(level.first),
                                      levels.indices().begin() +
                                          static_cast<long>(level.first + level.count));
        for (int i = 0; i <= 16; ++i) {
            for (unsigned corner : {static_cast<unsigned>(i), static_cast<unsigned>(16 * 17 + i),
                                    static_cast<unsigned>(i * 17), static_cast<unsigned>(i * 17 + 16)})
                EXPECT_TRUE(used.count(corner)) << "level " << l << " lost border vertex " << corner;
        }
    }
}

TEST(DetailLevels, SmallOrBrokenMeshesKeepTheirOneLevel) {
    const rm::MeshGroup box = rm::makeBox({-1, -1, -1}, {1, 1, 1}, 0xFF00FF00)->groups()[0];
    EXPECT_EQ(gl::DetailLevels::build(box.vertices, box.indices).levels().size(), 1u) << "12 triangles";
    rm::MeshGroup broken = grid(16);
    broken.indices[7] = static_cast<unsigned>(broken.vertices.size());
    const gl::DetailLevels kept = gl::DetailLevels::build(broken.vertices, broken.indices);
    EXPECT_EQ(kept.levels().size(), 1u);
    EXPECT_EQ(kept.indices(), broken.indices);
    EXPECT_EQ(gl::DetailLevels::build({}, {}).levels().size(), 1u);
    // Damaged numbers (a mesh file may hold anything): no level strays past the vertices.
    for (const float bad : {NAN, INFINITY, 3e38f}) {
        rm::MeshGroup damaged = grid(16);
        damaged.vertices[40].position.y = bad;
        const gl::DetailLevels levels = gl::DetailLevels::build(damaged.vertices, damaged.indices);
        EXPECT_TRUE(std::all_of(levels.indices().begin(), levels.indices().end(), [&](unsigned i) {
            return i < damaged.vertices.size();
        })) << bad;
        for (std::size_t l = 1; l < levels.levels().size(); ++l)
            EXPECT_TRUE(std::isfinite(levels.levels()[l].error)) << bad << " level " << l;
    }
}

TEST(DetailLevels, TheCoarsestLevelWithinTheBudgetIsChosen) {
    const std::vector<gl::DetailLevel> levels = {{0, 300, 0.0f}, {300, 150, 0.1f}, {450, 72, 0.3f}};
    struct Case {
        float pixelsPerUnit, maxPixels;
        std::size_t level;
    };
    const std::vector<Case> cases = {
        {5.0f, 0.5f, 1},     // 0.1 × 5 = 0.5: exactly the budget
        {5.01f, 0.5f, 0},    // just over
        {1.6f, 0.5f, 2},     // 0.3 × 1.6 = 0.48
        {1.7f, 0.5f, 1},     // 0.51
        {0.01f, 0.5f, 2},    // far away: the coarsest
        {0.01f, 0.0f, 0},    // no budget: full meshes
        {INFINITY, 0.5f, 0}, // at the camera
    };
    for (const Case& c : cases)
        EXPECT_EQ(gl::chooseLevel(levels, c.pixelsPerUnit, c.maxPixels), c.level)
            << c.pixelsPerUnit << " px per unit, " << c.maxPixels << " px";
}

// A fine sphere far away and a large one near the camera.
struct Scene {
    std::shared_ptr<rm::Frame> root = rm::Frame::create();
    std::shared_ptr<rm::Frame> camera = lightAndCamera(root);
    std::shared_ptr<rm::Frame> far = rm::Frame::create(root);
    std::shared_ptr<rm::Frame> near = rm::Frame::create(root);
    std::unique_ptr<rm::Viewport> viewport;
    Scene() {
        far->SetPosition(root.get(), {-30, 0, -200});
        far->AddVisual(rm::makeSphere(6, 96, 48, 0xFFD02020));
        near->SetPosition(root.get(), {20, 0, 40});
        near->AddVisual(rm::makeSphere(12, 32, 16, 0xFF2040E0));
        viewport = std::make_unique<rm::Viewport>(camera, 200, 160);
        viewport->SetBack(5000);
    }
};

int differingBy(const QImage& a, const QImage& b, int levels) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            count += std::abs(red(p) - red(q)) > levels || std::abs(green(p) - green(q)) > levels ||
                     std::abs(blue(p) - blue(q)) > levels || std::abs(qAlpha(p) - qAlpha(q)) > levels;
        }
    }
    return count;
}

// A large toy near the camera is as large as its nearest point: a sphere of
// radius 10 whose middle lies 27 units away is 17 units away at its nearest,
// where its first coarser level (0.028 units off) would stray 0.32 px.
TEST(DrawingQuality, ALargeToyNearTheCameraKeepsEveryTriangle) {
    auto root = rm::Frame::create();
    auto camera = lightAndCamera(root);
    auto ball = rm::Frame::create(root);
    ball->SetPosition(root.get(), {0, 0, 73});
    ball->AddVisual(rm::makeSphere(10, 96, 48, 0xFFD02020));
    rm::Viewport viewport(camera, 200, 160);
    viewport.SetBack(5000);
    auto device = gl::Device::create(200, 160, std::nullopt);
    ASSERT_TRUE(device);
    device->SetDrawing({4, 0.25f});
    device->RenderChanges(viewport, *root);
    EXPECT_EQ(device->stats().triangles, ball->visuals()[0]->groups()[0].faceCount());
}

TEST(DrawingQuality, FewerSamplesAndCoarserMeshesUntilFullQualityComesBackWhole) {
    Scene scene;
    auto device = gl::Device::create(200, 160, std::nullopt);
    ASSERT_TRUE(device);
    const std::vector<int>& counts = device->sampleCounts();
    ASSERT_GE(counts.size(), 2u);
    EXPECT_EQ(counts.front(), 4);
    EXPECT_EQ(counts.back(), 1);
    EXPECT_TRUE(std::is_sorted(counts.rbegin(), counts.rend()));
    device->SetDrawing({3, 0.5f});
    EXPECT_EQ(device->drawing().samples, counts[1]) << "the most offered at or below 3";
    EXPECT_EQ(device->drawing().detailPixels, 0.5f);

    const QRect all(0, 0, 200, 160);
    device->SetDrawing(device->fullDrawing());
    device->RenderChanges(*scene.viewport, *scene.root);
    const QImage full = device->surface().copy();
    const std::uint64_t fullTriangles = device->stats().triangles;
    EXPECT_GT(partlyCovered(full), 100) << "smooth edges";
    EXPECT_FALSE(device->reduced());

    // Coarser meshes at every sample: the far sphere only, hardly visible.
    device->SetDrawing({4, 0.25f});
    EXPECT_EQ(device->RenderChanges(*scene.viewport, *scene.root), std::vector<QRect>{all}) << "drawn whole";
    EXPECT_TRUE(device->reduced());
    const std::uint64_t coarse = device->stats().triangles - fullTriangles;
    const unsigned farTriangles = scene.far->visuals()[0]->groups()[0].faceCount();
    const unsigned nearTriangles = scene.near->visuals()[0]->groups()[0].faceCount();
    EXPECT_EQ(fullTriangles, farTriangles + nearTriangles);
    // The far one is about 18 px across: an eighth of its triangles do.
    EXPECT_LE(coarse, nearTriangles + farTriangles / 4) << "the far sphere lost most of its triangles";
    EXPECT_GE(coarse, nearTriangles + farTriangles / 10) << "the near one kept all of its";
    savePicture(device->surface(), "quality_coarse");
    EXPECT_LE(differingBy(device->surface(), full, 8), 2);

    // One sample: edges are hard.
    device->SetDrawing({1, 0.5f});
    EXPECT_EQ(device->RenderChanges(*scene.viewport, *scene.root), std::vector<QRect>{all});
    EXPECT_EQ(partlyCovered(device->surface()), 0);
    EXPECT_EQ(device->stats().reduced, 2u);

    // Back to full quality with nothing moved: drawn whole, as before.
    device->SetDrawing(device->fullDrawing());
    EXPECT_EQ(device->RenderChanges(*scene.viewport, *scene.root), std::vector<QRect>{all});
    EXPECT_FALSE(device->reduced());
    EXPECT_EQ(differingBy(device->surface(), full, 0), 0);
    EXPECT_TRUE(device->RenderChanges(*scene.viewport, *scene.root).empty()) << "and then nothing";
}

} // namespace
