#include "scene/rm/frame.h"

#include <algorithm>
#include <glm/gtc/matrix_transform.hpp>

namespace rm {

namespace {

const glm::mat4 identity(1.0f);

glm::mat3 rotationOf(const Frame* frame) {
    return frame ? frame->worldRotation() : glm::mat3(1.0f);
}

template <typename T> bool eraseShared(std::vector<std::shared_ptr<T>>& list, const T* item) {
    auto it = std::find_if(list.begin(), list.end(), [item](const auto& p) { return p.get() == item; });
    if (it == list.end())
        return false;
    list.erase(it);
    return true;
}

} // namespace

bool orientationMatrix(Vector direction, Vector up, glm::mat3& out) {
    if (glm::length(direction) < 1e-12f)
        return false;
    Vector z = glm::normalize(direction);
    Vector y = up - z * glm::dot(up, z); // up projected perpendicular to the direction
    if (glm::length(y) < 1e-6f * std::max(1.0f, glm::length(up)))
        return false;
    y = glm::normalize(y);
    // In a left-handed system x = y × z still evaluates with the usual formula.
    Vector x = glm::cross(y, z);
    out = glm::mat3(x, y, z);
    return true;
}

glm::mat3 rotationMatrix(Vector axis, float theta) {
    if (glm::length(axis) < 1e-12f)
        return glm::mat3(1.0f);
    // glm's rotation for column vectors equals the interface's left-handed
    // rotation for row vectors: clockwise looking toward the origin.
    return glm::mat3(glm::rotate(identity, theta, glm::normalize(axis)));
}

Frame::~Frame() {
    for (auto& child : children_)
        child->parent_ = nullptr;
}

std::shared_ptr<Frame> Frame::create(const std::shared_ptr<Frame>& parent) {
    auto frame = std::make_shared<Frame>();
    if (parent)
        parent->AddChild(frame);
    return frame;
}

const Frame* Frame::GetScene() const {
    const Frame* frame = this;
    while (frame->parent_)
        frame = frame->parent_;
    return frame;
}

void Frame::AddChild(const std::shared_ptr<Frame>& child) {
    if (!child || child.get() == this || child->parent_ == this)
        return;
    auto keep = child; // the old parent may hold the last reference
    if (child->parent_)
        child->parent_->DeleteChild(child.get());
    child->parent_ = this;
    children_.push_back(keep);
}

bool Frame::DeleteChild(const Frame* child) {
    auto it =
        std::find_if(children_.begin(), children_.end(), [child](const auto& p) { return p.get() == child; });
    if (it == children_.end())
        return false;
    (*it)->parent_ = nullptr;
    children_.erase(it);
    return true;
}

void Frame::AddVisual(const std::shared_ptr<Visual>& visual) {
    if (visual)
        visuals_.push_back(visual);
}

bool Frame::DeleteVisual(const Visual* visual) {
    return eraseShared(visuals_, visual);
}

void Frame::AddLight(const std::shared_ptr<Light>& light) {
    if (light)
        lights_.push_back(light);
}

bool Frame::DeleteLight(const Light* light) {
    return eraseShared(lights_, light);
}

glm::mat4 Frame::localMatrix() const {
    glm::mat4 m(rotation_);
    m[3] = glm::vec4(position_, 1.0f);
    return m;
}

glm::mat4 Frame::worldMatrix() const {
    glm::mat4 m = localMatrix();
    for (const Frame* p = parent_; p; p = p->parent_)
        m = p->localMatrix() * m;
    return m;
}

glm::mat3 Frame::worldRotation() const {
    glm::mat3 m = rotation_;
    for (const Frame* p = parent_; p; p = p->parent_)
        m = p->rotation_ * m;
    return m;
}

Vector Frame::Transform(Vector local) const {
    return Vector(worldMatrix() * glm::vec4(local, 1.0f));
}

Vector Frame::InverseTransform(Vector world) const {
    return Vector(glm::inverse(worldMatrix()) * glm::vec4(world, 1.0f));
}

void Frame::SetPosition(const Frame* reference, Vector position) {
    Vector world = reference ? reference->Transform(position) : position;
    position_ = parent_ ? parent_->InverseTransform(world) : world;
}

Vector Frame::GetPosition(const Frame* reference) const {
    Vector world = parent_ ? parent_->Transform(position_) : position_;
    return reference ? reference->InverseTransform(world) : world;
}

void Frame::setWorldRotation(const glm::mat3& world) {
    rotation_ = parent_ ? glm::transpose(parent_->worldRotation()) * world : world;
}

void Frame::SetOrientation(const Frame* reference, Vector direction, Vector up) {
    glm::mat3 axes;
    if (!orientationMatrix(direction, up, axes))
        return;
    setWorldRotation(rotationOf(reference) * axes);
}

void Frame::GetOrientation(const Frame* reference, Vector& direction, Vector& up) const {
    glm::mat3 relative = glm::transpose(rotationOf(reference)) * worldRotation();
    direction = relative[2];
    up = relative[1];
}

void Frame::AddRotation(CombineType combine, Vector axis, float theta) {
    glm::mat3 r = rotationMatrix(axis, theta);
    switch (combine) {
    case CombineType::Replace:
        rotation_ = r;
        position_ = Vector(0.0f);
        break;
    case CombineType::Before:
        rotation_ = rotation_ * r;
        break;
    case CombineType::After:
        rotation_ = r * rotation_;
        position_ = r * position_;
        break;
    }
}

void Frame::AddTranslation(CombineType combine, Vector offset) {
    switch (combine) {
    case CombineType::Replace:
        rotation_ = glm::mat3(1.0f);
        position_ = offset;
        break;
    case CombineType::Before:
        position_ += rotation_ * offset;
        break;
    case CombineType::After:
        position_ += offset;
        break;
    }
}

void Frame::LookAt(const Frame& target, const Frame* reference, Constraint constraint) {
    Vector from = GetPosition(nullptr);
    Vector direction = target.GetPosition(nullptr) - from;
    glm::mat3 referenceAxes = rotationOf(reference);
    Vector up;
    switch (constraint) {
    case Constraint::ConstrainZ:
        up = referenceAxes[1];
        break;
    case Constraint::ConstrainY:
    case Constraint::ConstrainX:
        up = worldRotation()[1];
        break;
    }
    glm::mat3 axes;
    if (!orientationMatrix(direction, up, axes) && !orientationMatrix(direction, referenceAxes[2], axes))
        return;
    setWorldRotation(axes);
}

void Frame::SetRotation(const Frame* reference, Vector axis, float theta) {
    Vector world = rotationOf(reference) * axis;
    spinAxis_ = parent_ ? glm::transpose(parent_->worldRotation()) * world : world;
    spinRate_ = theta;
}

void Frame::SetVelocity(const Frame* reference, Vector velocity) {
    Vector world = rotationOf(reference) * velocity;
    velocity_ = parent_ ? glm::transpose(parent_->worldRotation()) * world : world;
}

void Frame::Move(float delta) {
    if (spinRate_ != 0.0f)
        rotation_ = rotationMatrix(spinAxis_, spinRate_ * delta) * rotation_;
    position_ += velocity_ * delta;
    for (auto& child : children_)
        child->Move(delta);
}

} // namespace rm
