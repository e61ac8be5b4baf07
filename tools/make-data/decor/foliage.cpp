#include "decor/foliage.h"

#include <algorithm>
#include <cmath>

namespace decor {

Foliage foliageMaterials(MeshModel& model) {
    Foliage f{};
    const glm::vec3 greens[2][4] = {
        {{0.03f, 0.17f, 0.07f}, {0.06f, 0.28f, 0.11f}, {0.11f, 0.40f, 0.15f}, {0.28f, 0.54f, 0.18f}},
        {{0.03f, 0.16f, 0.09f}, {0.05f, 0.26f, 0.15f}, {0.09f, 0.37f, 0.21f}, {0.22f, 0.50f, 0.28f}}};
    for (int tint = 0; tint < 2; ++tint) {
        for (int i = 0; i < 4; ++i) {
            // The glow keeps the side away from the light dark green, not black.
            Material m = glossy(greens[tint][i], 0.08f, 12.0f, 0.0f);
            m.emissive = greens[tint][i] * 0.15f + glm::vec3(0.0f, 0.01f, 0.004f);
            f.needles[tint][i] = model.addMaterial(m);
        }
    }
    Material snow = matte({0.74f, 0.79f, 0.86f}, 0.0f);
    snow.emissive = {0.04f, 0.05f, 0.07f};
    f.snow = model.addMaterial(snow);
    f.bark = model.addMaterial(matte({0.30f, 0.19f, 0.10f}, 0.25f));
    // Deep shade between the branches: barely lit, so it never looks like a surface.
    Material shade = matte({0.015f, 0.06f, 0.03f}, 0.0f);
    shade.emissive = {0.02f, 0.09f, 0.04f};
    f.shadow = model.addMaterial(shade);
    return f;
}

namespace {

// The face normal bent towards `out`, but kept on the face's own side so the
// face is lit as seen.
glm::vec3 leaning(glm::vec3 face, glm::vec3 out, float weight) {
    glm::vec3 n = glm::normalize(face * weight + out * 0.8f);
    const float side = glm::dot(n, face);
    if (side < 0.2f) {
        n = glm::normalize(n + face * (0.2f - side + 0.05f));
    }
    return n;
}

} // namespace

void BranchBuilder::spray(const std::vector<glm::vec3>& path, float width, float tipShade) {
    const int n = static_cast<int>(path.size());
    for (int i = 0; i + 1 < n; ++i) {
        const float s = static_cast<float>(i) / static_cast<float>(n - 1);
        // Each blade reaches over the next one, so the spray has no gaps.
        const glm::vec3 a = path[i], b = path[std::min(i + 2, n - 1)];
        const glm::vec3 forward = glm::normalize(b - a);
        glm::vec3 side = glm::cross(forward, glm::vec3(0, 1, 0));
        side = glm::length(side) < 1e-3f ? glm::vec3(1, 0, 0) : glm::normalize(side);
        const float w = width * (1.0f - 0.6f * s) * random_.uniform(0.8f, 1.15f);
        for (int sideSign = -1; sideSign <= 1; sideSign += 2) {
            // Needles sweep forward and hang down at the sides of a fir spray.
            const glm::vec3 tip = 0.5f * (a + b) + w * (static_cast<float>(sideSign) * side * 0.9f +
                                                        forward * random_.uniform(0.35f, 0.7f) +
                                                        glm::vec3(0, -random_.uniform(0.3f, 0.6f), 0));
            blade(a, b, tip, s, tipShade);
        }
    }
    // The tip of the spray.
    const glm::vec3 last = path[n - 1], before = path[n - 2];
    const glm::vec3 forward = glm::normalize(last - before);
    glm::vec3 side = glm::normalize(glm::cross(forward, glm::vec3(0, 1, 0)));
    const float w = width * 0.3f;
    blade(last - side * w * 0.5f, last + side * w * 0.5f, last + forward * width * 0.7f, 1.0f, tipShade);
}

void BranchBuilder::blade(glm::vec3 a, glm::vec3 b, glm::vec3 c, float s, float tipShade) {
    const glm::vec3 centre = (a + b + c) / 3.0f;
    glm::vec3 up = glm::normalize(glm::cross(b - a, c - a));
    if (up.y < 0.0f) {
        up = -up;
    }
    const glm::vec3 radial = glm::normalize(glm::vec3(centre.x, 0.0f, centre.z) + glm::vec3(1e-4f, 0, 0));
    // Light the foliage as one volume: normals lean out from the axis.
    const glm::vec3 topNormal = leaning(up, radial, 0.6f);
    const glm::vec3 underNormal = leaning(-up, radial, 0.4f);
    const float shade = s * 0.75f + tipShade * 0.35f + random_.uniform(-0.3f, 0.3f);
    const int tone = std::clamp(static_cast<int>(shade * 3.2f), 0, 3);
    const int top =
        (s > 0.6f && random_.uniform() < snowChance_) ? foliage_.snow : foliage_.needles[tint_][tone];
    const int under = foliage_.needles[tint_][std::max(tone - 1, 0)];
    if (seenFromTheEye(up, centre.y)) {
        model_.addTriangleFacing(model_.addVertex(a, topNormal), model_.addVertex(b, topNormal),
                                 model_.addVertex(c, topNormal), up, top);
    }
    if (seenFromTheEye(-up, centre.y)) {
        model_.addTriangleFacing(model_.addVertex(a, underNormal), model_.addVertex(b, underNormal),
                                 model_.addVertex(c, underNormal), -up, under);
    }
}

// The eye stays at half the tree's height, 60 to 130 units from any
// needle whichever way the tree turns: a face whose front can never turn
// towards it (the underside of a low branch, the top of a high one) is
// left out.
bool BranchBuilder::seenFromTheEye(glm::vec3 facing, float y) const {
    const float across = std::hypot(facing.x, facing.z);
    const float nearRise = (eyeHeight_ - y) / 60.0f, farRise = (eyeHeight_ - y) / 130.0f;
    return std::max(across + facing.y * nearRise, across + facing.y * farRise) > -0.02f;
}

} // namespace decor
