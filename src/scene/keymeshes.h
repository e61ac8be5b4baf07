#pragma once
// Loading an animated model from numbered key meshes ("Ball*.x" → Ball0.x,
// Ball1.x, ...): key 0 is measured and anchored, every key is moved by key 0's
// anchor, and with more than one key a mesh interpolator morphs between them
// (key k at span × k / (count − 1) milliseconds).
//
//   KeyMeshSet set = LoadKeyMeshes({.pattern = dir + "Mesh/Bell*.x", .count = 3, .span = 1000,
//                                   .anchor = AnchorByTop(true), .scale = 1});
//   frame->AddVisual(set.mesh);
//   if (set.interpolator) set.interpolator->Interpolate(t, nullptr, 0x46);
//
// With recolouring (landing animations), every group gets unshared vertices and
// a group colour equal to the key colour is replaced by the new colour, so one
// set of landing meshes serves toys of every colour.
#include "scene/descfile.h"
#include "scene/rm/interpolator.h"
#include "scene/rm/mesh.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

// The translation that puts key mesh 0 (scaled) in place, from its bounding box.
using AnchorRule = std::function<rm::Vector(const rm::Box&)>;

// Toys: centred in x and z; the top (hanging) or the bottom (standing) at the origin.
AnchorRule AnchorByTop(bool hangByTop);
// The mouse: centred in x, feet at y = 0, its front at the origin.
AnchorRule AnchorFeetAndFront();

struct Recolour {
    TColor newColor = 0; // red in the low byte, as files hold colours
    TColor keyColor = 0;
};

struct KeyMeshRequest {
    std::string pattern; // a path; the first "*" of its file name stands for the key number
    int count = 1;
    double span = 0;
    AnchorRule anchor;
    float scale = 1;
    std::optional<Recolour> recolour;
};

struct KeyMeshSet {
    std::shared_ptr<rm::Mesh> mesh;                     // none when key 0 could not be loaded
    std::shared_ptr<rm::MeshInterpolator> interpolator; // none for a still model
};

KeyMeshSet LoadKeyMeshes(const KeyMeshRequest& request);

// The file of key k: the first "*" of pattern's file name (not of its folders)
// replaced by k in decimal.
std::string KeyMeshFile(const std::string& pattern, int k);

// The number of keys loaded for a count from a file: 1 to MaxKeyMeshes.
int KeyMeshCount(int count);

// A file colour (red low) as a scene colour (blue low), alpha kept at zero.
rm::Color SceneColor(TColor color);
