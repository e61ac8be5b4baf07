#include "scene/rm/visual.h"

namespace rm {

Box boxOf(const std::vector<MeshGroup>& groups) {
    Box box;
    bool first = true;
    for (const MeshGroup& group : groups) {
        for (const Vertex& vertex : group.vertices) {
            if (first) {
                box.min = box.max = vertex.position;
                first = false;
            } else {
                box.min = glm::min(box.min, vertex.position);
                box.max = glm::max(box.max, vertex.position);
            }
        }
    }
    return box;
}

Box Visual::GetBox() const {
    return boxOf(groups_);
}

} // namespace rm
