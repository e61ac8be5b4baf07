// .x files through MeshBuilder::Load: materials become groups, frame
// transforms are applied, named material references resolve by name, binary
// files load like text ones, and broken files leave an empty builder.
#include "scene/rm/meshbuilder.h"
#include "scene/rm/searchpath.h"
#include "scene/rm/xloader.h"
#include "scene_rm/xcompress.h"
#include "support/test_paths.h"

#include <QDir>
#include <QFile>
#include <cmath>
#include <cstring>
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
    // Faces 0 and 2 use the red material, face 1 the blue one; the two red
    // faces share the corners with the same point and normal.
    rm::GroupInfo red = mesh->GetGroup(0);
    EXPECT_EQ(red.faceCount, 2u);
    EXPECT_EQ(red.vertexCount, 4u);
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
    EXPECT_EQ(red.faceData, (std::vector<unsigned>{0, 1, 2, 1, 0, 3}));
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

namespace {

const char* const header = "xof 0302txt 0032\n";

// A mesh of one triangle with the given blocks after its faces.
std::string triangle(const std::string& blocks) {
    return std::string(header) + "Mesh Tri {\n 3;\n 0;0;0;, 0;1;0;, 1;0;0;;\n 1;\n 3;0,1,2;;\n" + blocks +
           "}\n";
}

std::string binaryWord(unsigned value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}
std::string binaryDword(unsigned value) {
    return binaryWord(value & 0xFFFF) + binaryWord(value >> 16);
}

// Damaged and hostile files: each is a failed load with a reason, never a
// crash, a hang or a huge allocation.
TEST(XLoader, DamagedFilesFailToLoadWithAReason) {
    const std::string binary = "xof 0302bin 0032";
    const std::string meshName = binaryWord(1) + binaryDword(4) + "Mesh" + binaryWord(10);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"xof ", "header"},
        {"xof 03", "header"},
        {"xof 030", "header"},
        {"xof 0302txt 003", "header"},
        {"xof 0302zip 0032Mesh{}", "encoding"},
        {"xof 0302tzip0032", "compressed"},
        {triangle(" MeshNormals {\n 1;\n 0;0;1;;\n 1;\n 3;0,5,0;;\n }\n"), "point 5 of 1"},
        {triangle(" MeshNormals {\n 1;\n 0;0;1;;\n 2;\n 3;0,0,0;, 3;0,0,0;;\n }\n"), "normal faces"},
        {triangle(" MeshNormals {\n 1;\n 0;0;1;;\n 1;\n 2;0,0;;\n }\n"), "corners"},
        {std::string(header) + "Mesh Big {\n 999999999;\n 0;0;0;;\n 0;;\n}\n", "999999999 items declared"},
        {std::string(header) + "Mesh Bad {\n 3;\n 0;0;0;, 0;1;0;, 1;0;0;;\n 1;\n 3;0,1,3;;\n}\n",
         "point 3 of 3"},
        {std::string(header) + "Mesh Neg {\n -3;\n}\n", "not a count"},
        {triangle(" MeshMaterialList {\n 1;\n 1;\n 1;;\n Material { 1;0;0;1;; 0; 0;0;0;; 0;0;0;; }\n }\n"),
         "material 1 of 1"},
        {triangle(" MeshMaterialList {\n 1;\n 1;\n 0;;\n {Nowhere}\n }\n"), "no material named 'Nowhere'"},
        {triangle(" MeshMaterialList {\n 1;\n 1;\n 0;;\n Material { 1;0;0; }\n }\n"), "fewer values"},
        {triangle(" MeshTextureCoords {\n 2;\n 0;0;, 1;1;;\n }\n"), "2 texture coordinates for 3"},
        {triangle(" MeshVertexColors {\n 1;\n 7;1;0;0;1;;;\n }\n"), "vertex 7 of 3"},
        {std::string(header) + "Mesh Far {\n 3;\n 1e39;0;0;, 0;1;0;, 1;0;0;;\n 1;\n 3;0,1,2;;\n}\n",
         "finite"},
        {std::string(header) + "Mesh Cut {\n 3;\n 0;0;0;, 0;1;", "ends inside"},
        {std::string(header) + "Mesh Str { \"open", "unterminated"},
        {std::string(header) + "template Mesh { <3D82AB44-62DA-11cf-AB39-0020AF71E433> DWORD n;",
         "unterminated template"},
        {std::string(header) + "Mesh M { 1.2.3.4; }", "not a number"},
        {binary + meshName + binaryWord(6) + binaryDword(999999999) + binaryDword(3), "999999999 values"},
        {binary + meshName + binaryWord(7) + binaryDword(1u << 30), "values in a file"},
        {binary + binaryWord(1) + binaryDword(0xFFFFFFF0u) + "Mesh", "longer than the file"},
        {binary + meshName + binaryWord(77), "unknown binary token"},
        {binary + meshName + binaryWord(3) + "\x01", "truncated"},
    };
    for (const auto& [content, reason] : cases) {
        std::vector<rm::MeshGroup> groups;
        std::string error;
        EXPECT_FALSE(rm::loadXData(content, ".", groups, &error)) << content;
        EXPECT_TRUE(groups.empty());
        EXPECT_NE(error.find(reason), std::string::npos) << "error '" << error << "' for: " << content;
    }
}

TEST(XLoader, ColoursThatAreNotNumbersCountAsZero) {
    // A binary material whose red is NaN and whose power is infinite.
    std::string floats;
    for (float value : {std::nanf(""), 1.0f, 0.0f, 1.0f, INFINITY, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f}) {
        std::uint32_t bits;
        std::memcpy(&bits, &value, 4);
        floats += binaryDword(bits);
    }
    std::vector<rm::MeshGroup> groups;
    std::string error;
    const std::string binary = "xof 0302bin 0032" + binaryWord(1) + binaryDword(8) + "Material" +
                               binaryWord(1) + binaryDword(3) + "Red" + binaryWord(10) + binaryWord(7) +
                               binaryDword(11) + floats + binaryWord(11);
    ASSERT_TRUE(rm::loadXData(binary, ".", groups, &error)) << error;
    EXPECT_TRUE(groups.empty()) << "a material alone draws nothing";
    const std::string withMesh =
        binary + binaryWord(1) + binaryDword(4) + "Mesh" + binaryWord(10) + binaryWord(6) + binaryDword(1) +
        binaryDword(3) + binaryWord(7) + binaryDword(9) + std::string(9 * 4, '\0') + binaryWord(6) +
        binaryDword(5) + binaryDword(1) + binaryDword(3) + binaryDword(0) + binaryDword(1) + binaryDword(2) +
        binaryWord(1) + binaryDword(16) + "MeshMaterialList" + binaryWord(10) + binaryWord(6) +
        binaryDword(3) + binaryDword(1) + binaryDword(1) + binaryDword(0) + binaryWord(10) + binaryWord(1) +
        binaryDword(3) + "Red" + binaryWord(11) + binaryWord(11) + binaryWord(11);
    ASSERT_TRUE(rm::loadXData(withMesh, ".", groups, &error)) << error;
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0].color, 0xFF00FF00u) << "NaN red is no red";
    EXPECT_EQ(groups[0].material.power, 0.0f);
}

TEST(XLoader, NestingIsBoundedAndShortFilesFailThroughTheBuilder) {
    std::string deep = header;
    for (int i = 0; i < 100000; ++i)
        deep += "Frame F {";
    std::vector<rm::MeshGroup> groups;
    std::string error;
    EXPECT_FALSE(rm::loadXData(deep, ".", groups, &error));
    EXPECT_NE(error.find("nested"), std::string::npos) << error;

    // The same through a file: every cut of a good file (short of its closing brace) fails.
    const QString folder = testsupport::scratchDir("xloader_cuts");
    QFile good(QString::fromStdString(dataFile("two_materials.x")));
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray whole = good.readAll();
    auto builder = rm::MeshBuilder::create();
    const int lastBrace = static_cast<int>(whole.lastIndexOf('}'));
    for (int size = 0; size < lastBrace; size += 7) {
        QFile cut(folder + "/cut.x");
        ASSERT_TRUE(cut.open(QIODevice::WriteOnly | QIODevice::Truncate));
        cut.write(whole.left(size));
        cut.close();
        EXPECT_FALSE(builder->Load((folder + "/cut.x").toStdString())) << size;
    }
    EXPECT_FALSE(builder->Load(folder.toStdString()));
    EXPECT_NE(builder->lastError().find("directory"), std::string::npos);
}

TEST(XLoader, AMeshNestedSixtyFourDeepLoadsAndSixtyFiveDeepDoesNot) {
    for (const auto& [depth, loads] : {std::pair{64, true}, std::pair{65, false}}) {
        std::string text = header;
        for (int level = 1; level < depth; ++level)
            text += "Frame F {\n";
        text += "Mesh Tri {\n 3;\n 0;0;0;, 0;1;0;, 1;0;0;;\n 1;\n 3;0,1,2;;\n}\n";
        for (int level = 1; level < depth; ++level)
            text += "}\n";
        std::vector<rm::MeshGroup> groups;
        std::string error;
        EXPECT_EQ(rm::loadXData(text, ".", groups, &error), loads) << depth << ": " << error;
        EXPECT_EQ(groups.size(), loads ? 1u : 0u) << depth;
    }
}

// Compressed files whose sizes lie or whose data is damaged fail with a reason,
// and never inflate past the sizes they state.
TEST(XLoader, DamagedCompressedFilesFailWithAReason) {
    QFile file(QString::fromStdString(dataFile("two_materials.x")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::string plain = file.readAll().toStdString();
    const std::string good = testsupport::compressX(plain, 64);
    auto with = [&good](std::size_t at, const std::string& bytes) {
        return std::string(good).replace(at, bytes.size(), bytes);
    };
    using testsupport::littleEndian16;
    using testsupport::littleEndian32;
    const std::string zeros(1 << 20, '\0');
    const std::string bomb = "xof 0302tzip0032" + littleEndian32(16 + 32768) + littleEndian16(32768) +
                             littleEndian16(unsigned(testsupport::deflateBlock(zeros).size() + 2)) + "CK" +
                             testsupport::deflateBlock(zeros);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {with(20 + 2, littleEndian16(0xFFFF)), "block 0: stored size 65535 runs past the end"},
        {good.substr(0, good.size() - 3), "runs past the end"},
        {good.substr(0, 20 + 3), "block 0: cut short"},
        {with(16, littleEndian32(unsigned(plain.size() + 1))), "not its stated"},
        {with(16, littleEndian32(unsigned(plain.size() - 1))), "past the file's stated size"},
        {with(16, littleEndian32(0xFFFFFFFFu)), "more than"},
        {with(16, littleEndian32(3)), "shorter than its header"},
        {bomb, "more than its stated 32768 bytes"},
        {with(20 + 4, "ZK"), "signature"},
        {with(20 + 6, std::string(4, '\xFF')), "damaged compressed data"},
        {"xof 0302bzip0032" + littleEndian32(16 + 40000) + littleEndian16(40000) + littleEndian16(2) + "CK",
         "past the file's stated size"},
    };
    for (const auto& [content, reason] : cases) {
        std::vector<rm::MeshGroup> groups;
        std::string error;
        EXPECT_FALSE(rm::loadXData(content, ".", groups, &error)) << reason;
        EXPECT_NE(error.find(reason), std::string::npos) << "error '" << error << "', expected: " << reason;
    }
    std::vector<rm::MeshGroup> groups;
    std::string error;
    EXPECT_TRUE(rm::loadXData(good, ".", groups, &error)) << error;
}

TEST(XLoader, PolygonsFanOutAndShortMaterialListsRepeatTheirLastEntry) {
    const std::string text = std::string(header) +
                             "Mesh Shapes {\n 6;\n 0;0;0;, 0;1;0;, 1;1;0;, 1;0;0;, 2;0;0;, 2;1;0;;\n"
                             " 3;\n 4;0,1,2,3;, 3;3,2,5;, 3;3,5,4;;\n"
                             " MeshMaterialList {\n 2;\n 2;\n 1,0;;\n"
                             "  Material { 1;0;0;1;; 0; 0;0;0;; 0;0;0;; }\n"
                             "  Material { 0;0;1;1;; 0; 0;0;0;; 0;0;0;; TextureFilename { \"none.png\"; } }\n"
                             " }\n}\n";
    std::vector<rm::MeshGroup> groups;
    std::string error;
    ASSERT_TRUE(rm::loadXData(text, ".", groups, &error)) << error;
    ASSERT_EQ(groups.size(), 2u);
    // Material 0 (red): faces 1 and 2 (the list's last entry repeats); material 1 (blue): the quad.
    EXPECT_EQ(groups[0].color, 0xFFFF0000u);
    EXPECT_EQ(groups[0].faceCount(), 2u);
    EXPECT_EQ(groups[1].color, 0xFF0000FFu);
    EXPECT_EQ(groups[1].vertices.size(), 4u);
    EXPECT_EQ(groups[1].indices, (std::vector<unsigned>{0, 1, 2, 0, 2, 3}));
    EXPECT_EQ(groups[1].texture, "") << "a texture that is nowhere is no texture";
    // Smooth normals face the viewer of clockwise faces (towards -z).
    EXPECT_NEAR(groups[1].vertices[0].normal.z, -1.0f, 1e-6);
}

// Corners share a vertex when they name the same point and the same normal,
// whatever the values: two key meshes of one shape get the same vertices in
// the same order even where one of them has two points in one place.
TEST(XLoader, CornersShareAVertexByPointAndNormalNumbers) {
    struct Case {
        const char* name;
        const char* points;
        const char* normals; // empty: none in the file
        std::size_t vertices;
        std::vector<unsigned> indices;
    };
    const Case cases[] = {
        {"one normal per point",
         "0;0;0;, 1;0;0;, 1;1;0;, 0;1;0;;",
         " MeshNormals {\n 4;\n 0;0;-1;, 0;0;-1;, 0;0;-1;, 0;0;-1;;\n 2;\n 3;0,1,2;, 3;0,2,3;;\n }\n",
         4,
         {0, 1, 2, 0, 2, 3}},
        {"a crease: one point, two normals",
         "0;0;0;, 1;0;0;, 1;1;0;, 0;1;0;;",
         " MeshNormals {\n 2;\n 0;0;-1;, 0;-1;0;;\n 2;\n 3;0,0,0;, 3;1,1,1;;\n }\n",
         6,
         {0, 1, 2, 3, 4, 5}},
        {"two points in one place stay two", "0;0;0;, 1;0;0;, 1;1;0;, 1;1;0;;", "", 4, {0, 1, 2, 0, 2, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text = std::string(header) + "Mesh Quad {\n 4;\n " + c.points +
                                 "\n 2;\n 3;0,1,2;, 3;0,2,3;;\n" + c.normals + "}\n";
        std::vector<rm::MeshGroup> groups;
        std::string error;
        ASSERT_TRUE(rm::loadXData(text, ".", groups, &error)) << error;
        ASSERT_EQ(groups.size(), 1u);
        EXPECT_EQ(groups[0].vertices.size(), c.vertices);
        EXPECT_EQ(groups[0].indices, c.indices);
    }
}

} // namespace
