#pragma once
// Draws a frame tree with OpenGL 3.3 core: per-pixel lighting (ambient, point
// and directional lights), group colours or vertex colours, specular with
// power, emissive colour and textures. Back faces (counter-clockwise on the
// screen) are culled, as in the retained-mode interface. One renderer lives
// with each EGL context; meshes are uploaded once and again only after they
// change.
#include "scene/rm/frame.h"
#include "scene/rm/viewport.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace gl {

class Renderer {
public:
    Renderer() = default;
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;
    ~Renderer();

    // The context must be current and a framebuffer bound; depth testing is set up here.
    void render(const rm::Viewport& viewport, const rm::Frame& scene);
    // GL projection for a viewport: like rm::Viewport::project, with row 0 at the top.
    static glm::mat4 projection(const rm::Viewport& viewport);

private:
    struct GpuGroup {
        unsigned vao = 0, vbo = 0, ibo = 0;
        int count = 0;
        bool translucentVertices = false;
    };
    struct GpuVisual {
        std::weak_ptr<rm::Visual> owner;
        std::uint64_t revision = 0;
        std::vector<GpuGroup> groups;
    };
    struct Lights;

    struct Locations {
        int model, normalMatrix, viewProjection, eye, ambient, lightVector, lightColor, color, specular,
            power, emissive, sampler;
    };
    // One compiled shader variant (light count, texture, vertex colours, specular).
    struct Program {
        unsigned id = 0;
        Locations at{};
        std::uint64_t frameStamp = 0;
        std::uint64_t modelStamp = 0;
    };
    // What every variant needs to know about the current picture and frame.
    struct FrameState {
        glm::mat4 viewProjection{1.0f};
        glm::vec3 eye{0.0f};
        glm::vec3 ambient{0.0f};
        std::vector<glm::vec4> lightVectors;
        std::vector<glm::vec3> lightColors;
        glm::mat4 model{1.0f};
        glm::mat3 normalMatrix{1.0f};
    };

    Program* program(unsigned key);
    void use(Program& program);
    const GpuVisual& upload(const std::shared_ptr<rm::Visual>& visual);
    unsigned texture(const std::string& path);
    void drawFrame(const rm::Frame& frame);
    void release(GpuVisual& visual);
    void purge();

    std::map<unsigned, Program> programs_;
    Program* current_ = nullptr;
    FrameState frameState_;
    std::uint64_t frameStamp_ = 0;
    std::uint64_t modelStamp_ = 0;
    std::map<const rm::Visual*, GpuVisual> visuals_;
    std::map<std::string, unsigned> textures_;
};

} // namespace gl
