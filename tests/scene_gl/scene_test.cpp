// TD3DScene on a real device: driver fall-backs, rendering the tree frame,
// composing over the background, loading the tree mesh and picking.
#include "gl_pictures.h"
#include "scene/d3ddriverlist.h"
#include "scene/d3dscene.h"
#include "scene/rm/shapes.h"
#include "support/test_paths.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

using namespace gltest;

const QRgb backgroundColor = 0xFF2E6B3A;

QImage background(QSize size = QSize(370, 376)) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(backgroundColor);
    return image;
}

TEST(D3DScene, UnknownDriverNameUsesTheDefaultDeviceAndKeepsTheName) {
    TD3DDriverList drivers;
    ASSERT_GE(drivers.count(), 1) << "no EGL device";
    TD3DScene scene(QSize(370, 376), background());
    scene.SetDriver("A card that was removed");
    EXPECT_TRUE(scene.hasDevice());
    EXPECT_EQ(scene.driverName(), "A card that was removed");
    ASSERT_TRUE(scene.viewport());
    EXPECT_FLOAT_EQ(scene.viewport()->GetBack(), 5000);
    EXPECT_FLOAT_EQ(scene.viewport()->GetField(), 0.5f);

    scene.SetDriver("");
    EXPECT_TRUE(scene.hasDevice());
    EXPECT_EQ(scene.driverName(), "");

    scene.SetDriver(drivers.entry(0).name);
    EXPECT_TRUE(scene.hasDevice());
    EXPECT_EQ(scene.driverName(), drivers.entry(0).name);
}

TEST(D3DScene, AFailingDriverFallsBackToTheDefaultAndForgetsTheName) {
    // A listed driver whose device is gone.
    TD3DDriverList drivers({{99, "Vanished card", true}});
    TD3DScene scene(QSize(64, 64), background(QSize(64, 64)));
    scene.SetDriver("Vanished card");
    EXPECT_TRUE(scene.hasDevice());
    EXPECT_EQ(scene.driverName(), "");
}

TEST(D3DScene, WithoutARenderSurfaceNothingRendersButPaintingStillWorks) {
    TD3DScene scene(QSize(0, 0), QImage());
    scene.SetDriver("");
    EXPECT_FALSE(scene.hasDevice());
    scene.Render();
    QImage canvas(10, 10, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    QPainter painter(&canvas);
    scene.PaintTo(0, 0, painter);
}

TEST(D3DScene, PaintToComposesTheRenderingOverTheBackgroundByCoverage) {
    TD3DScene scene(QSize(370, 376), background());
    scene.SetDriver("");
    ASSERT_TRUE(scene.hasDevice());
    scene.treeFrame()->AddVisual(rm::makeSphere(20, 64, 32, 0xFFFF0000));
    // Pure white parts stay visible over the background.
    auto white = rm::Frame::create(scene.treeFrame());
    white->SetPosition(scene.treeFrame().get(), {-35, -35, 0});
    white->AddVisual(rm::makeBox({-5, -5, -5}, {5, 5, 5}, 0xFFFFFFFF));
    scene.Render();
    savePicture(scene.renderSurface(), "scene_rendering");

    QImage window(500, 450, QImage::Format_RGB32);
    window.fill(Qt::black);
    {
        QPainter painter(&window);
        scene.PaintTo(40, 30, painter);
    }
    savePicture(window, "scene_painted");
    EXPECT_EQ(window.pixel(39, 29), 0xFF000000u) << "nothing outside the control";
    EXPECT_EQ(window.pixel(40, 30), backgroundColor) << "the background where nothing is drawn";
    EXPECT_EQ(window.pixel(40 + 369, 30 + 375), backgroundColor);
    // The one point light stands up front right: a face towards the camera
    // gets 0.9 × cos 54.7° of it, about half of full brightness.
    const QRgb centre = window.pixel(40 + 185, 30 + 188);
    EXPECT_GT(red(centre), 120);
    EXPECT_LT(green(centre), 10);
    // The white box (at +x, so on the picture's right... no: the camera looks
    // along -z, so +x is on the left) shows in grey, not the background.
    glm::vec4 s = scene.viewport()->Transform(white->GetPosition(nullptr) + rm::Vector(0, 0, 5));
    const QRgb box = window.pixel(40 + int(s.x / s.w), 30 + int(s.y / s.w));
    EXPECT_GT(red(box), 120);
    EXPECT_GT(blue(box), 120);
    // Edge pixels mix the sphere's red with the background's green.
    int mixed = 0;
    for (int x = 40; x < 40 + 370; ++x) {
        const QRgb p = window.pixel(x, 30 + 188);
        mixed += red(p) > 5 && green(p) > 5 && green(p) < qGreen(backgroundColor);
    }
    EXPECT_GE(mixed, 2);
}

// A clipped canvas (a repaint of the damaged part of the window) gets exactly
// the pixels a whole paint gives inside the clip, and nothing outside it.
TEST(D3DScene, PaintToWithAClipPaintsOnlyTheClipAsAWholePaintWould) {
    TD3DScene scene(QSize(370, 376), background());
    scene.SetDriver("");
    ASSERT_TRUE(scene.hasDevice());
    scene.treeFrame()->AddVisual(rm::makeSphere(60, 32, 16, 0xFFFF0000));
    scene.Render();
    const QPoint at(40, 30);
    QImage whole(500, 450, QImage::Format_RGB32);
    whole.fill(Qt::black);
    {
        QPainter painter(&whole);
        scene.PaintTo(at.x(), at.y(), painter);
    }
    struct Row {
        const char* what;
        QRegion clip; // in window coordinates
    };
    const Row rows[] = {
        {"inside, over the sphere's edge", QRegion(150, 150, 120, 90)},
        {"across the control's top-left corner", QRegion(10, 5, 60, 50)},
        {"two rectangles", QRegion(200, 200, 30, 30) + QRegion(300, 320, 40, 20)},
        {"outside the control", QRegion(430, 420, 50, 20)},
    };
    const QRect control(at, QSize(370, 376));
    for (const Row& row : rows) {
        QImage part(500, 450, QImage::Format_RGB32);
        part.fill(Qt::black);
        {
            QPainter painter(&part);
            painter.setClipRegion(row.clip);
            scene.PaintTo(at.x(), at.y(), painter);
        }
        int wrong = 0;
        for (int y = 0; y < part.height(); ++y) {
            for (int x = 0; x < part.width(); ++x) {
                const bool painted = row.clip.contains(QPoint(x, y)) && control.contains(x, y);
                wrong += part.pixel(x, y) != (painted ? whole.pixel(x, y) : 0xFF000000u);
            }
        }
        EXPECT_EQ(wrong, 0) << row.what;
    }
}

TEST(D3DScene, LoadTreeMeshStandsTheMeshOnTheFloorAndReturnsHalfItsHeight) {
    TD3DScene scene(QSize(100, 100), background(QSize(100, 100)));
    const QString mesh = testsupport::sourceDir() + "/tests/data/x/two_materials.x";
    EXPECT_FLOAT_EQ(scene.LoadTreeMesh(mesh, 10.0f), 10.0f);
    ASSERT_EQ(scene.treeFrame()->visuals().size(), 1u);
    rm::Box box = scene.treeFrame()->visuals()[0]->GetBox();
    EXPECT_FLOAT_EQ(box.min.y, 0.0f);
    EXPECT_FLOAT_EQ(box.max.y, 20.0f);
    // A missing file leaves an empty visual.
    EXPECT_FLOAT_EQ(scene.LoadTreeMesh(mesh + ".missing", 1.0f), 0.0f);
}

TEST(D3DScene, PickFindsTheFrameUnderAPointAndTheHitInTreeCoordinates) {
    TD3DScene scene(QSize(370, 376), background());
    scene.SetDriver("");
    ASSERT_TRUE(scene.viewport());
    scene.treeFrame()->AddVisual(rm::makeSphere(20, 48, 24, 0xFF00A000));
    scene.treeFrame()->AddRotation(rm::CombineType::After, {0, 1, 0}, 0.5f);
    auto toy = rm::Frame::create(scene.treeFrame());
    toy->SetPosition(nullptr, {0, 0, 25});
    toy->AddVisual(rm::makeSphere(3, 16, 8, 0xFFFFD700));

    rm::Vector hit;
    EXPECT_EQ(scene.PickFrame(185, 188, &hit), toy) << "the toy hides the tree behind it";
    EXPECT_EQ(scene.PickFrame(185 - 40, 188 + 30, &hit), scene.treeFrame());
    EXPECT_NEAR(glm::length(hit), 20.0f, 0.1f) << "on the tree's surface, in tree coordinates";
    EXPECT_EQ(scene.PickFrame(5, 5), nullptr);
}

TEST(D3DScene, PickAnswersFromTheSceneEvenBeforeItIsRenderedAgain) {
    TD3DScene scene(QSize(370, 376), background());
    scene.SetDriver("");
    ASSERT_TRUE(scene.viewport());
    scene.treeFrame()->AddVisual(rm::makeSphere(20, 48, 24, 0xFF00A000));
    auto toy = rm::Frame::create(scene.treeFrame());
    toy->SetPosition(nullptr, {0, 0, 25});
    toy->AddVisual(rm::makeSphere(3, 16, 8, 0xFFFFD700));
    scene.Render();
    EXPECT_EQ(scene.PickFrame(185, 188), toy);
    // Moved, not yet rendered: the pick sees where the toy is now.
    toy->SetPosition(nullptr, {-30, 0, 25});
    EXPECT_EQ(scene.PickFrame(185, 188), scene.treeFrame());
    const glm::vec4 s = scene.viewport()->Transform({-30, 0, 25});
    EXPECT_EQ(scene.PickFrame(int(s.x / s.w), int(s.y / s.w)), toy);
}

} // namespace

namespace {

// While the window turns the tree, a fine toy small on the screen may be
// drawn coarser; the moment it stops, the still tree is drawn at full quality.
TEST(D3DScene, TurningFramesMayBeCoarserAndTheStillTreeComesBackAtFullQuality) {
    TD3DScene scene(QSize(370, 376), background());
    scene.SetDriver("");
    ASSERT_TRUE(scene.hasDevice());
    auto toy = rm::Frame::create(scene.treeFrame());
    toy->SetPosition(scene.treeFrame().get(), {20, 10, -60});
    toy->AddVisual(rm::makeSphere(3, 96, 48, 0xFFE0B030));
    scene.Render();
    const QImage full = scene.renderSurface().copy();
    const auto still = scene.renderStats();

    scene.SetTurning(true);
    scene.Render();
    const auto turning = scene.renderStats();
    EXPECT_EQ(turning.renders, still.renders + 1) << "drawn again, though nothing moved";
    EXPECT_EQ(turning.reduced, 1u);
    EXPECT_LT(turning.triangles - still.triangles, still.triangles / 2);

    scene.SetTurning(false);
    const auto stopped = scene.renderStats();
    EXPECT_EQ(stopped.renders, turning.renders + 1);
    EXPECT_EQ(stopped.reduced, 1u);
    EXPECT_EQ(stopped.triangles - turning.triangles, still.triangles);
    EXPECT_EQ(scene.renderSurface(), full);
    scene.SetTurning(false);
    EXPECT_EQ(scene.renderStats().renders, stopped.renders) << "once";
}

} // namespace
