// Meshes and mesh builders: groups, vertex access, scaling, translating and
// collecting a frame tree.
#include "scene/rm/frame.h"
#include "scene/rm/meshbuilder.h"
#include "scene/rm/shapes.h"

#include <gtest/gtest.h>

namespace {

TEST(Mesh, AddGroupSplitsLargerFacesAndChecksIndices) {
    auto mesh = rm::Mesh::create();
    const unsigned quads[] = {0, 1, 2, 3, 3, 2, 4, 5};
    EXPECT_EQ(mesh->AddGroup(6, 2, 4, quads), 0);
    rm::GroupInfo info = mesh->GetGroup(0);
    EXPECT_EQ(info.vertexCount, 6u);
    EXPECT_EQ(info.faceCount, 4u);
    EXPECT_EQ(info.faceData, (std::vector<unsigned>{0, 1, 2, 0, 2, 3, 3, 2, 4, 3, 4, 5}));
    const unsigned bad[] = {0, 1, 7};
    EXPECT_EQ(mesh->AddGroup(3, 1, 3, bad), -1);
    EXPECT_EQ(mesh->AddGroup(3, 2, 3, bad), -1) << "too little face data";
    EXPECT_EQ(mesh->GetGroupCount(), 1);
    EXPECT_EQ(mesh->GetGroup(5).vertexCount, 0u);
}

TEST(Mesh, VertexRangesAndGroupProperties) {
    auto mesh = rm::Mesh::create();
    const unsigned face[] = {0, 1, 2};
    mesh->AddGroup(3, 1, 3, face);
    const auto before = mesh->revision();
    std::vector<rm::Vertex> two(2);
    two[1].position = rm::Vector(4, 5, 6);
    EXPECT_TRUE(mesh->SetVertices(0, 1, two));
    EXPECT_GT(mesh->revision(), before);
    EXPECT_EQ(mesh->GetVertices(0, 2, 1)[0].position, rm::Vector(4, 5, 6));
    EXPECT_FALSE(mesh->SetVertices(0, 2, two)) << "past the end";
    EXPECT_TRUE(mesh->GetVertices(0, 2, 5).empty());
    EXPECT_TRUE(mesh->GetVertices(1).empty());
    // Changing vertices in place: the range is checked and the mesh counts as changed.
    const auto edited = mesh->revision();
    mesh->EditVertices(0, 0, 3)[0].position = rm::Vector(7, 8, 9);
    EXPECT_EQ(mesh->GetVertices(0, 0, 1)[0].position, rm::Vector(7, 8, 9));
    EXPECT_GT(mesh->revision(), edited);
    EXPECT_EQ(mesh->EditVertices(0, 3, 0).size(), 0u);
    EXPECT_TRUE(mesh->EditVertices(0, 2, 2).empty()) << "past the end";
    EXPECT_TRUE(mesh->EditVertices(0, 4, 0).empty()) << "starts past the end";
    EXPECT_TRUE(mesh->EditVertices(1, 0, 1).empty()) << "no such group";
    EXPECT_TRUE(mesh->SetGroupColorRGB(0, 1, 0.5f, 0));
    EXPECT_EQ(mesh->GetGroupColor(0), 0xFFFF8000u);
    EXPECT_FALSE(mesh->SetGroupColor(3, 0));
}

TEST(MeshBuilder, ScaleTranslateAndBox) {
    auto builder = rm::MeshBuilder::create();
    auto box = rm::makeBox({-1, 0, -2}, {1, 4, 2}, 0xFFFFFFFF);
    builder->AddVisual(*box);
    builder->Scale(2, 0.5f, 1);
    builder->Translate(0, 3, 0);
    rm::Box bounds = builder->GetBox();
    EXPECT_EQ(bounds.min, rm::Vector(-2, 3, -2));
    EXPECT_EQ(bounds.max, rm::Vector(2, 5, 2));
    // Normals stay unit length and perpendicular to the faces.
    for (const auto& vertex : builder->groups()[0].vertices)
        EXPECT_NEAR(glm::length(vertex.normal), 1.0f, 1e-5);
    auto mesh = builder->CreateMesh();
    EXPECT_EQ(mesh->GetBox().max, bounds.max);
    builder->Translate(1, 0, 0);
    EXPECT_EQ(mesh->GetBox().max, bounds.max) << "a created mesh is a copy";
}

TEST(MeshBuilder, AddFrameCollectsTheTreeInTheFramesCoordinates) {
    auto scene = rm::Frame::create();
    auto tree = rm::Frame::create(scene);
    tree->SetPosition(nullptr, {100, 0, 0}); // the tree's own placement does not count
    tree->AddVisual(rm::makeBox({-1, 0, -1}, {1, 10, 1}, 0xFF00FF00));
    auto toy = rm::Frame::create(tree);
    toy->SetPosition(tree.get(), {0, 12, 0});
    toy->AddVisual(rm::makeSphere(1, 8, 4, 0xFFFF0000));
    auto builder = rm::MeshBuilder::create();
    builder->AddFrame(*tree);
    EXPECT_EQ(builder->groups().size(), 2u);
    rm::Box box = builder->GetBox();
    EXPECT_NEAR(box.min.x, -1, 1e-5);
    EXPECT_NEAR(box.min.y, 0, 1e-5);
    EXPECT_NEAR(box.max.y, 13, 1e-5);
}

TEST(Shapes, SphereFacesOutward) {
    auto sphere = rm::makeSphere(2, 12, 6, 0xFFFFFFFF);
    const auto& group = sphere->groups()[0];
    for (std::size_t f = 0; f < group.indices.size(); f += 3) {
        const rm::Vector a = group.vertices[group.indices[f]].position;
        const rm::Vector b = group.vertices[group.indices[f + 1]].position;
        const rm::Vector c = group.vertices[group.indices[f + 2]].position;
        // Clockwise seen from outside in left-handed coordinates.
        EXPECT_GT(glm::dot(glm::cross(b - a, c - a), a + b + c), 0.0f);
    }
}

} // namespace
