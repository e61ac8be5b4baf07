#pragma once
// MeshModel: the triangles of one ornament (or tree, or mouse) as the
// generators build them, written out as a DirectX .x text file.
//
//   decor::MeshModel model;
//   int gold = model.addMaterial(decor::glossy({0.85f, 0.65f, 0.2f}));
//   auto a = model.addVertex({0, 0, 0}, {0, 0, -1});
//   ...
//   model.addTriangle(a, b, c, gold);
//   model.writeX(context.file("Mesh/Toys/Bell0.x"));
//
// Faces are written so that they are seen from the side their normal points
// to (their corners run clockwise seen from there, in the left-handed, y-up
// coordinates of the scene): addTriangle orders the corners by the vertex
// normals, so generators only need to give correct normals.
//
// Every triangle carries a piece number; the landing animations move pieces
// as rigid bodies (see landing.h).
#include <QString>
#include <array>
#include <cstdint>
#include <glm/glm.hpp>
#include <optional>
#include <string>
#include <vector>

namespace decor {

struct Material {
    glm::vec4 diffuse{1.0f};
    float power = 0.0f;
    glm::vec3 specular{0.0f};
    glm::vec3 emissive{0.0f};
    bool operator==(const Material&) const = default;
};

// A lit surface with a highlight of the given strength and sharpness.
Material glossy(glm::vec3 color, float highlight = 0.5f, float power = 40.0f, float glow = 0.06f);
// A soft surface without highlight.
Material matte(glm::vec3 color, float glow = 0.06f);
// Material whose diffuse colour is exactly the given 8-bit RGB colour, so a
// loader reading it back gets the same bytes (the landing key colour).
Material keyed(std::uint32_t rgbRedLow, float highlight = 0.5f, float power = 40.0f);

struct Vertex {
    glm::vec3 position{0.0f};
    glm::vec3 normal{0.0f, 1.0f, 0.0f};
    glm::vec4 color{1.0f};
};

struct Triangle {
    std::array<std::uint32_t, 3> corners{};
    int material = 0;
    int piece = 0;
};

struct Bounds {
    glm::vec3 min{0.0f};
    glm::vec3 max{0.0f};
    glm::vec3 center() const { return (min + max) * 0.5f; }
    glm::vec3 size() const { return max - min; }
};

class MeshModel {
public:
    // Index of the material; equal materials share one index.
    int addMaterial(const Material& material);
    std::uint32_t addVertex(glm::vec3 position, glm::vec3 normal, glm::vec4 color = glm::vec4(1.0f));
    // Orders the corners so that the face is seen from the side of the
    // corners' mean normal.
    void addTriangle(std::uint32_t a, std::uint32_t b, std::uint32_t c, int material, int piece = 0);
    // The same, seen from the side `facing` points to whatever the normals say
    // (foliage whose shading normals are bent outwards).
    void addTriangleFacing(std::uint32_t a, std::uint32_t b, std::uint32_t c, glm::vec3 facing, int material,
                           int piece = 0);
    // Adds other's materials, vertices and triangles, moved by transform;
    // piece numbers are shifted by pieceOffset.
    void append(const MeshModel& other, const glm::mat4& transform = glm::mat4(1.0f), int pieceOffset = 0);
    // Moves every vertex (normals follow the rotation part).
    void transform(const glm::mat4& transform);
    // Sets the vertex colours of the vertices of one material (written only
    // when useVertexColors is on).
    void setVertexColors(int material, glm::vec4 color);

    Bounds bounds() const;
    int pieceCount() const;

    const std::vector<Material>& materials() const { return materials_; }
    std::vector<Vertex>& vertices() { return vertices_; }
    const std::vector<Vertex>& vertices() const { return vertices_; }
    std::vector<Triangle>& triangles() { return triangles_; }
    const std::vector<Triangle>& triangles() const { return triangles_; }

    // Writes MeshVertexColors too (for animated colours).
    bool useVertexColors = false;

    std::string toXText() const;
    bool writeX(const QString& path) const;

private:
    std::vector<Material> materials_;
    std::vector<Vertex> vertices_;
    std::vector<Triangle> triangles_;
};

} // namespace decor
