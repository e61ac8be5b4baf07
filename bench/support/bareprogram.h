#pragma once
// The minimal shader of the bare-cost benchmarks: world-space positions through
// one transform, one fixed light, no textures. What any renderer pays at least.
// Needs a current OpenGL context.
#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <utility>

inline GLuint BareProgram() {
    static const char* const vertex = R"(#version 330 core
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
uniform mat4 transform;
out float shade;
void main() {
    shade = max(dot(normal, normalize(vec3(1.0))), 0.0);
    gl_Position = transform * vec4(position, 1.0);
}
)";
    static const char* const fragment = R"(#version 330 core
in float shade;
out vec4 fragment;
void main() { fragment = vec4(shade, shade, shade, 1.0); }
)";
    const GLuint program = glCreateProgram();
    for (auto [type, source] :
         {std::pair{GL_VERTEX_SHADER, vertex}, std::pair{GL_FRAGMENT_SHADER, fragment}}) {
        const GLuint shader = glCreateShader(type);
        glShaderSource(shader, 1, &source, nullptr);
        glCompileShader(shader);
        glAttachShader(program, shader);
        glDeleteShader(shader); // freed with the program
    }
    glLinkProgram(program);
    return program;
}
