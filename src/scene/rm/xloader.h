#pragma once
// Reading DirectX .x mesh files (text, binary and compressed) into mesh groups.
#include "scene/rm/visual.h"

#include <cstddef>
#include <string>
#include <vector>

namespace rm {

// The faces of every mesh in the file, in file coordinates (left-handed, the
// frame transforms of the file applied), grouped by material: one group per
// material in the order the materials are first used. Vertices are not joined:
// each face corner is one vertex, in file order, so files of the same topology
// give groups of the same sizes. Polygons are split into fans of triangles;
// meshes without normals get smooth ones. Returns false (and no groups) when
// the file can't be read or is damaged anywhere; `error` then says why.
bool loadXFile(const std::string& path, std::vector<MeshGroup>& groups, std::string* error = nullptr);

// The same for the bytes of a file; textures are looked for from folder.
bool loadXData(const std::string& data, const std::string& folder, std::vector<MeshGroup>& groups,
               std::string* error = nullptr);

// The largest .x file read: far above any model the program shows.
constexpr std::size_t MaxXFileSize = 256u << 20;

} // namespace rm
