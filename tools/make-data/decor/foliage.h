#pragma once
// The needles of the fir: its materials and the builder of needle sprays.
#include "decor/meshmodel.h"
#include "decor/shapes.h"

#include <vector>

namespace decor {

struct Foliage {
    // Two tints (a warmer and a bluer green), each from dark inside to light at the tips.
    int needles[2][4];
    int snow;
    int bark;
    int shadow; // the dark inside of the tree
};

Foliage foliageMaterials(MeshModel& model);

// Builds sprays of needle blades: jagged, overlapping triangles on both sides
// of a stem, darker inside, lighter at the tips, now and then dusted with snow.
class BranchBuilder {
public:
    // eyeHeight: the viewer's eye stays at this height whichever way the tree turns.
    BranchBuilder(MeshModel& model, const Foliage& foliage, Random& random, float eyeHeight, float snowChance)
        : model_(model), foliage_(foliage), random_(random), eyeHeight_(eyeHeight), snowChance_(snowChance) {}

    // A stem along path with blades on both sides; width at the stem's start,
    // tapering to the tip; `tipShade` 0..1 how light its outer part is.
    void spray(const std::vector<glm::vec3>& path, float width, float tipShade);
    // The tint of the sprays that follow (0 or 1).
    void setTint(int tint) { tint_ = tint; }

private:
    void blade(glm::vec3 a, glm::vec3 b, glm::vec3 c, float s, float tipShade);
    bool seenFromTheEye(glm::vec3 facing, float y) const;

    MeshModel& model_;
    const Foliage& foliage_;
    Random& random_;
    float eyeHeight_;
    float snowChance_;
    int tint_ = 0;
};

} // namespace decor
