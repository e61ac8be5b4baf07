#pragma once
// The one SDL audio device with its mixer, shared by every media player while
// at least one of them holds it. Sounds play on mixer channels of their own,
// songs through the synthesiser on the mixer's single music stream; the end of
// each is reported by calling a function on the GUI thread (the mixer and the
// synthesiser report on the audio thread).
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

struct Mix_Chunk;

namespace media {

class Synthesiser;

// Called on the thread of `context` (queued) when a sound or song has ended,
// whether it ran out or was halted.
struct FinishCall {
    QObject* context = nullptr;
    std::function<void()> call;
};

class AudioDevice {
public:
    // The shared device, opened on first use; null when no audio device can be
    // opened (error then says why).
    static std::shared_ptr<AudioDevice> acquire(QString* error);
    ~AudioDevice();
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    // Starts chunk on a free channel; returns the channel or -1.
    int playChunk(Mix_Chunk* chunk, FinishCall finish);
    // Replaces what is called when the channel's sound ends; false when the
    // sound has already ended (its finish call is then on its way).
    bool replaceChannelFinish(int channel, FinishCall finish);
    void pauseChannel(int channel);
    void resumeChannel(int channel);
    // Halts the channel without calling its finish function, when owner's
    // sound is still on it (a channel whose sound has ended may already carry
    // another player's).
    void haltChannel(int channel, QObject* owner);

    // The synthesiser plays songs with soundFont: the one already open when it
    // has that soundfont (the soundfont is loaded once, in the background).
    bool useSoundFont(const QString& soundFont, QString* error);
    // Songs (MIDI files' bytes): one at a time. Starting a song takes the stream
    // from whoever held it.
    bool playMusic(const QByteArray& song, FinishCall finish);
    // As replaceChannelFinish, for the song that owner started.
    bool replaceMusicFinish(QObject* owner, FinishCall finish);
    void pauseMusic();
    void resumeMusic();
    // Forgets owner's song: its end is no longer reported, and it is silenced
    // when it is the one playing.
    void forgetMusic(QObject* owner);
    // A song started and neither ended, paused nor silenced.
    bool musicPlaying() const;
    // The synthesiser, once a soundfont was chosen (tests).
    Synthesiser* synthesiser() const { return synth_.get(); }

private:
    AudioDevice() = default;
    std::unique_ptr<Synthesiser> synth_;
    QObject* musicOwner_ = nullptr;
};

} // namespace media
