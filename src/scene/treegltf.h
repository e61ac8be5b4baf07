#pragma once
// The decorated tree as a glTF scene (rm/gltfwriter.h): the tree frame with
// every toy on it, standing and turned as the user left it, the card's camera,
// and each toy's own animation fitted to a loop, as the turning card plays it.
#include "scene/rm/gltfwriter.h"

class TTree;

// The whole rounds of an own animation of periodMs shown in a loop of loopMs:
// the nearest whole number, at least one.
int LoopCycles(double loopMs, double periodMs);

// The name of the tree's node (its toys are its children).
inline constexpr const char* TreeNodeName = "Tree";

rm::GltfScene TreeGltfScene(const TTree& tree, double loopMs);
