#include "media/filmdecoder.h"

#include "media/ffmpeglibrary.h"

namespace media {

// The module first: the film's reader is its code and goes before it.
struct FilmDecoder::State {
    std::shared_ptr<const FFmpegLibrary> library;
    std::unique_ptr<FFmpegFilm> film;
};

FilmDecoder::FilmDecoder() = default;
FilmDecoder::~FilmDecoder() = default;

bool FilmDecoder::open(const QString& path, QString* error) {
    s_.reset();
    auto s = std::make_unique<State>();
    QString why;
    s->library = FFmpegLibrary::Acquire(&why);
    if (!s->library) {
        *error = QStringLiteral("film: %1: %2").arg(path, why);
        return false;
    }
    s->film = s->library->module().newFilm();
    if (!s->film->open(path, error)) {
        return false;
    }
    s_ = std::move(s);
    return true;
}

QSize FilmDecoder::size() const {
    return s_ ? s_->film->size() : QSize();
}

double FilmDecoder::frameRate() const {
    return s_ ? s_->film->frameRate() : 0;
}

std::optional<FilmFrame> FilmDecoder::next() {
    return s_ ? s_->film->next() : std::nullopt;
}

bool FilmDecoder::failed() const {
    return s_ && s_->film->failed();
}

bool FilmDecoder::rewind() {
    return s_ && s_->film->rewind();
}

} // namespace media
