#include "scene/openglprobe.h"

#include "scene/rm/gl/eglcontext.h"

#define EGL_EGLEXT_PROTOTYPES
#define GL_GLEXT_PROTOTYPES
#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>

#include <cstdio>
#include <vector>

namespace {

void diagnostic(const char* text) {
    std::fprintf(stderr, "GetDXVersion: %s\n", text);
}

EGLDisplay probeDisplay() {
    auto getDisplay =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    auto queryDevices = reinterpret_cast<PFNEGLQUERYDEVICESEXTPROC>(eglGetProcAddress("eglQueryDevicesEXT"));
    if (!getDisplay)
        return EGL_NO_DISPLAY;
    EGLint count = 0;
    if (queryDevices && queryDevices(0, nullptr, &count) && count > 0) {
        std::vector<EGLDeviceEXT> devices(count);
        queryDevices(count, devices.data(), &count);
        EGLDisplay display = getDisplay(EGL_PLATFORM_DEVICE_EXT, devices[0], nullptr);
        if (display != EGL_NO_DISPLAY)
            return display;
    }
    return getDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
}

} // namespace

std::uint32_t GetDXVersion() {
    return ProbeOpenGL().code;
}

OpenGLFound ProbeOpenGL() {
    OpenGLFound found;
    std::uint32_t& version = found.code;
    EGLDisplay display = probeDisplay();
    if (display == EGL_NO_DISPLAY) {
        diagnostic("Couldn't get an EGL display");
        return found;
    }
    if (!eglInitialize(display, nullptr, nullptr)) {
        diagnostic("Couldn't initialise EGL");
        return found;
    }
    version = 0x100;
    if (!eglBindAPI(EGL_OPENGL_API)) {
        diagnostic("Couldn't bind the OpenGL API");
        return found;
    }
    // A context of whatever version the driver offers tells the version.
    const EGLint attributes[] = {EGL_NONE};
    EGLContext context = eglCreateContext(display, EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT, attributes);
    EGLContext previous = eglGetCurrentContext();
    EGLDisplay previousDisplay = eglGetCurrentDisplay();
    if (context == EGL_NO_CONTEXT || !eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, context)) {
        diagnostic("Couldn't make an OpenGL context current");
        if (context != EGL_NO_CONTEXT)
            eglDestroyContext(display, context);
        return found;
    }
    version = 0x200;
    int& major = found.major;
    int& minor = found.minor;
    const auto* text = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (text)
        std::sscanf(text, "%d.%d", &major, &minor);
    eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(display, context);
    if (previous != EGL_NO_CONTEXT)
        eglMakeCurrent(previousDisplay, EGL_NO_SURFACE, EGL_NO_SURFACE, previous);
    if (major < 2) {
        diagnostic("OpenGL older than 2.0");
        return found;
    }
    version = 0x300;
    if (major < 3)
        return found;
    version = 0x500;
    if (major == 3 && minor < 3)
        return found;
    // 3.3 core with framebuffer objects, as the renderer needs it.
    std::string error;
    auto core = gl::EglContext::create(std::nullopt, true, &error);
    if (!core) {
        diagnostic("Couldn't create an OpenGL 3.3 core context");
        return found;
    }
    GLuint framebuffer = 0;
    glGenFramebuffers(1, &framebuffer);
    if (!framebuffer) {
        diagnostic("No framebuffer objects");
        return found;
    }
    glDeleteFramebuffers(1, &framebuffer);
    version = 0x600;
    return found;
}

std::uint32_t DirectXVersion = 0;
