// The scene written as glTF and read back with tinygltf: nodes, shared meshes,
// materials, mirrored placements and geometry, morph targets with their looped
// weights, the camera, embedded textures, and the scenes that are refused.
#include "scene/rm/gltfwriter.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <tiny_gltf.h>

namespace {

rm::Vertex corner(float x, float y, float z) {
    rm::Vertex v;
    v.position = {x, y, z};
    v.normal = {0, 0, -1};
    return v;
}

rm::MeshGroup triangle(rm::Color color, float z = 5) {
    rm::MeshGroup group;
    group.vertices = {corner(0, 0, z), corner(1, 0, z), corner(0, 1, z)};
    group.indices = {0, 1, 2};
    group.color = color;
    return group;
}

struct Fixture {
    QTemporaryDir folder;
    std::shared_ptr<rm::Frame> world = rm::Frame::create();
    std::shared_ptr<rm::Frame> root = rm::Frame::create(world);
    std::shared_ptr<rm::Frame> camera = rm::Frame::create(world);
    std::unique_ptr<rm::Viewport> viewport;
    std::shared_ptr<rm::Mesh> bell;
    rm::GltfScene scene;

    QString file(const char* name) const { return folder.filePath(name); }

    Fixture() {
        root->SetPosition(world.get(), {1, 2, 3});
        // The tree turned a quarter: its z axis along the world's x.
        root->SetOrientation(world.get(), {1, 0, 0}, {0, 1, 0});
        camera->SetPosition(world.get(), {0, 0, 100});
        camera->LookAt(*root, world.get(), rm::Constraint::ConstrainZ);
        viewport = std::make_unique<rm::Viewport>(camera, 370, 376);

        QImage(4, 2, QImage::Format_RGB32).save(file("wood.png"));
        rm::MeshGroup shiny = triangle(0x80FFFFFF);
        shiny.material.power = 14;
        shiny.material.specular = {1, 1, 1};
        shiny.texture = file("wood.png").toStdString();
        root->AddVisual(rm::Mesh::create({triangle(0xFFFF0000), shiny}));

        // A bell on two toys, swinging through three keys in a second.
        bell = rm::Mesh::create({triangle(0xFF00FF00)});
        auto keys = rm::MeshInterpolator::create();
        for (int k = 0; k < 3; ++k) {
            keys->SetIndex(500.0 * k);
            std::vector<rm::Vertex> vertices = bell->GetVertices(0);
            vertices[0].position.z += static_cast<float>(k);
            keys->SetVertices(0, 0, vertices);
        }
        for (int t = 0; t < 2; ++t) {
            rm::Frame::create(root)->AddVisual(bell);
        }
        scene = {.root = root,
                 .camera = camera,
                 .viewport = viewport.get(),
                 .morphs = {{bell, keys, 2}},
                 .loopSeconds = 4};
    }
};

tinygltf::Model readBack(const rm::GltfScene& scene) {
    std::string glb, error;
    EXPECT_TRUE(rm::WriteGlb(scene, glb, &error)) << error;
    tinygltf::Model model;
    tinygltf::TinyGLTF loader;
    std::string warning;
    EXPECT_TRUE(loader.LoadBinaryFromMemory(&model, &error, &warning,
                                            reinterpret_cast<const unsigned char*>(glb.data()),
                                            static_cast<unsigned>(glb.size())))
        << error;
    return model;
}

template <typename T> std::vector<T> values(const tinygltf::Model& model, int accessor) {
    const tinygltf::Accessor& a = model.accessors.at(accessor);
    const tinygltf::BufferView& view = model.bufferViews.at(a.bufferView);
    const auto* data =
        reinterpret_cast<const T*>(model.buffers[0].data.data() + view.byteOffset + a.byteOffset);
    return std::vector<T>(data, data + a.count * tinygltf::GetNumComponentsInType(a.type));
}

TEST(GltfWriter, WritesTheFramesSharedMeshesAndCamera) {
    Fixture f;
    const tinygltf::Model model = readBack(f.scene);
    ASSERT_EQ(model.scenes.size(), 1u);
    EXPECT_EQ(model.scenes[0].nodes, (std::vector<int>{0, 3}));
    ASSERT_EQ(model.nodes.size(), 4u); // the tree, its two toys, the camera
    EXPECT_EQ(model.nodes[0].children, (std::vector<int>{1, 2}));
    EXPECT_EQ(model.meshes.size(), 2u); // the bell once for both toys
    EXPECT_EQ(model.nodes[1].mesh, model.nodes[2].mesh);
    EXPECT_EQ(model.materials.size(), 3u);
    EXPECT_EQ(model.nodes[0].translation, (std::vector<double>{1, 2, -3}));

    // The tree's own z axis (glTF's −z) points along the world's x.
    const auto& r = model.nodes[0].rotation;
    ASSERT_EQ(r.size(), 4u);
    const glm::vec3 axis =
        glm::quat(float(r[3]), float(r[0]), float(r[1]), float(r[2])) * glm::vec3(0, 0, -1);
    EXPECT_NEAR(axis.x, 1, 1e-6);
    EXPECT_NEAR(axis.z, 0, 1e-6);

    ASSERT_EQ(model.cameras.size(), 1u);
    EXPECT_NEAR(model.cameras[0].perspective.yfov, 2 * std::atan(0.5), 1e-6);
    EXPECT_NEAR(model.cameras[0].perspective.aspectRatio, 370.0 / 376.0, 1e-9);
    EXPECT_EQ(model.nodes[3].translation, (std::vector<double>{0, 0, -100}));
}

TEST(GltfWriter, MirrorsGeometryAndReversesCorners) {
    Fixture f;
    const tinygltf::Model model = readBack(f.scene);
    const tinygltf::Primitive& red = model.meshes[0].primitives[0];
    EXPECT_EQ(values<float>(model, red.attributes.at("POSITION")),
              (std::vector<float>{0, 0, -5, 1, 0, -5, 0, 1, -5}));
    EXPECT_EQ(values<float>(model, red.attributes.at("NORMAL"))[2], 1.0f);
    EXPECT_EQ(values<std::uint16_t>(model, red.indices), (std::vector<std::uint16_t>{0, 2, 1}));
    EXPECT_EQ(model.accessors[red.attributes.at("POSITION")].minValues, (std::vector<double>{0, 0, -5}));
    EXPECT_EQ(model.accessors[red.attributes.at("POSITION")].maxValues, (std::vector<double>{1, 1, -5}));
}

TEST(GltfWriter, IndicesTakeTwoBytesUpTo65535Vertices) {
    for (const auto [vertices, componentType] : {std::pair{65535u, TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT},
                                                 std::pair{65536u, TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT}}) {
        rm::MeshGroup group = triangle(0xFFFFFFFF);
        group.vertices.resize(vertices, group.vertices[0]);
        group.indices = {0, vertices - 1, 1};
        auto frame = rm::Frame::create();
        frame->AddVisual(rm::Mesh::create({group}));
        const tinygltf::Model model = readBack({.root = frame});
        const tinygltf::Accessor& indices = model.accessors[model.meshes[0].primitives[0].indices];
        EXPECT_EQ(indices.componentType, componentType) << vertices;
        if (componentType == TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT) {
            EXPECT_EQ(values<std::uint16_t>(model, model.meshes[0].primitives[0].indices),
                      (std::vector<std::uint16_t>{0, 1, 65534}));
        }
    }
}

TEST(GltfWriter, MaterialsCarryColourShininessAndTexture) {
    Fixture f;
    const tinygltf::Model model = readBack(f.scene);
    const auto& red = model.materials[model.meshes[0].primitives[0].material];
    const auto& shiny = model.materials[model.meshes[0].primitives[1].material];
    EXPECT_EQ(red.pbrMetallicRoughness.baseColorFactor, (std::vector<double>{1, 0, 0, 1}));
    EXPECT_EQ(red.pbrMetallicRoughness.roughnessFactor, 1.0);
    EXPECT_EQ(red.alphaMode, "OPAQUE");
    EXPECT_EQ(red.pbrMetallicRoughness.metallicFactor, 0.0);
    EXPECT_NEAR(shiny.pbrMetallicRoughness.roughnessFactor, std::sqrt(2.0 / 16.0), 1e-9);
    EXPECT_NEAR(shiny.pbrMetallicRoughness.baseColorFactor[3], 128.0 / 255.0, 1e-6);
    EXPECT_EQ(shiny.alphaMode, "BLEND");
    ASSERT_EQ(model.images.size(), 1u);
    EXPECT_EQ(model.images[0].mimeType, "image/png");
    EXPECT_GE(model.images[0].bufferView, 0);
    EXPECT_EQ(model.images[0].width, 4);
    EXPECT_TRUE(model.meshes[0].primitives[1].attributes.count("TEXCOORD_0"));
    EXPECT_FALSE(model.meshes[0].primitives[0].attributes.count("TEXCOORD_0"));
}

TEST(GltfWriter, KeyMeshesBecomeMorphTargetsWithLoopedWeights) {
    Fixture f;
    const tinygltf::Model model = readBack(f.scene);
    const tinygltf::Mesh& bell = model.meshes[model.nodes[1].mesh];
    ASSERT_EQ(bell.primitives[0].targets.size(), 2u);
    EXPECT_EQ(bell.weights, (std::vector<double>{0, 0}));
    // Key 2 lies two units further along the scene's z: −2 in glTF's.
    EXPECT_EQ(values<float>(model, bell.primitives[0].targets[1].at("POSITION")),
              (std::vector<float>{0, 0, -2, 0, 0, 0, 0, 0, 0}));

    ASSERT_EQ(model.animations.size(), 1u);
    const tinygltf::Animation& loop = model.animations[0];
    ASSERT_EQ(loop.samplers.size(), 1u);
    ASSERT_EQ(loop.channels.size(), 2u);
    EXPECT_EQ(loop.channels[1].target_node, 2);
    EXPECT_EQ(loop.channels[1].target_path, "weights");
    // Two rounds of a second's swing stretched over the four-second loop.
    EXPECT_EQ(values<float>(model, loop.samplers[0].input), (std::vector<float>{0, 1, 2, 3, 4}));
    EXPECT_EQ(values<float>(model, loop.samplers[0].output),
              (std::vector<float>{0, 0, 1, 0, 0, 1, 1, 0, 0, 1}));
}

TEST(GltfWriter, FrameMotionsBecomeNodeAnimations) {
    auto root = rm::Frame::create();
    root->SetPosition(nullptr, {0, 1, 0});
    auto swing = rm::Frame::create(root);
    auto path = rm::FrameInterpolator::create();
    for (int k = 0; k < 2; ++k) {
        path->SetIndex(500.0 * k);
        path->SetPosition(nullptr, {0, 1, 10.0f + 10.0f * k});
    }
    const tinygltf::Model model = readBack({.root = root, .motions = {{swing, path, 2}}, .loopSeconds = 4});
    ASSERT_EQ(model.animations.size(), 1u);
    const tinygltf::Animation& loop = model.animations[0];
    ASSERT_EQ(loop.channels.size(), 2u);
    EXPECT_EQ(loop.channels[0].target_node, 1);
    EXPECT_EQ(loop.channels[0].target_path, "translation");
    EXPECT_EQ(loop.channels[1].target_path, "rotation");
    EXPECT_EQ(values<float>(model, loop.samplers[0].input), (std::vector<float>{0, 2, 4}));
    // Relative to the parent, z mirrored.
    EXPECT_EQ(values<float>(model, loop.samplers[0].output),
              (std::vector<float>{0, 0, -10, 0, 0, -20, 0, 0, -20}));
    EXPECT_EQ(values<float>(model, loop.samplers[1].output).size(), 12u);
}

TEST(GltfWriter, FieldOfViewFollowsTheLargerSide) {
    struct Case {
        int width, height;
        double yfov;
    };
    const Case cases[] = {{370, 376, 2 * std::atan(0.5)},
                          {376, 376, 2 * std::atan(0.5)},
                          {640, 422, 2 * std::atan(0.5 * 422 / 640)}};
    for (const Case& c : cases) {
        rm::Viewport viewport(rm::Frame::create(), c.width, c.height);
        EXPECT_NEAR(rm::VerticalFieldOfView(viewport), c.yfov, 1e-6) << c.width << "x" << c.height;
    }
}

TEST(GltfWriter, RefusesWhatCannotBeWritten) {
    struct Case {
        const char* name;
        std::function<void(Fixture&)> spoil;
        const char* error; // empty: written
    };
    const Case cases[] = {
        {"damaged texture",
         [](Fixture& f) {
             std::ofstream(f.file("wood.png").toStdString()) << "\x89PNG\r\n\x1a\n but nothing more";
         },
         "wood.png: the texture can't be written: it is not a picture that can be read"},
        {"missing texture", [](Fixture& f) { QFile::remove(f.file("wood.png")); }, "it can't be opened"},
        {"widest texture", [](Fixture& f) { QImage(4096, 1, QImage::Format_RGB32).save(f.file("wood.png")); },
         ""},
        {"too wide texture",
         [](Fixture& f) { QImage(4097, 1, QImage::Format_RGB32).save(f.file("wood.png")); },
         "it is larger than 4096 pixels on a side"},
        {"bitmap texture",
         [](Fixture& f) { QImage(3, 3, QImage::Format_RGB32).save(f.file("wood.png"), "BMP"); }, ""},
        {"too large", [](Fixture& f) { f.scene.maxBytes = 400; }, "the scene is too large to write"},
    };
    for (const Case& c : cases) {
        Fixture f;
        c.spoil(f);
        std::string glb = "old", error;
        const bool written = rm::WriteGlb(f.scene, glb, &error);
        EXPECT_EQ(written, *c.error == 0) << c.name << ": " << error;
        if (*c.error) {
            EXPECT_NE(error.find(c.error), std::string::npos) << c.name << ": " << error;
            EXPECT_TRUE(glb.empty()) << c.name;
        }
    }
}

} // namespace
