#include "baredraw.h"

#include "scene/rm/gl/eglcontext.h"
#include "scene/rm/gl/glrenderer.h"

#include "../support/bareprogram.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <glm/gtc/type_ptr.hpp>

namespace {

struct WorldVertex {
    glm::vec3 position;
    glm::vec3 normal;
};

void gather(const rm::Frame& frame, std::vector<WorldVertex>& vertices, std::vector<unsigned>& indices) {
    const glm::mat4 model = frame.worldMatrix();
    const glm::mat3 turn(model);
    for (const auto& visual : frame.visuals()) {
        for (const rm::MeshGroup& group : visual->groups()) {
            const auto base = static_cast<unsigned>(vertices.size());
            for (const rm::Vertex& v : group.vertices)
                vertices.push_back({glm::vec3(model * glm::vec4(v.position, 1.0f)), turn * v.normal});
            for (unsigned index : group.indices)
                indices.push_back(base + index);
        }
    }
    for (const auto& child : frame.children())
        gather(*child, vertices, indices);
}

} // namespace

BareDraw::BareDraw(const rm::Frame& scene, const rm::Viewport& viewport, int samples)
    : width_(viewport.GetWidth()), height_(viewport.GetHeight()), samples_(samples) {
    auto context = gl::EglContext::shared(std::nullopt);
    if (!context || !context->makeCurrent())
        return;
    std::vector<WorldVertex> vertices;
    std::vector<unsigned> indices;
    gather(scene, vertices, indices);
    triangles_ = static_cast<int>(indices.size() / 3);

    program_ = BareProgram();
    glGenVertexArrays(1, &vao_);
    glBindVertexArray(vao_);
    glGenBuffers(2, buffers_);
    glBindBuffer(GL_ARRAY_BUFFER, buffers_[0]);
    glBufferData(GL_ARRAY_BUFFER, vertices.size() * sizeof(WorldVertex), vertices.data(), GL_STATIC_DRAW);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, buffers_[1]);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, indices.size() * sizeof(unsigned), indices.data(), GL_STATIC_DRAW);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, sizeof(WorldVertex), nullptr);
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, sizeof(WorldVertex), reinterpret_cast<void*>(12));
    glBindVertexArray(0);

    glGenRenderbuffers(3, renderbuffers_);
    glBindRenderbuffer(GL_RENDERBUFFER, renderbuffers_[0]);
    glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples_, GL_RGBA8, width_, height_);
    glBindRenderbuffer(GL_RENDERBUFFER, renderbuffers_[1]);
    glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples_, GL_DEPTH_COMPONENT24, width_, height_);
    glBindRenderbuffer(GL_RENDERBUFFER, renderbuffers_[2]);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width_, height_);
    glGenFramebuffers(2, framebuffers_);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffers_[0]);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, renderbuffers_[0]);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, renderbuffers_[1]);
    ok_ = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffers_[1]);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, renderbuffers_[2]);
    ok_ = ok_ && glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;

    glUseProgram(program_);
    const glm::mat4 transform = gl::Renderer::projection(viewport) * viewport.viewMatrix();
    glUniformMatrix4fv(glGetUniformLocation(program_, "transform"), 1, GL_FALSE, glm::value_ptr(transform));
    pixels_.resize(static_cast<std::size_t>(width_) * height_ * 4);
}

BareDraw::~BareDraw() {
    auto context = gl::EglContext::shared(std::nullopt);
    if (!context || !context->makeCurrent())
        return;
    glDeleteFramebuffers(2, framebuffers_);
    glDeleteRenderbuffers(3, renderbuffers_);
    glDeleteBuffers(2, buffers_);
    glDeleteVertexArrays(1, &vao_);
    glDeleteProgram(program_);
}

void BareDraw::frame() {
    gl::EglContext::shared(std::nullopt)->makeCurrent();
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffers_[0]);
    glViewport(0, 0, width_, height_);
    glDisable(GL_SCISSOR_TEST);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glDepthMask(GL_TRUE);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glFrontFace(GL_CCW); // the same projection as the scene's: y grows downwards
    glUseProgram(program_);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glBindVertexArray(vao_);
    glDrawElements(GL_TRIANGLES, triangles_ * 3, GL_UNSIGNED_INT, nullptr);
    glBindVertexArray(0);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffers_[0]);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffers_[1]);
    glBlitFramebuffer(0, 0, width_, height_, 0, 0, width_, height_, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffers_[1]);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, width_, height_, GL_BGRA, GL_UNSIGNED_BYTE, pixels_.data());
}

int BareDraw::centreAlpha() const {
    const std::size_t centre = (static_cast<std::size_t>(height_ / 2) * width_ + width_ / 2) * 4;
    return pixels_.empty() ? 0 : pixels_[centre + 3];
}
