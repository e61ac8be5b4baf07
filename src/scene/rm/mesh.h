#pragma once
// Mesh: a visual made of numbered groups. Group numbers are the order in which
// the groups were made (by MeshBuilder::CreateMesh: one group per material, in
// material order; or by AddGroup) and never change, so the key meshes of one
// model line up group by group.
//
//   auto mesh = builder->CreateMesh();
//   for (int g = 0; g < mesh->GetGroupCount(); ++g) {
//       auto vertices = mesh->GetVertices(g);      // all of them
//       ...
//       mesh->SetVertices(g, 0, vertices);
//   }
//   frame->AddVisual(mesh);
#include "scene/rm/visual.h"

#include <memory>
#include <span>

namespace rm {

struct GroupInfo {
    unsigned vertexCount = 0;
    unsigned faceCount = 0;
    unsigned verticesPerFace = 3;
    std::vector<unsigned> faceData; // vertex numbers, verticesPerFace per face
};

class Mesh : public Visual {
public:
    static std::shared_ptr<Mesh> create() { return std::make_shared<Mesh>(); }
    // A mesh holding these groups (used by MeshBuilder::CreateMesh).
    static std::shared_ptr<Mesh> create(std::vector<MeshGroup> groups);

    int GetGroupCount() const { return static_cast<int>(groups_.size()); }
    // Counts and face list of a group; all zeros for an unknown group.
    GroupInfo GetGroup(int group) const;
    // Adds a group of vertexCount (zeroed) vertices and faceCount faces of
    // verticesPerFace vertices each (larger faces are split into triangles).
    // Returns the new group's number, or -1 when the face data is invalid.
    int AddGroup(unsigned vertexCount, unsigned faceCount, unsigned verticesPerFace,
                 std::span<const unsigned> faceData);
    // count = -1: all vertices from first on. Empty for an unknown group or range.
    std::vector<Vertex> GetVertices(int group, unsigned first = 0, int count = -1) const;
    bool SetVertices(int group, unsigned first, std::span<const Vertex> vertices);
    // Vertices first .. first + count - 1 of a group, to be changed in place
    // (the mesh counts as changed); empty for an unknown group or range.
    std::span<Vertex> EditVertices(int group, unsigned first, std::size_t count);
    Color GetGroupColor(int group) const;
    bool SetGroupColor(int group, Color color);
    bool SetGroupColorRGB(int group, float r, float g, float b);
    Material GetGroupMaterial(int group) const;
    bool SetGroupMaterial(int group, const Material& material);
    bool SetGroupTexture(int group, const std::string& path);
    // Shade the group with its vertices' colours (true) or its group colour.
    bool SetGroupVertexColors(int group, bool on);

private:
    bool valid(int group) const { return group >= 0 && group < GetGroupCount(); }
};

} // namespace rm
