#include "scene/rm/gl/device.h"

#include "scene/rm/gl/eglcontext.h"
#include "scene/rm/gl/glrenderer.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>

namespace gl {

namespace {

// Beyond this share of the picture, drawing everything costs less than
// restoring and drawing the parts.
constexpr double FullRedrawShare = 0.45;

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
    return true;
}

Device::~Device() {
    if (!context_ || !context_->makeCurrent())
        return;
    glDeleteFramebuffers(1, &multisampleFramebuffer_);
    glDeleteFramebuffers(1, &cacheFramebuffer_);
    glDeleteFramebuffers(1, &resolveFramebuffer_);
    glDeleteRenderbuffers(5, renderbuffers_);
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

void Device::resolveAndRead(const std::vector<QRect>& areas) {
    // All resolves first, then all reads: the renderer finishes the queued
    // drawing once, at the first read, instead of once per rectangle.
    glDisable(GL_SCISSOR_TEST);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, multisampleFramebuffer_);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, resolveFramebuffer_);
    for (const QRect& area : areas) {
        const int x1 = area.x() + area.width(), y1 = area.y() + area.height();
        glBlitFramebuffer(area.x(), area.y(), x1, y1, area.x(), area.y(), x1, y1, GL_COLOR_BUFFER_BIT,
                          GL_NEAREST);
    }
    glBindFramebuffer(GL_READ_FRAMEBUFFER, resolveFramebuffer_);
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
    if (havePrevious_)
        changes = now.compare(previous_);
    else
        changes.global = true; // every item counts as changed
    if (changes.empty())
        return {}; // the picture stays as it is; compare with the same list next time

    Renderer& renderer = context_->state<Renderer>();
    const QRect all(0, 0, width_, height_);
    glViewport(0, 0, width_, height_);
    renderer.begin(viewport, scene);
    std::vector<QRect> damage;
    if (changes.global || changes.damagedArea() > FullRedrawShare * width_ * height_) {
        glBindFramebuffer(GL_FRAMEBUFFER, multisampleFramebuffer_);
        clearBound(all);
        glDisable(GL_SCISSOR_TEST);
        renderer.draw(now.items());
        resolveAndRead({all});
        damage = {all};
        cacheAllStale_ = true;
        staleCache_.clear();
        ++stats_.fullRenders;
    } else {
        // The still part (what did not change now) is drawn again into the
        // cache only where it differs from what the cache holds.
        for (const QRect& r : changes.stillDamage)
            addDamage(staleCache_, r);
        if (cacheAllStale_ || !staleCache_.empty()) {
            glBindFramebuffer(GL_FRAMEBUFFER, cacheFramebuffer_);
            clearBound(cacheAllStale_ ? all : bounding(staleCache_));
            renderer.draw(now.items(), [](const DrawItem& item) { return !item.changed; });
            cacheAllStale_ = false;
            staleCache_.clear();
        }
        damage = std::move(changes.damage);
        for (const QRect& r : damage)
            restoreFromCache(r);
        // What changed lies inside the damage: drawn over the restored still part.
        glBindFramebuffer(GL_FRAMEBUFFER, multisampleFramebuffer_);
        const QRect area = bounding(damage);
        glEnable(GL_SCISSOR_TEST);
        glScissor(area.x(), area.y(), area.width(), area.height());
        renderer.draw(now.items(), [](const DrawItem& item) { return item.changed; });
        resolveAndRead(damage);
    }
    renderer.end();
    if (stats_.renders % 64 == 0)
        boxes_.purge();
    ++stats_.renders;
    previous_ = std::move(now);
    havePrevious_ = true;
    return damage;
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
