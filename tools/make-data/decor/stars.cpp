// Faceted stars, five-, six- and eight-pointed, raised to a ridge on both
// faces; they turn to and fro on their loop. Their landing: the star tumbles,
// spinning, and falls flat.
#include "decor/catalogue.h"
#include "decor/landing.h"
#include "decor/shapes.h"

#include <algorithm>
#include <cmath>
#include <glm/gtc/matrix_transform.hpp>

namespace decor {
namespace {

struct StarStyle {
    int points = 5;
    glm::vec3 color;
    glm::vec3 second{0.0f}; // colour of every other facet; the main colour darkened when black
    float inner = 0.42f;    // inner radius of the outline
    float shortRays = 1.0f; // every other point this long (compass stars)
    bool doubled = false;   // a second star behind, turned half a point
};

// Adds a star of radius 1 in the x-y plane, one point up, centre at `centre`.
void addStar(MeshModel& model, const StarStyle& style, int light, int dark, glm::vec3 centre,
             float turn = 0.0f, int piece = 0) {
    const int n = style.points;
    std::vector<glm::vec3> outline;
    for (int i = 0; i < 2 * n; ++i) {
        const float a = 0.5f * Pi + turn + Pi * static_cast<float>(i) / static_cast<float>(n);
        float r = (i % 2 == 0) ? 1.0f : style.inner;
        if (i % 4 == 2) {
            r *= style.shortRays;
        }
        outline.push_back(centre + glm::vec3(r * std::cos(a), r * std::sin(a), 0.0f));
    }
    const float depth = 0.26f;
    for (int side = -1; side <= 1; side += 2) {
        const glm::vec3 apex = centre + glm::vec3(0, 0, depth * static_cast<float>(side));
        for (int i = 0; i < 2 * n; ++i) {
            const glm::vec3 a = outline[i], b = outline[(i + 1) % (2 * n)];
            const glm::vec3 outside =
                (a + b) * 0.5f - centre + glm::vec3(0, 0, 0.3f * static_cast<float>(side));
            flatTriangle(model, apex, a, b, outside, i % 2 == 0 ? light : dark, piece);
        }
    }
}

void addStyledStar(MeshModel& model, const StarStyle& style, int body = -1) {
    const int light = body >= 0 ? body : model.addMaterial(glossy(style.color, 0.8f, 30.0f, 0.14f));
    const glm::vec3 second = style.second != glm::vec3(0.0f) ? style.second : style.color * 0.72f;
    const int dark = body >= 0 ? body : model.addMaterial(glossy(second, 0.8f, 30.0f, 0.14f));
    if (style.doubled) {
        MeshModel behind;
        const int back = behind.addMaterial(model.materials()[dark]);
        addStar(behind, style, back, back, {0, 0, 0}, Pi / static_cast<float>(style.points));
        model.append(behind, glm::scale(glm::mat4(1.0f), {0.8f, 0.8f, 0.6f}));
        addStar(model, style, light, light, {0, 0, 0});
    } else {
        addStar(model, style, light, dark, {0, 0, 0});
    }
    hangingCap(model, 0.98f, 0.15f, model.addMaterial(glossy({0.86f, 0.66f, 0.24f}, 0.8f, 25.0f, 0.12f)));
}

} // namespace

std::vector<ToyEntry> starToys(const LandingSet& landing) {
    const glm::vec3 gold{0.92f, 0.72f, 0.22f}, silver{0.78f, 0.80f, 0.84f}, red{0.80f, 0.08f, 0.10f};
    const std::vector<StarStyle> styles{{5, gold},
                                        {6, silver, {}, 0.5f},
                                        {5, red, {0.55f, 0.04f, 0.06f}},
                                        {8, gold, silver, 0.3f, 0.6f},
                                        {6, {0.60f, 0.80f, 0.95f}, {0.40f, 0.60f, 0.85f}, 0.45f},
                                        {5, gold, silver, 0.42f, 1.0f, true},
                                        {5, {0.20f, 0.35f, 0.80f}, {0.92f, 0.72f, 0.22f}, 0.55f}};
    std::vector<ToyEntry> toys;
    for (std::size_t i = 0; i < styles.size(); ++i) {
        ToyEntry toy;
        toy.name = "Star" + std::to_string(i);
        toy.caseIndex = 3;
        toy.scale = 2.8f;
        toy.meshCount = 10;
        toy.meshTime = 3600 + 300 * static_cast<int>(i % 3);
        toy.landColor = toColor(styles[i].color);
        toy.landing = &landing;
        toy.build = [style = styles[i]](int key) {
            MeshModel model;
            addStyledStar(model, style);
            // Turning to and fro about the thread it hangs on.
            const float angle = 0.7f * std::sin(2.0f * Pi * static_cast<float>(key) / 9.0f);
            model.transform(glm::rotate(glm::mat4(1.0f), angle, glm::vec3(0, 1, 0)));
            return model;
        };
        toys.push_back(toy);
    }
    return toys;
}

LandingSet starLanding() {
    LandingSet set;
    set.file = "Mesh/Land/StarTumble*.x";
    set.count = 10;
    set.time = 1300;
    set.sound = "Sound/Clink.wav";
    set.build = [](int key) {
        static const MeshModel rest = [] {
            MeshModel model;
            addStyledStar(model, {5, {}}, model.addMaterial(keyed(LandKeyColor, 0.8f, 30.0f)));
            return model;
        }();
        const Bounds box = rest.bounds();
        const glm::vec3 centre(0.0f);
        const float t = static_cast<float>(key) / 9.0f;
        return posed(
            rest, t,
            [&](int, float time) {
                const float hop =
                    1.2f * std::abs(std::sin(Pi * time / 0.45f)) * std::max(0.0f, 1.0f - time / 0.9f);
                const float flat = 1.5f * easeOut(time * 1.4f);
                const float spin = 2.6f * easeOut(time);
                return glm::translate(glm::mat4(1.0f), {0.8f * easeOut(time), hop, 0.6f * easeOut(time)}) *
                       rigid(centre, {1, 0, 0}, flat, {0, 0, 0}) * rigid(centre, {0, 0, 1}, spin, {0, 0, 0});
            },
            box.min.y);
    };
    return set;
}

} // namespace decor
