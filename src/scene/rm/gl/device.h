#pragma once
// Device: an off-screen render target of a fixed size on an EGL device, with
// 4× multisampling by default. RenderChanges() draws a scene seen through a
// viewport into surface(): a QImage in Format_ARGB32_Premultiplied whose alpha
// is the coverage (0 where nothing was drawn, in between along smooth edges).
// Compose it over a background with QPainter (CompositionMode_SourceOver). The
// scene background colour of the frames is not drawn: what lies behind the
// scene is the caller's picture.
//
//   auto device = gl::Device::create(370, 376, std::nullopt);  // null when no GL
//   rm::Viewport viewport(camera, device->GetWidth(), device->GetHeight());
//   for (const QRect& changed : device->RenderChanges(viewport, *scene))
//       painter.drawImage(changed.topLeft(), device->surface(), changed);
//
// RenderChanges draws only what changed since its last call: nothing at all
// when nothing moved; when only some visuals changed (own animations, a toy
// added), the still part of the picture comes from a multisampled cache of
// colour and depth, and only the changed rectangles are drawn, resolved and
// read back. A changed rectangle that shows what it showed before, over the
// same still part (a looping animation in its next round), is copied from a
// picture memory instead of being drawn. Clear(), Render() and Update() draw
// the whole picture every time.
//
// While a scene moves as a whole (a turning tree) its pictures may be drawn
// quicker: SetDrawing() picks fewer samples per pixel (one of sampleCounts())
// and lets small visuals use coarser meshes. Such pictures are drawn whole;
// the first picture after going back to full quality is drawn whole too.
#include "scene/rm/frame.h"
#include "scene/rm/gl/drawlist.h"
#include "scene/rm/gl/picturememory.h"
#include "scene/rm/viewport.h"

#include <QImage>
#include <QRect>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace gl {

class EglContext;
class Renderer;

// How RenderChanges draws: samples per pixel, and how far (in pixels) a
// coarser mesh may stray from the full one (0: full meshes only).
struct Drawing {
    int samples = 4;
    float detailPixels = 0;
    bool operator==(const Drawing&) const = default;
};

// What the device has done, for benchmarks and tests.
struct DeviceStats {
    std::uint64_t renders = 0;     // pictures that changed (by RenderChanges or Update)
    std::uint64_t fullRenders = 0; // of which the whole picture was drawn
    std::uint64_t pixelsRead = 0;  // read back from the renderer into surface()
    std::uint64_t remembered = 0;  // renders whose pixels came from the picture memory
    std::uint64_t reduced = 0;     // renders drawn with fewer samples or coarser meshes
    std::uint64_t wholeStill = 0;  // renders that drew the whole still part again (not whole ones)
    std::uint64_t triangles = 0;   // sent to the renderer
    // Time spent drawing what changed (or copying it from the picture
    // memory), from the renderer's first call to the read-back.
    std::uint64_t rendererNs = 0;
    // Of which making meshes' coarser levels, once per mesh.
    std::uint64_t preparingNs = 0;
};

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
    // Kept for the caller; every quality renders with smooth (per-vertex) lighting.
    void SetQuality(unsigned quality) { quality_ = quality; }
    unsigned GetQuality() const { return quality_; }
    std::string renderer() const;

    // Brings surface() up to date with scene and returns the rectangles of it
    // that changed: none when nothing in the scene changed since the last call.
    std::vector<QRect> RenderChanges(const rm::Viewport& viewport, const rm::Frame& scene);
    // The next RenderChanges draws everything.
    void Invalidate() { havePrevious_ = false; }

    // Every sample and every triangle: what SetDrawing starts with.
    Drawing fullDrawing() const { return {samples_, 0.0f}; }
    // The sample counts pictures can be drawn with, most first: the device's
    // own count, then those of 2 and 1 that it offers.
    const std::vector<int>& sampleCounts() const { return sampleCounts_; }
    // For the next RenderChanges; a count not offered draws with the next lower one.
    void SetDrawing(const Drawing& drawing);
    const Drawing& drawing() const { return drawing_; }
    // The last picture was drawn with less than full quality.
    bool reduced() const { return havePrevious_ && drawnWith_ != fullDrawing(); }

    // The whole picture in three steps: clear, draw, read back.
    void Clear();
    void Render(const rm::Viewport& viewport, const rm::Frame& scene);
    void Update();

    const QImage& surface() const { return surface_; }
    const DeviceStats& stats() const { return stats_; }

private:
    Device() = default;
    bool allocate(std::string& error);
    void clearBound(const QRect& area);
    // Copies the cache's colour and depth into the picture being drawn.
    void restoreFromCache(const QRect& area);
    // Resolves areas of the framebuffer (multisampled, or read as it is) into surface().
    void resolveAndRead(const std::vector<QRect>& areas, unsigned framebuffer, bool multisampled);
    void resolveAndRead(const std::vector<QRect>& areas) {
        resolveAndRead(areas, multisampleFramebuffer_, true);
    }
    // The whole picture with fewer samples or coarser meshes.
    void renderReduced(const rm::Viewport& viewport, const rm::Frame& scene, DrawList& now);
    void probeSampleCounts();
    // The picture memory's key of each damaged rectangle: what moved there, and how.
    std::vector<PictureMemory::Key> keysOf(const DrawList& now, const std::vector<QRect>& damage);
    // Ends a render that changed the picture: now becomes the scene as last drawn.
    void finishRender(Renderer& renderer, DrawList&& now);
    std::uint64_t contentOf(const std::shared_ptr<rm::Visual>& visual);

    std::shared_ptr<EglContext> context_;
    int width_ = 0;
    int height_ = 0;
    int samples_ = 4;
    unsigned multisampleFramebuffer_ = 0;
    unsigned cacheFramebuffer_ = 0;
    unsigned resolveFramebuffer_ = 0;
    // Multisampled colour and depth; the cache's colour and depth; resolved colour.
    unsigned renderbuffers_[5] = {0, 0, 0, 0, 0};
    // Colour and depth buffers for fewer samples than samples_, made when first used.
    struct Target {
        int samples = 0;
        unsigned framebuffer = 0;
        unsigned renderbuffers[2] = {0, 0};
    };
    Target& target(int samples);
    std::vector<Target> targets_;
    std::vector<int> sampleCounts_;
    Drawing drawing_;
    Drawing drawnWith_;
    bool dither_ = false;
    unsigned quality_ = 0;
    QImage surface_;
    DeviceStats stats_;
    // The renderer's count, and the time, when the current render began.
    std::uint64_t trianglesBefore_ = 0;
    std::uint64_t preparingBefore_ = 0;
    std::chrono::steady_clock::time_point renderStart_;

    // The scene as last drawn, and where the cache of its still part is out of date.
    DrawList previous_;
    bool havePrevious_ = false;
    BoxCache boxes_;
    std::vector<QRect> staleCache_;
    bool cacheAllStale_ = true;
    // Rectangles drawn over the current still part, and the contents of the
    // visuals that moved in them.
    PictureMemory memory_;
    struct Content {
        std::weak_ptr<rm::Visual> owner;
        std::uint64_t revision = 0;
        std::uint64_t hash = 0;
    };
    std::unordered_map<const rm::Visual*, Content> contents_;
};

} // namespace gl
