#include "media/ffmpeg/module.h"

extern "C" __attribute__((visibility("default"))) const media::FFmpegModule* pw_ffmpeg_module() {
    static const media::FFmpegModule module{media::FFmpegModule::InterfaceVersion,
                                            &ffmpegmodule::NewFilmReader, &ffmpegmodule::NewAnimationEncoder,
                                            &ffmpegmodule::FilmSoundTrackAsWav};
    return &module;
}
