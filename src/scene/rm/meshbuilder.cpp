#include "scene/rm/meshbuilder.h"

#include "scene/rm/frame.h"
#include "scene/rm/xloader.h"

#include <cmath>

namespace rm {

namespace {

void addFrameTree(MeshBuilder& builder, const Frame& frame, const glm::mat4& toTarget) {
    for (const auto& visual : frame.visuals()) {
        if (visual.get() != &builder)
            builder.AddVisual(*visual, toTarget);
    }
    for (const auto& child : frame.children())
        addFrameTree(builder, *child, toTarget * child->localMatrix());
}

} // namespace

bool MeshBuilder::Load(const std::string& path) {
    error_.clear();
    bool ok = loadXFile(path, groups_, &error_);
    touch();
    return ok;
}

void MeshBuilder::Scale(float sx, float sy, float sz) {
    const Vector scale(sx, sy, sz);
    for (MeshGroup& group : groups_) {
        for (Vertex& vertex : group.vertices) {
            vertex.position *= scale;
            // Normals follow the inverse scale so they stay perpendicular to the faces.
            Vector n = vertex.normal / scale;
            float length = glm::length(n);
            if (length > 0.0f && std::isfinite(length))
                vertex.normal = n / length;
        }
    }
    touch();
}

void MeshBuilder::Translate(float tx, float ty, float tz) {
    const Vector offset(tx, ty, tz);
    for (MeshGroup& group : groups_) {
        for (Vertex& vertex : group.vertices)
            vertex.position += offset;
    }
    touch();
}

void MeshBuilder::AddFrame(const Frame& frame) {
    addFrameTree(*this, frame, glm::mat4(1.0f));
    touch();
}

void MeshBuilder::AddVisual(const Visual& visual, const glm::mat4& transform) {
    const glm::mat3 normalTransform = glm::transpose(glm::inverse(glm::mat3(transform)));
    for (MeshGroup group : visual.groups()) {
        for (Vertex& vertex : group.vertices) {
            vertex.position = Vector(transform * glm::vec4(vertex.position, 1.0f));
            Vector n = normalTransform * vertex.normal;
            if (glm::length(n) > 0.0f)
                vertex.normal = glm::normalize(n);
        }
        groups_.push_back(std::move(group));
    }
    touch();
}

std::shared_ptr<Mesh> MeshBuilder::CreateMesh() const {
    return Mesh::create(groups_);
}

void MeshBuilder::SetColor(Color color) {
    for (MeshGroup& group : groups_) {
        group.color = color;
        group.useVertexColors = false;
    }
    touch();
}

} // namespace rm
