// The OpenGL device on its own: a lit sphere, depth order, coverage edges,
// white meshes, textures and vertex colours.
#include "gl_pictures.h"
#include "scene/rm/gl/device.h"
#include "scene/rm/meshbuilder.h"
#include "scene/rm/shapes.h"
#include "scene_rm/xcompress.h"
#include "support/test_paths.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using namespace gltest;

// Camera 100 units in front of the origin, a point light far up front right
// and a little ambient light.
struct TestScene {
    std::shared_ptr<rm::Frame> root = rm::Frame::create();
    std::shared_ptr<rm::Frame> camera = lightAndCamera(root);
    std::unique_ptr<gl::Device> device;
    std::unique_ptr<rm::Viewport> viewport;

    TestScene(int width = 370, int height = 376) {
        std::string error;
        device = gl::Device::create(width, height, std::nullopt, &error);
        EXPECT_TRUE(device) << error;
        viewport = std::make_unique<rm::Viewport>(camera, width, height);
        viewport->SetBack(5000);
    }
    std::shared_ptr<rm::Frame> add(std::shared_ptr<rm::Visual> visual, rm::Vector at = {0, 0, 0}) {
        auto frame = rm::Frame::create(root);
        frame->SetPosition(nullptr, at);
        frame->AddVisual(std::move(visual));
        return frame;
    }
    // The pixel a world point lands on.
    QPoint pixelOf(rm::Vector world) const {
        glm::vec4 s = viewport->Transform(world);
        return QPoint(int(s.x / s.w), int(s.y / s.w));
    }
    const QImage& render() {
        device->Clear();
        device->Render(*viewport, *root);
        device->Update();
        return device->surface();
    }
};

TEST(GlRender, LitRedSphereInTheMiddleOnATransparentBackground) {
    TestScene scene;
    ASSERT_TRUE(scene.device);
    scene.add(rm::makeSphere(20, 64, 32, 0xFFFF0000));
    const QImage& image = scene.render();
    savePicture(image, "red_sphere");
    ASSERT_EQ(image.size(), QSize(370, 376));
    EXPECT_EQ(image.format(), QImage::Format_ARGB32_Premultiplied);
    const QRgb centre = image.pixel(185, 188);
    EXPECT_EQ(qAlpha(centre), 255);
    EXPECT_GT(red(centre), 150);
    EXPECT_EQ(green(centre), 0);
    EXPECT_EQ(blue(centre), 0);
    for (QPoint corner : {QPoint(0, 0), QPoint(369, 0), QPoint(0, 375), QPoint(369, 375), QPoint(185, 20)})
        EXPECT_EQ(image.pixel(corner), 0u) << corner.x() << "," << corner.y();
    // The light is up, at +x and in front: that side (at the picture's upper
    // left, as the camera looks along -z) is brighter than the opposite one.
    const QPoint lit = scene.pixelOf({10, 10, 14.1f}), dark = scene.pixelOf({-10, -10, 14.1f});
    EXPECT_LT(lit.x(), 185);
    EXPECT_GT(red(image.pixel(lit)), red(image.pixel(dark)) + 40);
    // Smooth edges: a ring of partly covered pixels around the outline.
    EXPECT_GT(partlyCovered(image), 200);
    EXPECT_LT(partlyCovered(image), 2000);
}

TEST(GlRender, NearerMeshesHideFartherOnesWhateverTheOrder) {
    TestScene scene;
    ASSERT_TRUE(scene.device);
    scene.add(rm::makeBox({-5, -5, 20}, {15, 15, 25}, 0xFF0000FF)); // in front, drawn first
    scene.add(rm::makeSphere(20, 48, 24, 0xFFFF0000));
    const QImage& image = scene.render();
    savePicture(image, "depth_order");
    const QRgb overlap = image.pixel(scene.pixelOf({5, 5, 25}));
    EXPECT_GT(blue(overlap), 100);
    EXPECT_EQ(red(overlap), 0);
    const QRgb sphereOnly = image.pixel(scene.pixelOf({-12, -8, 13.9f}));
    EXPECT_GT(red(sphereOnly), 50);
    EXPECT_EQ(blue(sphereOnly), 0);
}

TEST(GlRender, PureWhiteMeshesStayVisible) {
    TestScene scene(64, 64);
    ASSERT_TRUE(scene.device);
    auto box = rm::makeBox({-30, -30, -1}, {30, 30, 1}, 0xFFFFFFFF);
    rm::Material glow;
    glow.emissive = rm::Vector(1, 1, 1);
    box->SetGroupMaterial(0, glow);
    scene.add(box);
    const QImage& image = scene.render();
    EXPECT_EQ(image.pixel(32, 32), 0xFFFFFFFFu);
}

TEST(GlRender, VertexColoursAndTexturesFromMeshFiles) {
    const QString folder = testsupport::scratchDir("gl_texture");
    QImage checker(2, 2, QImage::Format_RGB32);
    checker.setPixel(0, 0, 0xFF00FF00);
    checker.setPixel(1, 0, 0xFF00FF00);
    checker.setPixel(0, 1, 0xFF0000FF);
    checker.setPixel(1, 1, 0xFF0000FF);
    ASSERT_TRUE(checker.save(folder + "/stripes.png"));
    // A quad facing the camera (at +z), texture v = 0 at its top.
    QFile file(folder + "/quad.x");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("xof 0302txt 0032\n"
               "Mesh { 4; -40.0;40.0;0.0;, 40.0;40.0;0.0;, 40.0;-40.0;0.0;, -40.0;-40.0;0.0;;\n"
               " 1; 4;0,3,2,1;;\n"
               " MeshNormals { 1; 0.0;0.0;1.0;; 1; 4;0,0,0,0;; }\n"
               " MeshTextureCoords { 4; 0.0;0.0;, 1.0;0.0;, 1.0;1.0;, 0.0;1.0;; }\n"
               " MeshMaterialList { 1; 1; 0;\n"
               "  Material { 1.0;1.0;1.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;;\n"
               "   TextureFilename { \"stripes.png\"; } } } }\n");
    file.close();
    auto builder = rm::MeshBuilder::create();
    ASSERT_TRUE(builder->Load((folder + "/quad.x").toStdString())) << builder->lastError();
    ASSERT_FALSE(builder->groups()[0].texture.empty()) << "found beside the mesh file";
    TestScene scene(100, 100);
    ASSERT_TRUE(scene.device);
    scene.add(builder);
    const QImage& image = scene.render();
    savePicture(image, "texture");
    EXPECT_GT(green(image.pixel(50, 30)), 150);
    EXPECT_LT(blue(image.pixel(50, 30)), 40);
    EXPECT_GT(blue(image.pixel(50, 70)), 150);
    EXPECT_LT(green(image.pixel(50, 70)), 40);

    // Vertex colours: a quad red at -x (the picture's right), green at +x.
    auto mesh = rm::Mesh::create();
    const unsigned quad[] = {0, 3, 2, 1}; // clockwise seen from the camera
    ASSERT_EQ(mesh->AddGroup(4, 1, 4, quad), 0);
    std::vector<rm::Vertex> corners(4);
    const rm::Vector positions[] = {{-40, -40, 0}, {-40, 40, 0}, {40, 40, 0}, {40, -40, 0}};
    for (int i = 0; i < 4; ++i) {
        corners[i].position = positions[i];
        corners[i].normal = rm::Vector(0, 0, 1);
        corners[i].color = i < 2 ? 0xFFFF0000 : 0xFF00FF00;
    }
    mesh->SetVertices(0, 0, corners);
    mesh->SetGroupVertexColors(0, true);
    TestScene coloured(100, 100);
    coloured.add(mesh);
    const QImage& colours = coloured.render();
    savePicture(colours, "vertex_colours");
    EXPECT_GT(red(colours.pixel(85, 50)), 150);
    EXPECT_LT(green(colours.pixel(85, 50)), 60);
    EXPECT_GT(green(colours.pixel(15, 50)), 150);
    EXPECT_LT(red(colours.pixel(15, 50)), 60);
}

TEST(GlRender, CompressedMeshesDrawLikeTheirPlainFiles) {
    const QString folder = testsupport::scratchDir("gl_compressed");
    // The picture of a mesh file, scaled to fill much of a small view.
    auto picture = [](const std::string& path) {
        auto builder = rm::MeshBuilder::create();
        EXPECT_TRUE(builder->Load(path)) << builder->lastError();
        builder->Scale(25, 25, 25);
        TestScene scene(120, 120);
        scene.add(builder);
        return scene.device ? scene.render().copy() : QImage();
    };
    for (const char* name : {"two_materials.x", "two_materials_binary.x"}) {
        const QString source = testsupport::sourceDir() + "/tests/data/x/" + name;
        QFile file(source);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const std::string plain = file.readAll().toStdString();
        const QImage expected = picture(source.toStdString());
        ASSERT_FALSE(expected.isNull());
        int covered = 0;
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                covered += qAlpha(expected.pixel(x, y)) != 0;
        EXPECT_GT(covered, 200) << name;
        // One block, and many small ones that refer back into each other.
        for (const std::size_t blockSize : {std::size_t(32768), std::size_t(48)}) {
            const QString compressed = folder + "/" + name;
            QFile out(compressed);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(QByteArray::fromStdString(testsupport::compressX(plain, blockSize)));
            out.close();
            const QImage got = picture(compressed.toStdString());
            EXPECT_EQ(got, expected) << name << " in blocks of " << blockSize;
            savePicture(got, QString("compressed_%1").arg(name));
        }
    }
}

TEST(GlRender, SameSceneGivesTheSamePicture) {
    TestScene scene(120, 90);
    ASSERT_TRUE(scene.device);
    scene.add(rm::makeSphere(30, 24, 12, 0xFF30C060));
    const QImage first = scene.render().copy();
    const QImage second = scene.render().copy();
    EXPECT_EQ(first, second);
}

} // namespace
