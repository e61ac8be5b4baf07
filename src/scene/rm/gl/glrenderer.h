#pragma once
// Draws the visuals of a scene with OpenGL 3.3 core, lit per vertex (ambient,
// point and directional lights, specular with power, emissive colour), with
// group colours or vertex colours and textures. Back faces (counter-clockwise
// on the screen) are culled, as in the retained-mode interface. All frames
// showing one visual are drawn together, one instanced draw per group. One
// renderer lives with each EGL context; meshes are uploaded once and again
// only after they change.
//
// While the scene moves, begin() may allow coarser meshes: a visual small on
// the screen is then drawn with the coarsest of its detail levels whose
// surface strays from the full one by at most the given pixels.
#include "scene/rm/frame.h"
#include "scene/rm/gl/detaillevels.h"
#include "scene/rm/viewport.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace gl {

struct DrawItem;

class Renderer {
public:
    Renderer() = default;
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;
    ~Renderer();

    // Takes the lights of scene and the viewport's projection for the next draws;
    // the context must be current and a framebuffer bound. detailPixels > 0
    // lets small visuals be drawn with coarser meshes straying at most that far.
    void begin(const rm::Viewport& viewport, const rm::Frame& scene, float detailPixels = 0);
    // Draws the items that `only` accepts (all without it).
    void draw(const std::vector<DrawItem>& items, const std::function<bool(const DrawItem&)>& only = {});
    // Frees what belonged to visuals that are gone.
    void end();
    // begin, every visual of scene, end.
    void render(const rm::Viewport& viewport, const rm::Frame& scene);

    // Triangles sent to the renderer since it was made, and the time it
    // spent making meshes' coarser levels (once per mesh).
    std::uint64_t triangles() const { return triangles_; }
    std::uint64_t preparingNs() const { return preparingNs_; }

    // GL projection for a viewport: like rm::Viewport::project, with row 0 at the top.
    static glm::mat4 projection(const rm::Viewport& viewport);

private:
    struct GpuGroup {
        unsigned vao = 0, vbo = 0, ibo = 0;
        int count = 0;
        bool translucentVertices = false;
        // Made the first time coarser meshes are allowed; the full level first.
        std::vector<DetailLevel> levels;
        bool levelsBuilt = false;
    };
    struct GpuVisual {
        std::weak_ptr<rm::Visual> owner;
        std::uint64_t revision = 0;
        std::vector<GpuGroup> groups;
        // A sphere round every vertex, in the visual's own units.
        glm::vec3 centre{0.0f};
        float radius = 0;
    };
    struct Locations {
        int viewProjection, eye, ambient, lightVector, lightColor, color, specular, power, emissive, sampler;
    };
    // One compiled shader variant (light count, texture, vertex colours, specular).
    struct Program {
        unsigned id = 0;
        Locations at{};
        std::uint64_t frameStamp = 0;
    };
    // What every variant needs to know about the current picture.
    struct FrameState {
        glm::mat4 viewProjection{1.0f};
        glm::vec3 eye{0.0f};
        glm::vec3 ambient{0.0f};
        std::vector<glm::vec4> lightVectors;
        std::vector<glm::vec3> lightColors;
    };
    // The frames that show one visual, as instance transforms; with coarser
    // meshes allowed, the screen pixels per unit of each, largest first.
    struct Batch {
        std::shared_ptr<rm::Visual> visual;
        std::vector<glm::mat4> models;
        std::vector<float> pixelsPerUnit;
    };

    Program* program(unsigned key);
    void use(Program& program);
    const GpuVisual& upload(const std::shared_ptr<rm::Visual>& visual);
    unsigned texture(const std::string& path);
    void drawBatch(const Batch& batch, std::size_t firstInstance);
    void drawInstances(const GpuGroup& group, const DetailLevel& level, std::size_t firstInstance,
                       std::size_t count);
    // Orders batch's instances by their size on the screen, largest first.
    void sortBySize(Batch& batch, const GpuVisual& gpu) const;
    void buildLevels(GpuGroup& group, const rm::MeshGroup& source);
    void release(GpuVisual& visual);

    std::map<unsigned, Program> programs_;
    Program* current_ = nullptr;
    bool blending_ = false;
    unsigned boundTexture_ = 0;
    FrameState frameState_;
    float detailPixels_ = 0;
    std::uint64_t triangles_ = 0;
    std::uint64_t preparingNs_ = 0;
    // Screen pixels per world unit at a distance of one unit in front of the camera.
    float pixelsAtUnitDepth_ = 0;
    std::uint64_t frameStamp_ = 0;
    std::map<const rm::Visual*, GpuVisual> visuals_;
    std::map<std::string, unsigned> textures_;
    unsigned instanceBuffer_ = 0;
    std::vector<Batch> batches_;
    std::vector<glm::mat4> instances_;
};

} // namespace gl
