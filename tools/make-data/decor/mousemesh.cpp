// The mouse that fetches fallen toys: a small grey mouse with pink ears, nose
// and feet, black eyes, whiskers and a long tail, in a walk cycle of eight
// poses (the ninth key repeats the first). Its front is at +z, its feet on
// y = 0; about 10 units long, big enough to push a fallen ball along. A soft
// shadow lies on the ground under it: the scene has no floor to stand on, and
// without one a mouse behind a fallen toy seems to hover over it.
#include "decor/decornames.h"
#include "decor/shapes.h"
#include "generator.h"

#include <cmath>
#include <cstdio>
#include <glm/gtc/matrix_transform.hpp>

namespace decor {
namespace {

constexpr int WalkKeys = 9;

struct Fur {
    int grey, light, pink, eye, whisker;
};

void blob(MeshModel& model, int material, glm::vec3 centre, glm::vec3 radii,
          const glm::mat4& pose = glm::mat4(1.0f), int rings = 8, int segments = 12) {
    MeshModel ball;
    sphere(ball, 1.0f, rings, segments, ball.addMaterial(model.materials()[material]));
    model.append(ball, pose * glm::translate(glm::mat4(1.0f), centre) * glm::scale(glm::mat4(1.0f), radii));
}

// The shadow under the body: flat ellipses on the ground, each smaller and a
// hair higher than the one before and each darkening what lies under it a
// little, so that it is darkest under the belly and fades out at its rim. It
// stays behind the nose, which remains the mouse's front.
void groundShadow(MeshModel& model) {
    constexpr int Layers = 3, Segments = 24;
    const int shade = model.addMaterial(Material{.diffuse = {0.02f, 0.03f, 0.08f, 0.2f}});
    for (int layer = 0; layer < Layers; ++layer) {
        const float size = 1.0f - 0.28f * static_cast<float>(layer);
        const float y = 0.01f * static_cast<float>(layer);
        const glm::vec3 up(0.0f, 1.0f, 0.0f);
        const auto centre = model.addVertex({0.0f, y, 0.4f}, up);
        std::vector<std::uint32_t> rim;
        for (int i = 0; i < Segments; ++i) {
            const float a = 2.0f * Pi * static_cast<float>(i) / Segments;
            rim.push_back(
                model.addVertex({1.9f * size * std::cos(a), y, 0.4f + 3.4f * size * std::sin(a)}, up));
        }
        for (int i = 0; i < Segments; ++i) {
            model.addTriangle(centre, rim[static_cast<std::size_t>(i)],
                              rim[static_cast<std::size_t>((i + 1) % Segments)], shade);
        }
    }
}

MeshModel mousePose(int key) {
    MeshModel model;
    Fur fur{};
    fur.grey = model.addMaterial(glossy({0.52f, 0.52f, 0.56f}, 0.15f, 10.0f, 0.2f));
    fur.light = model.addMaterial(glossy({0.70f, 0.69f, 0.70f}, 0.15f, 10.0f, 0.2f));
    fur.pink = model.addMaterial(glossy({0.92f, 0.60f, 0.64f}, 0.3f, 20.0f, 0.2f));
    fur.eye = model.addMaterial(glossy({0.03f, 0.03f, 0.04f}, 0.9f, 60.0f, 0.0f));
    fur.whisker = model.addMaterial(matte({0.25f, 0.25f, 0.27f}, 0.2f));

    const float phase = 2.0f * Pi * static_cast<float>(key % (WalkKeys - 1)) / (WalkKeys - 1);
    const float bob = 0.08f * (1.0f + std::cos(2.0f * phase));
    const glm::mat4 lift = glm::translate(glm::mat4(1.0f), {0.0f, bob, 0.0f});

    blob(model, fur.grey, {0.0f, 1.95f, 0.0f}, {1.45f, 1.3f, 2.3f}, lift, 10, 16); // body
    blob(model, fur.light, {0.0f, 1.45f, 0.5f}, {1.15f, 0.85f, 1.6f}, lift);       // belly
    // Head, nodding a little with each step.
    const glm::mat4 head = lift * turnAbout({0.0f, 2.4f, 1.8f}, {1, 0, 0}, 0.05f * std::sin(2.0f * phase));
    blob(model, fur.grey, {0.0f, 2.55f, 2.45f}, {1.0f, 0.95f, 1.25f}, head, 10, 14);
    blob(model, fur.grey, {0.0f, 2.3f, 3.45f}, {0.55f, 0.5f, 0.85f}, head);
    blob(model, fur.pink, {0.0f, 2.38f, 4.28f}, {0.22f, 0.2f, 0.2f}, head, 6, 8);
    for (float side : {-1.0f, 1.0f}) {
        blob(model, fur.eye, {0.48f * side, 2.95f, 3.15f}, {0.19f, 0.21f, 0.17f}, head, 6, 8);
        const glm::mat4 ear = head * turnAbout({0.75f * side, 3.5f, 2.1f}, {0, 0, 1}, -0.35f * side);
        blob(model, fur.grey, {0.75f * side, 3.6f, 2.05f}, {0.72f, 0.72f, 0.16f}, ear);
        blob(model, fur.pink, {0.75f * side, 3.58f, 2.17f}, {0.52f, 0.52f, 0.08f}, ear, 6, 10);
        for (int w = 0; w < 3; ++w) {
            const float spread = 0.18f * static_cast<float>(w - 1);
            const glm::vec3 root(0.3f * side, 2.32f + spread * 0.5f, 3.9f);
            MeshModel whisker;
            tube(whisker, {root, root + glm::vec3(1.5f * side, spread * 1.6f + 0.05f, -0.25f)},
                 {0.03f, 0.015f}, 3, whisker.addMaterial(model.materials()[fur.whisker]));
            model.append(whisker, head);
        }
    }
    // Legs in diagonal pairs, swinging from the hips.
    const glm::vec3 hips[4] = {
        {-0.85f, 1.2f, 1.3f}, {0.85f, 1.2f, 1.3f}, {-0.85f, 1.2f, -1.3f}, {0.85f, 1.2f, -1.3f}};
    const float swing[4] = {1.0f, -1.0f, -1.0f, 1.0f};
    for (int leg = 0; leg < 4; ++leg) {
        const glm::mat4 pose = turnAbout(hips[leg], {1, 0, 0}, 0.45f * swing[leg] * std::sin(phase));
        blob(model, fur.grey, hips[leg] + glm::vec3(0, -0.55f, 0), {0.34f, 0.62f, 0.4f}, pose, 6, 10);
        blob(model, fur.pink, hips[leg] + glm::vec3(0, -1.06f, 0.22f), {0.3f, 0.14f, 0.45f}, pose, 6, 10);
    }
    // The tail, swaying from side to side.
    std::vector<glm::vec3> path;
    std::vector<float> radius;
    const int points = 12;
    for (int i = 0; i < points; ++i) {
        const float s = static_cast<float>(i) / (points - 1);
        const float sway = 0.9f * std::sin(phase + 2.2f * s) * s;
        path.push_back({sway, 1.5f + 1.6f * s - 1.4f * s * s, -2.1f - 3.6f * s});
        radius.push_back(0.2f * (1.0f - 0.75f * s));
    }
    tube(model, path, radius, 6, fur.pink);
    groundShadow(model);
    return model;
}

void writeMouse(const makedata::Context& context) {
    for (int key = 0; key < WalkKeys; ++key) {
        std::string file = MouseMeshFile;
        file[file.find('*')] = static_cast<char>('0' + key);
        if (!mousePose(key).writeX(context.file(QString::fromStdString(file)))) {
            std::fprintf(stderr, "make-data: can't write %s\n", file.c_str());
        }
    }
}

} // namespace

int mouseKeyCount() {
    return WalkKeys;
}

} // namespace decor

PW_DATA_GENERATOR("decor-mouse", 120, decor::writeMouse);
