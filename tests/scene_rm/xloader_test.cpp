// .x files through MeshBuilder::Load: materials become groups, frame
// transforms are applied, named material references resolve by name, binary
// files load like text ones, and broken files leave an empty builder.
#include "scene/rm/meshbuilder.h"
#include "scene/rm/searchpath.h"
#include "support/test_paths.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

std::string dataFile(const char* name) {
    return (testsupport::sourceDir() + "/tests/data/x/" + name).toStdString();
}

// The group whose vertices all lie where `inside` says.
const rm::MeshGroup* findGroup(const rm::Visual& visual, auto inside) {
    for (const auto& group : visual.groups()) {
        bool all = !group.vertices.empty();
        for (const auto& vertex : group.vertices)
            all = all && inside(vertex.position);
        if (all)
            return &group;
    }
    return nullptr;
}

TEST(XLoader, FacesAreGroupedByMaterialWithTheirProperties) {
    auto builder = rm::MeshBuilder::create();
    ASSERT_TRUE(builder->Load(dataFile("two_materials.x"))) << builder->lastError();
    auto mesh = builder->CreateMesh();
    ASSERT_EQ(mesh->GetGroupCount(), 2);
    // Faces 0 and 2 use the red material, face 1 the blue one; a vertex per face corner.
    rm::GroupInfo red = mesh->GetGroup(0);
    EXPECT_EQ(red.faceCount, 2u);
    EXPECT_EQ(red.vertexCount, 6u);
    EXPECT_EQ(mesh->GetGroupColor(0), 0xFFFF0000u);
    EXPECT_FLOAT_EQ(mesh->GetGroupMaterial(0).power, 20.0f);
    EXPECT_FLOAT_EQ(mesh->GetGroupMaterial(0).specular.x, 1.0f);
    EXPECT_EQ(mesh->GetGroup(1).faceCount, 1u);
    EXPECT_EQ(mesh->GetGroupColor(1), 0xFF0000FFu);
    EXPECT_FLOAT_EQ(mesh->GetGroupMaterial(1).emissive.y, 0.2f);
    // Coordinates, normals and face order exactly as in the file (left-handed).
    auto vertices = mesh->GetVertices(0);
    EXPECT_EQ(vertices[0].position, rm::Vector(-1, 0, 0));
    EXPECT_EQ(vertices[1].position, rm::Vector(0, 1, 0));
    EXPECT_EQ(vertices[0].normal, rm::Vector(0, 0, -1));
    EXPECT_EQ(red.faceData, (std::vector<unsigned>{0, 1, 2, 3, 4, 5}));
    rm::Box box = builder->GetBox();
    EXPECT_EQ(box.min, rm::Vector(-1, -1, 0));
    EXPECT_EQ(box.max, rm::Vector(1, 1, 0.5f));
}

TEST(XLoader, BinaryFileGivesTheSameGroupsAsText) {
    auto text = rm::MeshBuilder::create();
    auto binary = rm::MeshBuilder::create();
    ASSERT_TRUE(text->Load(dataFile("two_materials.x")));
    ASSERT_TRUE(binary->Load(dataFile("two_materials_binary.x"))) << binary->lastError();
    ASSERT_EQ(binary->groups().size(), text->groups().size());
    for (std::size_t g = 0; g < text->groups().size(); ++g) {
        const auto& a = text->groups()[g];
        const auto& b = binary->groups()[g];
        EXPECT_EQ(a.color, b.color);
        EXPECT_EQ(a.indices, b.indices);
        ASSERT_EQ(a.vertices.size(), b.vertices.size());
        for (std::size_t v = 0; v < a.vertices.size(); ++v)
            EXPECT_EQ(a.vertices[v].position, b.vertices[v].position);
    }
}

TEST(XLoader, FrameTransformsAreComposedAndVertexColoursKept) {
    auto builder = rm::MeshBuilder::create();
    ASSERT_TRUE(builder->Load(dataFile("hierarchy.x"))) << builder->lastError();
    ASSERT_EQ(builder->groups().size(), 1u);
    const rm::MeshGroup& group = builder->groups()[0];
    ASSERT_EQ(group.vertices.size(), 4u);
    EXPECT_EQ(group.faceCount(), 2u) << "the quad is split into two triangles";
    // Inner turns x into -z and moves by 5 along z; Outer moves by 10 along x.
    auto near = [](rm::Vector a, rm::Vector b) {
        return glm::length(a - b) < 1e-5f;
    };
    EXPECT_TRUE(near(group.vertices[0].position, {10, 0, 5}));
    EXPECT_TRUE(near(group.vertices[2].position, {10, 1, 4}));
    EXPECT_TRUE(near(group.vertices[3].position, {10, 0, 4}));
    EXPECT_TRUE(group.useVertexColors);
    EXPECT_EQ(group.vertices[0].color, 0xFFFF0000u);
    EXPECT_EQ(group.vertices[1].color, 0xFF00FF00u);
    EXPECT_EQ(group.color, 0xFFFFFFFFu) << "no material: white";
    // The file has no normals: smooth ones are made, perpendicular to the quad (now facing -x).
    EXPECT_NEAR(std::fabs(group.vertices[0].normal.x), 1.0f, 1e-5);
}

TEST(XLoader, NamedMaterialReferencesResolveByName) {
    auto builder = rm::MeshBuilder::create();
    ASSERT_TRUE(builder->Load(dataFile("named_material.x"))) << builder->lastError();
    ASSERT_EQ(builder->groups().size(), 2u);
    // Face 0 (x from 0 to 1) names {RedMat} through list entry 1, face 1 (x from 2 to 3) {GreenMat}.
    auto left = findGroup(*builder, [](rm::Vector p) { return p.x <= 1.0f; });
    auto right = findGroup(*builder, [](rm::Vector p) { return p.x >= 2.0f; });
    ASSERT_TRUE(left && right);
    EXPECT_EQ(left->color, 0xFFFF0000u);
    EXPECT_FLOAT_EQ(left->material.power, 10.0f);
    EXPECT_EQ(right->color, 0xFF00FF00u);
}

TEST(XLoader, TexturesAreFoundBesideTheMeshThenOnTheSearchPath) {
    const QString root = testsupport::scratchDir("texture_search");
    ASSERT_TRUE(QDir(root).mkpath("meshes") && QDir(root).mkpath("pictures"));
    auto touch = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly);
    };
    ASSERT_TRUE(touch(root + "/pictures/bark.png"));
    const std::string meshFolder = (root + "/meshes").toStdString();
    rm::SetSearchPath("");
    EXPECT_EQ(rm::findMeshResource("bark.png", meshFolder), "");
    rm::SetSearchPath("/nonexistent;" + (root + "/pictures").toStdString());
    EXPECT_EQ(rm::findMeshResource("bark.png", meshFolder), (root + "/pictures/bark.png").toStdString());
    // Beside the mesh wins; names written with backslashes work too.
    ASSERT_TRUE(QDir(root).mkpath("meshes/sub"));
    ASSERT_TRUE(touch(root + "/meshes/sub/bark.png"));
    EXPECT_EQ(rm::findMeshResource("sub\\bark.png", meshFolder),
              (root + "/meshes/sub/bark.png").toStdString());
    rm::SetSearchPath("");
}

TEST(XLoader, UnreadableFilesLeaveAnEmptyBuilder) {
    auto builder = rm::MeshBuilder::create();
    ASSERT_TRUE(builder->Load(dataFile("two_materials.x")));
    EXPECT_FALSE(builder->Load(dataFile("no_such_file.x")));
    EXPECT_TRUE(builder->groups().empty());
    EXPECT_FALSE(builder->lastError().empty());

    const QString broken = testsupport::scratchDir("xloader") + "/broken.x";
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("xof 0302txt 0032\nMesh { 3; 0.0; 1.0;");
    file.close();
    EXPECT_FALSE(builder->Load(broken.toStdString()));
    EXPECT_TRUE(builder->groups().empty());
    EXPECT_EQ(builder->CreateMesh()->GetGroupCount(), 0);
    rm::Box box = builder->GetBox();
    EXPECT_EQ(box.min, rm::Vector(0));
    EXPECT_EQ(box.max, rm::Vector(0));
}

} // namespace
