#include "scene/rm/viewport.h"

#include <algorithm>
#include <cmath>

namespace rm {

namespace {

struct Ray {
    Vector origin;
    Vector direction;
};

// Möller–Trumbore; front faces only (clockwise seen from the ray's origin in
// left-handed coordinates), as the renderer culls the others.
bool intersect(const Ray& ray, const Vector& a, const Vector& b, const Vector& c, float& distance) {
    const Vector e1 = b - a, e2 = c - a;
    const Vector normal = glm::cross(e1, e2); // points toward a viewer who sees a, b, c clockwise
    if (glm::dot(normal, ray.direction) >= 0.0f)
        return false;
    const Vector p = glm::cross(ray.direction, e2);
    const float det = glm::dot(e1, p);
    if (std::fabs(det) < 1e-12f)
        return false;
    const float inv = 1.0f / det;
    const Vector s = ray.origin - a;
    const float u = glm::dot(s, p) * inv;
    if (u < 0.0f || u > 1.0f)
        return false;
    const Vector q = glm::cross(s, e1);
    const float v = glm::dot(ray.direction, q) * inv;
    if (v < 0.0f || u + v > 1.0f)
        return false;
    distance = glm::dot(e2, q) * inv;
    return distance > 0.0f;
}

struct Picker {
    const Viewport& viewport;
    Ray worldRay;
    std::vector<std::shared_ptr<Frame>> path;
    std::vector<std::pair<float, PickHit>> hits;

    void visit(const std::shared_ptr<Frame>& frame) {
        path.push_back(frame);
        const glm::mat4 toLocal = glm::inverse(frame->worldMatrix());
        const glm::mat4 toWorld = frame->worldMatrix();
        Ray local{Vector(toLocal * glm::vec4(worldRay.origin, 1.0f)),
                  Vector(toLocal * glm::vec4(worldRay.direction, 0.0f))};
        for (const auto& visual : frame->visuals()) {
            float best = INFINITY;
            PickHit hit;
            const auto& groups = visual->groups();
            for (std::size_t g = 0; g < groups.size(); ++g) {
                const MeshGroup& group = groups[g];
                for (std::size_t f = 0; f + 2 < group.indices.size(); f += 3) {
                    float distance;
                    if (intersect(local, group.vertices[group.indices[f]].position,
                                  group.vertices[group.indices[f + 1]].position,
                                  group.vertices[group.indices[f + 2]].position, distance) &&
                        distance < best) {
                        best = distance;
                        hit.group = static_cast<int>(g);
                        hit.face = static_cast<int>(f / 3);
                    }
                }
            }
            if (best == INFINITY)
                continue;
            Vector world = Vector(toWorld * glm::vec4(local.origin + local.direction * best, 1.0f));
            Vector camera = Vector(viewport.viewMatrix() * glm::vec4(world, 1.0f));
            if (camera.z < viewport.GetFront() || camera.z > viewport.GetBack())
                continue;
            hit.visual = visual;
            hit.frames = path;
            hit.position = viewport.project(camera);
            hits.emplace_back(camera.z, std::move(hit));
        }
        for (const auto& child : frame->children())
            visit(child);
        path.pop_back();
    }
};

} // namespace

Viewport::Viewport(std::shared_ptr<Frame> camera, int width, int height)
    : camera_(std::move(camera)), width_(width), height_(height) {}

bool Viewport::SetField(float field) {
    if (!(field > 0.0f))
        return false;
    field_ = field;
    return true;
}

bool Viewport::SetFront(float front) {
    if (!(front > 0.0f))
        return false;
    front_ = front;
    return true;
}

bool Viewport::SetBack(float back) {
    if (!(back > 0.0f))
        return false;
    back_ = back;
    return true;
}

float Viewport::scale() const {
    return front_ / field_ * static_cast<float>(std::max(width_, height_)) / 2.0f;
}

glm::mat4 Viewport::viewMatrix() const {
    return camera_ ? glm::inverse(camera_->worldMatrix()) : glm::mat4(1.0f);
}

Vector Viewport::project(Vector c) const {
    const float depth = back_ * (c.z - front_) / ((back_ - front_) * c.z);
    return Vector(width_ / 2.0f + c.x / c.z * scale(), height_ / 2.0f - c.y / c.z * scale(), depth);
}

glm::vec4 Viewport::Transform(Vector world) const {
    const Vector c = Vector(viewMatrix() * glm::vec4(world, 1.0f));
    const Vector s = project(c);
    return glm::vec4(s * c.z, c.z);
}

Vector Viewport::InverseTransform(const glm::vec4& screen) const {
    const float w = screen.w != 0.0f ? screen.w : 1.0f;
    const Vector s = Vector(screen) / w;
    const float z = front_ * back_ / (back_ - s.z * (back_ - front_));
    const Vector camera((s.x - width_ / 2.0f) * z / scale(), (height_ / 2.0f - s.y) * z / scale(), z);
    return camera_ ? camera_->Transform(camera) : camera;
}

std::vector<PickHit> Viewport::Pick(int x, int y) const {
    if (!camera_ || x < 0 || y < 0 || x >= width_ || y >= height_)
        return {};
    const float sx = x + 0.5f, sy = y + 0.5f;
    const Vector onFront((sx - width_ / 2.0f) * front_ / scale(), (height_ / 2.0f - sy) * front_ / scale(),
                         front_);
    const glm::mat4 toWorld = camera_->worldMatrix();
    Ray ray{Vector(toWorld * glm::vec4(0, 0, 0, 1)),
            glm::normalize(Vector(toWorld * glm::vec4(onFront, 0.0f)))};
    Picker picker{*this, ray, {}, {}};
    // Start from the root of the camera's scene.
    const Frame* root = camera_->GetScene();
    std::shared_ptr<Frame> rootShared = const_cast<Frame*>(root)->shared_from_this();
    picker.visit(rootShared);
    std::stable_sort(picker.hits.begin(), picker.hits.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<PickHit> result;
    for (auto& [depth, hit] : picker.hits)
        result.push_back(std::move(hit));
    return result;
}

} // namespace rm
