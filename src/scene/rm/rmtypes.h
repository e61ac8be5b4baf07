#pragma once
// Basic value types of the retained-mode layer.
//
// Coordinates are left-handed with y up and z pointing away from the viewer, as
// the classic retained-mode interface documents them. Colours inside the scene
// are 32-bit ARGB words (blue in the low byte, alpha in the high byte).
#include <cstdint>
#include <glm/glm.hpp>

namespace rm {

using Vector = glm::vec3;
using Color = std::uint32_t;

// Axis-aligned bounding box; an empty visual reports all zeros.
struct Box {
    Vector min{0.0f};
    Vector max{0.0f};
};

// How AddRotation combines the new rotation with the frame's transform.
// After: the rotation follows the current transform (it turns the frame about
// an axis of its parent). Before: it precedes it (an axis of the frame itself).
enum class CombineType { Replace, Before, After };

// LookAt constraints: ConstrainZ keeps the frame from rolling about its z axis
// (only x and y rotations are used).
enum class Constraint { ConstrainX, ConstrainY, ConstrainZ };

// Interpolation option bits, with the documented values.
namespace interpolation {
constexpr unsigned Open = 0x01;
constexpr unsigned Closed = 0x02;
constexpr unsigned Linear = 0x04;
constexpr unsigned Spline = 0x08;
constexpr unsigned VertexColor = 0x40;
constexpr unsigned SlerpNormals = 0x80;
constexpr unsigned Nearest = 0x100;
} // namespace interpolation

inline Color colorRGBA(float r, float g, float b, float a = 1.0f) {
    auto channel = [](float v) {
        v = v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v);
        return static_cast<Color>(v * 255.0f + 0.5f);
    };
    return (channel(a) << 24) | (channel(r) << 16) | (channel(g) << 8) | channel(b);
}

// Colour channels as floats (r, g, b, a) in 0..1.
inline glm::vec4 colorToVec4(Color c) {
    return glm::vec4(((c >> 16) & 0xFF) / 255.0f, ((c >> 8) & 0xFF) / 255.0f, (c & 0xFF) / 255.0f,
                     ((c >> 24) & 0xFF) / 255.0f);
}

inline Color vec4ToColor(const glm::vec4& v) {
    return colorRGBA(v.r, v.g, v.b, v.a);
}

} // namespace rm
