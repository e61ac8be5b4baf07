#pragma once
// Encodes pictures as a Motion-JPEG film in an AVI file with FFmpeg, with the
// encoder and muxer in their bit-exact modes so a film is the same file on
// every run.
#include <QImage>
#include <QString>
#include <memory>

namespace makedata::film {

class FilmWriter {
public:
    FilmWriter(const QString& path, int width, int height, int framesPerSecond);
    ~FilmWriter();
    FilmWriter(const FilmWriter&) = delete;
    FilmWriter& operator=(const FilmWriter&) = delete;

    // False once anything failed; the error says what.
    bool ok() const;
    QString error() const;

    // Adds the next frame (scaled to the film's size if it differs).
    bool addFrame(const QImage& frame);
    // Flushes the encoder and writes the index; called by the destructor too.
    bool finish();

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace makedata::film
