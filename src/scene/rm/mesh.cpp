#include "scene/rm/mesh.h"

namespace rm {

std::shared_ptr<Mesh> Mesh::create(std::vector<MeshGroup> groups) {
    auto mesh = create();
    mesh->groups_ = std::move(groups);
    return mesh;
}

GroupInfo Mesh::GetGroup(int group) const {
    GroupInfo info;
    if (!valid(group))
        return info;
    const MeshGroup& g = groups_[group];
    info.vertexCount = static_cast<unsigned>(g.vertices.size());
    info.faceCount = g.faceCount();
    info.faceData = g.indices;
    return info;
}

int Mesh::AddGroup(unsigned vertexCount, unsigned faceCount, unsigned verticesPerFace,
                   std::span<const unsigned> faceData) {
    if (verticesPerFace < 3 || faceData.size() < std::size_t(faceCount) * verticesPerFace)
        return -1;
    MeshGroup group;
    group.vertices.resize(vertexCount);
    group.indices.reserve(std::size_t(faceCount) * (verticesPerFace - 2) * 3);
    for (unsigned face = 0; face < faceCount; ++face) {
        const unsigned* corners = faceData.data() + std::size_t(face) * verticesPerFace;
        for (unsigned i = 0; i < verticesPerFace; ++i) {
            if (corners[i] >= vertexCount)
                return -1;
        }
        // A fan keeps the face's winding.
        for (unsigned i = 1; i + 1 < verticesPerFace; ++i) {
            group.indices.insert(group.indices.end(), {corners[0], corners[i], corners[i + 1]});
        }
    }
    groups_.push_back(std::move(group));
    touch();
    return GetGroupCount() - 1;
}

std::vector<Vertex> Mesh::GetVertices(int group, unsigned first, int count) const {
    if (!valid(group))
        return {};
    const auto& vertices = groups_[group].vertices;
    if (first > vertices.size())
        return {};
    std::size_t n = count < 0 ? vertices.size() - first : std::size_t(count);
    if (first + n > vertices.size())
        return {};
    return {vertices.begin() + first, vertices.begin() + first + n};
}

bool Mesh::SetVertices(int group, unsigned first, std::span<const Vertex> vertices) {
    if (!valid(group) || first + vertices.size() > groups_[group].vertices.size())
        return false;
    std::copy(vertices.begin(), vertices.end(), groups_[group].vertices.begin() + first);
    touch();
    return true;
}

std::span<Vertex> Mesh::EditVertices(int group, unsigned first, std::size_t count) {
    if (!valid(group) || first > groups_[group].vertices.size() ||
        count > groups_[group].vertices.size() - first)
        return {};
    touch();
    return {groups_[group].vertices.data() + first, count};
}

Color Mesh::GetGroupColor(int group) const {
    return valid(group) ? groups_[group].color : 0;
}

bool Mesh::SetGroupColor(int group, Color color) {
    if (!valid(group))
        return false;
    groups_[group].color = color;
    touch();
    return true;
}

bool Mesh::SetGroupColorRGB(int group, float r, float g, float b) {
    return SetGroupColor(group, colorRGBA(r, g, b));
}

Material Mesh::GetGroupMaterial(int group) const {
    return valid(group) ? groups_[group].material : Material{};
}

bool Mesh::SetGroupMaterial(int group, const Material& material) {
    if (!valid(group))
        return false;
    groups_[group].material = material;
    touch();
    return true;
}

bool Mesh::SetGroupTexture(int group, const std::string& path) {
    if (!valid(group))
        return false;
    groups_[group].texture = path;
    touch();
    return true;
}

bool Mesh::SetGroupVertexColors(int group, bool on) {
    if (!valid(group))
        return false;
    groups_[group].useVertexColors = on;
    touch();
    return true;
}

} // namespace rm
