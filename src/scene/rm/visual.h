#pragma once
// A visual is what a frame shows: a list of groups of triangles. Meshes and mesh
// builders are visuals; both can be added to any number of frames (AddVisual)
// and are then shared.
#include "scene/rm/rmtypes.h"

#include <string>
#include <vector>

namespace rm {

// One vertex as the retained-mode interface stores it.
struct Vertex {
    Vector position{0.0f};
    Vector normal{0.0f};
    float u = 0.0f;
    float v = 0.0f;
    Color color = 0xFFFFFFFF;
};

// Lighting properties beyond the diffuse colour (which is the group colour).
struct Material {
    Vector specular{0.0f};
    float power = 0.0f;
    Vector emissive{0.0f};
};

// Triangles sharing one colour, material and texture.
struct MeshGroup {
    std::vector<Vertex> vertices;
    std::vector<unsigned> indices; // three per triangle
    Color color = 0xFFFFFFFF;      // diffuse colour with alpha
    bool useVertexColors = false;  // shade with the vertices' colours instead of `color`
    Material material;
    std::string texture; // full path of the texture picture, empty for none

    unsigned faceCount() const { return static_cast<unsigned>(indices.size() / 3); }
};

class Visual {
public:
    Visual() = default;
    Visual(const Visual&) = delete;
    Visual& operator=(const Visual&) = delete;
    virtual ~Visual() = default;

    const std::vector<MeshGroup>& groups() const { return groups_; }
    // Changes on every modification, so renderers know when to upload again.
    std::uint64_t revision() const { return revision_; }
    Box GetBox() const;

protected:
    void touch() { ++revision_; }

    std::vector<MeshGroup> groups_;

private:
    std::uint64_t revision_ = 1;
};

// Bounding box of groups (all zeros when there is no vertex).
Box boxOf(const std::vector<MeshGroup>& groups);

} // namespace rm
