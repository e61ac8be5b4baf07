#pragma once
// Small .x text files written on the fly for scene tests.
#include <string>
#include <vector>

namespace testsupport {

struct XTriangleGroup {
    // Three corners per face, x y z each.
    std::vector<float> corners;
    float r = 1, g = 1, b = 1;
};

// Writes a mesh of the given groups (one material each) to path.
void writeXMesh(const std::string& path, const std::vector<XTriangleGroup>& groups);

// A tetrahedron-like pair of groups spanning [x0, x0 + 2] × [y0, y0 + 4] × [0, 1].
std::vector<XTriangleGroup> twoGroupShape(float x0, float y0, float r1, float g1, float b1);

// The same faces seen from both sides.
std::vector<XTriangleGroup> doubleSided(std::vector<XTriangleGroup> groups);

// A four-sided pyramid standing on y = 0: base half-width, height, one colour.
std::vector<XTriangleGroup> pyramid(float halfWidth, float height);

} // namespace testsupport
