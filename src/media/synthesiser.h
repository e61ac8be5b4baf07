#pragma once
// Synthesiser: the General MIDI synthesiser that plays the songs. One
// FluidSynth synth loads its soundfont once, on a worker thread, and stays
// while the audio device is open; each song is a MIDI file played by it into
// the mixer's music stream. (The mixer's own MIDI support builds a new synth
// and loads the whole soundfont again for every song, on the thread that opens
// it: a stall of the window at every song change.)
//
//   Synthesiser synth(font, 44100);
//   synth.play(midiBytes, [] { /* audio thread: the song has ended */ });
//   synth.render(buffer, frames);   // from the mixer's music hook
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace media {

class Synthesiser {
public:
    // Starts loading soundFont at once; sampleRate is the mixer's.
    Synthesiser(const QString& soundFont, int sampleRate);
    ~Synthesiser();
    Synthesiser(const Synthesiser&) = delete;
    Synthesiser& operator=(const Synthesiser&) = delete;

    // Whether the file or bytes are a soundfont / a standard MIDI file.
    static bool IsSoundFont(const QString& path);
    static bool IsSong(const QByteArray& bytes);

    const QString& soundFont() const;
    // Waits until the soundfont is loaded; false when it could not be.
    bool waitUntilLoaded();

    // Starts song from its beginning, cutting any other short; atEnd is called
    // on the audio thread once it has played and its last notes have died away.
    bool play(const QByteArray& song, std::function<void()> atEnd);
    // Silences the song without calling its atEnd.
    void halt();
    void pause();
    void resume();
    bool playing() const;

    // Fills frames of interleaved stereo 16-bit samples (silence while no song plays).
    void render(std::int16_t* stereo, int frames);

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace media
