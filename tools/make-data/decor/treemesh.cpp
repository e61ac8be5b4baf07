#include "decor/treemesh.h"

#include "decor/foliage.h"
#include "decor/shapes.h"

#include <algorithm>
#include <cmath>

namespace decor {
namespace {

constexpr float TreeHeight = 86.0f;
constexpr float LowestWhorl = 17.0f;
constexpr float HighestWhorl = 79.0f;
constexpr float WidestRadius = 30.0f;

// Radius of the tree's outline at height y.
float outline(float y) {
    const float t = std::clamp((TreeHeight - y) / (TreeHeight - LowestWhorl), 0.0f, 1.2f);
    return WidestRadius * std::pow(t, 0.85f);
}

glm::vec3 along(float azimuth) {
    return {std::cos(azimuth), 0.0f, std::sin(azimuth)};
}

// One branch from the trunk at height y; returns the hanging spot under it.
HangSpot branch(BranchBuilder& builder, Random& random, float y, float azimuth, float lengthFactor,
                bool sideShoots) {
    const float length = outline(y) * lengthFactor;
    const glm::vec3 out = along(azimuth);
    builder.setTint(random.uniform() < 0.35f ? 1 : 0); // some branches a bluer green
    const float droop = length * random.uniform(0.18f, 0.26f);
    const glm::vec3 start = glm::vec3(0, y, 0) + out * 0.6f;
    const glm::vec3 middle = glm::vec3(0, y + length * 0.08f, 0) + out * (length * 0.55f);
    const glm::vec3 end = glm::vec3(0, y - droop, 0) + out * length;
    const int stations = std::clamp(static_cast<int>(length / 1.55f) + 3, 4, 16);
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
    auto onStem = [&](float s) {
        return (1 - s) * (1 - s) * start + 2 * (1 - s) * s * middle + s * s * end;
    };
    HangSpot spot;
    // Just under the tip, where the spray is narrow: the toy hangs clear of the needles.
    spot.position = onStem(0.96f) + out * 1.2f - glm::vec3(0, 0.5f, 0);
    // Clipped on top of the stem, further in.
    spot.stand = onStem(0.92f) + glm::vec3(0, 0.2f, 0);
    spot.azimuth = azimuth;
    return spot;
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
           {0.25f, HighestWhorl - 4.0f},
           {0.0f, HighestWhorl - 3.5f}},
          options);
}

// A dark, jagged cone inside the branches: no daylight through the tree.
void core(MeshModel& model, const Foliage& foliage, Random& random) {
    std::vector<glm::vec2> profile{{0.0f, LowestWhorl - 4.0f}};
    const int rows = 10;
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
        BranchBuilder builder(model, foliage, random, TreeHeight / 2.0f, 0.1f - 0.08f * t);
        turn += 2.4f; // golden-angle steps keep branches of neighbouring whorls apart
        for (int b = 0; b < branches; ++b) {
            const float azimuth = turn + 2.0f * Pi * static_cast<float>(b) / static_cast<float>(branches) +
                                  random.uniform(-0.25f, 0.25f);
            HangSpot spot = branch(builder, random, y, azimuth, random.uniform(0.92f, 1.05f), w < 13);
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
    BranchBuilder top(model, foliage, random, TreeHeight / 2.0f, 0.0f);
    leader(top, random);
    return tree;
}

} // namespace decor
