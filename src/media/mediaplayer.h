#pragma once
// TMediaPlayer: plays one song, sound or film at a time and reports the end of
// a play. MIDI songs play through FluidSynth (one synthesiser and soundfont for
// all songs) on SDL_mixer's music stream, wave sounds on mixer channels of their own (so a
// song, a landing sound and the title sound can sound at once), films are
// decoded with FFmpeg and shown in a display widget at their own frame rate.
//
//   player.SetFileName(home + "Data/Resource/Song3.mid");
//   if (player.Open()) player.Play();   // OnNotify when the song ends
//
// Open waits; Play starts and returns; Stop pauses; Close releases the device.
// A failed Open or Play produces no notification. Without an audio device,
// opening a song or sound fails.
#include "scene/soundplayer.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <memory>

struct Mix_Chunk;

namespace media {
class AudioDevice;
class FilmDecoder;
class FilmView;
struct FilmFrame;
} // namespace media

// How the last play that asked for a notification ended.
enum class TMPNotifyValues {
    nvSuccessful, // it played to its end
    nvSuperseded, // a newer Play took over its notification
    nvAborted,    // Stop or Close interrupted it
    nvFailure,    // the device failed while playing
};

class TMediaPlayer : public QObject, public TSoundPlayer {
    Q_OBJECT
public:
    explicit TMediaPlayer(QObject* parent = nullptr);
    ~TMediaPlayer() override;

    // The file to open; the device is chosen by its extension (.mid, .wav, .avi).
    QString FileName() const { return fileName_; }
    void SetFileName(const QString& name) { fileName_ = name; }

    // Where a film is shown: none, or a widget, at a rectangle of it. A width
    // and height of 0 mean the film's own size.
    QWidget* Display() const { return display_; }
    void SetDisplay(QWidget* display);
    QRect DisplayRect() const { return displayRect_; }
    void SetDisplayRect(const QRect& rect);

    // Whether the next command notifies at its end; switched off for one
    // command only, then on again.
    bool Notify() const { return notify_; }
    void SetNotify(bool notify) { notify_ = notify; }
    TMPNotifyValues NotifyValue() const { return notifyValue_; }

    // Each returns false on the device error: a missing or unplayable file, no
    // audio device, Stop or Play of a player that is not open. Close of a
    // player that is not open does nothing and succeeds.
    bool Open();
    bool Play();
    bool Stop();
    bool Close();

    bool IsOpen() const { return kind_ != Kind::None; }
    bool IsPlaying() const { return playing_; }
    // Why the last command failed, for the developer.
    QString LastError() const { return error_; }

    // The General MIDI soundfont for songs (default: the system's). A missing
    // soundfont makes opening a song fail.
    static void SetSoundFont(const QString& path);
    static QString SoundFont();

    // TSoundPlayer: the landing and fetch sounds of the scene.
    void PlayFile(const QString& file) override;
    void StopAndClose() override;

signals:
    // A play that asked for it has ended; NotifyValue() says how.
    void OnNotify();

private:
    enum class Kind { None, Music, Sound, Film };

    bool fail(const QString& error);
    // Reads the one-shot switch for the command being run and turns it back on.
    bool takeNotify();
    void endPendingPlay(TMPNotifyValues kind);
    void postNotify(TMPNotifyValues kind);
    void playEnded(unsigned play, TMPNotifyValues kind);

    bool openFilm(const QString& path);
    bool playFilm();
    void filmTick();
    void placeFilmView();
    void stopFilmClock();

    QString fileName_;
    QPointer<QWidget> display_;
    QRect displayRect_;
    bool notify_ = true;
    TMPNotifyValues notifyValue_ = TMPNotifyValues::nvSuccessful;
    QString error_;

    Kind kind_ = Kind::None;
    bool playing_ = false;
    bool atEnd_ = false;
    bool started_ = false; // a play has begun since Open or the last end
    unsigned play_ = 0;    // number of the current play; ends of older plays are stale
    bool pendingNotify_ = false;

    std::shared_ptr<media::AudioDevice> audio_;
    QByteArray song_;
    Mix_Chunk* chunk_ = nullptr;
    int channel_ = -1;

    std::unique_ptr<media::FilmDecoder> film_;
    std::unique_ptr<media::FilmFrame> nextFrame_;
    QPointer<media::FilmView> view_;
    QTimer filmTimer_;
    QElapsedTimer filmClock_;
    double filmPosition_ = 0; // seconds of film played before the clock was last started
    double filmEnd_ = 0;      // when the last frame shown so far ends, in seconds of film
};
