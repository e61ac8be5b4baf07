#pragma once
// The folders where textures named by mesh files are looked for, after the
// mesh file's own folder. One list for the process, as the retained-mode
// object's SetSearchPath has it.
#include <string>
#include <vector>

namespace rm {

// Replaces the list; folders separated by ':' or ';'.
void SetSearchPath(const std::string& folders);
void AddSearchPath(const std::string& folder);
std::vector<std::string> GetSearchPath();
// The full path of a file named by a mesh file: tried as given, beside the mesh
// file, then in each search folder ('\' in names counts as '/'). Empty when
// it is nowhere.
std::string findMeshResource(const std::string& name, const std::string& meshFolder);

} // namespace rm
