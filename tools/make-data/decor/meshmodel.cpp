#include "decor/meshmodel.h"

#include "decor/xtext.h"

#include <QFile>
#include <algorithm>
#include <limits>

namespace decor {

namespace {

// The scene lets the background show through pure white pixels. Under its
// lights (a point light of 0.9 and an ambient light of 0.3) keep the darkest
// channel of the brightest highlight just below full, so a lit surface never
// turns exactly white.
Material keepOffWhite(Material m) {
    int darkest = 0;
    for (int c = 1; c < 3; ++c) {
        if (m.diffuse[c] < m.diffuse[darkest]) {
            darkest = c;
        }
    }
    const float lit = 1.2f * m.diffuse[darkest];
    m.emissive[darkest] = std::clamp(std::min(m.emissive[darkest], 0.97f - lit), 0.0f, 1.0f);
    const float room = (0.97f - lit - m.emissive[darkest]) / 0.9f;
    m.specular[darkest] = std::clamp(std::min(m.specular[darkest], room), 0.0f, 1.0f);
    return m;
}

} // namespace

Material glossy(glm::vec3 color, float highlight, float power, float glow) {
    Material m;
    m.diffuse = glm::vec4(color, 1.0f);
    m.power = power;
    m.specular = glm::vec3(highlight);
    m.emissive = color * glow;
    return keepOffWhite(m);
}

Material matte(glm::vec3 color, float glow) {
    Material m;
    m.diffuse = glm::vec4(color, 1.0f);
    m.emissive = color * glow;
    return keepOffWhite(m);
}

Material keyed(std::uint32_t rgbRedLow, float highlight, float power) {
    const glm::vec3 color((rgbRedLow & 0xFF) / 255.0f, ((rgbRedLow >> 8) & 0xFF) / 255.0f,
                          ((rgbRedLow >> 16) & 0xFF) / 255.0f);
    return glossy(color, highlight, power);
}

int MeshModel::addMaterial(const Material& material) {
    auto found = std::find(materials_.begin(), materials_.end(), material);
    if (found != materials_.end()) {
        return static_cast<int>(found - materials_.begin());
    }
    materials_.push_back(material);
    return static_cast<int>(materials_.size()) - 1;
}

std::uint32_t MeshModel::addVertex(glm::vec3 position, glm::vec3 normal, glm::vec4 color) {
    const float length = glm::length(normal);
    vertices_.push_back({position, length > 0.0f ? normal / length : glm::vec3(0, 1, 0), color});
    return static_cast<std::uint32_t>(vertices_.size()) - 1;
}

void MeshModel::addTriangle(std::uint32_t a, std::uint32_t b, std::uint32_t c, int material, int piece) {
    addTriangleFacing(a, b, c, vertices_[a].normal + vertices_[b].normal + vertices_[c].normal, material,
                      piece);
}

void MeshModel::addTriangleFacing(std::uint32_t a, std::uint32_t b, std::uint32_t c, glm::vec3 facing,
                                  int material, int piece) {
    const glm::vec3 pa = vertices_[a].position;
    const glm::vec3 seenFrom = glm::cross(vertices_[b].position - pa, vertices_[c].position - pa);
    // Seen from the side it faces, a face's corners run clockwise: in
    // left-handed coordinates that is the side (b-a) x (c-a) points to.
    if (glm::dot(seenFrom, facing) < 0.0f) {
        std::swap(b, c);
    }
    triangles_.push_back({{a, b, c}, material, piece});
}

void MeshModel::append(const MeshModel& other, const glm::mat4& transform, int pieceOffset) {
    std::vector<int> materialMap;
    for (const auto& m : other.materials_) {
        materialMap.push_back(addMaterial(m));
    }
    const auto first = static_cast<std::uint32_t>(vertices_.size());
    const glm::mat3 turn = glm::transpose(glm::inverse(glm::mat3(transform)));
    for (const auto& v : other.vertices_) {
        vertices_.push_back(
            {glm::vec3(transform * glm::vec4(v.position, 1.0f)), glm::normalize(turn * v.normal), v.color});
    }
    for (const auto& t : other.triangles_) {
        Triangle moved = t;
        for (auto& corner : moved.corners) {
            corner += first;
        }
        moved.material = materialMap[t.material];
        moved.piece = t.piece + pieceOffset;
        // A mirroring transform turns the faces inside out; keep them facing out.
        if (glm::determinant(glm::mat3(transform)) < 0.0f) {
            std::swap(moved.corners[1], moved.corners[2]);
        }
        triangles_.push_back(moved);
    }
}

void MeshModel::transform(const glm::mat4& transform) {
    const glm::mat3 turn = glm::transpose(glm::inverse(glm::mat3(transform)));
    for (auto& v : vertices_) {
        v.position = glm::vec3(transform * glm::vec4(v.position, 1.0f));
        v.normal = glm::normalize(turn * v.normal);
    }
}

void MeshModel::setVertexColors(int material, glm::vec4 color) {
    for (const auto& t : triangles_) {
        if (t.material == material) {
            for (auto corner : t.corners) {
                vertices_[corner].color = color;
            }
        }
    }
}

Bounds MeshModel::bounds() const {
    if (vertices_.empty()) {
        return {};
    }
    Bounds box{glm::vec3(std::numeric_limits<float>::max()), glm::vec3(std::numeric_limits<float>::lowest())};
    for (const auto& v : vertices_) {
        box.min = glm::min(box.min, v.position);
        box.max = glm::max(box.max, v.position);
    }
    return box;
}

int MeshModel::pieceCount() const {
    int count = 0;
    for (const auto& t : triangles_) {
        count = std::max(count, t.piece + 1);
    }
    return count;
}

std::string MeshModel::toXText() const {
    // Only the materials that faces use, in the order of their numbers: the
    // loader makes one group per material, so the groups line up across the
    // key meshes of one model.
    std::vector<int> used(materials_.size(), -1);
    std::vector<int> order;
    for (const auto& t : triangles_) {
        used[t.material] = 1;
    }
    for (int m = 0; m < static_cast<int>(materials_.size()); ++m) {
        if (used[m] > 0) {
            used[m] = static_cast<int>(order.size());
            order.push_back(m);
        }
    }

    XText x;
    x.line("xof 0303txt 0032");
    x.open("Frame Model");
    x.open("FrameTransformMatrix");
    x.line("1.000000,0.000000,0.000000,0.000000,0.000000,1.000000,0.000000,0.000000,"
           "0.000000,0.000000,1.000000,0.000000,0.000000,0.000000,0.000000,1.000000;;");
    x.close();
    x.open("Mesh ModelMesh");
    x.count(vertices_.size());
    for (std::size_t i = 0; i < vertices_.size(); ++i) {
        x.vector(vertices_[i].position, i + 1 == vertices_.size());
    }
    auto faces = [&] {
        x.count(triangles_.size());
        for (std::size_t i = 0; i < triangles_.size(); ++i) {
            x.face(triangles_[i].corners, i + 1 == triangles_.size());
        }
    };
    faces();
    x.open("MeshNormals");
    x.count(vertices_.size());
    for (std::size_t i = 0; i < vertices_.size(); ++i) {
        x.vector(vertices_[i].normal, i + 1 == vertices_.size());
    }
    faces();
    x.close();
    x.open("MeshMaterialList");
    x.count(order.size());
    x.count(triangles_.size());
    for (std::size_t i = 0; i < triangles_.size(); ++i) {
        x.line(std::to_string(used[triangles_[i].material]) + (i + 1 == triangles_.size() ? ";;" : ","));
    }
    for (int m : order) {
        const Material& mat = materials_[m];
        x.open("Material");
        x.line(x.numbers({mat.diffuse.r, mat.diffuse.g, mat.diffuse.b, mat.diffuse.a}) + ";;");
        x.line(x.numbers({mat.power}) + ";");
        x.line(x.numbers({mat.specular.r, mat.specular.g, mat.specular.b}) + ";;");
        x.line(x.numbers({mat.emissive.r, mat.emissive.g, mat.emissive.b}) + ";;");
        x.close();
    }
    x.close();
    if (useVertexColors) {
        x.open("MeshVertexColors");
        x.count(vertices_.size());
        for (std::size_t i = 0; i < vertices_.size(); ++i) {
            const glm::vec4 c = vertices_[i].color;
            x.line(std::to_string(i) + ";" + x.numbers({c.r, c.g, c.b, c.a}) + ";;" +
                   (i + 1 == vertices_.size() ? ";" : ","));
        }
        x.close();
    }
    x.close();
    x.close();
    return x.text();
}

bool MeshModel::writeX(const QString& path) const {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    const std::string text = toXText();
    return file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size());
}

} // namespace decor
