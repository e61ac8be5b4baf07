#include "scene/rm/gl/glrenderer.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <QImage>
#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <glm/gtc/type_ptr.hpp>

namespace gl {

namespace {

constexpr int MaxLights = 8;

const char* const vertexShader = R"(
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 uv;
layout(location = 3) in vec4 color;
uniform mat4 model;
uniform mat3 normalMatrix;
uniform mat4 viewProjection;
// Centroid sampling keeps multisampled edge pixels from extrapolating past the triangle.
centroid out vec3 worldPosition;
centroid out vec3 worldNormal;
#if TEXTURED
centroid out vec2 texCoord;
#endif
#if VERTEX_COLOR
centroid out vec4 vertexColor;
#endif
void main() {
    vec4 world = model * vec4(position, 1.0);
    worldPosition = world.xyz;
    worldNormal = normalMatrix * normal;
#if TEXTURED
    texCoord = uv;
#endif
#if VERTEX_COLOR
    vertexColor = color;
#endif
    gl_Position = viewProjection * world;
}
)";

// Compiled in variants: the light count, texture, vertex colours and specular
// are constants, so the light loop unrolls and no uniform branches remain
// (software renderers run such shaders several times faster).
const char* const fragmentShader = R"(
centroid in vec3 worldPosition;
centroid in vec3 worldNormal;
#if TEXTURED
centroid in vec2 texCoord;
#endif
#if VERTEX_COLOR
centroid in vec4 vertexColor;
#endif
uniform vec3 eye;
uniform vec3 ambient;
uniform vec4 lightVector[MAX_LIGHTS]; // w = 1: point light at xyz; w = 0: directional, toward the light along xyz
uniform vec3 lightColor[MAX_LIGHTS];
uniform vec4 color;
uniform vec3 specular;
uniform float power;
uniform vec3 emissive;
uniform sampler2D sampler;
out vec4 fragment;
void main() {
#if VERTEX_COLOR
    vec4 base = vertexColor;
#else
    vec4 base = color;
#endif
#if TEXTURED
    base *= texture(sampler, texCoord);
#endif
    vec3 n = normalize(worldNormal);
    vec3 diffuseLight = ambient;
#if SHINY
    vec3 specularLight = vec3(0.0);
    vec3 toEye = normalize(eye - worldPosition);
#endif
    for (int i = 0; i < LIGHT_COUNT; ++i) {
        vec3 toLight = normalize(lightVector[i].xyz - worldPosition * lightVector[i].w);
        float facing = max(dot(n, toLight), 0.0);
        diffuseLight += lightColor[i] * facing;
#if SHINY
        if (facing > 0.0)
            specularLight += lightColor[i] * pow(max(dot(reflect(-toLight, n), toEye), 0.0), power);
#endif
    }
    vec3 lit = base.rgb * diffuseLight + emissive;
#if SHINY
    lit += specular * specularLight;
#endif
    fragment = vec4(min(lit, vec3(1.0)) * base.a, base.a);
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
    const std::string defines = "#version 330 core\n#define MAX_LIGHTS " + std::to_string(MaxLights) +
                                "\n#define LIGHT_COUNT " + std::to_string(key & 0xF) + "\n#define TEXTURED " +
                                std::to_string((key >> 4) & 1) + "\n#define VERTEX_COLOR " +
                                std::to_string((key >> 5) & 1) + "\n#define SHINY " +
                                std::to_string((key >> 6) & 1) + "\n";
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
    program.at = {at("model"),    at("normalMatrix"), at("viewProjection"), at("eye"),
                  at("ambient"),  at("lightVector"),  at("lightColor"),     at("color"),
                  at("specular"), at("power"),        at("emissive"),       at("sampler")};
    return &program;
}

void Renderer::use(Program& program) {
    if (current_ != &program) {
        glUseProgram(program.id);
        current_ = &program;
    }
    const Locations& at = program.at;
    if (program.frameStamp != frameStamp_) {
        // Per-picture values, once per program and picture.
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
    if (program.modelStamp != modelStamp_) {
        program.modelStamp = modelStamp_;
        glUniformMatrix4fv(at.model, 1, GL_FALSE, glm::value_ptr(frameState_.model));
        glUniformMatrix3fv(at.normalMatrix, 1, GL_FALSE, glm::value_ptr(frameState_.normalMatrix));
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

void Renderer::purge() {
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
    if (gpu.owner.lock() != visual || gpu.groups.size() != groups.size()) {
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
        }
    }
    for (std::size_t g = 0; g < groups.size(); ++g) {
        GpuGroup& group = gpu.groups[g];
        glBindVertexArray(group.vao);
        glBindBuffer(GL_ARRAY_BUFFER, group.vbo);
        glBufferData(GL_ARRAY_BUFFER, groups[g].vertices.size() * sizeof(rm::Vertex),
                     groups[g].vertices.data(), GL_DYNAMIC_DRAW);
        glBufferData(GL_ELEMENT_ARRAY_BUFFER, groups[g].indices.size() * sizeof(unsigned),
                     groups[g].indices.data(), GL_DYNAMIC_DRAW);
        group.count = static_cast<int>(groups[g].indices.size());
        group.translucentVertices = std::any_of(groups[g].vertices.begin(), groups[g].vertices.end(),
                                                [](const rm::Vertex& v) { return (v.color >> 24) != 0xFF; });
    }
    gpu.owner = visual;
    gpu.revision = visual->revision();
    return gpu;
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

void Renderer::drawFrame(const rm::Frame& frame) {
    if (!frame.visuals().empty()) {
        frameState_.model = frame.worldMatrix();
        frameState_.normalMatrix = glm::transpose(glm::inverse(glm::mat3(frameState_.model)));
        ++modelStamp_;
        const unsigned lightCount = static_cast<unsigned>(frameState_.lightVectors.size());
        for (const auto& visual : frame.visuals()) {
            const GpuVisual& gpu = upload(visual);
            const auto& groups = visual->groups();
            for (std::size_t g = 0; g < groups.size() && g < gpu.groups.size(); ++g) {
                const rm::MeshGroup& group = groups[g];
                if (gpu.groups[g].count == 0)
                    continue;
                const unsigned textureId = group.texture.empty() ? 0 : texture(group.texture);
                const bool shiny = group.material.power > 0.0f && group.material.specular != glm::vec3(0.0f);
                const unsigned key = lightCount | (textureId ? 0x10u : 0u) |
                                     (group.useVertexColors ? 0x20u : 0u) | (shiny ? 0x40u : 0u);
                Program* variant = program(key);
                if (!variant)
                    continue;
                use(*variant);
                const Locations& at = variant->at;
                const glm::vec4 color = rm::colorToVec4(group.color);
                const bool translucent = group.useVertexColors ? gpu.groups[g].translucentVertices
                                                               : color.a < 1.0f || textureId != 0;
                if (translucent)
                    glEnable(GL_BLEND);
                else
                    glDisable(GL_BLEND);
                glUniform4fv(at.color, 1, glm::value_ptr(color));
                glUniform3fv(at.emissive, 1, glm::value_ptr(group.material.emissive));
                if (shiny) {
                    glUniform3fv(at.specular, 1, glm::value_ptr(group.material.specular));
                    glUniform1f(at.power, group.material.power);
                }
                if (textureId)
                    glBindTexture(GL_TEXTURE_2D, textureId);
                glBindVertexArray(gpu.groups[g].vao);
                glDrawElements(GL_TRIANGLES, gpu.groups[g].count, GL_UNSIGNED_INT, nullptr);
            }
        }
    }
    for (const auto& child : frame.children())
        drawFrame(*child);
}

void Renderer::render(const rm::Viewport& viewport, const rm::Frame& scene) {
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glFrontFace(GL_CCW); // clockwise on the screen, whose y grows downwards
    // Opaque groups are written as they are (their edges still blend through the
    // multisample resolve); translucent ones are blended, premultiplied.
    glDisable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    glActiveTexture(GL_TEXTURE0);

    frameState_.ambient = glm::vec3(0.0f);
    frameState_.lightVectors.clear();
    frameState_.lightColors.clear();
    collectLights(scene, frameState_.ambient, frameState_.lightVectors, frameState_.lightColors);
    frameState_.viewProjection = projection(viewport) * viewport.viewMatrix();
    frameState_.eye = viewport.GetCamera() ? viewport.GetCamera()->GetPosition(nullptr) : glm::vec3(0.0f);
    ++frameStamp_;
    current_ = nullptr;
    drawFrame(scene);
    glBindVertexArray(0);
    purge();
}

} // namespace gl
