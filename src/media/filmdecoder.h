#pragma once
// FilmDecoder: reads a film file's video stream frame by frame with FFmpeg and
// hands out each frame as a QImage with its time. Sound tracks are not read.
#include <QImage>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

namespace media {

struct FilmFrame {
    QImage image;        // Format_RGB32
    double start = 0;    // seconds from the film's beginning
    double duration = 0; // seconds the frame stays up
};

class FilmDecoder {
public:
    FilmDecoder();
    ~FilmDecoder();
    FilmDecoder(const FilmDecoder&) = delete;
    FilmDecoder& operator=(const FilmDecoder&) = delete;

    // Opens the file and its first video stream; false (and error) when the
    // file is missing or holds no film this build can decode.
    bool open(const QString& path, QString* error);
    QSize size() const;
    // The film's own frame rate, frames per second.
    double frameRate() const;
    // The next frame, or nothing at the end of the film (or on a broken frame,
    // which ends it too: failed() then says so).
    std::optional<FilmFrame> next();
    bool failed() const;
    // Back to the first frame.
    bool rewind();

private:
    struct State;
    std::unique_ptr<State> s_;
};

} // namespace media
