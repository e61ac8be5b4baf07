#pragma once
// FFmpegLibrary: the FFmpeg module (libpw_ffmpeg.so) loaded for as long as
// someone holds it. Everything that decodes a film or writes an animation
// holds it while it works; when the last holder lets go, the module and
// FFmpeg with all it brought in leave the process again.
#include "media/ffmpegmodule.h"

#include <QString>
#include <memory>

namespace media {

class FFmpegLibrary {
public:
    // The loaded module, shared with every other holder; null (and error)
    // when it is missing or does not load.
    static std::shared_ptr<const FFmpegLibrary> Acquire(QString* error);

    ~FFmpegLibrary();
    FFmpegLibrary(const FFmpegLibrary&) = delete;
    FFmpegLibrary& operator=(const FFmpegLibrary&) = delete;

    const FFmpegModule& module() const { return *module_; }

private:
    FFmpegLibrary(void* handle, const FFmpegModule* module) : handle_(handle), module_(module) {}

    void* handle_;
    const FFmpegModule* module_;
};

} // namespace media
