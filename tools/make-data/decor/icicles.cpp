// Twisted icicles of glass and metal, 6 units long and pointed, hanging from a
// small cap. Their landing: the icicle snaps into pieces that fall over.
#include "decor/catalogue.h"
#include "decor/landing.h"
#include "decor/shapes.h"

#include <algorithm>
#include <cmath>

namespace decor {
namespace {

struct IcicleStyle {
    glm::vec3 color;
    glm::vec3 stripe{0.0f}; // a spiral stripe, none when black
    float twist = 1.0f;     // turns along the length
    bool glass = true;
};

constexpr float Length = 6.0f;
// Rows of the profile: the outline is nearly straight, and on an icicle a few
// pixels wide eight rows keep it and the twist smooth. The stripes are laid
// out as on 18 rows, which is what they were drawn for.
constexpr int Rows = 8;
constexpr int StripeRows = 18;

void addIcicle(MeshModel& model, const IcicleStyle& style, int body = -1) {
    if (body < 0) {
        body = model.addMaterial(style.glass ? glossy(style.color, 0.9f, 70.0f, 0.25f)
                                             : glossy(style.color, 0.8f, 28.0f, 0.12f));
    }
    const bool striped = style.stripe != glm::vec3(0.0f);
    const int stripe = striped ? model.addMaterial(glossy(style.stripe, 0.5f, 30.0f, 0.15f)) : body;
    std::vector<glm::vec2> profile{{0.0f, -Length}};
    for (int i = 1; i < Rows; ++i) {
        const float s = static_cast<float>(i) / Rows; // 0 at the tip, 1 at the top
        profile.push_back({0.45f * std::pow(s, 0.8f), -Length * (1.0f - s)});
    }
    profile.push_back({0.45f, 0.0f});
    profile.push_back({0.0f, 0.05f});
    // Five lobes round an icicle four or five pixels wide: ten segments put a
    // vertex on each crest and in each hollow. A stripe is one fifth of fifteen
    // segments, so striped icicles keep those.
    LatheOptions options;
    options.segments = striped ? 15 : 10;
    options.material = [&](int i, int j) {
        return (striped && ((j + i * StripeRows / Rows / 2) % 5) == 0) ? stripe : body;
    };
    options.radius = [](float a, int) {
        return 1.0f + 0.28f * std::cos(5.0f * a);
    };
    options.twist = [&](int i) {
        return style.twist * 2.0f * Pi * static_cast<float>(i) / Rows;
    };
    lathe(model, profile, options);
    hangingCap(model, 0.05f, 0.3f, model.addMaterial(glossy({0.80f, 0.82f, 0.86f}, 0.8f, 25.0f, 0.12f)));
}

} // namespace

std::vector<ToyEntry> icicleToys(const LandingSet& landing) {
    const std::vector<IcicleStyle> styles{
        {{0.62f, 0.82f, 0.92f}},                               // ice blue
        {{0.76f, 0.78f, 0.82f}, {}, 1.4f, false},              // silver
        {{0.88f, 0.68f, 0.24f}, {}, 0.8f, false},              // gold
        {{0.70f, 0.60f, 0.86f}, {}, 1.2f},                     // lilac glass
        {{0.55f, 0.85f, 0.82f}, {0.78f, 0.84f, 0.9f}, 1.0f},   // aqua with a frost stripe
        {{0.92f, 0.80f, 0.60f}, {}, 1.6f, false},              // champagne
        {{0.78f, 0.12f, 0.14f}, {0.86f, 0.84f, 0.78f}, 1.1f}}; // candy red and white
    std::vector<ToyEntry> toys;
    for (std::size_t i = 0; i < styles.size(); ++i) {
        ToyEntry toy;
        toy.name = "Icicle" + std::to_string(i);
        toy.caseIndex = 2;
        toy.scale = 1.35f;
        toy.landColor = toColor(styles[i].color);
        toy.landing = &landing;
        toy.build = [style = styles[i]](int) {
            MeshModel model;
            addIcicle(model, style);
            return model;
        };
        toys.push_back(toy);
    }
    return toys;
}

LandingSet icicleLanding() {
    LandingSet set;
    set.file = "Mesh/Land/IcicleSnap*.x";
    set.count = 10;
    set.time = 1200;
    set.sound = "Sound/Snap.wav";
    set.build = [](int key) {
        static const MeshModel rest = [] {
            MeshModel model;
            addIcicle(model, {{0.6f, 0.8f, 0.9f}}, model.addMaterial(keyed(LandKeyColor, 0.9f, 70.0f)));
            MeshModel split = unshared(model);
            for (auto& t : split.triangles()) {
                const float y = split.vertices()[t.corners[0]].position.y;
                t.piece = y < -4.2f ? 0 : (y < -1.9f ? 1 : 2);
            }
            return split;
        }();
        const float floorY = rest.bounds().min.y;
        const float t = static_cast<float>(key) / 9.0f;
        return posed(
            rest, t,
            [&](int piece, float time) {
                // The tip breaks first; each piece falls over and slides away.
                const glm::vec3 c = pieceCentre(rest, piece);
                const float start = 0.08f * static_cast<float>(piece);
                const float local = std::clamp((time - start) / (1.0f - start), 0.0f, 1.0f);
                const float side = piece % 2 == 0 ? 1.0f : -1.0f;
                const float fall = (c.y - floorY) * easeOut(local * 1.6f);
                const glm::vec3 offset(side * (0.6f + 0.9f * static_cast<float>(piece)) * easeOut(local),
                                       -fall, 0.5f * static_cast<float>(piece - 1) * easeOut(local));
                return rigid(c, {0.2f * static_cast<float>(piece), 0, 1}, side * 1.5f * easeOut(local * 1.3f),
                             offset);
            },
            floorY);
    };
    return set;
}

} // namespace decor
