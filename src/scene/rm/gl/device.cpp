#include "scene/rm/gl/device.h"

#include "scene/rm/gl/eglcontext.h"
#include "scene/rm/gl/glrenderer.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>

namespace gl {

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
    glGenRenderbuffers(3, renderbuffers_);
    glBindRenderbuffer(GL_RENDERBUFFER, renderbuffers_[0]);
    glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples, GL_RGBA8, width_, height_);
    glBindRenderbuffer(GL_RENDERBUFFER, renderbuffers_[1]);
    glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples, GL_DEPTH_COMPONENT24, width_, height_);
    glBindRenderbuffer(GL_RENDERBUFFER, renderbuffers_[2]);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width_, height_);

    glGenFramebuffers(1, &multisampleFramebuffer_);
    glBindFramebuffer(GL_FRAMEBUFFER, multisampleFramebuffer_);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, renderbuffers_[0]);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, renderbuffers_[1]);
    const bool multisampleOk = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glGenFramebuffers(1, &resolveFramebuffer_);
    glBindFramebuffer(GL_FRAMEBUFFER, resolveFramebuffer_);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, renderbuffers_[2]);
    const bool resolveOk = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    if (!multisampleOk || !resolveOk) {
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
    glDeleteFramebuffers(1, &resolveFramebuffer_);
    glDeleteRenderbuffers(3, renderbuffers_);
}

std::string Device::renderer() const {
    return context_->renderer();
}

void Device::Clear() {
    if (!context_->makeCurrent())
        return;
    glBindFramebuffer(GL_FRAMEBUFFER, multisampleFramebuffer_);
    glViewport(0, 0, width_, height_);
    glDepthMask(GL_TRUE);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClearDepth(1.0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void Device::Render(const rm::Viewport& viewport, const rm::Frame& scene) {
    if (!context_->makeCurrent())
        return;
    glBindFramebuffer(GL_FRAMEBUFFER, multisampleFramebuffer_);
    glViewport(0, 0, width_, height_);
    context_->state<Renderer>().render(viewport, scene);
}

void Device::Update() {
    if (!context_->makeCurrent())
        return;
    glBindFramebuffer(GL_READ_FRAMEBUFFER, multisampleFramebuffer_);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, resolveFramebuffer_);
    glBlitFramebuffer(0, 0, width_, height_, 0, 0, width_, height_, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, resolveFramebuffer_);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ROW_LENGTH, static_cast<GLint>(surface_.bytesPerLine() / 4));
    // The projection puts the top row first, and B, G, R, A bytes are the
    // premultiplied ARGB words of the picture.
    glReadPixels(0, 0, width_, height_, GL_BGRA, GL_UNSIGNED_BYTE, surface_.bits());
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
}

} // namespace gl
