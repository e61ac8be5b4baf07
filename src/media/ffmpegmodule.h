#pragma once
// FFmpegModule: what the program asks of its FFmpeg module (libpw_ffmpeg.so),
// which holds every call into libavformat, libavcodec, libavfilter and
// libswscale. The program loads it only while a film plays or an animated
// card is written (FFmpegLibrary), so FFmpeg and the many libraries it brings
// in take no memory the rest of the time. Plain C++ and Qt types only: no
// FFmpeg type crosses this line.
#include "media/animationwriter.h"
#include "media/filmdecoder.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

namespace media {

// A film read frame by frame (FilmDecoder's work).
class FFmpegFilm {
public:
    virtual ~FFmpegFilm() = default;
    virtual bool open(const QString& path, QString* error) = 0;
    virtual QSize size() const = 0;
    virtual double frameRate() const = 0;
    virtual std::optional<FilmFrame> next() = 0;
    virtual bool failed() const = 0;
    virtual bool rewind() = 0;
};

// An animation written frame by frame (TAnimationWriter's work).
class FFmpegAnimation {
public:
    virtual ~FFmpegAnimation() = default;
    virtual bool open(const QString& path, TAnimationWriter::Format format, QSize size, int fps,
                      QString* error) = 0;
    virtual bool addFrame(const QImage& frame, QString* error) = 0;
    virtual bool finish(QString* error) = 0;
};

// The module's entry points. Objects it makes must be destroyed before the
// module is unloaded: their code lives in it.
struct FFmpegModule {
    // Changes whenever this interface does, so a module of another build is refused.
    static constexpr int InterfaceVersion = 1;
    int version = InterfaceVersion;
    std::unique_ptr<FFmpegFilm> (*newFilm)() = nullptr;
    std::unique_ptr<FFmpegAnimation> (*newAnimation)() = nullptr;
    // The film's sound track as a WAV file in memory (FilmSoundAsWav).
    QByteArray (*filmSoundAsWav)(const QString& path) = nullptr;
};

} // namespace media

// The one symbol the module exports.
extern "C" const media::FFmpegModule* pw_ffmpeg_module();
