#pragma once
// Frame: a node of the scene tree with a position and orientation relative to
// its parent, holding visuals, lights and child frames. A frame made with a
// parent is that parent's child at once; the parent holds one reference, the
// caller another. Positions and orientations are read and set relative to a
// reference frame; a null reference means the world (the root's coordinates).
//
//   auto scene = rm::Frame::create();
//   auto tree = rm::Frame::create(scene);
//   auto camera = rm::Frame::create(scene);
//   camera->SetPosition(scene.get(), {0, 0, 100});
//   camera->LookAt(*tree, scene.get(), rm::Constraint::ConstrainZ);
//   tree->AddVisual(mesh);
//   tree->AddRotation(rm::CombineType::After, {0, 1, 0}, 0.1f); // clockwise seen from above
//
// Conventions (those of the retained-mode interface): left-handed, y up; a
// rotation by a positive angle turns clockwise when looking along the axis
// toward the origin; SetOrientation makes the z axis point along `direction`
// and the y axis along `up` projected perpendicular to it.
#include "scene/rm/light.h"
#include "scene/rm/visual.h"

#include <glm/gtc/quaternion.hpp>
#include <memory>
#include <vector>

namespace rm {

// Something that takes a placement: a frame, or a frame interpolator that
// records the placement as a key.
class Placeable {
public:
    virtual ~Placeable() = default;
    virtual void SetPosition(const class Frame* reference, Vector position) = 0;
    virtual void SetOrientation(const class Frame* reference, Vector direction, Vector up) = 0;
};

class Frame : public Placeable, public std::enable_shared_from_this<Frame> {
public:
    Frame() = default;
    Frame(const Frame&) = delete;
    Frame& operator=(const Frame&) = delete;
    ~Frame() override;

    static std::shared_ptr<Frame> create(const std::shared_ptr<Frame>& parent = nullptr);

    Frame* GetParent() const { return parent_; }
    // The root of the tree this frame is in.
    const Frame* GetScene() const;
    // Makes child a child of this frame (taking it from its former parent),
    // keeping its transform relative to the parent.
    void AddChild(const std::shared_ptr<Frame>& child);
    bool DeleteChild(const Frame* child);
    const std::vector<std::shared_ptr<Frame>>& children() const { return children_; }

    void AddVisual(const std::shared_ptr<Visual>& visual);
    bool DeleteVisual(const Visual* visual);
    const std::vector<std::shared_ptr<Visual>>& visuals() const { return visuals_; }
    void AddLight(const std::shared_ptr<Light>& light);
    bool DeleteLight(const Light* light);
    const std::vector<std::shared_ptr<Light>>& lights() const { return lights_; }

    void SetPosition(const Frame* reference, Vector position) override;
    Vector GetPosition(const Frame* reference) const;
    // Fails (returns without change) when up is parallel to direction or either is zero.
    void SetOrientation(const Frame* reference, Vector direction, Vector up) override;
    void GetOrientation(const Frame* reference, Vector& direction, Vector& up) const;
    // Rotation by theta radians about axis (in the parent's coordinates for
    // After, in the frame's own for Before; Replace sets the rotation and
    // clears the position).
    void AddRotation(CombineType combine, Vector axis, float theta);
    void AddTranslation(CombineType combine, Vector offset);
    // Turns the frame so that its z axis points at target's origin; with
    // ConstrainZ the frame keeps its y axis as close to the reference frame's y
    // axis as possible (no roll).
    void LookAt(const Frame& target, const Frame* reference, Constraint constraint);
    // Continuous motion: per unit of Move's delta, turn by theta about axis
    // (relative to reference) and move by velocity.
    void SetRotation(const Frame* reference, Vector axis, float theta);
    void SetVelocity(const Frame* reference, Vector velocity);
    // Applies the motion of this frame and all frames below it, delta units long.
    void Move(float delta);

    // Local (this frame's) coordinates to world coordinates and back.
    Vector Transform(Vector local) const;
    Vector InverseTransform(Vector world) const;
    // Transform from this frame's coordinates to world (column vectors).
    glm::mat4 worldMatrix() const;
    // Transform from this frame's coordinates to its parent's.
    glm::mat4 localMatrix() const;
    // The rotation part of worldMatrix().
    glm::mat3 worldRotation() const;

    void SetSceneBackgroundRGB(float r, float g, float b) { background_ = Vector(r, g, b); }
    Vector GetSceneBackground() const { return background_; }

private:
    void setWorldRotation(const glm::mat3& world);

    Frame* parent_ = nullptr;
    std::vector<std::shared_ptr<Frame>> children_;
    std::vector<std::shared_ptr<Visual>> visuals_;
    std::vector<std::shared_ptr<Light>> lights_;
    glm::mat3 rotation_{1.0f}; // columns: the frame's x, y, z axes in parent coordinates
    Vector position_{0.0f};
    Vector background_{0.0f};
    Vector spinAxis_{0.0f, 1.0f, 0.0f};
    float spinRate_ = 0.0f;
    Vector velocity_{0.0f};
};

// The rotation matrix (columns x, y, z axes) from a direction and an up vector;
// false when they are parallel or zero.
bool orientationMatrix(Vector direction, Vector up, glm::mat3& out);
// Rotation by theta radians about axis in the interface's sense.
glm::mat3 rotationMatrix(Vector axis, float theta);

} // namespace rm
