// Any bytes as a .x file: loading must fail cleanly or give sound groups.
#include "scene/rm/xloader.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<rm::MeshGroup> groups;
    std::string error;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (!rm::loadXData(bytes, "/nonexistent", groups, &error)) {
        if (!groups.empty() || error.empty())
            std::abort();
        return 0;
    }
    for (const auto& group : groups) {
        if (group.indices.size() % 3 != 0)
            std::abort();
        for (unsigned index : group.indices)
            if (index >= group.vertices.size())
                std::abort();
        for (const auto& vertex : group.vertices)
            if (!std::isfinite(vertex.position.x) || !std::isfinite(vertex.position.y) ||
                !std::isfinite(vertex.position.z))
                std::abort();
    }
    return 0;
}
