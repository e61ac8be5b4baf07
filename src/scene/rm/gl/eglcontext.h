#pragma once
// An OpenGL 3.3 core context on an EGL device, current without any window
// surface (everything is drawn into framebuffer objects). Works headless: it
// uses the EGL device platform, or Mesa's surfaceless platform when devices
// can't be listed.
//
//   auto devices = gl::EglContext::devices();            // renderer names, hardware flags
//   auto context = gl::EglContext::shared(std::nullopt);  // the default device, or null
//   context->makeCurrent();
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace gl {

struct EglDeviceInfo {
    int index = 0;         // the device's place in the EGL device list
    std::string renderer;  // GL_RENDERER of a context on it
    bool hardware = false; // not Mesa's software device
};

class EglContext {
public:
    EglContext(const EglContext&) = delete;
    EglContext& operator=(const EglContext&) = delete;
    ~EglContext();

    // The devices that can run a 3.3 core context, in EGL's order.
    static std::vector<EglDeviceInfo> devices();
    // The context of a device (nullopt: the default device), shared by all its
    // users and kept while someone holds it; null when none can be made.
    static std::shared_ptr<EglContext> shared(std::optional<int> device, std::string* error = nullptr);
    // A new context of its own (for probes and listings).
    static std::unique_ptr<EglContext> create(std::optional<int> device, bool coreProfile,
                                              std::string* error);

    bool makeCurrent() const;
    std::string renderer() const;
    // OpenGL version of the context as major * 10 + minor (33 for 3.3).
    int version() const;
    std::optional<int> device() const { return device_; }
    // Renderer-owned state stored with the context (one per context).
    template <typename T> T& state() {
        if (!state_)
            state_ = std::make_shared<T>();
        return *static_cast<T*>(state_.get());
    }

private:
    EglContext() = default;

    void* display_ = nullptr;
    void* context_ = nullptr;
    std::optional<int> device_;
    std::shared_ptr<void> state_;
};

} // namespace gl
