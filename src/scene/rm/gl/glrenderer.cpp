#include "scene/rm/gl/glrenderer.h"

#include "scene/rm/gl/drawlist.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <QImage>
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <glm/gtc/type_ptr.hpp>
#include <unordered_map>

namespace gl {

namespace {

constexpr int MaxLights = 8;
constexpr GLuint ModelAttribute = 4; // four columns: locations 4 to 7
// From this specular power on a highlight is a few pixels wide: lit per pixel.
constexpr float SharpHighlight = 45.0f;

// Lit per vertex: the tree's triangles and the toys' are a few pixels each, so
// lighting at the corners looks like lighting every pixel and costs far less
// on a software renderer. Only sharp highlights (SHARP: glass and metal toys)
// are small enough to fall between the corners; their specular light is found
// per pixel. Frames only turn and move, so the model's rotation turns the
// normals.
const char* const vertexShader = R"(
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 uv;
layout(location = 3) in vec4 vertexColor;
layout(location = 4) in mat4 model;
uniform mat4 viewProjection;
uniform vec3 eye;
uniform vec3 ambient;
uniform vec4 lightVector[MAX_LIGHTS]; // w = 1: point light at xyz; w = 0: directional, toward the light along xyz
uniform vec3 lightColor[MAX_LIGHTS];
uniform vec4 color;
uniform vec3 specular;
uniform float power;
uniform vec3 emissive;
// Centroid sampling keeps multisampled edge pixels from extrapolating past the triangle.
centroid out vec3 diffuseLit; // the surface colour times the light it gets
centroid out vec3 addedLight; // emitted and reflected light, not tinted by a texture
centroid out float alpha;
#if TEXTURED
centroid out vec2 texCoord;
#endif
#if SHARP
centroid out vec3 worldPosition;
centroid out vec3 worldNormal;
#endif
void main() {
    vec4 world = model * vec4(position, 1.0);
    vec3 n = normalize(mat3(model) * normal);
#if VERTEX_COLOR
    vec4 base = vertexColor;
#else
    vec4 base = color;
#endif
    vec3 diffuseLight = ambient;
    vec3 specularLight = vec3(0.0);
#if SHINY && !SHARP
    vec3 toEye = normalize(eye - world.xyz);
#endif
    for (int i = 0; i < LIGHT_COUNT; ++i) {
        vec3 toLight = normalize(lightVector[i].xyz - world.xyz * lightVector[i].w);
        float facing = max(dot(n, toLight), 0.0);
        diffuseLight += lightColor[i] * facing;
#if SHINY && !SHARP
        if (facing > 0.0)
            specularLight += lightColor[i] * pow(max(dot(reflect(-toLight, n), toEye), 0.0), power);
#endif
    }
    diffuseLit = base.rgb * diffuseLight;
    addedLight = emissive + specular * specularLight;
    alpha = base.a;
#if TEXTURED
    texCoord = uv;
#endif
#if SHARP
    worldPosition = world.xyz;
    worldNormal = n;
#endif
    gl_Position = viewProjection * world;
}
)";

// Compiled in variants: the light count, texture, vertex colours and specular
// are constants, so the light loop unrolls and no uniform branches remain
// (software renderers run such shaders several times faster).
const char* const fragmentShader = R"(
centroid in vec3 diffuseLit;
centroid in vec3 addedLight;
centroid in float alpha;
#if TEXTURED
centroid in vec2 texCoord;
uniform sampler2D sampler;
#endif
#if SHARP
centroid in vec3 worldPosition;
centroid in vec3 worldNormal;
uniform vec3 eye;
uniform vec4 lightVector[MAX_LIGHTS];
uniform vec3 lightColor[MAX_LIGHTS];
uniform vec3 specular;
uniform float power;
#endif
out vec4 fragment;
void main() {
#if TEXTURED
    vec4 texel = texture(sampler, texCoord);
    vec3 lit = diffuseLit * texel.rgb + addedLight;
    float a = alpha * texel.a;
#else
    vec3 lit = diffuseLit + addedLight;
    float a = alpha;
#endif
#if SHARP
    vec3 n = normalize(worldNormal);
    vec3 toEye = normalize(eye - worldPosition);
    for (int i = 0; i < LIGHT_COUNT; ++i) {
        vec3 toLight = normalize(lightVector[i].xyz - worldPosition * lightVector[i].w);
        if (dot(n, toLight) > 0.0)
            lit += specular * lightColor[i] * pow(max(dot(reflect(-toLight, n), toEye), 0.0), power);
    }
#endif
    fragment = vec4(min(lit, vec3(1.0)) * a, a);
}
)";

unsigned compile(GLenum type, const char* source) {
    GLuint shader = glCreateShader(type);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint ok = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char log[2048];
        glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        std::fprintf(stderr, "glrenderer: shader: %s\n", log);
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}

void collectLights(const rm::Frame& frame, glm::vec3& ambient, std::vector<glm::vec4>& vectors,
                   std::vector<glm::vec3>& colors) {
    for (const auto& light : frame.lights()) {
        switch (light->GetType()) {
        case rm::LightType::Ambient:
            ambient += light->GetColor();
            break;
        case rm::LightType::Point:
            if (vectors.size() < MaxLights) {
                vectors.emplace_back(frame.GetPosition(nullptr), 1.0f);
                colors.push_back(light->GetColor());
            }
            break;
        case rm::LightType::Directional:
            if (vectors.size() < MaxLights) {
                vectors.emplace_back(-frame.worldRotation()[2], 0.0f); // toward the light
                colors.push_back(light->GetColor());
            }
            break;
        }
    }
    for (const auto& child : frame.children())
        collectLights(*child, ambient, vectors, colors);
}

// Every visual of the scene with its frame's transform, in tree order.
void collectItems(const rm::Frame& frame, std::vector<DrawItem>& items) {
    if (!frame.visuals().empty()) {
        const glm::mat4 model = frame.worldMatrix();
        for (const auto& visual : frame.visuals()) {
            DrawItem item;
            item.visual = visual;
            item.model = model;
            items.push_back(std::move(item));
        }
    }
    for (const auto& child : frame.children())
        collectItems(*child, items);
}

} // namespace

Renderer::~Renderer() {
    for (auto& [key, visual] : visuals_)
        release(visual);
    for (auto& [path, id] : textures_)
        glDeleteTextures(1, &id);
    for (auto& [key, program] : programs_) {
        if (program.id)
            glDeleteProgram(program.id);
    }
    if (instanceBuffer_)
        glDeleteBuffers(1, &instanceBuffer_);
}

glm::mat4 Renderer::projection(const rm::Viewport& viewport) {
    const float w = static_cast<float>(viewport.GetWidth()), h = static_cast<float>(viewport.GetHeight());
    const float scale = viewport.GetFront() / viewport.GetField() * std::max(w, h) / 2.0f;
    const float front = viewport.GetFront(), back = viewport.GetBack();
    glm::mat4 p(0.0f);
    p[0][0] = 2.0f * scale / w;
    p[1][1] = -2.0f * scale / h; // screen y grows downwards; row 0 of the framebuffer is the top
    p[2][2] = (back + front) / (back - front);
    p[3][2] = -2.0f * back * front / (back - front);
    p[2][3] = 1.0f; // left-handed: the camera looks along +z
    return p;
}

Renderer::Program* Renderer::program(unsigned key) {
    auto [it, isNew] = programs_.try_emplace(key);
    Program& program = it->second;
    if (!isNew)
        return program.id ? &program : nullptr;
    const std::string defines =
        "#version 330 core\n#define MAX_LIGHTS " + std::to_string(MaxLights) + "\n#define LIGHT_COUNT " +
        std::to_string(key & 0xF) + "\n#define TEXTURED " + std::to_string((key >> 4) & 1) +
        "\n#define VERTEX_COLOR " + std::to_string((key >> 5) & 1) + "\n#define SHINY " +
        std::to_string((key >> 6) & 1) + "\n#define SHARP " + std::to_string((key >> 7) & 1) + "\n";
    const std::string vertexSource = defines + vertexShader, fragmentSource = defines + fragmentShader;
    GLuint vs = compile(GL_VERTEX_SHADER, vertexSource.c_str()),
           fs = compile(GL_FRAGMENT_SHADER, fragmentSource.c_str());
    if (vs && fs) {
        program.id = glCreateProgram();
        glAttachShader(program.id, vs);
        glAttachShader(program.id, fs);
        glLinkProgram(program.id);
        GLint ok = 0;
        glGetProgramiv(program.id, GL_LINK_STATUS, &ok);
        if (!ok) {
            glDeleteProgram(program.id);
            program.id = 0;
        }
    }
    glDeleteShader(vs);
    glDeleteShader(fs);
    if (!program.id)
        return nullptr;
    auto at = [&program](const char* name) {
        return glGetUniformLocation(program.id, name);
    };
    program.at = {at("viewProjection"), at("eye"),      at("ambient"), at("lightVector"), at("lightColor"),
                  at("color"),          at("specular"), at("power"),   at("emissive"),    at("sampler")};
    return &program;
}

void Renderer::use(Program& program) {
    if (current_ != &program) {
        glUseProgram(program.id);
        current_ = &program;
    }
    if (program.frameStamp != frameStamp_) {
        // Per-picture values, once per program and picture.
        const Locations& at = program.at;
        program.frameStamp = frameStamp_;
        glUniformMatrix4fv(at.viewProjection, 1, GL_FALSE, glm::value_ptr(frameState_.viewProjection));
        glUniform3fv(at.eye, 1, glm::value_ptr(frameState_.eye));
        glUniform3fv(at.ambient, 1, glm::value_ptr(frameState_.ambient));
        if (!frameState_.lightVectors.empty()) {
            const auto count = static_cast<GLsizei>(frameState_.lightVectors.size());
            glUniform4fv(at.lightVector, count, glm::value_ptr(frameState_.lightVectors[0]));
            glUniform3fv(at.lightColor, count, glm::value_ptr(frameState_.lightColors[0]));
        }
        glUniform1i(at.sampler, 0);
    }
}

void Renderer::release(GpuVisual& visual) {
    for (GpuGroup& group : visual.groups) {
        glDeleteVertexArrays(1, &group.vao);
        glDeleteBuffers(1, &group.vbo);
        glDeleteBuffers(1, &group.ibo);
    }
    visual.groups.clear();
}

void Renderer::end() {
    for (auto it = visuals_.begin(); it != visuals_.end();) {
        if (it->second.owner.expired()) {
            release(it->second);
            it = visuals_.erase(it);
        } else {
            ++it;
        }
    }
}

const Renderer::GpuVisual& Renderer::upload(const std::shared_ptr<rm::Visual>& visual) {
    GpuVisual& gpu = visuals_[visual.get()];
    if (gpu.owner.lock() == visual && gpu.revision == visual->revision())
        return gpu;
    const auto& groups = visual->groups();
    const bool fresh = gpu.owner.lock() != visual || gpu.groups.size() != groups.size();
    if (fresh) {
        release(gpu);
        gpu.groups.resize(groups.size());
        for (GpuGroup& group : gpu.groups) {
            glGenVertexArrays(1, &group.vao);
            glGenBuffers(1, &group.vbo);
            glGenBuffers(1, &group.ibo);
            glBindVertexArray(group.vao);
            glBindBuffer(GL_ARRAY_BUFFER, group.vbo);
            glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, group.ibo);
            const GLsizei stride = sizeof(rm::Vertex);
            glEnableVertexAttribArray(0);
            glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride,
                                  reinterpret_cast<void*>(offsetof(rm::Vertex, position)));
            glEnableVertexAttribArray(1);
            glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, stride,
                                  reinterpret_cast<void*>(offsetof(rm::Vertex, normal)));
            glEnableVertexAttribArray(2);
            glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, stride,
                                  reinterpret_cast<void*>(offsetof(rm::Vertex, u)));
            // ARGB words are B, G, R, A in memory: GL_BGRA reads them as RGBA.
            glEnableVertexAttribArray(3);
            glVertexAttribPointer(3, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                                  reinterpret_cast<void*>(offsetof(rm::Vertex, color)));
            // The frame's transform, one per instance; drawBatch points it at the batch.
            for (GLuint column = 0; column < 4; ++column) {
                glEnableVertexAttribArray(ModelAttribute + column);
                glVertexAttribDivisor(ModelAttribute + column, 1);
            }
        }
    }
    for (std::size_t g = 0; g < groups.size(); ++g) {
        GpuGroup& group = gpu.groups[g];
        const rm::MeshGroup& source = groups[g];
        glBindVertexArray(group.vao);
        glBindBuffer(GL_ARRAY_BUFFER, group.vbo);
        glBufferData(GL_ARRAY_BUFFER, source.vertices.size() * sizeof(rm::Vertex), source.vertices.data(),
                     GL_DYNAMIC_DRAW);
        // Morphing moves vertices only: the faces (and their coarser levels,
        // which stay good enough for the moved vertices) are sent again only
        // when their number changes.
        if (fresh || group.count != static_cast<int>(source.indices.size())) {
            glBufferData(GL_ELEMENT_ARRAY_BUFFER, source.indices.size() * sizeof(unsigned),
                         source.indices.data(), GL_DYNAMIC_DRAW);
            group.levels = {{0, source.indices.size(), 0.0f}};
            group.levelsBuilt = false;
        }
        group.count = static_cast<int>(source.indices.size());
        group.translucentVertices = std::any_of(source.vertices.begin(), source.vertices.end(),
                                                [](const rm::Vertex& v) { return (v.color >> 24) != 0xFF; });
    }
    const rm::Box box = rm::boxOf(groups);
    gpu.centre = (box.min + box.max) * 0.5f;
    gpu.radius = 0;
    for (const rm::MeshGroup& group : groups) {
        for (const rm::Vertex& v : group.vertices)
            gpu.radius = std::max(gpu.radius, glm::length(v.position - gpu.centre));
    }
    gpu.owner = visual;
    gpu.revision = visual->revision();
    return gpu;
}

void Renderer::buildLevels(GpuGroup& group, const rm::MeshGroup& source) {
    group.levelsBuilt = true;
    const auto start = std::chrono::steady_clock::now();
    DetailLevels levels = DetailLevels::build(source.vertices, source.indices);
    preparingNs_ += static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - start)
            .count());
    if (levels.levels().size() < 2)
        return;
    glBindVertexArray(group.vao);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(levels.indices().size() * sizeof(unsigned)),
                 levels.indices().data(), GL_DYNAMIC_DRAW);
    group.levels = levels.levels();
}

void Renderer::sortBySize(Batch& batch, const GpuVisual& gpu) const {
    const std::size_t count = batch.models.size();
    std::vector<std::pair<float, std::size_t>> sizes(count);
    for (std::size_t i = 0; i < count; ++i) {
        // Frames only turn and move, so a mesh unit is a world unit. The
        // sphere's nearest point sets the size: its distance in front of the
        // camera is clip w.
        const float depth = (frameState_.viewProjection * batch.models[i] * glm::vec4(gpu.centre, 1.0f)).w;
        const float nearest = depth - gpu.radius;
        sizes[i] = {nearest > 1e-3f ? pixelsAtUnitDepth_ / nearest : INFINITY, i};
    }
    std::stable_sort(sizes.begin(), sizes.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<glm::mat4> models(count);
    batch.pixelsPerUnit.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        models[i] = batch.models[sizes[i].second];
        batch.pixelsPerUnit[i] = sizes[i].first;
    }
    batch.models = std::move(models);
}

unsigned Renderer::texture(const std::string& path) {
    auto found = textures_.find(path);
    if (found != textures_.end())
        return found->second;
    GLuint id = 0;
    QImage image(QString::fromStdString(path));
    if (!image.isNull()) {
        image = image.convertToFormat(QImage::Format_RGBA8888);
        glGenTextures(1, &id);
        glBindTexture(GL_TEXTURE_2D, id);
        boundTexture_ = id;
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        // Row 0 of the picture is texture v = 0, as in the mesh files.
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, image.width(), image.height(), 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     image.constBits());
        glGenerateMipmap(GL_TEXTURE_2D);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    }
    textures_[path] = id;
    return id;
}

void Renderer::drawInstances(const GpuGroup& group, const DetailLevel& level, std::size_t firstInstance,
                             std::size_t count) {
    glBindVertexArray(group.vao);
    glBindBuffer(GL_ARRAY_BUFFER, instanceBuffer_);
    for (GLuint column = 0; column < 4; ++column)
        glVertexAttribPointer(
            ModelAttribute + column, 4, GL_FLOAT, GL_FALSE, sizeof(glm::mat4),
            reinterpret_cast<void*>(firstInstance * sizeof(glm::mat4) + column * sizeof(glm::vec4)));
    glDrawElementsInstanced(GL_TRIANGLES, static_cast<GLsizei>(level.count), GL_UNSIGNED_INT,
                            reinterpret_cast<void*>(level.first * sizeof(unsigned)),
                            static_cast<GLsizei>(count));
    triangles_ += level.count / 3 * count;
}

void Renderer::drawBatch(const Batch& batch, std::size_t firstInstance) {
    GpuVisual& gpu = visuals_[batch.visual.get()];
    const auto& groups = batch.visual->groups();
    const unsigned lightCount = static_cast<unsigned>(frameState_.lightVectors.size());
    for (std::size_t g = 0; g < groups.size() && g < gpu.groups.size(); ++g) {
        const rm::MeshGroup& group = groups[g];
        GpuGroup& gpuGroup = gpu.groups[g];
        if (gpuGroup.count == 0)
            continue;
        const unsigned textureId = group.texture.empty() ? 0 : texture(group.texture);
        const bool shiny = group.material.power > 0.0f && group.material.specular != glm::vec3(0.0f);
        const bool sharp = shiny && group.material.power >= SharpHighlight;
        const unsigned key = lightCount | (textureId ? 0x10u : 0u) | (group.useVertexColors ? 0x20u : 0u) |
                             (shiny ? 0x40u : 0u) | (sharp ? 0x80u : 0u);
        Program* variant = program(key);
        if (!variant)
            continue;
        use(*variant);
        const Locations& at = variant->at;
        const glm::vec4 color = rm::colorToVec4(group.color);
        const bool translucent =
            group.useVertexColors ? gpuGroup.translucentVertices : color.a < 1.0f || textureId != 0;
        // State is set only when it changes: every change costs a software
        // renderer a look-up of its compiled pipeline.
        if (translucent != blending_) {
            if (translucent)
                glEnable(GL_BLEND);
            else
                glDisable(GL_BLEND);
            blending_ = translucent;
        }
        glUniform4fv(at.color, 1, glm::value_ptr(color));
        glUniform3fv(at.emissive, 1, glm::value_ptr(group.material.emissive));
        glUniform3fv(at.specular, 1, glm::value_ptr(shiny ? group.material.specular : glm::vec3(0.0f)));
        glUniform1f(at.power, group.material.power);
        if (textureId && textureId != boundTexture_) {
            glBindTexture(GL_TEXTURE_2D, textureId);
            boundTexture_ = textureId;
        }
        if (batch.pixelsPerUnit.empty()) {
            drawInstances(gpuGroup, gpuGroup.levels[0], firstInstance, batch.models.size());
            continue;
        }
        if (!gpuGroup.levelsBuilt)
            buildLevels(gpuGroup, group);
        // Instances come largest first, so each level's instances follow one another.
        const auto choose = [&](std::size_t instance) {
            return chooseLevel(gpuGroup.levels, batch.pixelsPerUnit[instance], detailPixels_);
        };
        for (std::size_t first = 0; first < batch.models.size();) {
            const std::size_t level = choose(first);
            std::size_t end = first + 1;
            while (end < batch.models.size() && choose(end) == level)
                ++end;
            drawInstances(gpuGroup, gpuGroup.levels[level], firstInstance + first, end - first);
            first = end;
        }
    }
}

void Renderer::begin(const rm::Viewport& viewport, const rm::Frame& scene, float detailPixels) {
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glDepthMask(GL_TRUE);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glFrontFace(GL_CCW); // clockwise on the screen, whose y grows downwards
    // Opaque groups are written as they are (their edges still blend through the
    // multisample resolve); translucent ones are blended, premultiplied.
    glDisable(GL_BLEND);
    blending_ = false;
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, 0);
    boundTexture_ = 0;
    if (!instanceBuffer_)
        glGenBuffers(1, &instanceBuffer_);

    frameState_.ambient = glm::vec3(0.0f);
    frameState_.lightVectors.clear();
    frameState_.lightColors.clear();
    collectLights(scene, frameState_.ambient, frameState_.lightVectors, frameState_.lightColors);
    frameState_.viewProjection = projection(viewport) * viewport.viewMatrix();
    frameState_.eye = viewport.GetCamera() ? viewport.GetCamera()->GetPosition(nullptr) : glm::vec3(0.0f);
    detailPixels_ = detailPixels;
    pixelsAtUnitDepth_ = projection(viewport)[0][0] * static_cast<float>(viewport.GetWidth()) / 2.0f;
    ++frameStamp_;
    current_ = nullptr;
}

void Renderer::draw(const std::vector<DrawItem>& items, const std::function<bool(const DrawItem&)>& only) {
    // Frames that show the same visual go into one batch, batches in the order
    // their visuals first appear in the tree.
    batches_.clear();
    std::unordered_map<const rm::Visual*, std::size_t> batchOf;
    for (const DrawItem& item : items) {
        if (only && !only(item))
            continue;
        auto [it, isNew] = batchOf.try_emplace(item.visual.get(), batches_.size());
        if (isNew)
            batches_.push_back({item.visual, {}});
        batches_[it->second].models.push_back(item.model);
    }
    if (batches_.empty())
        return;
    for (Batch& batch : batches_) {
        const GpuVisual& gpu = upload(batch.visual);
        if (detailPixels_ > 0)
            sortBySize(batch, gpu);
    }
    instances_.clear();
    for (const Batch& batch : batches_)
        instances_.insert(instances_.end(), batch.models.begin(), batch.models.end());
    glBindBuffer(GL_ARRAY_BUFFER, instanceBuffer_);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(instances_.size() * sizeof(glm::mat4)),
                 instances_.data(), GL_STREAM_DRAW);
    std::size_t first = 0;
    for (const Batch& batch : batches_) {
        drawBatch(batch, first);
        first += batch.models.size();
    }
    glBindVertexArray(0);
}

void Renderer::render(const rm::Viewport& viewport, const rm::Frame& scene) {
    std::vector<DrawItem> items;
    collectItems(scene, items);
    begin(viewport, scene);
    draw(items);
    end();
}

} // namespace gl
