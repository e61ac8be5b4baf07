#include "scene/rm/searchpath.h"

#include <algorithm>
#include <filesystem>
#include <mutex>

namespace rm {

namespace {

std::mutex& lock() {
    static std::mutex m;
    return m;
}

std::vector<std::string>& folders() {
    static std::vector<std::string> list;
    return list;
}

bool isFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

} // namespace

void SetSearchPath(const std::string& list) {
    std::lock_guard guard(lock());
    folders().clear();
    std::string current;
    for (char c : list + ";") {
        if (c == ';' || c == ':') {
            if (!current.empty())
                folders().push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
}

void AddSearchPath(const std::string& folder) {
    std::lock_guard guard(lock());
    if (!folder.empty())
        folders().push_back(folder);
}

std::vector<std::string> GetSearchPath() {
    std::lock_guard guard(lock());
    return folders();
}

std::string findMeshResource(const std::string& name, const std::string& meshFolder) {
    if (name.empty())
        return {};
    std::string relative = name;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    std::filesystem::path given(relative);
    if (given.is_absolute())
        return isFile(given) ? given.string() : std::string();
    std::vector<std::filesystem::path> candidates{std::filesystem::path(meshFolder) / given};
    for (const std::string& folder : GetSearchPath())
        candidates.push_back(std::filesystem::path(folder) / given);
    for (const auto& candidate : candidates) {
        if (isFile(candidate))
            return candidate.lexically_normal().string();
    }
    return {};
}

} // namespace rm
