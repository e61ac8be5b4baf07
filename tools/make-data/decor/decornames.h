#pragma once
// Names of the decoration's data files, relative to the Data folder, as the
// description file writes them.
namespace decor {

inline constexpr const char* TreeMeshFile = "Mesh/Tree.x";
inline constexpr const char* MouseMeshFile = "Mesh/Mouse/Mouse*.x";
// Key meshes of the mouse's walk cycle.
int mouseKeyCount();

} // namespace decor
