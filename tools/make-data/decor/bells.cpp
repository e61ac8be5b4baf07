// Bells with a clapper that peeks out below the rim; they swing on their
// loop. Their landing: the bell bounces, tips over and rolls.
#include "decor/catalogue.h"
#include "decor/landing.h"
#include "decor/shapes.h"

#include <algorithm>
#include <cmath>
#include <glm/gtc/matrix_transform.hpp>

namespace decor {
namespace {

struct BellStyle {
    glm::vec3 color;
    glm::vec3 band{0.0f}; // waist band, none when black
    bool tulip = false;   // a narrower waist and a wider flare
};

// Inside from the top down to the rim, then the outside up to the crown: one
// surface whose normals face the hollow inside and the air outside.
std::vector<glm::vec2> bellProfile(bool tulip) {
    const float waist = tulip ? 0.5f : 0.6f;
    const float flare = tulip ? 1.08f : 1.0f;
    return {{0.0f, 0.82f},           {0.4f, 0.72f},          {waist - 0.08f, 0.3f},  {waist + 0.0f, -0.1f},
            {flare * 0.86f, -0.66f}, {flare * 0.92f, -0.8f}, {flare * 1.0f, -0.82f}, {flare * 1.0f, -0.82f},
            {flare * 1.02f, -0.74f}, {flare * 0.9f, -0.55f}, {waist + 0.1f, -0.15f}, {waist + 0.04f, 0.3f},
            {waist, 0.65f},          {0.45f, 0.9f},          {0.22f, 1.0f},          {0.0f, 1.02f}};
}

constexpr float Clapper = 0.19f;

// Adds the bell at rest; the clapper (piece 1) hangs inside. The body takes
// `body` when given (the landing's key colour), else the style's colour.
void addBell(MeshModel& model, const BellStyle& style, int body = -1) {
    if (body < 0) {
        body = model.addMaterial(glossy(style.color, 0.75f, 35.0f, 0.14f));
    }
    const bool banded = style.band != glm::vec3(0.0f);
    const int band = banded ? model.addMaterial(glossy(style.band, 0.6f, 30.0f, 0.14f)) : body;
    const int gold = model.addMaterial(glossy({0.86f, 0.66f, 0.24f}, 0.8f, 25.0f, 0.12f));
    // Ten segments round a bell some twenty pixels wide; the bands follow the profile.
    LatheOptions options;
    options.segments = 10;
    options.material = [&](int i, int) {
        return (i == 9 || i == 11) ? band : body;
    };
    lathe(model, bellProfile(style.tulip), options);
    hangingCap(model, 1.0f, 0.28f, gold);
    MeshModel clapper;
    const int brass = clapper.addMaterial(glossy({0.55f, 0.45f, 0.25f}, 0.6f, 30.0f, 0.1f));
    sphere(clapper, Clapper, 4, 6, brass, 1);
    tube(clapper, {{0, 0.03f, 0}, {0, 1.5f, 0}}, {0.035f, 0.035f}, 4, brass, false, 1);
    model.append(clapper, glm::translate(glm::mat4(1.0f), {0.0f, -0.72f, 0.0f}));
}

ToyEntry bellEntry(int n, const BellStyle& style, const LandingSet& landing) {
    ToyEntry toy;
    toy.name = "Bell" + std::to_string(n);
    toy.caseIndex = 1;
    toy.scale = 2.5f;
    toy.meshCount = 9;
    toy.meshTime = 2400 + 200 * (n % 3);
    toy.landColor = toColor(style.color);
    toy.landing = &landing;
    toy.build = [style](int key) {
        MeshModel model;
        addBell(model, style);
        const float pivot = model.bounds().max.y;
        // A swing from side to side about the loop; the clapper lags behind.
        const float phase = 2.0f * Pi * static_cast<float>(key) / 8.0f;
        const float swing = 0.26f * std::sin(phase);
        const float lag = 0.12f * std::sin(phase - 1.3f);
        return posed(
            model, 0.0f,
            [&](int piece, float) {
                return turnAbout({0, pivot, 0}, {0, 0, 1}, swing + (piece == 1 ? lag : 0.0f));
            },
            -1e9f);
    };
    return toy;
}

} // namespace

std::vector<ToyEntry> bellToys(const LandingSet& landing) {
    const glm::vec3 gold{0.88f, 0.68f, 0.22f}, silver{0.74f, 0.76f, 0.80f}, red{0.75f, 0.07f, 0.08f};
    const glm::vec3 green{0.07f, 0.42f, 0.20f}, blue{0.12f, 0.25f, 0.68f}, copper{0.78f, 0.42f, 0.22f};
    const glm::vec3 ivory{0.90f, 0.87f, 0.78f};
    const std::vector<BellStyle> styles{
        {gold}, {silver}, {red, gold}, {green, gold}, {blue, silver, true}, {copper, {}, true}, {ivory, red}};
    std::vector<ToyEntry> toys;
    for (std::size_t i = 0; i < styles.size(); ++i) {
        toys.push_back(bellEntry(static_cast<int>(i), styles[i], landing));
    }
    return toys;
}

LandingSet bellLanding() {
    LandingSet set;
    set.file = "Mesh/Land/BellBounce*.x";
    set.count = 10;
    set.time = 1400;
    set.sound = "Sound/Bell.wav";
    set.build = [](int key) {
        static const MeshModel rest = [] {
            MeshModel model;
            addBell(model, {}, model.addMaterial(keyed(LandKeyColor, 0.75f, 35.0f)));
            for (auto& t : model.triangles()) {
                t.piece = 0; // the bell moves as one
            }
            return model;
        }();
        const Bounds box = rest.bounds();
        const glm::vec3 centre = box.center();
        const float t = static_cast<float>(key) / 9.0f;
        return posed(
            rest, t,
            [&](int, float time) {
                const float bounce =
                    time < 0.4f ? 0.9f * std::abs(std::sin(2.0f * Pi * time / 0.4f)) * (1.0f - time / 0.4f)
                                : 0.0f;
                const float tip = 1.35f * std::clamp((time - 0.3f) / 0.3f, 0.0f, 1.0f);
                const float roll = 2.2f * easeOut((time - 0.45f) / 0.55f) * (time > 0.45f ? 1.0f : 0.0f);
                const glm::mat4 turn = rigid(centre, {0, 0, 1}, tip, {-0.9f * roll, bounce, 0}) *
                                       rigid(centre, {0, 1, 0}, roll, {0, 0, 0});
                return turn;
            },
            box.min.y);
    };
    return set;
}

} // namespace decor
