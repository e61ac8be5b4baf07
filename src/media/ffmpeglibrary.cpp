#include "media/ffmpeglibrary.h"

#include <QByteArray>
#include <QFileInfo>
#include <dlfcn.h>
#include <mutex>

namespace media {

namespace {

constexpr const char* ModuleName = "libpw_ffmpeg.so";

// Where the module may be, in order: the file PINEWICK_FFMPEG_MODULE names;
// the private library folder of an installed program (PW_FFMPEG_MODULE_DIR,
// relative to the program's folder); the program's own folder (the build
// folder); then the name alone, which the dynamic loader looks up along the
// calling program's run path (test programs have the build folder there) and
// LD_LIBRARY_PATH.
QStringList candidates() {
    const QByteArray chosen = qgetenv("PINEWICK_FFMPEG_MODULE");
    if (!chosen.isEmpty()) {
        return {QString::fromLocal8Bit(chosen)};
    }
    const QString programFolder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    QStringList files;
    if (!programFolder.isEmpty()) {
        for (const QString& file : {programFolder + "/" PW_FFMPEG_MODULE_DIR "/" + ModuleName,
                                    programFolder + "/" + ModuleName}) {
            if (QFileInfo::exists(file)) {
                files << file;
            }
        }
    }
    files << ModuleName;
    return files;
}

} // namespace

std::shared_ptr<const FFmpegLibrary> FFmpegLibrary::Acquire(QString* error) {
    static std::mutex mutex;
    static std::weak_ptr<const FFmpegLibrary> loaded;
    const std::lock_guard lock(mutex);
    if (auto library = loaded.lock()) {
        return library;
    }
    QString why;
    for (const QString& file : candidates()) {
        // Called from the program's own code, dlopen follows the program's run path.
        void* handle = dlopen(file.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            why = QString::fromLocal8Bit(dlerror());
            continue;
        }
        using Entry = const FFmpegModule* (*)();
        const auto entry = reinterpret_cast<Entry>(dlsym(handle, "pw_ffmpeg_module"));
        const FFmpegModule* module = entry ? entry() : nullptr;
        if (!module || module->version != FFmpegModule::InterfaceVersion || !module->newFilm ||
            !module->newAnimation || !module->filmSoundAsWav) {
            why = file + ": a module of another Pinewick build";
            dlclose(handle);
            continue;
        }
        std::shared_ptr<const FFmpegLibrary> library(new FFmpegLibrary(handle, module));
        loaded = library;
        return library;
    }
    if (error) {
        *error = QStringLiteral("the FFmpeg module does not load: %1").arg(why);
    }
    return nullptr;
}

FFmpegLibrary::~FFmpegLibrary() {
    dlclose(handle_);
}

} // namespace media
