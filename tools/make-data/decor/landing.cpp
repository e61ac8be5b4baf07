#include "decor/landing.h"

#include <algorithm>
#include <glm/gtc/matrix_transform.hpp>
#include <limits>

namespace decor {

MeshModel unshared(const MeshModel& model) {
    MeshModel out;
    for (const auto& m : model.materials()) {
        out.addMaterial(m);
    }
    out.useVertexColors = model.useVertexColors;
    for (const auto& t : model.triangles()) {
        std::array<std::uint32_t, 3> c{};
        for (int k = 0; k < 3; ++k) {
            const Vertex& v = model.vertices()[t.corners[k]];
            c[k] = out.addVertex(v.position, v.normal, v.color);
        }
        const glm::vec3 facing = glm::cross(out.vertices()[c[1]].position - out.vertices()[c[0]].position,
                                            out.vertices()[c[2]].position - out.vertices()[c[0]].position);
        out.addTriangleFacing(c[0], c[1], c[2], facing, t.material, t.piece);
    }
    return out;
}

MeshModel doubleSided(const MeshModel& model, float inset) {
    MeshModel out = unshared(model);
    const std::size_t count = out.triangles().size();
    for (std::size_t i = 0; i < count; ++i) {
        const Triangle t = out.triangles()[i];
        std::array<std::uint32_t, 3> c{};
        glm::vec3 facing(0.0f);
        for (int k = 0; k < 3; ++k) {
            const Vertex v = out.vertices()[t.corners[k]];
            c[k] = out.addVertex(v.position - v.normal * inset, -v.normal, v.color);
            facing -= v.normal;
        }
        out.addTriangleFacing(c[0], c[1], c[2], facing, t.material, t.piece);
    }
    return out;
}

glm::vec3 pieceCentre(const MeshModel& model, int piece) {
    glm::vec3 sum(0.0f);
    int n = 0;
    for (const auto& t : model.triangles()) {
        if (t.piece == piece) {
            for (auto c : t.corners) {
                sum += model.vertices()[c].position;
                ++n;
            }
        }
    }
    return n > 0 ? sum / static_cast<float>(n) : sum;
}

MeshModel posed(const MeshModel& rest, float t, const PieceMotion& motion, float floorY) {
    MeshModel out = rest;
    const int pieces = rest.pieceCount();
    std::vector<int> pieceOf(rest.vertices().size(), 0);
    for (const auto& tri : rest.triangles()) {
        for (auto c : tri.corners) {
            pieceOf[c] = tri.piece;
        }
    }
    std::vector<glm::mat4> moves;
    for (int p = 0; p < pieces; ++p) {
        moves.push_back(motion(p, t));
    }
    std::vector<float> lowest(pieces, std::numeric_limits<float>::max());
    auto& vertices = out.vertices();
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        const glm::mat4& m = moves[pieceOf[i]];
        vertices[i].position = glm::vec3(m * glm::vec4(vertices[i].position, 1.0f));
        vertices[i].normal = glm::normalize(glm::mat3(m) * vertices[i].normal);
        lowest[pieceOf[i]] = std::min(lowest[pieceOf[i]], vertices[i].position.y);
    }
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        vertices[i].position.y += std::max(0.0f, floorY - lowest[pieceOf[i]]);
    }
    return out;
}

glm::mat4 rigid(glm::vec3 pivot, glm::vec3 axis, float angle, glm::vec3 offset) {
    return glm::translate(glm::mat4(1.0f), pivot + offset) *
           glm::rotate(glm::mat4(1.0f), angle, glm::normalize(axis)) *
           glm::translate(glm::mat4(1.0f), -pivot);
}

float easeOut(float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    return 1.0f - (1.0f - t) * (1.0f - t);
}

} // namespace decor
