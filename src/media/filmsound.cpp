#include "media/filmsound.h"

#include "media/ffmpeglibrary.h"

QByteArray FilmSoundAsWav(const QString& path) {
    const auto library = media::FFmpegLibrary::Acquire(nullptr);
    return library ? library->module().filmSoundAsWav(path) : QByteArray();
}
