#pragma once
// The FFmpeg module's parts, each in its own file, gathered by its entry point.
#include "media/ffmpegmodule.h"

namespace ffmpegmodule {

std::unique_ptr<media::FFmpegFilm> NewFilmReader();
std::unique_ptr<media::FFmpegAnimation> NewAnimationEncoder();
QByteArray FilmSoundTrackAsWav(const QString& path);

} // namespace ffmpegmodule
