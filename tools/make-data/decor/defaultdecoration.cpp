#include "decor/defaultdecoration.h"

#include "decor/catalogue.h"
#include "decor/decornames.h"
#include "decor/framing.h"
#include "decor/shapes.h"
#include "decor/treemesh.h"

#include <cmath>
#include <set>
#include <stdexcept>
#include <string>

namespace decor {
namespace {

// The tree-top rule: a drop counts as a top when it lands within this part
// of the tree's half width from the axis, this far below the tip; the top
// then stands this far below the tip (its socket over the leader).
constexpr float TopRadiusFactor = 0.3f;
constexpr float TopDepthFactor = 0.15f;
constexpr float TopSnapFactor = 0.035f;

// One toy of the starting decoration: the whorl it hangs in (0 lowest), its
// angle about the axis from the side facing the viewer, and its kind.
struct Placement {
    int whorl;
    float fromFront;
    const char* toy;
};

constexpr Placement StartingToys[] = {
    {0, -0.8f, "BigBall0"},  {0, 0.7f, "Bell0"},      {0, 2.6f, "BigBall5"},    {1, 0.0f, "Candle0"},
    {1, -1.5f, "Star0"},     {1, 1.4f, "BigBall1"},   {2, -0.5f, "Icicle0"},    {2, 0.5f, "BigBall3"},
    {2, 3.1f, "Bell2"},      {3, -1.1f, "BigBall5"},  {3, 1.0f, "Candle4"},     {3, 0.1f, "Star5"},
    {4, -0.4f, "Bell2"},     {4, 0.8f, "SmallBall0"}, {4, -2.5f, "SmallBall2"}, {5, -1.2f, "Icicle2"},
    {5, 0.3f, "SmallBall2"}, {6, -0.3f, "Star2"},     {6, 1.0f, "Icicle0"},     {7, -0.9f, "SmallBall1"},
    {7, 0.5f, "Candle1"},    {8, 0.0f, "SmallBall0"}, {8, 2.8f, "Star0"},       {9, -0.6f, "Bell0"},
    {9, 0.8f, "SmallBall3"}, {10, 0.1f, "Icicle6"},   {11, -0.4f, "Star0"}};

int catalogueIndex(const std::string& name) {
    const auto& toys = catalogue();
    for (std::size_t i = 0; i < toys.size(); ++i) {
        if (toys[i].name == name) {
            return static_cast<int>(i);
        }
    }
    throw std::logic_error("decor: no toy named " + name);
}

float angleBetween(float a, float b) {
    const float d = std::remainder(a - b, 2.0f * Pi);
    return std::abs(d);
}

// A point of the tree mesh as it stands in the scene.
TVector vec(glm::vec3 v) {
    v *= WorldScale;
    return {v.x, v.y, v.z};
}

std::vector<ToyRecord> startingToys(const TreeModel& tree) {
    const float front = 0.5f * Pi; // +z, towards the camera
    std::vector<ToyRecord> toys;
    std::set<const HangSpot*> used;
    for (const Placement& p : StartingToys) {
        // The free branch of the whorl nearest to the wanted angle: one toy per branch.
        const HangSpot* best = nullptr;
        for (const HangSpot& spot : tree.spots) {
            if (spot.whorl == p.whorl && !used.contains(&spot) &&
                (!best || angleBetween(spot.azimuth, front + p.fromFront) <
                              angleBetween(best->azimuth, front + p.fromFront))) {
                best = &spot;
            }
        }
        if (!best) {
            throw std::logic_error("decor: no free branch in whorl " + std::to_string(p.whorl));
        }
        used.insert(best);
        ToyRecord record;
        record.descNumber = catalogueIndex(p.toy);
        const bool stands = catalogue()[static_cast<std::size_t>(record.descNumber)].hangByTop == 0;
        record.position = vec(stands ? best->stand : best->position);
        toys.push_back(record);
    }
    // The top stands where the tree-top rule snaps it.
    ToyRecord top;
    top.descNumber = catalogueIndex("Top3");
    const Bounds box = tree.mesh.bounds();
    top.position = vec({0.0f, box.max.y - (box.max.y - box.min.y) * TopSnapFactor, 0.0f});
    toys.push_back(top);
    return toys;
}

} // namespace

DescriptionFile defaultDecoration() {
    const TreeModel tree = buildTree();
    DescriptionFile file;
    file.driver = "";
    file.musicOn = 1;
    file.songNumber = 0;
    file.welcomeText = "Merry Christmas and a Happy New Year!";
    file.fontName = "Dancing Script";
    file.fontStyle = "Bold";
    // A bright, warm gold: it shines on the red satin ribbon the greeting is written on.
    file.welcomeColor = toColor({0.98f, 0.80f, 0.30f});
    // At 60 steps a second a toy let go at the tip takes about 0.8 s to reach the floor.
    file.timeForDrop = 20000;
    file.timeForRotate = 8000;
    file.tree.meshFile = TreeMeshFile;
    file.tree.scale = WorldScale;
    file.tree.position = {0.0f, 0.0f, TreeDepth};
    file.tree.topRadiusFactor = TopRadiusFactor;
    file.tree.topDepthFactor = TopDepthFactor;
    file.tree.topSnapFactor = TopSnapFactor;
    for (const ToyEntry& toy : catalogue()) {
        file.descToys.push_back(toy.record());
    }
    MouseRecord mouse;
    mouse.chance = 0.3;
    mouse.frameCount = mouseKeyCount();
    mouse.modelFile = MouseMeshFile;
    mouse.cycleLength = 360; // a quick scurry
    // About 35 pixels tall where it stands at a fallen toy (its body behind the
    // toy, a little further away than the tree's axis): a mouse at a glance.
    mouse.scale = 3.0f * WorldScale;
    mouse.duration = 5000;
    mouse.soundFile = "Sound/Squeak.wav";
    file.mouse = mouse;
    file.toys = startingToys(tree);
    return file;
}

} // namespace decor
