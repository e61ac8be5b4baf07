#pragma once
// Landing animations as rigid pieces: a resting model whose triangles carry
// piece numbers is moved, piece by piece, to the pose of each key. The keys
// keep the model's groups and faces, so the loader can blend them; no piece
// ever sinks below the floor (the resting model's lowest point).
#include "decor/meshmodel.h"

#include <functional>

namespace decor {

// Placement of a piece at time t (0 at the landing, 1 at its end), applied
// to the resting piece.
using PieceMotion = std::function<glm::mat4(int piece, float t)>;

// Every triangle with corners of its own, so pieces can part.
MeshModel unshared(const MeshModel& model);
// Adds a back face (normals reversed, moved `inset` along them) to every
// triangle: thin shards and flakes seen from either side.
MeshModel doubleSided(const MeshModel& model, float inset);
// Mean of the corners of a piece's triangles.
glm::vec3 pieceCentre(const MeshModel& model, int piece);

// The model with each piece moved by motion(piece, t) and lifted onto the
// floor where it would reach below it.
MeshModel posed(const MeshModel& rest, float t, const PieceMotion& motion, float floorY);

// Rotation about a pivot followed by a translation.
glm::mat4 rigid(glm::vec3 pivot, glm::vec3 axis, float angle, glm::vec3 offset);

// 0..1 easing: fast start, gentle stop.
float easeOut(float t);

} // namespace decor
