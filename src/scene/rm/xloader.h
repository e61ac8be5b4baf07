#pragma once
// Reading DirectX .x mesh files (text and binary) into mesh groups.
#include "scene/rm/visual.h"

#include <string>
#include <vector>

namespace rm {

// The faces of every mesh in the file, in file coordinates (left-handed, the
// frame transforms of the file applied), grouped by material: one group per
// material in the order the materials are first used. Vertices are not joined:
// each face corner is one vertex, in file order, so files of the same topology
// give groups of the same sizes. Returns false (and no groups) when the file
// can't be read; `error` then says why.
bool loadXFile(const std::string& path, std::vector<MeshGroup>& groups, std::string* error = nullptr);

} // namespace rm
