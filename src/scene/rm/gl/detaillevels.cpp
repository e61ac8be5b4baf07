#include "scene/rm/gl/detaillevels.h"

// meshoptimizer (Debian's libmeshoptimizer) simplifies by edge collapses under
// a quadric error metric and reports the error it caused: a well-kept,
// measured implementation of what a level of detail needs, which keeps the
// index lists over the same vertices and can lock a group's borders.
#include <meshoptimizer.h>

#include <cmath>

namespace gl {

namespace {

// Below this a mesh is not worth simplifying: a level saves too little.
constexpr std::size_t FewestTriangles = 32;
// A level must drop at least this share of its predecessor's triangles.
constexpr double LeastSaving = 0.2;
// Beyond this deformation (as a share of the mesh's size) a level is no
// likeness of the mesh at any size worth drawing.
constexpr float LargestRelativeError = 0.25f;

} // namespace

DetailLevels DetailLevels::build(const std::vector<rm::Vertex>& vertices,
                                 const std::vector<unsigned>& indices) {
    DetailLevels result;
    result.indices_ = indices;
    result.levels_.push_back({0, indices.size(), 0.0f});
    const std::size_t triangles = indices.size() / 3;
    if (triangles < FewestTriangles || indices.size() % 3 != 0 || vertices.empty())
        return result;
    for (unsigned index : indices) {
        if (index >= vertices.size())
            return result; // broken lists are drawn as they are
    }
    const auto* positions = reinterpret_cast<const float*>(vertices.data());
    static_assert(offsetof(rm::Vertex, position) == 0);
    const float scale = meshopt_simplifyScale(positions, vertices.size(), sizeof(rm::Vertex));
    if (!(scale > 0) || !std::isfinite(scale))
        return result;
    std::vector<unsigned> level(indices.size());
    std::size_t previous = indices.size();
    for (std::size_t target = indices.size() / 2; target >= FewestTriangles * 3 / 2; target /= 2) {
        float relativeError = 0;
        const std::size_t count = meshopt_simplify(
            level.data(), indices.data(), indices.size(), positions, vertices.size(), sizeof(rm::Vertex),
            target - target % 3, LargestRelativeError, meshopt_SimplifyLockBorder, &relativeError);
        if (count == 0 || static_cast<double>(count) > static_cast<double>(previous) * (1 - LeastSaving))
            break; // the borders or the error limit hold it: coarser targets give no more
        result.levels_.push_back({result.indices_.size(), count, relativeError * scale});
        result.indices_.insert(result.indices_.end(), level.begin(),
                               level.begin() + static_cast<long>(count));
        previous = count;
    }
    return result;
}

std::size_t chooseLevel(const std::vector<DetailLevel>& levels, float pixelsPerUnit, float maxPixels) {
    std::size_t chosen = 0;
    for (std::size_t i = 1; i < levels.size(); ++i) {
        if (levels[i].error * pixelsPerUnit <= maxPixels)
            chosen = i;
        else
            break;
    }
    return chosen;
}

} // namespace gl
