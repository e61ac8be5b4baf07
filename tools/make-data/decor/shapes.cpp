#include "decor/shapes.h"

#include <cmath>
#include <glm/gtc/matrix_transform.hpp>

namespace decor {

std::uint64_t Random::next() {
    // splitmix64
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

float Random::uniform(float low, float high) {
    const double unit = static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0);
    return low + static_cast<float>(unit) * (high - low);
}

namespace {

// Recomputes the normals of the vertices from `firstVertex` on from the faces
// from `firstTriangle` on (area weighted), keeping the faces' orientation.
void smoothNormals(MeshModel& model, std::size_t firstVertex, std::size_t firstTriangle) {
    auto& vertices = model.vertices();
    std::vector<glm::vec3> sum(vertices.size() - firstVertex, glm::vec3(0.0f));
    const auto& triangles = model.triangles();
    for (std::size_t t = firstTriangle; t < triangles.size(); ++t) {
        const auto& c = triangles[t].corners;
        const glm::vec3 n = glm::cross(vertices[c[1]].position - vertices[c[0]].position,
                                       vertices[c[2]].position - vertices[c[0]].position);
        for (auto corner : c) {
            sum[corner - firstVertex] += n;
        }
    }
    for (std::size_t v = 0; v < sum.size(); ++v) {
        if (glm::length(sum[v]) > 1e-12f) {
            vertices[firstVertex + v].normal = glm::normalize(sum[v]);
        }
    }
}

} // namespace

void lathe(MeshModel& model, const std::vector<glm::vec2>& profile, const LatheOptions& options) {
    const int rows = static_cast<int>(profile.size());
    const int cols = options.segments;
    const auto firstVertex = model.vertices().size();
    const auto firstTriangle = model.triangles().size();

    auto segmentNormal = [&](int s) -> glm::vec2 {
        if (s < 0 || s + 1 >= rows) {
            return glm::vec2(0.0f);
        }
        const glm::vec2 t = profile[s + 1] - profile[s];
        const float length = glm::length(t);
        return length > 0.0f ? glm::vec2(t.y, -t.x) / length : glm::vec2(0.0f);
    };
    for (int i = 0; i < rows; ++i) {
        glm::vec2 n2 = segmentNormal(i - 1) + segmentNormal(i);
        if (i > 0 && profile[i - 1] == profile[i]) {
            n2 = segmentNormal(i); // crease: the second point takes the next segment's normal
        } else if (i + 1 < rows && profile[i + 1] == profile[i]) {
            n2 = segmentNormal(i - 1);
        }
        for (int j = 0; j < cols; ++j) {
            const float a = 2.0f * Pi * static_cast<float>(j) / static_cast<float>(cols) +
                            (options.twist ? options.twist(i) : 0.0f);
            const float r = profile[i].x * (options.radius ? options.radius(a, i) : 1.0f);
            model.addVertex({r * std::cos(a), profile[i].y, r * std::sin(a)},
                            {n2.x * std::cos(a), n2.y, n2.x * std::sin(a)});
        }
    }
    auto at = [&](int i, int j) {
        return static_cast<std::uint32_t>(firstVertex + i * cols + (j % cols));
    };
    for (int i = 0; i + 1 < rows; ++i) {
        if (profile[i] == profile[i + 1]) {
            continue;
        }
        const bool bottomPole = profile[i].x == 0.0f;
        const bool topPole = profile[i + 1].x == 0.0f;
        for (int j = 0; j < cols; ++j) {
            const int material = options.material ? options.material(i, j) : 0;
            if (!bottomPole) {
                model.addTriangle(at(i, j), at(i + 1, j), at(i, j + 1), material, options.piece);
            }
            if (!topPole) {
                model.addTriangle(at(i + 1, j), at(i + 1, j + 1), at(i, j + 1), material, options.piece);
            }
        }
    }
    if (options.radius || options.twist) {
        smoothNormals(model, firstVertex, firstTriangle);
    }
}

void tube(MeshModel& model, const std::vector<glm::vec3>& path, const std::vector<float>& radius, int sides,
          int material, bool closed, int piece) {
    const int n = static_cast<int>(path.size());
    const auto first = static_cast<std::uint32_t>(model.vertices().size());
    auto tangent = [&](int i) {
        const glm::vec3 before = closed ? path[(i + n - 1) % n] : path[std::max(i - 1, 0)];
        const glm::vec3 after = closed ? path[(i + 1) % n] : path[std::min(i + 1, n - 1)];
        return glm::normalize(after - before);
    };
    glm::vec3 t = tangent(0);
    glm::vec3 normal = std::abs(t.y) < 0.9f ? glm::vec3(0, 1, 0) : glm::vec3(1, 0, 0);
    for (int i = 0; i < n; ++i) {
        t = tangent(i);
        normal = glm::normalize(normal - glm::dot(normal, t) * t);
        const glm::vec3 binormal = glm::cross(t, normal);
        for (int s = 0; s < sides; ++s) {
            const float a = 2.0f * Pi * static_cast<float>(s) / static_cast<float>(sides);
            const glm::vec3 out = std::cos(a) * normal + std::sin(a) * binormal;
            model.addVertex(path[i] + radius[i] * out, out);
        }
    }
    const int spans = closed ? n : n - 1;
    for (int i = 0; i < spans; ++i) {
        const int k = (i + 1) % n;
        for (int s = 0; s < sides; ++s) {
            const auto a = first + i * sides + s, b = first + i * sides + (s + 1) % sides;
            const auto c = first + k * sides + s, d = first + k * sides + (s + 1) % sides;
            model.addTriangle(a, c, b, material, piece);
            model.addTriangle(b, c, d, material, piece);
        }
    }
}

void flatTriangle(MeshModel& model, glm::vec3 a, glm::vec3 b, glm::vec3 c, glm::vec3 outside, int material,
                  int piece) {
    glm::vec3 n = glm::cross(b - a, c - a);
    if (glm::dot(n, outside) < 0.0f) {
        n = -n;
    }
    model.addTriangle(model.addVertex(a, n), model.addVertex(b, n), model.addVertex(c, n), material, piece);
}

void sphere(MeshModel& model, float r, int rings, int segments, int material, int piece) {
    std::vector<glm::vec2> profile;
    for (int i = 0; i <= rings; ++i) {
        const float phi = -0.5f * Pi + Pi * static_cast<float>(i) / static_cast<float>(rings);
        const bool pole = i == 0 || i == rings;
        profile.push_back({pole ? 0.0f : r * std::cos(phi), r * std::sin(phi)});
    }
    LatheOptions options;
    options.segments = segments;
    options.material = [material](int, int) {
        return material;
    };
    options.piece = piece;
    lathe(model, profile, options);
}

void ring(MeshModel& model, float radius, float thickness, int material, int piece) {
    // The loop is a pixel or two thick and a few wide on the screen: six points
    // of three sides each.
    std::vector<glm::vec3> path;
    const int points = 6;
    for (int i = 0; i < points; ++i) {
        const float a = 2.0f * Pi * static_cast<float>(i) / points;
        path.push_back({radius * std::cos(a), radius * std::sin(a), 0.0f});
    }
    tube(model, path, std::vector<float>(points, thickness), 3, material, true, piece);
}

void hangingCap(MeshModel& model, float top, float capRadius, int metal, int piece) {
    const float c = capRadius;
    const float bottom = top - 0.3f * c;
    const float height = 0.5f * c;
    // A few pixels wide on the screen: six plain segments look as round as more.
    LatheOptions options;
    options.segments = 6;
    options.material = [metal](int, int) {
        return metal;
    };
    options.piece = piece;
    lathe(model,
          {{0.0f, bottom},
           {c, bottom},
           {c, bottom},
           {c * 1.04f, bottom + height},
           {c * 1.04f, bottom + height},
           {c * 0.45f, bottom + height + 0.12f * c},
           {0.0f, bottom + height + 0.14f * c}},
          options);
    MeshModel loop;
    ring(loop, 0.32f * c, 0.07f * c, loop.addMaterial(model.materials()[metal]), piece);
    model.append(loop, glm::translate(glm::mat4(1.0f), {0.0f, bottom + height + 0.3f * c, 0.0f}));
}

std::vector<glm::vec3> bezier(glm::vec3 a, glm::vec3 b, glm::vec3 c, int points) {
    std::vector<glm::vec3> out;
    for (int i = 0; i < points; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(points - 1);
        out.push_back((1 - t) * (1 - t) * a + 2 * (1 - t) * t * b + t * t * c);
    }
    return out;
}

glm::mat4 turnAbout(glm::vec3 pivot, glm::vec3 axis, float angle) {
    return glm::translate(glm::mat4(1.0f), pivot) *
           glm::rotate(glm::mat4(1.0f), angle, glm::normalize(axis)) *
           glm::translate(glm::mat4(1.0f), -pivot);
}

} // namespace decor
