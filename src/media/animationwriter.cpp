#include "media/animationwriter.h"

#include "media/ffmpeglibrary.h"

#include <QFileInfo>

// The module first: the encoder is its code and goes before it.
struct TAnimationWriter::Impl {
    std::shared_ptr<const media::FFmpegLibrary> library;
    std::unique_ptr<media::FFmpegAnimation> encoder;
};

std::optional<TAnimationWriter::Format> TAnimationWriter::FormatForFile(const QString& file) {
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (suffix == "gif") {
        return Format::Gif;
    }
    if (suffix == "webp") {
        return Format::WebP;
    }
    if (suffix == "mp4") {
        return Format::Mp4;
    }
    return std::nullopt;
}

TAnimationWriter::TAnimationWriter() = default;
TAnimationWriter::~TAnimationWriter() = default;

bool TAnimationWriter::Open(const QString& path, Format format, QSize size, int fps, QString* error) {
    d_.reset();
    auto d = std::make_unique<Impl>();
    d->library = media::FFmpegLibrary::Acquire(error);
    if (!d->library) {
        return false;
    }
    d->encoder = d->library->module().newAnimation();
    if (!d->encoder->open(path, format, size, fps, error)) {
        return false;
    }
    d_ = std::move(d);
    return true;
}

bool TAnimationWriter::AddFrame(const QImage& frame, QString* error) {
    if (!d_) {
        *error = "the animation is not open";
        return false;
    }
    return d_->encoder->addFrame(frame, error);
}

bool TAnimationWriter::Finish(QString* error) {
    if (!d_) {
        *error = "the animation is not open";
        return false;
    }
    const bool written = d_->encoder->finish(error);
    // Done either way: the module may go.
    d_.reset();
    return written;
}
