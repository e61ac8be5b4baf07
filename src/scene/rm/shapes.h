#pragma once
// Simple generated meshes (for test scenes, benchmarks and stand-ins).
#include "scene/rm/mesh.h"

namespace rm {

// A UV sphere around the origin, one group of slices × stacks × 2 triangles
// (less the degenerate ones at the poles), faces clockwise seen from outside.
std::shared_ptr<Mesh> makeSphere(float radius, int slices, int stacks, Color color);
// An axis-aligned box from min to max, one group, faces outward.
std::shared_ptr<Mesh> makeBox(Vector min, Vector max, Color color);

} // namespace rm
