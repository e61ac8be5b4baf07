#pragma once
// A light, added to a frame with Frame::AddLight. A point light shines from the
// frame's origin in all directions; a directional light along the frame's z
// axis; an ambient light lights every face evenly. Lights affect the whole
// scene the frame belongs to.
//
//   auto light = rm::Light::create(rm::LightType::Point, 0.9f, 0.9f, 0.9f);
//   lightFrame->AddLight(light);
#include "scene/rm/rmtypes.h"

#include <memory>

namespace rm {

enum class LightType { Ambient, Point, Directional };

class Light {
public:
    Light(LightType type, Vector color) : type_(type), color_(color) {}
    static std::shared_ptr<Light> create(LightType type, float r, float g, float b) {
        return std::make_shared<Light>(type, Vector(r, g, b));
    }

    LightType GetType() const { return type_; }
    Vector GetColor() const { return color_; }
    void SetColorRGB(float r, float g, float b) { color_ = Vector(r, g, b); }

private:
    LightType type_;
    Vector color_;
};

} // namespace rm
