#pragma once
// Device: an off-screen render target of a fixed size on an EGL device, with
// 4× multisampling by default. Clear() makes it transparent, Render() draws a scene seen
// through a viewport, Update() puts the picture into surface(): a QImage in
// Format_ARGB32_Premultiplied whose alpha is the coverage (0 where nothing was
// drawn, in between along smooth edges). Compose it over a background with
// QPainter (CompositionMode_SourceOver). The scene background colour of the
// frames is not drawn: what lies behind the scene is the caller's picture.
//
//   auto device = gl::Device::create(370, 376, std::nullopt);  // null when no GL
//   rm::Viewport viewport(camera, device->GetWidth(), device->GetHeight());
//   device->Clear();
//   device->Render(viewport, *scene);
//   device->Update();
//   painter.drawImage(0, 0, device->surface());
#include "scene/rm/frame.h"
#include "scene/rm/viewport.h"

#include <QImage>
#include <memory>
#include <optional>
#include <string>

namespace gl {

class EglContext;
class Renderer;

class Device {
public:
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;
    ~Device();

    // device: an index from EglContext::devices(), or nullopt for the default one.
    // samples: multisampling per pixel (0 = none; at most what the device offers).
    static std::unique_ptr<Device> create(int width, int height, std::optional<int> device,
                                          std::string* error = nullptr, int samples = 4);

    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }
    void SetDither(bool on) { dither_ = on; }
    bool GetDither() const { return dither_; }
    // Kept for the caller; every quality renders with per-pixel lighting.
    void SetQuality(unsigned quality) { quality_ = quality; }
    unsigned GetQuality() const { return quality_; }
    std::string renderer() const;

    void Clear();
    void Render(const rm::Viewport& viewport, const rm::Frame& scene);
    void Update();
    const QImage& surface() const { return surface_; }

private:
    Device() = default;
    bool allocate(std::string& error);

    std::shared_ptr<EglContext> context_;
    int width_ = 0;
    int height_ = 0;
    int samples_ = 4;
    unsigned multisampleFramebuffer_ = 0;
    unsigned resolveFramebuffer_ = 0;
    unsigned renderbuffers_[3] = {0, 0, 0}; // multisampled colour, depth; resolved colour
    bool dither_ = false;
    unsigned quality_ = 0;
    QImage surface_;
};

} // namespace gl
