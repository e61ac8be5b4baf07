#include "scene/rm/gl/device.h"

#include "scene/rm/gl/eglcontext.h"
#include "scene/rm/gl/glrenderer.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <chrono>
#include <glm/gtc/type_ptr.hpp>
#include <string_view>

namespace gl {

namespace {

// Mixes value into seed (boost's combination, then MurmurHash3's finaliser).
std::uint64_t mix(std::uint64_t seed, std::uint64_t value) {
    std::uint64_t h = seed ^ (value + 0x9E3779B97F4A7C15ULL + (seed << 6) + (seed >> 2));
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDULL;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ULL;
    h ^= h >> 33;
    return h;
}

std::uint64_t hashOf(const void* data, std::size_t size) {
    return std::hash<std::string_view>{}(std::string_view(static_cast<const char*>(data), size));
}

} // namespace

namespace {

// Beyond this share of the picture, drawing everything costs less than
// restoring and drawing the parts, unless what changed is a small part of
// the triangles (many small toys, each its own animation).
constexpr double FullRedrawShare = 0.45;
constexpr double ChangedTrianglesShare = 0.5;

std::size_t trianglesOf(const rm::Visual& visual) {
    std::size_t count = 0;
    for (const rm::MeshGroup& group : visual.groups())
        count += group.indices.size() / 3;
    return count;
}

// Whether the items that changed hold a large share of the scene's triangles.
bool mostlyChanged(const DrawList& list) {
    std::size_t changed = 0, all = 0;
    for (const DrawItem& item : list.items()) {
        const std::size_t triangles = trianglesOf(*item.visual);
        all += triangles;
        if (item.changed)
            changed += triangles;
    }
    return static_cast<double>(changed) >= ChangedTrianglesShare * static_cast<double>(all);
}

QRect bounding(const std::vector<QRect>& rects) {
    QRect all;
    for (const QRect& r : rects)
        all |= r;
    return all;
}

} // namespace

std::unique_ptr<Device> Device::create(int width, int height, std::optional<int> device, std::string* error,
                                       int samples) {
    std::string message;
    auto fail = [&]() -> std::unique_ptr<Device> {
        if (error)
            *error = message;
        return nullptr;
    };
    if (width <= 0 || height <= 0) {
        message = "device: empty size";
        return fail();
    }
    auto context = EglContext::shared(device, &message);
    if (!context)
        return fail();
    std::unique_ptr<Device> result(new Device());
    result->context_ = std::move(context);
    result->width_ = width;
    result->height_ = height;
    result->samples_ = samples;
    if (!result->allocate(message))
        return fail();
    return result;
}

bool Device::allocate(std::string& error) {
    if (!context_->makeCurrent()) {
        error = "device: can't make the context current";
        return false;
    }
    GLint maxSize = 0, maxSamples = 0;
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &maxSize);
    glGetIntegerv(GL_MAX_SAMPLES, &maxSamples);
    if (width_ > maxSize || height_ > maxSize) {
        error = "device: size beyond the renderer's limit";
        return false;
    }
    const GLsizei samples = std::clamp(samples_, 0, static_cast<int>(maxSamples));
    glGenRenderbuffers(5, renderbuffers_);
    auto storage = [&](unsigned buffer, GLsizei count, GLenum format) {
        glBindRenderbuffer(GL_RENDERBUFFER, buffer);
        glRenderbufferStorageMultisample(GL_RENDERBUFFER, count, format, width_, height_);
    };
    storage(renderbuffers_[0], samples, GL_RGBA8);
    storage(renderbuffers_[1], samples, GL_DEPTH_COMPONENT24);
    storage(renderbuffers_[2], samples, GL_RGBA8);
    storage(renderbuffers_[3], samples, GL_DEPTH_COMPONENT24);
    storage(renderbuffers_[4], 0, GL_RGBA8);

    auto framebuffer = [](unsigned& id, unsigned color, unsigned depth) {
        glGenFramebuffers(1, &id);
        glBindFramebuffer(GL_FRAMEBUFFER, id);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, color);
        if (depth)
            glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth);
        return glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    };
    const bool complete = framebuffer(multisampleFramebuffer_, renderbuffers_[0], renderbuffers_[1]) &&
                          framebuffer(cacheFramebuffer_, renderbuffers_[2], renderbuffers_[3]) &&
                          framebuffer(resolveFramebuffer_, renderbuffers_[4], 0);
    if (!complete) {
        error = "device: framebuffer incomplete";
        return false;
    }
    surface_ = QImage(width_, height_, QImage::Format_ARGB32_Premultiplied);
    surface_.fill(Qt::transparent);
    samples_ = samples;
    drawing_ = drawnWith_ = fullDrawing();
    probeSampleCounts();
    return true;
}

void Device::probeSampleCounts() {
    // A renderer may round a sample count up (llvmpipe offers 4 only): ask
    // for each and keep what it really gives, if that is fewer.
    sampleCounts_ = {samples_};
    unsigned probe = 0;
    glGenRenderbuffers(1, &probe);
    glBindRenderbuffer(GL_RENDERBUFFER, probe);
    for (int wanted : {2, 1}) {
        GLint got = 0;
        if (wanted == 1) {
            got = 1; // a buffer without multisampling
        } else {
            glRenderbufferStorageMultisample(GL_RENDERBUFFER, wanted, GL_RGBA8, 1, 1);
            glGetRenderbufferParameteriv(GL_RENDERBUFFER, GL_RENDERBUFFER_SAMPLES, &got);
        }
        if (got >= 1 && got < sampleCounts_.back())
            sampleCounts_.push_back(got);
    }
    glDeleteRenderbuffers(1, &probe);
}

Device::Target& Device::target(int samples) {
    for (Target& t : targets_) {
        if (t.samples == samples)
            return t;
    }
    Target& t = targets_.emplace_back();
    t.samples = samples;
    glGenRenderbuffers(2, t.renderbuffers);
    const GLsizei count = samples > 1 ? samples : 0;
    glBindRenderbuffer(GL_RENDERBUFFER, t.renderbuffers[0]);
    glRenderbufferStorageMultisample(GL_RENDERBUFFER, count, GL_RGBA8, width_, height_);
    glBindRenderbuffer(GL_RENDERBUFFER, t.renderbuffers[1]);
    glRenderbufferStorageMultisample(GL_RENDERBUFFER, count, GL_DEPTH_COMPONENT24, width_, height_);
    glGenFramebuffers(1, &t.framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, t.framebuffer);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, t.renderbuffers[0]);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, t.renderbuffers[1]);
    return t;
}

void Device::SetDrawing(const Drawing& drawing) {
    drawing_ = drawing;
    // The nearest count offered at or below the one asked for.
    drawing_.samples = sampleCounts_.back();
    for (int count : sampleCounts_) {
        if (count <= drawing.samples) {
            drawing_.samples = count;
            break;
        }
    }
    drawing_.detailPixels = std::max(0.0f, drawing.detailPixels);
}

void Device::renderReduced(const rm::Viewport& viewport, const rm::Frame& scene, DrawList& now) {
    Renderer& renderer = context_->state<Renderer>();
    const QRect all(0, 0, width_, height_);
    const bool ownSamples = drawing_.samples == samples_;
    const unsigned framebuffer = ownSamples ? multisampleFramebuffer_ : target(drawing_.samples).framebuffer;
    renderer.begin(viewport, scene, drawing_.detailPixels);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    clearBound(all);
    glDisable(GL_SCISSOR_TEST);
    renderer.draw(now.items());
    resolveAndRead({all}, framebuffer, drawing_.samples > 1 || ownSamples);
    cacheAllStale_ = true;
    staleCache_.clear();
    ++stats_.fullRenders;
    memory_.forget();
    finishRender(renderer, std::move(now));
}

Device::~Device() {
    if (!context_ || !context_->makeCurrent())
        return;
    glDeleteFramebuffers(1, &multisampleFramebuffer_);
    glDeleteFramebuffers(1, &cacheFramebuffer_);
    glDeleteFramebuffers(1, &resolveFramebuffer_);
    glDeleteRenderbuffers(5, renderbuffers_);
    for (Target& t : targets_) {
        glDeleteFramebuffers(1, &t.framebuffer);
        glDeleteRenderbuffers(2, t.renderbuffers);
    }
}

std::string Device::renderer() const {
    return context_->renderer();
}

void Device::clearBound(const QRect& area) {
    glEnable(GL_SCISSOR_TEST);
    glScissor(area.x(), area.y(), area.width(), area.height());
    glDepthMask(GL_TRUE);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClearDepth(1.0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void Device::restoreFromCache(const QRect& area) {
    glDisable(GL_SCISSOR_TEST); // a scissor would clip the copy too
    glBindFramebuffer(GL_READ_FRAMEBUFFER, cacheFramebuffer_);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, multisampleFramebuffer_);
    const int x1 = area.x() + area.width(), y1 = area.y() + area.height();
    glBlitFramebuffer(area.x(), area.y(), x1, y1, area.x(), area.y(), x1, y1,
                      GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT, GL_NEAREST);
}

void Device::resolveAndRead(const std::vector<QRect>& areas, unsigned framebuffer, bool multisampled) {
    // All resolves first, then all reads: the renderer finishes the queued
    // drawing once, at the first read, instead of once per rectangle.
    glDisable(GL_SCISSOR_TEST);
    if (multisampled) {
        glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, resolveFramebuffer_);
        for (const QRect& area : areas) {
            const int x1 = area.x() + area.width(), y1 = area.y() + area.height();
            glBlitFramebuffer(area.x(), area.y(), x1, y1, area.x(), area.y(), x1, y1, GL_COLOR_BUFFER_BIT,
                              GL_NEAREST);
        }
    }
    glBindFramebuffer(GL_READ_FRAMEBUFFER, multisampled ? resolveFramebuffer_ : framebuffer);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ROW_LENGTH, static_cast<GLint>(surface_.bytesPerLine() / 4));
    for (const QRect& area : areas) {
        // The projection puts the top row first, and B, G, R, A bytes are the
        // premultiplied ARGB words of the picture.
        uchar* target = surface_.bits() + area.y() * surface_.bytesPerLine() + area.x() * 4;
        glReadPixels(area.x(), area.y(), area.width(), area.height(), GL_BGRA, GL_UNSIGNED_BYTE, target);
        stats_.pixelsRead +=
            static_cast<std::uint64_t>(area.width()) * static_cast<std::uint64_t>(area.height());
    }
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
}

std::vector<QRect> Device::RenderChanges(const rm::Viewport& viewport, const rm::Frame& scene) {
    if (!context_->makeCurrent())
        return {};
    DrawList now = DrawList::collect(viewport, scene, boxes_);
    DrawChanges changes;
    if (havePrevious_ && drawnWith_ == drawing_)
        changes = now.compare(previous_);
    else
        changes.global = true; // every item counts as changed
    if (changes.empty())
        return {}; // the picture stays as it is; compare with the same list next time

    const QRect all(0, 0, width_, height_);
    glViewport(0, 0, width_, height_);
    Renderer& renderer = context_->state<Renderer>();
    trianglesBefore_ = renderer.triangles();
    preparingBefore_ = renderer.preparingNs();
    renderStart_ = std::chrono::steady_clock::now();
    drawnWith_ = drawing_;
    if (drawing_ != fullDrawing()) {
        renderReduced(viewport, scene, now);
        return {all};
    }
    std::vector<QRect> damage;
    if (changes.global ||
        (changes.damagedArea() > FullRedrawShare * width_ * height_ && mostlyChanged(now))) {
        renderer.begin(viewport, scene);
        glBindFramebuffer(GL_FRAMEBUFFER, multisampleFramebuffer_);
        clearBound(all);
        glDisable(GL_SCISSOR_TEST);
        renderer.draw(now.items());
        resolveAndRead({all});
        damage = {all};
        cacheAllStale_ = true;
        staleCache_.clear();
        ++stats_.fullRenders;
        memory_.forget();
    } else {
        // The still part (what did not change now) is drawn again into the
        // cache only where it differs from what the cache holds.
        for (const QRect& r : changes.stillDamage)
            addDamage(staleCache_, r);
        if (!changes.stillDamage.empty())
            memory_.forget(); // drawn over another still part
        damage = std::move(changes.damage);
        // Rectangles drawn before as they are now are copied; the rest are drawn.
        const std::vector<PictureMemory::Key> keys = keysOf(now, damage);
        std::vector<QRect> drawn;
        for (std::size_t i : memory_.recall(keys, damage, surface_))
            drawn.push_back(damage[i]);
        if (drawn.empty()) {
            ++stats_.remembered;
            finishRender(renderer, std::move(now));
            return damage;
        }
        renderer.begin(viewport, scene);
        if (cacheAllStale_ || !staleCache_.empty()) {
            stats_.wholeStill += cacheAllStale_;
            glBindFramebuffer(GL_FRAMEBUFFER, cacheFramebuffer_);
            clearBound(cacheAllStale_ ? all : bounding(staleCache_));
            renderer.draw(now.items(), [](const DrawItem& item) { return !item.changed; });
            cacheAllStale_ = false;
            staleCache_.clear();
        }
        for (const QRect& r : drawn)
            restoreFromCache(r);
        // What changed lies inside the damage: drawn over the restored still part.
        glBindFramebuffer(GL_FRAMEBUFFER, multisampleFramebuffer_);
        const QRect area = bounding(drawn);
        glEnable(GL_SCISSOR_TEST);
        glScissor(area.x(), area.y(), area.width(), area.height());
        renderer.draw(now.items(),
                      [&area](const DrawItem& item) { return item.changed && item.rect.intersects(area); });
        resolveAndRead(drawn);
        for (std::size_t i = 0; i < damage.size(); ++i) {
            if (std::find(drawn.begin(), drawn.end(), damage[i]) != drawn.end())
                memory_.remember(keys[i], damage[i], surface_);
        }
    }
    finishRender(renderer, std::move(now));
    return damage;
}

void Device::finishRender(Renderer& renderer, DrawList&& now) {
    renderer.end();
    if (stats_.renders % 64 == 0) {
        boxes_.purge();
        std::erase_if(contents_, [](const auto& entry) { return entry.second.owner.expired(); });
    }
    ++stats_.renders;
    if (drawnWith_ != fullDrawing())
        ++stats_.reduced;
    stats_.triangles += renderer.triangles() - trianglesBefore_;
    stats_.preparingNs += renderer.preparingNs() - preparingBefore_;
    stats_.rendererNs += static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - renderStart_)
            .count());
    previous_ = std::move(now);
    havePrevious_ = true;
}

std::uint64_t Device::contentOf(const std::shared_ptr<rm::Visual>& visual) {
    Content& content = contents_[visual.get()];
    if (content.owner.lock() == visual && content.revision == visual->revision())
        return content.hash;
    // Vertices have no padding, so their bytes are their values.
    static_assert(sizeof(rm::Vertex) == 9 * sizeof(float));
    std::uint64_t hash = 0;
    for (const rm::MeshGroup& group : visual->groups()) {
        hash = mix(hash, hashOf(group.vertices.data(), group.vertices.size() * sizeof(rm::Vertex)));
        hash = mix(hash, hashOf(group.indices.data(), group.indices.size() * sizeof(unsigned)));
        hash = mix(hash, (static_cast<std::uint64_t>(group.color) << 1) | (group.useVertexColors ? 1 : 0));
        const rm::Material& m = group.material;
        const float material[7] = {m.specular.x, m.specular.y, m.specular.z, m.power,
                                   m.emissive.x, m.emissive.y, m.emissive.z};
        hash = mix(hash, hashOf(material, sizeof material));
        hash = mix(hash, hashOf(group.texture.data(), group.texture.size()));
    }
    content = {visual, visual->revision(), hash};
    return hash;
}

std::vector<PictureMemory::Key> Device::keysOf(const DrawList& now, const std::vector<QRect>& damage) {
    std::vector<PictureMemory::Key> keys;
    keys.reserve(damage.size());
    for (const QRect& rect : damage) {
        const auto word = [](int low, int high) {
            return static_cast<std::uint64_t>(static_cast<std::uint32_t>(low)) |
                   static_cast<std::uint64_t>(static_cast<std::uint32_t>(high)) << 32;
        };
        std::uint64_t key = mix(word(rect.x(), rect.y()), word(rect.width(), rect.height()));
        // The still part under the rectangle is the same until the memory is
        // forgotten; what moved there, in drawing order, makes the rest.
        for (const DrawItem& item : now.items()) {
            if (!item.changed || !item.rect.intersects(rect))
                continue;
            key = mix(key, contentOf(item.visual));
            key = mix(key, hashOf(glm::value_ptr(item.model), sizeof(glm::mat4)));
        }
        keys.push_back(key);
    }
    return keys;
}

void Device::Clear() {
    if (!context_->makeCurrent())
        return;
    glBindFramebuffer(GL_FRAMEBUFFER, multisampleFramebuffer_);
    glViewport(0, 0, width_, height_);
    clearBound(QRect(0, 0, width_, height_));
    glDisable(GL_SCISSOR_TEST);
    havePrevious_ = false;
}

void Device::Render(const rm::Viewport& viewport, const rm::Frame& scene) {
    if (!context_->makeCurrent())
        return;
    glBindFramebuffer(GL_FRAMEBUFFER, multisampleFramebuffer_);
    glViewport(0, 0, width_, height_);
    glDisable(GL_SCISSOR_TEST);
    context_->state<Renderer>().render(viewport, scene);
    havePrevious_ = false;
}

void Device::Update() {
    if (!context_->makeCurrent())
        return;
    resolveAndRead({QRect(0, 0, width_, height_)});
    ++stats_.renders;
    ++stats_.fullRenders;
}

} // namespace gl
