#pragma once
// Viewport: the camera's projection onto a width × height device, and picking.
// Perspective as the retained-mode interface defines it: the viewport spans
// ±field on the front clipping plane (at distance front) along the device's
// larger side, so a camera-space point (x, y, z) lands on the screen at
//   sx = width / 2 + x / z × front / field × max(width, height) / 2
//   sy = height / 2 − y / z × front / field × max(width, height) / 2
// with the depth 0 at the front plane and 1 at the back plane. Pixel (i, j)
// covers screen coordinates i .. i + 1, j .. j + 1; picks go through its centre.
//
//   rm::Viewport viewport(cameraFrame, 370, 376);  // field 0.5, front 1, back 100
//   viewport.SetBack(5000);
//   for (const rm::PickHit& hit : viewport.Pick(x, y)) { ... }  // nearest first
//   rm::Vector world = viewport.InverseTransform({hit.position, 1.0f});
#include "scene/rm/frame.h"

#include <glm/glm.hpp>
#include <memory>
#include <vector>

namespace rm {

struct PickHit {
    std::shared_ptr<Visual> visual;
    // From the root down to the frame that holds the visual (last).
    std::vector<std::shared_ptr<Frame>> frames;
    int group = -1;
    int face = -1;
    // Screen x, screen y and depth of the hit point.
    Vector position{0.0f};
};

class Viewport {
public:
    Viewport(std::shared_ptr<Frame> camera, int width, int height);

    const std::shared_ptr<Frame>& GetCamera() const { return camera_; }
    void SetCamera(std::shared_ptr<Frame> camera) { camera_ = std::move(camera); }
    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }
    float GetField() const { return field_; }
    bool SetField(float field);
    float GetFront() const { return front_; }
    bool SetFront(float front);
    float GetBack() const { return back_; }
    bool SetBack(float back);

    // World → camera coordinates (column vectors).
    glm::mat4 viewMatrix() const;
    // Camera point → screen (x, y, depth).
    Vector project(Vector camera) const;
    // World → screen as a homogeneous vector: (sx × w, sy × w, depth × w, w), w = camera z.
    glm::vec4 Transform(Vector world) const;
    // Screen (x / w, y / w, depth / w) → world.
    Vector InverseTransform(const glm::vec4& screen) const;
    // The visuals under pixel (x, y) of the camera's scene, nearest first, one
    // entry per frame and visual (its nearest face).
    std::vector<PickHit> Pick(int x, int y) const;

private:
    // Screen units per unit of x / z.
    float scale() const;

    std::shared_ptr<Frame> camera_;
    int width_;
    int height_;
    float field_ = 0.5f;
    float front_ = 1.0f;
    float back_ = 100.0f;
};

} // namespace rm
