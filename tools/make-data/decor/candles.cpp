// Wax candles in a gold holder, standing on the branch, with a flame that
// flickers (shape and vertex colours change from key to key). Their landing:
// the candle topples, rolls a little and its flame goes out.
#include "decor/catalogue.h"
#include "decor/landing.h"
#include "decor/shapes.h"

#include <algorithm>
#include <cmath>
#include <glm/gtc/matrix_transform.hpp>

namespace decor {
namespace {

struct CandleStyle {
    glm::vec3 color;
    glm::vec3 stripe{0.0f}; // a spiral stripe, none when black
};

constexpr float Radius = 0.3f;
constexpr float Top = 4.0f;
constexpr float FlameBase = 4.1f;

struct Flicker {
    float height = 1.0f; // flame length factor
    float sway = 0.0f;   // sideways lean of the tip
    float glow = 1.0f;   // brightness of the colours
};

// Body and holder in piece 0, flame in piece 1.
void addCandle(MeshModel& model, const CandleStyle& style, const Flicker& flicker, int body = -1) {
    if (body < 0) {
        body = model.addMaterial(glossy(style.color, 0.3f, 18.0f, 0.2f));
    }
    const bool striped = style.stripe != glm::vec3(0.0f);
    const int stripe = striped ? model.addMaterial(glossy(style.stripe, 0.3f, 18.0f, 0.2f)) : body;
    const int gold = model.addMaterial(glossy({0.86f, 0.66f, 0.24f}, 0.8f, 25.0f, 0.12f));
    const int wick = model.addMaterial(matte({0.12f, 0.09f, 0.07f}, 0.1f));
    Material fire = glossy({1.0f, 0.78f, 0.3f}, 0.0f, 0.0f, 0.0f);
    fire.emissive = {0.85f, 0.55f, 0.15f};

    LatheOptions holder;
    holder.segments = 12;
    holder.material = [gold](int, int) {
        return gold;
    };
    holder.radius = [](float a, int i) {
        return i >= 3 ? 1.0f + 0.12f * std::cos(6.0f * a) : 1.0f;
    };
    lathe(model,
          {{0.0f, 0.0f},
           {0.2f, 0.0f},
           {0.2f, 0.0f},
           {0.24f, 0.25f},
           {0.40f, 0.5f},
           {0.40f, 0.5f},
           {0.3f, 0.5f}},
          holder);

    std::vector<glm::vec2> profile{{0.0f, 0.45f}, {Radius, 0.45f}, {Radius, 0.45f}};
    for (int i = 1; i <= 12; ++i) {
        profile.push_back({Radius, 0.45f + (Top - 0.55f) * static_cast<float>(i) / 12.0f});
    }
    profile.push_back({Radius * 0.88f, Top + 0.03f});
    profile.push_back({Radius * 0.3f, Top - 0.03f});
    profile.push_back({0.0f, Top - 0.04f});
    LatheOptions wax;
    wax.segments = 12;
    wax.material = [&](int i, int j) {
        return (striped && i >= 2 && i < 15 && (j + i) % 6 < 2) ? stripe : body;
    };
    lathe(model, profile, wax);
    tube(model, {{0, Top - 0.1f, 0}, {0, FlameBase + 0.15f, 0}}, {0.035f, 0.03f}, 4, wick);

    MeshModel fireModel;
    const int flameHere = fireModel.addMaterial(fire);
    const float length = 1.1f * flicker.height;
    std::vector<glm::vec2> teardrop;
    const int rows = 8;
    for (int i = 0; i <= rows; ++i) {
        const float s = static_cast<float>(i) / rows;
        const float r =
            i == 0 || i == rows ? 0.0f : 0.2f * std::sin(Pi * std::pow(s, 0.6f)) * (1.0f - 0.3f * s);
        teardrop.push_back({r, FlameBase + length * s});
    }
    LatheOptions flameOptions;
    flameOptions.segments = 10;
    flameOptions.material = [flameHere](int, int) {
        return flameHere;
    };
    flameOptions.piece = 1;
    lathe(fireModel, teardrop, flameOptions);
    for (auto& v : fireModel.vertices()) {
        const float s = (v.position.y - FlameBase) / length;
        v.position.x += flicker.sway * s * s;
        const glm::vec3 warm = glm::mix(glm::vec3(1.0f, 0.93f, 0.5f), glm::vec3(1.0f, 0.45f, 0.08f), s);
        v.color = glm::vec4(glm::min(warm * flicker.glow, glm::vec3(1.0f, 0.97f, 0.55f)), 1.0f);
    }
    model.append(fireModel);
    for (int m : {body, stripe, gold, wick}) {
        model.setVertexColors(m, model.materials()[m].diffuse);
    }
    model.useVertexColors = true;
}

constexpr int FlickerKeys = 6;

Flicker flickerAt(int key, int seed) {
    if (key == FlickerKeys - 1) {
        key = 0; // the last key closes the loop
    }
    const float a = 2.0f * Pi * static_cast<float>(key) / (FlickerKeys - 1) + 0.9f * static_cast<float>(seed);
    return {1.0f + 0.14f * std::sin(a) + 0.06f * std::sin(2.0f * a + 1.0f), 0.07f * std::sin(a + 0.8f),
            0.92f + 0.1f * std::sin(2.0f * a)};
}

} // namespace

std::vector<ToyEntry> candleToys(const LandingSet& landing) {
    const std::vector<CandleStyle> styles{{{0.78f, 0.08f, 0.09f}},
                                          {{0.92f, 0.89f, 0.80f}},
                                          {{0.88f, 0.70f, 0.26f}},
                                          {{0.08f, 0.45f, 0.22f}},
                                          {{0.92f, 0.89f, 0.80f}, {0.78f, 0.08f, 0.09f}},
                                          {{0.18f, 0.30f, 0.72f}},
                                          {{0.90f, 0.50f, 0.62f}}};
    std::vector<ToyEntry> toys;
    for (std::size_t i = 0; i < styles.size(); ++i) {
        ToyEntry toy;
        toy.name = "Candle" + std::to_string(i);
        toy.caseIndex = 5;
        toy.hangByTop = 0;
        toy.scale = 1.4f;
        toy.meshCount = FlickerKeys;
        toy.meshTime = 600 + 70 * static_cast<int>(i);
        toy.landColor = toColor(styles[i].color);
        toy.landing = &landing;
        toy.build = [style = styles[i], seed = static_cast<int>(i)](int key) {
            MeshModel model;
            addCandle(model, style, flickerAt(key, seed));
            return model;
        };
        toys.push_back(toy);
    }
    return toys;
}

LandingSet candleLanding() {
    LandingSet set;
    set.file = "Mesh/Land/CandleTopple*.x";
    set.count = 10;
    set.time = 1300;
    set.sound = "Sound/Thud.wav";
    set.build = [](int key) {
        static const MeshModel rest = [] {
            MeshModel model;
            addCandle(model, {{0.8f, 0.1f, 0.1f}}, {}, model.addMaterial(keyed(LandKeyColor, 0.3f, 18.0f)));
            model.useVertexColors = false;
            return model;
        }();
        const float t = static_cast<float>(key) / 9.0f;
        auto topple = [](float time) {
            return rigid({0.4f, 0.0f, 0.0f}, {0, 0, -1},
                         0.5f * Pi * std::pow(std::clamp(time / 0.45f, 0.0f, 1.0f), 1.6f),
                         {0.5f * easeOut((time - 0.45f) / 0.55f) * (time > 0.45f ? 1.0f : 0.0f), 0, 0});
        };
        return posed(
            rest, t,
            [&](int piece, float time) {
                const glm::mat4 body = topple(time);
                if (piece == 0) {
                    return body;
                }
                // The flame shrinks to nothing at the wick as the candle falls.
                const float size = std::max(0.02f, 1.0f - easeOut(time * 2.5f));
                const glm::vec3 base(0.0f, FlameBase, 0.0f);
                return body * glm::translate(glm::mat4(1.0f), base) *
                       glm::scale(glm::mat4(1.0f), glm::vec3(size)) * glm::translate(glm::mat4(1.0f), -base);
            },
            rest.bounds().min.y);
    };
    return set;
}

} // namespace decor
