// Glass balls, big and small: glossy, striped, frosted, glass-like, fluted and
// onion-shaped, all of radius 1 with a gold cap; the descriptions scale them.
// They share one landing: the ball shatters into shards that slide apart.
#include "decor/catalogue.h"
#include "decor/landing.h"
#include "decor/shapes.h"

#include <cmath>

namespace decor {
namespace {

enum class Finish { Glossy, Frosted, Glass, Metal };
enum class Pattern { Plain, Bands, Stripes, Spiral, Dots };

struct BallStyle {
    glm::vec3 color;
    glm::vec3 second{0.0f};
    Finish finish = Finish::Glossy;
    Pattern pattern = Pattern::Plain;
    int flutes = 0;     // lobes round the ball
    bool onion = false; // drawn out to a point below
};

constexpr int Rings = 14;
constexpr int Segments = 20;

std::vector<int> allRings() {
    std::vector<int> rings;
    for (int i = 0; i <= Rings; ++i) {
        rings.push_back(i);
    }
    return rings;
}

// Which of the Rings + 1 profile rings (pole to pole) and how many of the
// Segments a ball keeps. On a ball some twenty-five pixels wide, every other
// ring (about 26 degrees) and fourteen segments keep the outline round to a
// third of a pixel; the rings where a band changes colour stay, and so do the
// segments of stripes and flutes. Spirals change from ring to ring and keep
// them all; dots keep the two rings round each row of dots.
struct Tessellation {
    std::vector<int> rings;
    int segments = Segments;
};

Tessellation tessellation(const BallStyle& style) {
    switch (style.pattern) {
    case Pattern::Spiral:
        return {allRings(), Segments};
    case Pattern::Dots:
        return {{0, 1, 2, 4, 5, 7, 8, 10, 11, 13, 14}, Segments};
    case Pattern::Stripes:
        return {{0, 2, 4, 6, 8, 10, 12, 14}, Segments};
    case Pattern::Bands:
        return {{0, 2, 4, 5, 6, 8, 9, 10, 12, 14}, style.flutes > 0 ? Segments : 14};
    case Pattern::Plain:
        break;
    }
    return {{0, 2, 4, 6, 8, 10, 12, 14}, style.flutes > 0 ? Segments : 14};
}

Material finished(glm::vec3 color, Finish finish) {
    switch (finish) {
    case Finish::Frosted:
        return glossy(color, 0.12f, 6.0f, 0.22f);
    case Finish::Glass:
        return glossy(color * 0.75f, 0.95f, 90.0f, 0.25f);
    case Finish::Metal:
        return glossy(color, 0.8f, 25.0f, 0.12f);
    case Finish::Glossy:
        break;
    }
    return glossy(color, 0.7f, 50.0f, 0.14f);
}

int goldMetal(MeshModel& model) {
    return model.addMaterial(glossy({0.86f, 0.66f, 0.24f}, 0.8f, 25.0f, 0.12f));
}

std::vector<glm::vec2> ballProfile(bool onion, const std::vector<int>& rings) {
    std::vector<glm::vec2> profile;
    for (int i : rings) {
        const float phi = -0.5f * Pi + Pi * static_cast<float>(i) / Rings;
        float r = std::cos(phi), y = std::sin(phi);
        if (onion) {
            const float below = std::max(0.0f, -y);
            r *= 1.0f - 0.35f * below * below;
            y *= y < 0.0f ? 1.4f : 1.0f;
        }
        profile.push_back({i == 0 || i == Rings ? 0.0f : r, y});
    }
    return profile;
}

MeshModel ball(const BallStyle& style) {
    MeshModel model;
    const int main = model.addMaterial(finished(style.color, style.finish));
    const int second = model.addMaterial(finished(style.second, Finish::Metal));
    const Tessellation tess = tessellation(style);
    LatheOptions options;
    options.segments = tess.segments;
    // Patterns are laid out on the full grid of rings and segments.
    options.material = [&](int row, int column) {
        const int i = tess.rings[static_cast<std::size_t>(row)];
        const int j = column * Segments / tess.segments;
        switch (style.pattern) {
        case Pattern::Bands:
            return (i == 5 || i == 8) ? second : main;
        case Pattern::Stripes:
            return (j % 4) < 2 ? second : main;
        case Pattern::Spiral:
            return ((i + j / 2) % 4) < 2 ? second : main;
        case Pattern::Dots:
            return (i % 3 == 1 && (j + i) % 4 == 0) ? second : main;
        case Pattern::Plain:
            break;
        }
        return main;
    };
    if (style.flutes > 0) {
        options.radius = [n = style.flutes](float a, int) {
            return 1.0f + 0.07f * std::cos(n * a);
        };
    }
    lathe(model, ballProfile(style.onion, tess.rings), options);
    hangingCap(model, 1.0f, 0.3f, goldMetal(model));
    return model;
}

ToyEntry ballEntry(const std::string& name, int caseIndex, float scale, const LandingSet& landing,
                   const BallStyle& style) {
    ToyEntry toy;
    toy.name = name;
    toy.caseIndex = caseIndex;
    toy.scale = scale;
    toy.landColor = toColor(style.finish == Finish::Glass ? style.color * 0.75f : style.color);
    toy.landing = &landing;
    toy.build = [style](int) {
        return ball(style);
    };
    return toy;
}

} // namespace

std::vector<ToyEntry> ballToys(int caseIndex, const LandingSet& shatter) {
    const glm::vec3 red{0.78f, 0.06f, 0.08f}, gold{0.88f, 0.68f, 0.22f}, silver{0.72f, 0.74f, 0.78f};
    const glm::vec3 blue{0.10f, 0.22f, 0.70f}, green{0.06f, 0.45f, 0.22f}, purple{0.45f, 0.12f, 0.58f};
    const glm::vec3 ivory{0.90f, 0.88f, 0.80f}, pink{0.88f, 0.36f, 0.55f}, teal{0.05f, 0.50f, 0.52f};
    const glm::vec3 copper{0.80f, 0.42f, 0.20f}, ice{0.66f, 0.80f, 0.90f};
    std::vector<BallStyle> styles;
    if (caseIndex == 0) {
        styles = {{red},
                  {blue, gold, Finish::Glossy, Pattern::Bands},
                  {ice, {}, Finish::Frosted},
                  {teal, {}, Finish::Glass},
                  {purple, gold, Finish::Glossy, Pattern::Plain, 8},
                  {gold, red, Finish::Metal, Pattern::Stripes},
                  {green, silver, Finish::Glossy, Pattern::Spiral, 0, true}};
    } else {
        styles = {{gold, {}, Finish::Metal},
                  {silver, {}, Finish::Metal},
                  {red, {}, Finish::Frosted},
                  {green, gold, Finish::Glossy, Pattern::Stripes},
                  {pink, {}, Finish::Glass},
                  {blue, ivory, Finish::Glossy, Pattern::Dots},
                  {copper, {}, Finish::Metal, Pattern::Plain, 10, true}};
    }
    std::vector<ToyEntry> toys;
    const std::string prefix = caseIndex == 0 ? "BigBall" : "SmallBall";
    for (std::size_t i = 0; i < styles.size(); ++i) {
        toys.push_back(ballEntry(prefix + std::to_string(i), caseIndex, caseIndex == 0 ? 3.0f : 2.1f, shatter,
                                 styles[i]));
    }
    return toys;
}

namespace {

// The resting ball split into irregular shards (pieces 1...) and its cap (0).
MeshModel shatterRest() {
    MeshModel glass;
    const int key = glass.addMaterial(keyed(LandKeyColor));
    LatheOptions options;
    options.segments = 18;
    options.material = [key](int, int) {
        return key;
    };
    lathe(glass, ballProfile(false, allRings()), options);
    for (auto& t : glass.triangles()) {
        const glm::vec3 c =
            (glass.vertices()[t.corners[0]].position + glass.vertices()[t.corners[1]].position +
             glass.vertices()[t.corners[2]].position) /
            3.0f;
        const float angle = std::atan2(c.z, c.x) + Pi + 0.35f * std::sin(5.0f * c.y);
        const float height = c.y + 0.2f * std::sin(3.0f * angle);
        const int sector = std::clamp(static_cast<int>(angle / (2.0f * Pi) * 7.0f), 0, 6);
        const int band = height < -0.55f ? 0 : (height < 0.0f ? 1 : (height < 0.5f ? 2 : 3));
        t.piece = 1 + band * 7 + sector;
    }
    MeshModel rest = doubleSided(glass, 0.03f);
    MeshModel cap;
    hangingCap(cap, 1.0f, 0.3f, goldMetal(cap));
    rest.append(unshared(cap));
    return rest;
}

} // namespace

LandingSet shatterLanding() {
    LandingSet set;
    set.file = "Mesh/Land/Shatter*.x";
    set.count = 10;
    set.time = 1500;
    set.sound = "Sound/Shatter.wav";
    set.build = [](int key) {
        static const MeshModel rest = shatterRest();
        const float floorY = rest.bounds().min.y;
        const float t = static_cast<float>(key) / 9.0f;
        return posed(
            rest, t,
            [&](int piece, float time) {
                Random random(1000 + static_cast<std::uint64_t>(piece) * 7919);
                const glm::vec3 c = pieceCentre(rest, piece);
                const float spin = random.uniform(0.0f, 2.0f * Pi);
                const glm::vec3 axis(std::cos(spin), 0.0f, std::sin(spin));
                if (piece == 0) { // the cap drops and rolls over
                    return rigid(c, axis, 1.5f * easeOut(time * 1.5f),
                                 glm::vec3(0.6f, 0.0f, 0.9f) * easeOut(time) -
                                     glm::vec3(0, 3.0f, 0) * easeOut(time * 2.0f));
                }
                const float heading = std::atan2(c.z, c.x) + random.uniform(-0.5f, 0.5f);
                const float reach = random.uniform(0.5f, 2.0f) * easeOut(time);
                const float fall = (c.y - floorY) * easeOut(time * 2.2f);
                const float hop =
                    random.uniform(0.2f, 0.9f) * std::sin(Pi * std::clamp(time * 2.5f, 0.0f, 1.0f));
                const glm::vec3 offset(reach * std::cos(heading), hop - fall, reach * std::sin(heading));
                return rigid(c, axis, random.uniform(1.0f, 3.0f) * easeOut(time * 1.4f), offset);
            },
            floorY);
    };
    return set;
}

} // namespace decor
