#include "decor/treemesh.h"

#include "decor/shapes.h"

#include <algorithm>
#include <cmath>

namespace decor {
namespace {

constexpr float TreeHeight = 86.0f;
constexpr float LowestWhorl = 17.0f;
constexpr float HighestWhorl = 79.0f;
constexpr float WidestRadius = 30.0f;
constexpr float EyeHeight = TreeHeight / 2.0f;

struct Foliage {
    int needles[4]; // dark inside to light at the tips
    int snow;
    int bark;
    int shadow; // the dark inside of the tree
};

Foliage foliageMaterials(MeshModel& model) {
    Foliage f{};
    const glm::vec3 greens[4] = {
        {0.04f, 0.22f, 0.09f}, {0.07f, 0.31f, 0.12f}, {0.11f, 0.40f, 0.15f}, {0.26f, 0.52f, 0.18f}};
    for (int i = 0; i < 4; ++i) {
        // The glow keeps the side away from the light dark green, not black.
        Material m = glossy(greens[i], 0.08f, 12.0f, 0.0f);
        m.emissive = greens[i] * 0.15f + glm::vec3(0.0f, 0.01f, 0.004f);
        f.needles[i] = model.addMaterial(m);
    }
    Material snow = matte({0.74f, 0.79f, 0.86f}, 0.0f);
    snow.emissive = {0.04f, 0.05f, 0.07f};
    f.snow = model.addMaterial(snow);
    f.bark = model.addMaterial(matte({0.30f, 0.19f, 0.10f}, 0.25f));
    f.shadow = model.addMaterial(matte({0.03f, 0.16f, 0.07f}, 0.6f));
    return f;
}

// Radius of the tree's outline at height y.
float outline(float y) {
    const float t = std::clamp((TreeHeight - y) / (TreeHeight - LowestWhorl), 0.0f, 1.2f);
    return WidestRadius * std::pow(t, 0.85f);
}

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

class BranchBuilder {
public:
    BranchBuilder(MeshModel& model, const Foliage& foliage, Random& random, float snowChance)
        : model_(model), foliage_(foliage), random_(random), snowChance_(snowChance) {}

    // A stem along path with blades on both sides; width at the stem's start,
    // tapering to the tip; `tipShade` 0..1 how light its outer part is.
    void spray(const std::vector<glm::vec3>& path, float width, float tipShade) {
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

private:
    void blade(glm::vec3 a, glm::vec3 b, glm::vec3 c, float s, float tipShade) {
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
            (s > 0.35f && random_.uniform() < snowChance_) ? foliage_.snow : foliage_.needles[tone];
        const int under = foliage_.needles[std::max(tone - 1, 0)];
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
    static bool seenFromTheEye(glm::vec3 facing, float y) {
        const float across = std::hypot(facing.x, facing.z);
        const float nearRise = (EyeHeight - y) / 60.0f, farRise = (EyeHeight - y) / 130.0f;
        return std::max(across + facing.y * nearRise, across + facing.y * farRise) > -0.02f;
    }

    MeshModel& model_;
    const Foliage& foliage_;
    Random& random_;
    float snowChance_;
};

glm::vec3 along(float azimuth) {
    return {std::cos(azimuth), 0.0f, std::sin(azimuth)};
}

// One branch from the trunk at height y; returns the hanging spot under it.
HangSpot branch(BranchBuilder& builder, Random& random, float y, float azimuth, float lengthFactor,
                bool sideShoots) {
    const float length = outline(y) * lengthFactor;
    const glm::vec3 out = along(azimuth);
    const float droop = length * random.uniform(0.18f, 0.26f);
    const glm::vec3 start = glm::vec3(0, y, 0) + out * 0.6f;
    const glm::vec3 middle = glm::vec3(0, y + length * 0.08f, 0) + out * (length * 0.55f);
    const glm::vec3 end = glm::vec3(0, y - droop, 0) + out * length;
    const int stations = std::clamp(static_cast<int>(length / 1.5f) + 3, 4, 16);
    const auto stem = bezier(start, middle, end, stations);
    const float width = std::max(1.3f, length * 0.23f);
    builder.spray(stem, width, 0.3f);

    // A second, shorter layer above, turned a little: the spray looks thick.
    const float turn = random.uniform(-0.3f, 0.3f);
    const glm::vec3 out2 = along(azimuth + turn);
    const auto upper =
        bezier(glm::vec3(0, y + 0.5f, 0) + out2 * (length * 0.3f),
               glm::vec3(0, y + 0.4f + length * 0.06f, 0) + out2 * (length * 0.6f),
               glm::vec3(0, y + 0.2f - droop * 0.8f, 0) + out2 * (length * 0.88f), std::max(3, stations - 4));
    builder.spray(upper, width * 0.7f, 0.6f);

    if (sideShoots) {
        for (int k = 0; k < 2; ++k) {
            const float s = k == 0 ? 0.38f : 0.64f;
            const glm::vec3 from = (1 - s) * (1 - s) * start + 2 * (1 - s) * s * middle + s * s * end;
            const float sign = (k == 0) == (random.uniform() < 0.5f) ? 1.0f : -1.0f;
            const glm::vec3 dir = along(azimuth + sign * random.uniform(0.6f, 0.9f));
            const float shoot = length * (0.42f - 0.12f * k);
            const auto path = bezier(from, from + dir * (shoot * 0.5f) + glm::vec3(0, shoot * 0.05f, 0),
                                     from + dir * shoot - glm::vec3(0, shoot * 0.3f, 0), 5);
            builder.spray(path, width * 0.6f, 0.7f);
        }
    }
    const float s = 0.9f;
    const glm::vec3 hang = (1 - s) * (1 - s) * start + 2 * (1 - s) * s * middle + s * s * end;
    return {hang - glm::vec3(0, 0.6f, 0), azimuth};
}

void trunk(MeshModel& model, const Foliage& foliage) {
    LatheOptions options;
    options.segments = 12;
    options.material = [&](int, int) {
        return foliage.bark;
    };
    options.radius = [](float a, int i) {
        return i == 0 ? 1.0f + 0.18f * std::cos(5.0f * a) : 1.0f;
    };
    lathe(model,
          {{0.0f, 0.0f},
           {2.4f, 0.0f},
           {2.4f, 0.0f},
           {1.7f, 1.5f},
           {1.4f, 12.0f},
           {0.8f, 45.0f},
           {0.25f, HighestWhorl + 2.0f},
           {0.0f, HighestWhorl + 2.5f}},
          options);
}

// A dark, jagged cone inside the branches: no daylight through the tree.
void core(MeshModel& model, const Foliage& foliage, Random& random) {
    std::vector<glm::vec2> profile{{0.0f, LowestWhorl - 4.0f}};
    const int rows = 12;
    for (int i = 0; i <= rows; ++i) {
        const float y =
            LowestWhorl - 3.0f + (TreeHeight - 14.0f - LowestWhorl) * static_cast<float>(i) / rows;
        profile.push_back({outline(y) * 0.45f, y});
    }
    profile.push_back({0.0f, TreeHeight - 11.0f});
    std::vector<float> jitter(24 * (rows + 3));
    for (auto& j : jitter) {
        j = random.uniform(0.6f, 1.25f);
    }
    LatheOptions options;
    options.segments = 24;
    options.material = [&](int, int) {
        return foliage.shadow;
    };
    options.radius = [jitter](float a, int i) {
        const int j = static_cast<int>(std::lround(a / (2.0f * Pi) * 24.0f)) % 24;
        return jitter[static_cast<std::size_t>(i * 24 + (j + 24) % 24)];
    };
    lathe(model, profile, options);
}

// The leader: a vertical shoot with short blades all round, and a last small
// whorl under it.
void leader(BranchBuilder& builder, Random& random) {
    for (int k = 0; k < 5; ++k) {
        const float a = 2.0f * Pi * static_cast<float>(k) / 5.0f + random.uniform(-0.2f, 0.2f);
        const glm::vec3 out = along(a);
        const auto path =
            bezier(glm::vec3(0, HighestWhorl - 1.0f, 0), glm::vec3(0, TreeHeight - 4.0f, 0) + out * 0.8f,
                   glm::vec3(0, TreeHeight, 0) + out * 0.05f, 7);
        builder.spray(path, 1.3f, 0.9f);
        const float b = a + Pi / 5.0f;
        const glm::vec3 side = along(b);
        const glm::vec3 from(0, TreeHeight - 5.5f, 0);
        builder.spray(bezier(from, from + side * 1.6f + glm::vec3(0, 0.9f, 0),
                             from + side * 3.4f + glm::vec3(0, 0.6f, 0), 5),
                      1.2f, 0.8f);
    }
}

} // namespace

TreeModel buildTree() {
    TreeModel tree;
    tree.height = TreeHeight;
    Random random(0x5EED7EE);
    MeshModel& model = tree.mesh;
    const Foliage foliage = foliageMaterials(model);
    trunk(model, foliage);
    core(model, foliage, random);

    const int whorls = 14;
    float turn = 0.0f;
    for (int w = 0; w < whorls; ++w) {
        const float t = static_cast<float>(w) / static_cast<float>(whorls - 1);
        const float y =
            LowestWhorl + (HighestWhorl - LowestWhorl) * std::pow(t, 0.95f) + random.uniform(-0.4f, 0.4f);
        const int branches = w < 9 ? 7 : (w < 12 ? 6 : 5);
        // Snow lies on the lower, wider shelves more than near the top.
        BranchBuilder builder(model, foliage, random, 0.06f - 0.05f * t);
        turn += 2.4f; // golden-angle steps keep branches of neighbouring whorls apart
        for (int b = 0; b < branches; ++b) {
            const float azimuth = turn + 2.0f * Pi * static_cast<float>(b) / static_cast<float>(branches) +
                                  random.uniform(-0.25f, 0.25f);
            HangSpot spot = branch(builder, random, y, azimuth, random.uniform(0.92f, 1.05f), w < 12);
            spot.whorl = w;
            tree.spots.push_back(spot);
        }
        // Shorter branches between the whorls fill the gaps.
        if (w + 1 < whorls) {
            const float between = y + (HighestWhorl - LowestWhorl) / (whorls - 1) * 0.5f;
            const int fillers = branches - 3;
            for (int b = 0; b < fillers; ++b) {
                const float azimuth = turn + Pi / branches + 2.0f * Pi * static_cast<float>(b) / fillers;
                branch(builder, random, between, azimuth, random.uniform(0.7f, 0.82f), false);
            }
        }
    }
    BranchBuilder top(model, foliage, random, 0.0f);
    leader(top, random);
    return tree;
}

} // namespace decor
