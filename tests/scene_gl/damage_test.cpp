// Rendering only what changed: the picture a device keeps up to date by parts
// must be the picture a fresh device draws whole, and a scene where nothing
// moved must cost no drawing at all.
#include "gl_pictures.h"
#include "scene/rm/gl/device.h"
#include "scene/rm/gl/drawlist.h"
#include "scene/rm/gl/picturememory.h"
#include "scene/rm/shapes.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

using namespace gltest;

// A large still sphere (the tree), small boxes and spheres around it (toys),
// camera and lights as the tree scene has them.
struct DamageScene {
    std::shared_ptr<rm::Frame> root = rm::Frame::create();
    std::shared_ptr<rm::Frame> camera = lightAndCamera(root);
    std::shared_ptr<rm::Frame> tree = rm::Frame::create(root);
    std::vector<std::shared_ptr<rm::Frame>> toys;
    std::shared_ptr<rm::Mesh> toyMesh = rm::makeSphere(3, 16, 8, 0xFFD02020);
    std::unique_ptr<rm::Viewport> viewport;

    DamageScene() {
        tree->AddVisual(rm::makeSphere(25, 48, 24, 0xFF20A040));
        for (int i = 0; i < 6; ++i) {
            auto toy = rm::Frame::create(tree);
            toy->SetPosition(tree.get(), {-30.0f + 12.0f * i, -20.0f + 8.0f * i, 24});
            toy->AddVisual(i % 2 ? std::shared_ptr<rm::Visual>(toyMesh)
                                 : rm::makeBox({-2, -2, -2}, {2, 2, 2}, 0xFF2040E0));
            toys.push_back(toy);
        }
        viewport = std::make_unique<rm::Viewport>(camera, 200, 160);
        viewport->SetBack(5000);
    }
    // The whole picture, drawn by a device of its own.
    QImage drawnWhole() const {
        auto device = gl::Device::create(200, 160, std::nullopt);
        device->RenderChanges(*viewport, *root);
        return device->surface().copy();
    }
};

// Pixels whose channels differ by more than one level.
int differing(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            count += std::abs(qRed(p) - qRed(q)) > 1 || std::abs(qGreen(p) - qGreen(q)) > 1 ||
                     std::abs(qBlue(p) - qBlue(q)) > 1 || std::abs(qAlpha(p) - qAlpha(q)) > 1;
        }
    }
    return count;
}

int area(const std::vector<QRect>& rects) {
    int sum = 0;
    for (const QRect& r : rects)
        sum += r.width() * r.height();
    return sum;
}

TEST(GlDamage, NothingChangedDrawsNothing) {
    DamageScene scene;
    auto device = gl::Device::create(200, 160, std::nullopt);
    ASSERT_TRUE(device);
    EXPECT_EQ(device->RenderChanges(*scene.viewport, *scene.root), std::vector<QRect>{QRect(0, 0, 200, 160)});
    const gl::DeviceStats before = device->stats();
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(device->RenderChanges(*scene.viewport, *scene.root).empty());
    EXPECT_EQ(device->stats().renders, before.renders);
    EXPECT_EQ(device->stats().pixelsRead, before.pixelsRead);
}

TEST(GlDamage, ChangesByPartsGiveThePictureDrawnWhole) {
    DamageScene scene;
    auto device = gl::Device::create(200, 160, std::nullopt);
    ASSERT_TRUE(device);
    device->RenderChanges(*scene.viewport, *scene.root);
    // Each step changes something else: a toy moves, a shared mesh morphs (all
    // its toys change), a toy is added, one is taken off, a still toy starts
    // moving while another stops.
    const std::vector<std::function<void()>> steps{
        [&] {
            scene.toys[0]->SetPosition(scene.tree.get(), {-28, -18, 26});
        },
        [&] {
            scene.toys[0]->SetPosition(scene.tree.get(), {-26, -16, 26});
        },
        [&] {
            auto vertices = scene.toyMesh->GetVertices(0);
            for (auto& v : vertices)
                v.position *= 1.3f;
            scene.toyMesh->SetVertices(0, 0, vertices);
        },
        [&] {
            auto toy = rm::Frame::create(scene.tree);
            toy->SetPosition(scene.tree.get(), {10, 30, 22});
            toy->AddVisual(rm::makeBox({-3, -1, -3}, {3, 1, 3}, 0xFFF0C020));
            scene.toys.push_back(toy);
        },
        [&] { scene.tree->DeleteChild(scene.toys[2].get()); },
        [&] {
            scene.toys[4]->AddRotation(rm::CombineType::Before, {0, 0, 1}, 0.4f);
        },
        [&] {
            scene.toys[5]->SetPosition(scene.tree.get(), {40, 22, 30});
        },
    };
    int step = 0;
    for (const auto& change : steps) {
        change();
        const std::vector<QRect> damage = device->RenderChanges(*scene.viewport, *scene.root);
        EXPECT_FALSE(damage.empty()) << "step " << step;
        EXPECT_LT(area(damage), 200 * 160 / 2) << "step " << step << ": only the changed part";
        const QImage whole = scene.drawnWhole();
        EXPECT_EQ(differing(device->surface(), whole), 0) << "step " << step;
        if (step == 3) {
            savePicture(device->surface(), "damage_by_parts");
            savePicture(whole, "damage_whole");
        }
        ++step;
    }
    EXPECT_LT(device->stats().pixelsRead, 200u * 160u * 3u) << "far less than a whole picture per step";
}

TEST(GlDamage, TurningTheCameraOrTheTreeDrawsEverything) {
    DamageScene scene;
    auto device = gl::Device::create(200, 160, std::nullopt);
    ASSERT_TRUE(device);
    device->RenderChanges(*scene.viewport, *scene.root);
    scene.tree->AddRotation(rm::CombineType::After, {0, 1, 0}, 0.1f);
    EXPECT_EQ(device->RenderChanges(*scene.viewport, *scene.root), std::vector<QRect>{QRect(0, 0, 200, 160)});
    scene.camera->SetPosition(scene.root.get(), {0, 2, 100});
    EXPECT_EQ(device->RenderChanges(*scene.viewport, *scene.root), std::vector<QRect>{QRect(0, 0, 200, 160)});
    EXPECT_EQ(differing(device->surface(), scene.drawnWhole()), 0);
    // Back to still parts: the cache of the still picture is rebuilt and used.
    scene.toys[1]->SetPosition(scene.tree.get(), {-20, -12, 27});
    const auto damage = device->RenderChanges(*scene.viewport, *scene.root);
    EXPECT_LT(area(damage), 200 * 160 / 4);
    EXPECT_EQ(differing(device->surface(), scene.drawnWhole()), 0);
}

TEST(GlDamage, ALoopShownAgainIsCopiedAndLooksAsDrawn) {
    DamageScene scene;
    // The shared toy mesh swells and shrinks in a loop of six steps.
    const std::vector<rm::Vertex> rest = scene.toyMesh->GetVertices(0);
    const auto show = [&](int step) {
        std::vector<rm::Vertex> vertices = rest;
        for (auto& v : vertices)
            v.position *= 1.0f + 0.08f * static_cast<float>(step % 6 < 3 ? step % 6 : 6 - step % 6);
        scene.toyMesh->SetVertices(0, 0, vertices);
    };
    auto device = gl::Device::create(200, 160, std::nullopt);
    ASSERT_TRUE(device);
    device->RenderChanges(*scene.viewport, *scene.root);
    // step: what it shows; moved: a still toy moves first (the still part
    // changes, and what was remembered is forgotten); remembered: copied from
    // the device's memory. A picture's rectangles include where the toys were
    // before, so a step is remembered when it and the step before were seen.
    struct Step {
        int step;
        bool moved;
        bool remembered;
    };
    const std::vector<Step> steps{
        {0, false, false}, {1, false, false}, {2, false, false}, {3, false, false}, {4, false, false},
        {5, false, false}, {0, false, false}, {1, false, true},  {2, false, true},  {3, true, false},
        {4, false, false}, {5, false, false}, {0, false, false}, {1, false, false}, {2, false, false},
        {3, false, false}, {4, false, true},  {5, false, true},
    };
    for (const Step& s : steps) {
        if (s.moved)
            scene.toys[0]->SetPosition(scene.tree.get(), {-28, -18, 26});
        show(s.step);
        const std::uint64_t before = device->stats().remembered;
        EXPECT_FALSE(device->RenderChanges(*scene.viewport, *scene.root).empty()) << s.step;
        EXPECT_EQ(device->stats().remembered - before, s.remembered ? 1u : 0u) << s.step;
        EXPECT_EQ(differing(device->surface(), scene.drawnWhole()), 0) << s.step;
    }
}

// A remembered picture goes back only where it was drawn: the same key over
// another rectangle is drawn afresh, and nothing is copied there.
TEST(GlDamage, ARememberedPictureIsCopiedOnlyIntoItsOwnRectangle) {
    QImage surface(40, 20, QImage::Format_ARGB32_Premultiplied);
    surface.fill(Qt::red);
    const QRect here(2, 3, 8, 6), there(20, 3, 8, 6);
    gl::PictureMemory memory;
    memory.remember(7, here, surface);
    surface.fill(Qt::blue);
    EXPECT_EQ(memory.recall({7}, {there}, surface), std::vector<std::size_t>{0});
    EXPECT_EQ(differing(surface.copy(here), surface.copy(there)), 0) << "nothing was copied";
    EXPECT_TRUE(memory.recall({7}, {here}, surface).empty());
    QImage expected(surface.size(), surface.format());
    expected.fill(Qt::blue);
    QPainter(&expected).fillRect(here, Qt::red);
    EXPECT_EQ(differing(surface, expected), 0);
}

TEST(GlDamage, DamageRectanglesAreMergedWhereTheyMeet) {
    std::vector<QRect> rects;
    gl::addDamage(rects, QRect(0, 0, 10, 10));
    gl::addDamage(rects, QRect(50, 50, 10, 10));
    EXPECT_EQ(rects.size(), 2u);
    gl::addDamage(rects, QRect(8, 8, 45, 45)); // meets both
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0], QRect(0, 0, 60, 60));
    gl::addDamage(rects, QRect());
    EXPECT_EQ(rects.size(), 1u);
}

// Many small toys, some of them moving all over the picture: when what moves
// holds less than half the triangles, drawing it over the still part costs
// less than drawing everything, however much of the picture it touches.
// (They do not overlap: where two toys meet at the same depth, the one drawn
// first wins, and by parts the still one is drawn first.)
TEST(GlDamage, ManySmallMovingToysAreDrawnByPartsUnlessTheyHoldMostTriangles) {
    struct Case {
        int moving; // of every 10 toys
        bool whole;
    };
    for (const Case c : {Case{4, false}, Case{6, true}}) {
        DamageScene scene;
        std::vector<std::shared_ptr<rm::Frame>> toys;
        const auto ball = rm::makeSphere(2.9f, 12, 6, 0xFFE0C040);
        for (int i = 0; i < 120; ++i) {
            auto toy = rm::Frame::create(scene.root);
            toy->SetPosition(scene.root.get(), {-33.0f + 6.0f * (i % 12), -27.0f + 6.0f * (i / 12), 30});
            toy->AddVisual(ball);
            toys.push_back(toy);
        }
        auto device = gl::Device::create(200, 160, std::nullopt);
        ASSERT_TRUE(device);
        device->RenderChanges(*scene.viewport, *scene.root);
        for (int i = 0; i < 120; ++i) {
            if (i % 10 < c.moving)
                toys[i]->SetPosition(scene.root.get(),
                                     toys[i]->GetPosition(scene.root.get()) + rm::Vector(0, 0.1f, 0));
        }
        const auto whole = device->stats().fullRenders;
        const std::vector<QRect> damage = device->RenderChanges(*scene.viewport, *scene.root);
        EXPECT_GT(area(damage), 200 * 160 * 45 / 100) << c.moving << ": most of the picture";
        EXPECT_EQ(device->stats().fullRenders - whole, c.whole ? 1u : 0u) << c.moving;
        EXPECT_EQ(differing(device->surface(), scene.drawnWhole()), 0) << c.moving;
    }
}

} // namespace
