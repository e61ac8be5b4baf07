#include "scene/rm/shapes.h"

#include <cmath>

namespace rm {

namespace {

// Appends triangle a, b, c turned so that it faces `outward`.
void addTriangle(MeshGroup& group, unsigned a, unsigned b, unsigned c, Vector outward) {
    const auto& v = group.vertices;
    const Vector normal = glm::cross(v[b].position - v[a].position, v[c].position - v[a].position);
    if (glm::length(normal) < 1e-12f)
        return;
    if (glm::dot(normal, outward) < 0.0f)
        std::swap(b, c);
    group.indices.insert(group.indices.end(), {a, b, c});
}

} // namespace

std::shared_ptr<Mesh> makeSphere(float radius, int slices, int stacks, Color color) {
    MeshGroup group;
    group.color = color;
    for (int i = 0; i <= stacks; ++i) {
        const float theta = static_cast<float>(M_PI) * i / stacks;
        for (int j = 0; j <= slices; ++j) {
            const float phi = 2.0f * static_cast<float>(M_PI) * j / slices;
            Vertex vertex;
            vertex.normal =
                Vector(std::sin(theta) * std::cos(phi), std::cos(theta), std::sin(theta) * std::sin(phi));
            vertex.position = vertex.normal * radius;
            vertex.u = static_cast<float>(j) / slices;
            vertex.v = static_cast<float>(i) / stacks;
            vertex.color = color;
            group.vertices.push_back(vertex);
        }
    }
    const unsigned row = slices + 1;
    for (int i = 0; i < stacks; ++i) {
        for (int j = 0; j < slices; ++j) {
            const unsigned a = i * row + j, b = a + 1, c = a + row, d = c + 1;
            const Vector centre = (group.vertices[a].position + group.vertices[d].position) * 0.5f;
            addTriangle(group, a, b, d, centre);
            addTriangle(group, a, d, c, centre);
        }
    }
    return Mesh::create({group});
}

std::shared_ptr<Mesh> makeBox(Vector min, Vector max, Color color) {
    MeshGroup group;
    group.color = color;
    for (int axis = 0; axis < 3; ++axis) {
        for (int side = 0; side < 2; ++side) {
            Vector normal(0.0f);
            normal[axis] = side ? 1.0f : -1.0f;
            const int u = (axis + 1) % 3, v = (axis + 2) % 3;
            const unsigned base = static_cast<unsigned>(group.vertices.size());
            for (int corner = 0; corner < 4; ++corner) {
                Vertex vertex;
                vertex.position[axis] = side ? max[axis] : min[axis];
                vertex.position[u] = (corner == 1 || corner == 2) ? max[u] : min[u];
                vertex.position[v] = (corner >= 2) ? max[v] : min[v];
                vertex.normal = normal;
                vertex.color = color;
                group.vertices.push_back(vertex);
            }
            addTriangle(group, base, base + 1, base + 2, normal);
            addTriangle(group, base, base + 2, base + 3, normal);
        }
    }
    return Mesh::create({group});
}

} // namespace rm
