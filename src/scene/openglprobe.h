#pragma once
// The probe of the OpenGL stack (EGL, context, version) and the code it found.
// The probe of the 3D stack, with the program's version codes:
//   0      no usable EGL display
//   0x100  EGL initialises
//   0x200  an OpenGL context can be made current
//   0x300  OpenGL 2.x
//   0x500  OpenGL 3.x below 3.3
//   0x600  OpenGL 3.3 or later (core profile, framebuffer objects)
// Start-up refuses codes below 0x600: the renderer needs a 3.3 core context.
// Diagnostics go to stderr; nothing the probe makes is kept.
#include <cstdint>

std::uint32_t GetDXVersion();

// What the probe found: the code, and the OpenGL version of the context it
// made (0.0 when it made none).
struct OpenGLFound {
    std::uint32_t code = 0;
    int major = 0;
    int minor = 0;
};
OpenGLFound ProbeOpenGL();

// The 3D stack's version code found at start-up (GetDXVersion); the mouse that
// fetches fallen toys needs 0x600 or more.
extern std::uint32_t DirectXVersion;
