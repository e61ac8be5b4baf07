#include "scene/xfiles.h"

#include <fstream>

namespace testsupport {

void writeXMesh(const std::string& path, const std::vector<XTriangleGroup>& groups) {
    std::ofstream out(path);
    out << "xof 0303txt 0032\nMesh Shape {\n";
    std::size_t vertexCount = 0;
    for (const auto& g : groups) {
        vertexCount += g.corners.size() / 3;
    }
    out << vertexCount << ";\n";
    std::size_t written = 0;
    for (const auto& g : groups) {
        for (std::size_t i = 0; i < g.corners.size(); i += 3) {
            out << g.corners[i] << ";" << g.corners[i + 1] << ";" << g.corners[i + 2] << ";"
                << (++written == vertexCount ? ";\n" : ",\n");
        }
    }
    const std::size_t faceCount = vertexCount / 3;
    out << faceCount << ";\n";
    for (std::size_t f = 0; f < faceCount; ++f) {
        out << "3;" << 3 * f << "," << 3 * f + 1 << "," << 3 * f + 2 << ";"
            << (f + 1 == faceCount ? ";\n" : ",\n");
    }
    out << "MeshMaterialList {\n" << groups.size() << ";\n" << faceCount << ";\n";
    std::size_t face = 0;
    for (std::size_t gi = 0; gi < groups.size(); ++gi) {
        for (std::size_t i = 0; i < groups[gi].corners.size() / 9; ++i) {
            out << gi << (++face == faceCount ? ";;\n" : ",\n");
        }
    }
    for (const auto& g : groups) {
        out << "Material {\n"
            << g.r << ";" << g.g << ";" << g.b << ";1.0;;\n10.0;\n0.5;0.5;0.5;;\n0.0;0.0;0.0;;\n}\n";
    }
    out << "}\n}\n";
}

std::vector<XTriangleGroup> twoGroupShape(float x0, float y0, float r1, float g1, float b1) {
    XTriangleGroup first;
    first.corners = {x0, y0, 0, x0, y0 + 4, 0, x0 + 2, y0, 0, x0, y0, 1, x0 + 2, y0, 0, x0, y0 + 4, 0};
    first.r = r1;
    first.g = g1;
    first.b = b1;
    XTriangleGroup second;
    second.corners = {x0, y0, 1, x0 + 2, y0, 1, x0, y0 + 4, 1};
    second.r = 0;
    second.g = 0.5f;
    second.b = 0;
    return {first, second};
}

std::vector<XTriangleGroup> doubleSided(std::vector<XTriangleGroup> groups) {
    for (auto& g : groups) {
        const std::size_t n = g.corners.size();
        for (std::size_t i = 0; i < n; i += 9) {
            // Corners a, c, b: the reverse winding.
            const float* t = &g.corners[i];
            const std::vector<float> reversed{t[0], t[1], t[2], t[6], t[7], t[8], t[3], t[4], t[5]};
            g.corners.insert(g.corners.end(), reversed.begin(), reversed.end());
        }
    }
    return groups;
}

std::vector<XTriangleGroup> pyramid(float w, float h) {
    XTriangleGroup g;
    const float apex[3] = {0, h, 0};
    const float base[4][3] = {{-w, 0, -w}, {w, 0, -w}, {w, 0, w}, {-w, 0, w}};
    for (int i = 0; i < 4; ++i) {
        const float* a = base[i];
        const float* b = base[(i + 1) % 4];
        g.corners.insert(g.corners.end(), {a[0], a[1], a[2], apex[0], apex[1], apex[2], b[0], b[1], b[2]});
    }
    g.r = 0.1f;
    g.g = 0.5f;
    g.b = 0.2f;
    return doubleSided({g});
}

} // namespace testsupport
