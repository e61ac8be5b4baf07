#pragma once
// The fir: a tapering trunk with whorls of drooping branches, each a layered
// spray of jagged needle blades, lighter at the tips, dusted with snow on top.
// About 86 units tall, standing on y = 0, its axis on the y axis.
#include "decor/meshmodel.h"

#include <vector>

namespace decor {

// A place under a branch where an ornament can hang (tree coordinates).
struct HangSpot {
    glm::vec3 position{0.0f}; // under the tip, for hanging toys
    glm::vec3 stand{0.0f};    // on the branch further in, for standing toys
    float azimuth = 0.0f;     // radians about the y axis, 0 along +x
    int whorl = 0;            // 0 for the lowest
};

struct TreeModel {
    MeshModel mesh;
    float height = 0.0f;
    // Under the outer part of every main branch, lowest whorl first.
    std::vector<HangSpot> spots;
};

TreeModel buildTree();

} // namespace decor
