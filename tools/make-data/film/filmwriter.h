#pragma once
// Encodes pictures as a Motion-JPEG film in an AVI file with FFmpeg, with the
// encoder and muxer in their bit-exact modes so a film is the same file on
// every run; an optional sound track goes beside them as PCM.
#include <QImage>
#include <QString>
#include <memory>
#include <vector>

namespace makedata::film {

class FilmWriter {
public:
    // sound: a mono track (samples of full scale 1.0 at soundRate per second)
    // laid under the pictures as 16-bit PCM, from the first frame on; none
    // when empty.
    FilmWriter(const QString& path, int width, int height, int framesPerSecond, std::vector<float> sound = {},
               int soundRate = 44100);
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
