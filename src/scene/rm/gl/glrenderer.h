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

    bool ensureProgram();
    const GpuVisual& upload(const std::shared_ptr<rm::Visual>& visual);
    unsigned texture(const std::string& path);
    void drawFrame(const rm::Frame& frame);
    void release(GpuVisual& visual);
    void purge();

    struct Locations {
        int model, normalMatrix, viewProjection, eye, ambient, lightCount, lightVector, lightColor, color,
            useVertexColor, specular, power, emissive, textured, sampler;
    };

    unsigned program_ = 0;
    bool programFailed_ = false;
    Locations at_{};
    std::map<const rm::Visual*, GpuVisual> visuals_;
    std::map<std::string, unsigned> textures_;
};

} // namespace gl
