#pragma once
// DetailLevels: coarser triangle lists over a mesh group's own vertices, for
// drawing it when it is small on the screen. Each level has about half the
// triangles of the one before and knows how far (in the mesh's units) its
// surface may stray from the full one; a renderer that knows how many pixels a
// unit covers picks the coarsest level whose error stays under a pixel
// budget. The vertices are not touched, so morphing (which moves vertices)
// and textures work at every level; the group's open borders (where it meets
// the other groups of its mesh) are kept as they are, so no cracks open.
//
//   gl::DetailLevels levels = gl::DetailLevels::build(group.vertices, group.indices);
//   upload(levels.indices());                            // every level, the full one first
//   const gl::DetailLevel& level = levels.levels()[gl::chooseLevel(levels.levels(), pixelsPerUnit, 0.5f)];
//   glDrawElements(GL_TRIANGLES, level.count, GL_UNSIGNED_INT, offset(level.first));
#include "scene/rm/visual.h"

#include <cstddef>
#include <vector>

namespace gl {

struct DetailLevel {
    std::size_t first = 0; // where the level's indices start in DetailLevels::indices()
    std::size_t count = 0; // its number of indices
    float error = 0;       // the farthest its surface strays from the full one, in mesh units
};

class DetailLevels {
public:
    // Levels for the triangles indices (three per triangle) over vertices. A
    // mesh too small to simplify, or one the simplifier cannot reduce, has
    // the full level only.
    static DetailLevels build(const std::vector<rm::Vertex>& vertices, const std::vector<unsigned>& indices);

    // Every level's indices, one after the other; the full list first, as given.
    const std::vector<unsigned>& indices() const { return indices_; }
    // From full (error 0) to coarsest, with growing errors.
    const std::vector<DetailLevel>& levels() const { return levels_; }

private:
    std::vector<unsigned> indices_;
    std::vector<DetailLevel> levels_;
};

// The coarsest of levels (from full to coarsest) whose error, at pixelsPerUnit
// screen pixels per mesh unit, is at most maxPixels; 0 (the full level) when
// none is.
std::size_t chooseLevel(const std::vector<DetailLevel>& levels, float pixelsPerUnit, float maxPixels);

} // namespace gl
