#include "scene/rm/gl/eglcontext.h"

#define EGL_EGLEXT_PROTOTYPES
#define GL_GLEXT_PROTOTYPES
#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>

#include <cstring>
#include <map>

namespace gl {

namespace {

std::vector<EGLDeviceEXT> queryDevices() {
    auto query = reinterpret_cast<PFNEGLQUERYDEVICESEXTPROC>(eglGetProcAddress("eglQueryDevicesEXT"));
    if (!query)
        return {};
    EGLint count = 0;
    if (!query(0, nullptr, &count) || count <= 0)
        return {};
    std::vector<EGLDeviceEXT> list(count);
    if (!query(count, list.data(), &count))
        return {};
    list.resize(count);
    return list;
}

bool isSoftwareDevice(EGLDeviceEXT device) {
    auto query =
        reinterpret_cast<PFNEGLQUERYDEVICESTRINGEXTPROC>(eglGetProcAddress("eglQueryDeviceStringEXT"));
    const char* extensions = query ? query(device, EGL_EXTENSIONS) : nullptr;
    return extensions && std::strstr(extensions, "EGL_MESA_device_software");
}

EGLDisplay displayFor(std::optional<int> device, std::string& error) {
    auto getDisplay =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (!getDisplay) {
        error = "egl: eglGetPlatformDisplayEXT is missing";
        return EGL_NO_DISPLAY;
    }
    std::vector<EGLDeviceEXT> list = queryDevices();
    if (device) {
        if (*device < 0 || *device >= static_cast<int>(list.size())) {
            error = "egl: no device " + std::to_string(*device);
            return EGL_NO_DISPLAY;
        }
        return getDisplay(EGL_PLATFORM_DEVICE_EXT, list[*device], nullptr);
    }
    // The default: the first device that gives a display, else Mesa's surfaceless platform.
    for (EGLDeviceEXT candidate : list) {
        EGLDisplay display = getDisplay(EGL_PLATFORM_DEVICE_EXT, candidate, nullptr);
        if (display != EGL_NO_DISPLAY && eglInitialize(display, nullptr, nullptr))
            return display;
    }
    EGLDisplay display = getDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (display == EGL_NO_DISPLAY)
        error = "egl: no display";
    return display;
}

} // namespace

EglContext::~EglContext() {
    if (context_) {
        auto display = static_cast<EGLDisplay>(display_);
        // The renderer's GL objects go while their context is still current.
        if (state_ && makeCurrent())
            state_.reset();
        if (eglGetCurrentContext() == context_)
            eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        eglDestroyContext(display, static_cast<EGLContext>(context_));
    }
}

std::unique_ptr<EglContext> EglContext::create(std::optional<int> device, bool coreProfile,
                                               std::string* error) {
    std::string message;
    auto fail = [&](std::string text) -> std::unique_ptr<EglContext> {
        if (error)
            *error = message.empty() ? text : message;
        return nullptr;
    };
    EGLDisplay display = displayFor(device, message);
    if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr))
        return fail("egl: can't initialise the display");
    if (!eglBindAPI(EGL_OPENGL_API))
        return fail("egl: no OpenGL API");
    const EGLint configAttributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
                                       EGL_NONE};
    EGLConfig config = nullptr;
    EGLint configs = 0;
    eglChooseConfig(display, configAttributes, &config, 1, &configs);
    if (configs == 0)
        config = EGL_NO_CONFIG_KHR; // surfaceless contexts need no config
    const EGLint coreAttributes[] = {EGL_CONTEXT_MAJOR_VERSION,
                                     3,
                                     EGL_CONTEXT_MINOR_VERSION,
                                     3,
                                     EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                     EGL_CONTEXT_OPENGL_CORE_PROFILE_BIT,
                                     EGL_NONE};
    const EGLint anyAttributes[] = {EGL_NONE};
    EGLContext context =
        eglCreateContext(display, config, EGL_NO_CONTEXT, coreProfile ? coreAttributes : anyAttributes);
    if (context == EGL_NO_CONTEXT)
        return fail("egl: can't create an OpenGL context");
    auto result = std::unique_ptr<EglContext>(new EglContext());
    result->display_ = display;
    result->context_ = context;
    result->device_ = device;
    if (!result->makeCurrent())
        return fail("egl: can't make the context current without a surface");
    return result;
}

std::shared_ptr<EglContext> EglContext::shared(std::optional<int> device, std::string* error) {
    static std::map<int, std::weak_ptr<EglContext>> contexts;
    const int key = device.value_or(-1);
    if (auto existing = contexts[key].lock())
        return existing;
    std::shared_ptr<EglContext> context = create(device, true, error);
    contexts[key] = context;
    return context;
}

std::vector<EglDeviceInfo> EglContext::devices() {
    std::vector<EglDeviceInfo> result;
    std::vector<EGLDeviceEXT> list = queryDevices();
    for (int i = 0; i < static_cast<int>(list.size()); ++i) {
        std::string error;
        auto context = create(i, true, &error);
        if (!context)
            continue;
        result.push_back({i, context->renderer(), !isSoftwareDevice(list[i])});
    }
    return result;
}

bool EglContext::makeCurrent() const {
    if (eglGetCurrentContext() == context_)
        return true;
    return eglMakeCurrent(static_cast<EGLDisplay>(display_), EGL_NO_SURFACE, EGL_NO_SURFACE,
                          static_cast<EGLContext>(context_));
}

std::string EglContext::renderer() const {
    if (!makeCurrent())
        return {};
    const auto* text = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    return text ? text : "";
}

int EglContext::version() const {
    if (!makeCurrent())
        return 0;
    const auto* text = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    int major = 0, minor = 0;
    if (!text || std::sscanf(text, "%d.%d", &major, &minor) < 2)
        return 0;
    return major * 10 + minor;
}

} // namespace gl
