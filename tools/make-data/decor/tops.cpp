// Tree tops: glass spires with bulbs and a long point, and stars on a stem.
// They stand on the tree's tip (their socket slips over it). Their landing:
// the top crashes and breaks into socket, bulb and point.
#include "decor/catalogue.h"
#include "decor/landing.h"
#include "decor/shapes.h"

#include <algorithm>
#include <cmath>
#include <glm/gtc/matrix_transform.hpp>

namespace decor {
namespace {

struct TopStyle {
    glm::vec3 color;
    glm::vec3 second; // bands, point or star centre
    int star = 0;     // points of a star top; 0 for a spire
    int flutes = 0;   // lobes of a spire's bulb
};

// Profile of a spire 9 units tall: socket, big bulb, neck, small bulb, point.
std::vector<glm::vec2> spireProfile() {
    std::vector<glm::vec2> p{{0.0f, 0.0f},  {0.5f, 0.0f},  {0.5f, 0.0f},  {0.46f, 1.2f},
                             {0.7f, 1.35f}, {0.7f, 1.35f}, {0.35f, 1.55f}};
    for (int i = 1; i < 10; ++i) { // big bulb
        const float a = -0.5f * Pi + Pi * static_cast<float>(i) / 10.0f;
        p.push_back({std::max(0.3f, 1.25f * std::cos(a)), 2.85f + 1.25f * std::sin(a)});
    }
    p.push_back({0.22f, 4.2f});
    for (int i = 1; i < 7; ++i) { // small bulb
        const float a = -0.5f * Pi + Pi * static_cast<float>(i) / 7.0f;
        p.push_back({std::max(0.2f, 0.55f * std::cos(a)), 4.85f + 0.55f * std::sin(a)});
    }
    p.push_back({0.2f, 5.5f});
    p.push_back({0.14f, 6.8f});
    p.push_back({0.05f, 8.6f});
    p.push_back({0.0f, 9.1f});
    return p;
}

void addSpire(MeshModel& model, const TopStyle& style, int body = -1) {
    if (body < 0) {
        body = model.addMaterial(glossy(style.color, 0.85f, 60.0f, 0.18f));
    }
    const int second = model.addMaterial(glossy(style.second, 0.8f, 28.0f, 0.14f));
    const auto profile = spireProfile();
    LatheOptions options;
    options.segments = 20;
    options.material = [&](int i, int) {
        const float y = profile[i].y;
        return (y < 1.5f || (y > 3.9f && y < 4.4f) || y > 5.4f) ? second : body;
    };
    if (style.flutes > 0) {
        options.radius = [&](float a, int i) {
            const float y = profile[i].y;
            return y > 1.5f && y < 4.2f ? 1.0f + 0.09f * std::cos(static_cast<float>(style.flutes) * a)
                                        : 1.0f;
        };
        options.twist = [&](int i) {
            return 0.35f * profile[i].y;
        };
    }
    lathe(model, profile, options);
}

void addStarTop(MeshModel& model, const TopStyle& style) {
    const int body = model.addMaterial(glossy(style.color, 0.85f, 30.0f, 0.2f));
    const int dark = model.addMaterial(glossy(style.color * 0.72f, 0.85f, 30.0f, 0.2f));
    const int metal = model.addMaterial(glossy(style.second, 0.8f, 28.0f, 0.14f));
    LatheOptions options;
    options.segments = 16;
    options.material = [metal](int, int) {
        return metal;
    };
    lathe(model,
          {{0.0f, 0.0f},
           {0.45f, 0.0f},
           {0.45f, 0.0f},
           {0.4f, 1.0f},
           {0.18f, 1.3f},
           {0.18f, 2.2f},
           {0.0f, 2.4f}},
          options);
    MeshModel ball;
    sphere(ball, 0.45f, 8, 14, ball.addMaterial(glossy(style.second, 0.8f, 28.0f, 0.14f)));
    model.append(ball, glm::translate(glm::mat4(1.0f), {0.0f, 1.5f, 0.0f}));
    // The star: radius 3 in the x-y plane, a raised ridge on both faces.
    const int n = style.star;
    const glm::vec3 centre(0.0f, 5.0f, 0.0f);
    std::vector<glm::vec3> outline;
    for (int i = 0; i < 2 * n; ++i) {
        const float a = 0.5f * Pi + Pi * static_cast<float>(i) / static_cast<float>(n);
        const float r = i % 2 == 0 ? 3.0f : (n > 5 ? 1.5f : 1.25f);
        outline.push_back(centre + glm::vec3(r * std::cos(a), r * std::sin(a), 0.0f));
    }
    for (int side = -1; side <= 1; side += 2) {
        const glm::vec3 apex = centre + glm::vec3(0, 0, 0.75f * static_cast<float>(side));
        for (int i = 0; i < 2 * n; ++i) {
            const glm::vec3 a = outline[i], b = outline[(i + 1) % (2 * n)];
            flatTriangle(model, apex, a, b,
                         (a + b) * 0.5f - centre + glm::vec3(0, 0, 0.3f * static_cast<float>(side)),
                         i % 2 == 0 ? body : dark);
        }
    }
}

} // namespace

std::vector<ToyEntry> topToys(const LandingSet& landing) {
    const glm::vec3 gold{0.90f, 0.70f, 0.22f}, silver{0.78f, 0.80f, 0.84f}, red{0.78f, 0.07f, 0.09f};
    const std::vector<TopStyle> styles{{red, gold},
                                       {silver, {0.70f, 0.72f, 0.78f}, 0, 8},
                                       {gold, silver},
                                       {gold, gold, 5},
                                       {{0.16f, 0.30f, 0.78f}, silver, 0, 6},
                                       {silver, gold, 6},
                                       {{0.10f, 0.48f, 0.25f}, gold, 0, 10}};
    std::vector<ToyEntry> toys;
    for (std::size_t i = 0; i < styles.size(); ++i) {
        ToyEntry toy;
        toy.name = "Top" + std::to_string(i);
        toy.caseIndex = 6;
        toy.hangByTop = 0;
        toy.isTop = 1;
        toy.scale = styles[i].star > 0 ? 1.1f : 1.0f; // stars read best a little larger
        toy.landColor = toColor(styles[i].color);
        toy.landing = &landing;
        toy.build = [style = styles[i]](int) {
            MeshModel model;
            if (style.star > 0) {
                addStarTop(model, style);
            } else {
                addSpire(model, style);
            }
            return model;
        };
        toys.push_back(toy);
    }
    return toys;
}

LandingSet topLanding() {
    LandingSet set;
    set.file = "Mesh/Land/TopCrash*.x";
    set.count = 10;
    set.time = 1400;
    set.sound = "Sound/Crash.wav";
    set.build = [](int key) {
        static const MeshModel rest = [] {
            MeshModel model;
            addSpire(model, {{}, {0.90f, 0.70f, 0.22f}},
                     model.addMaterial(keyed(LandKeyColor, 0.85f, 60.0f)));
            MeshModel split = unshared(model);
            for (auto& t : split.triangles()) {
                const float y = split.vertices()[t.corners[0]].position.y;
                t.piece = y < 1.5f ? 0 : (y < 4.25f ? 1 : 2);
            }
            return split;
        }();
        const float t = static_cast<float>(key) / 9.0f;
        return posed(
            rest, t,
            [&](int piece, float time) {
                // The whole top falls over towards +x; after the crash the
                // pieces roll and slide apart.
                const float over = 0.5f * Pi * std::pow(std::clamp(time / 0.4f, 0.0f, 1.0f), 1.5f);
                const glm::mat4 fall = rigid({0.5f, 0, 0}, {0, 0, -1}, over, {0, 0, 0});
                const float after = std::clamp((time - 0.4f) / 0.6f, 0.0f, 1.0f);
                const glm::vec3 c = glm::vec3(fall * glm::vec4(pieceCentre(rest, piece), 1.0f));
                const float spread = static_cast<float>(piece) - 1.0f;
                return rigid(c, {0.3f, 1.0f, 0.2f * spread},
                             (1.2f - 0.5f * static_cast<float>(piece)) * easeOut(after),
                             glm::vec3(1.4f * spread, 0, 0.9f * (piece == 1 ? 1.0f : -0.4f)) *
                                 easeOut(after)) *
                       fall;
            },
            rest.bounds().min.y);
    };
    return set;
}

} // namespace decor
