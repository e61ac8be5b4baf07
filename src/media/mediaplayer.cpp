#include "media/mediaplayer.h"

#include "media/audiodevice.h"
#include "media/filmdecoder.h"
#include "media/filmsound.h"
#include "media/filmview.h"
#include "media/synthesiser.h"

#include <QFile>
#include <QFileInfo>
#include <QWidget>

#include <SDL_mixer.h>
#include <algorithm>

namespace {

// Songs are a few kilobytes; a file far beyond that is not read as one.
constexpr qint64 MaxSongBytes = 4 << 20;

QString& chosenSoundFont() {
    static QString path;
    return path;
}

} // namespace

TMediaPlayer::TMediaPlayer(QObject* parent) : QObject(parent) {
    filmTimer_.setSingleShot(true);
    filmTimer_.setTimerType(Qt::PreciseTimer);
    connect(&filmTimer_, &QTimer::timeout, this, &TMediaPlayer::filmTick);
}

TMediaPlayer::~TMediaPlayer() {
    // No notification can reach a player that is going away.
    pendingNotify_ = false;
    Close();
}

void TMediaPlayer::SetSoundFont(const QString& path) {
    chosenSoundFont() = path;
}

QString TMediaPlayer::SoundFont() {
    if (!chosenSoundFont().isEmpty()) {
        return chosenSoundFont();
    }
    // Debian's General MIDI soundfont (an alternative that points at the
    // installed one), then the one the build depends on.
    for (const char* path : {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2"}) {
        if (QFileInfo::exists(path)) {
            return path;
        }
    }
    return "/usr/share/sounds/sf2/default-GM.sf2";
}

bool TMediaPlayer::fail(const QString& error) {
    error_ = error;
    return false;
}

bool TMediaPlayer::takeNotify() {
    const bool notify = notify_;
    notify_ = true;
    return notify;
}

void TMediaPlayer::postNotify(TMPNotifyValues kind) {
    // Notifications arrive through the event loop, like the window messages
    // of a multimedia device.
    QMetaObject::invokeMethod(
        this,
        [this, kind] {
            notifyValue_ = kind;
            emit OnNotify();
        },
        Qt::QueuedConnection);
}

void TMediaPlayer::endPendingPlay(TMPNotifyValues kind) {
    // Ends still on their way from the audio thread belong to this play: they
    // are stale from now on.
    ++play_;
    if (pendingNotify_) {
        pendingNotify_ = false;
        postNotify(kind);
    }
}

void TMediaPlayer::playEnded(unsigned play, TMPNotifyValues kind) {
    if (play != play_ || !playing_) {
        return;
    }
    playing_ = false;
    atEnd_ = true;
    if (pendingNotify_) {
        pendingNotify_ = false;
        notifyValue_ = kind;
        emit OnNotify();
    }
}

bool TMediaPlayer::Open() {
    takeNotify();
    Close();
    error_.clear();
    const QFileInfo file(fileName_);
    const QString suffix = file.suffix().toLower();
    Kind kind = Kind::None;
    if (suffix == "mid" || suffix == "midi" || suffix == "rmi") {
        kind = Kind::Music;
    } else if (suffix == "wav") {
        kind = Kind::Sound;
    } else if (suffix == "avi" || suffix == "mp4" || suffix == "mkv" || suffix == "mpg" || suffix == "webm") {
        kind = Kind::Film;
    } else {
        return fail(QStringLiteral("media: %1: no device plays this kind of file").arg(fileName_));
    }
    if (!file.isFile()) {
        // A FIFO or a device would block the player or never end.
        return fail(QStringLiteral("media: %1: %2")
                        .arg(fileName_, file.exists() ? "not a regular file" : "no such file"));
    }
    const QByteArray path = fileName_.toLocal8Bit();

    if (kind == Kind::Film) {
        auto film = std::make_unique<media::FilmDecoder>();
        QString error;
        if (!film->open(fileName_, &error)) {
            return fail(error);
        }
        film_ = std::move(film);
        filmPosition_ = 0;
        filmEnd_ = 0;
        // Its sound track plays beside the pictures; without a sound device
        // the film still plays, silent.
        const QByteArray sound = FilmSoundAsWav(fileName_);
        if (!sound.isEmpty()) {
            QString ignored;
            if (auto audio = media::AudioDevice::acquire(&ignored)) {
                chunk_ = Mix_LoadWAV_RW(SDL_RWFromConstMem(sound.constData(), int(sound.size())), 1);
                if (chunk_) {
                    audio_ = std::move(audio);
                }
            }
        }
    } else {
        QString error;
        auto audio = media::AudioDevice::acquire(&error);
        if (!audio) {
            return fail(error);
        }
        if (kind == Kind::Music) {
            // Songs sound only with a General MIDI soundfont; without one the
            // device fails rather than playing silence or another synthesizer's guess.
            const QString font = SoundFont();
            if (!QFileInfo(font).isFile()) {
                return fail(QStringLiteral("media: soundfont %1 is missing").arg(font));
            }
            // The synthesiser and its soundfont stay open across songs.
            if (!audio->useSoundFont(font, &error)) {
                return fail(error);
            }
            QFile song(fileName_);
            QByteArray bytes = song.open(QIODevice::ReadOnly) ? song.read(MaxSongBytes + 1) : QByteArray();
            if (bytes.size() > MaxSongBytes || !media::Synthesiser::IsSong(bytes)) {
                return fail(QStringLiteral("media: %1: not a MIDI file").arg(fileName_));
            }
            song_ = std::move(bytes);
        } else {
            chunk_ = Mix_LoadWAV(path.constData());
            if (!chunk_) {
                return fail(QStringLiteral("media: %1: %2").arg(fileName_, Mix_GetError()));
            }
        }
        audio_ = std::move(audio);
    }
    kind_ = kind;
    started_ = false;
    atEnd_ = false;
    playing_ = false;
    return true;
}

bool TMediaPlayer::Play() {
    const bool notify = takeNotify();
    if (kind_ == Kind::None) {
        return fail(QStringLiteral("media: play: the device is not open"));
    }
    // A newer play takes over the notification of one still running.
    if (pendingNotify_) {
        pendingNotify_ = false;
        postNotify(TMPNotifyValues::nvSuperseded);
    }
    ++play_;
    const unsigned play = play_;
    const media::FinishCall finish{this, [this, play] {
                                       playEnded(play, TMPNotifyValues::nvSuccessful);
                                   }};
    // Play goes on from the current position; at the end it rewinds first.
    const bool fromStart = !started_ || atEnd_;

    bool ok = true;
    switch (kind_) {
    case Kind::Music:
        if (fromStart || !audio_->replaceMusicFinish(this, finish)) {
            ok = audio_->playMusic(song_, finish);
        } else if (!playing_) {
            audio_->resumeMusic();
        }
        break;
    case Kind::Sound:
        if (fromStart || channel_ < 0 || !audio_->replaceChannelFinish(channel_, finish)) {
            if (channel_ >= 0) {
                audio_->haltChannel(channel_, this);
            }
            channel_ = audio_->playChunk(chunk_, finish);
            ok = channel_ >= 0;
        } else if (!playing_) {
            audio_->resumeChannel(channel_);
        }
        break;
    case Kind::Film:
        ok = playFilm();
        if (ok && chunk_) {
            // The sound follows the pictures; only the pictures' end notifies.
            if (fromStart || channel_ < 0) {
                if (channel_ >= 0) {
                    audio_->haltChannel(channel_, this);
                }
                channel_ = audio_->playChunk(chunk_, media::FinishCall{this, [] {
                                                                       }});
            } else if (!playing_) {
                audio_->resumeChannel(channel_);
            }
        }
        break;
    case Kind::None:
        break;
    }
    if (!ok) {
        playing_ = false;
        return fail(QStringLiteral("media: %1: %2")
                        .arg(fileName_, kind_ == Kind::Film    ? "the film does not play"
                                        : kind_ == Kind::Music ? "the song does not play"
                                                               : Mix_GetError()));
    }
    started_ = true;
    atEnd_ = false;
    playing_ = true;
    pendingNotify_ = notify;
    return true;
}

bool TMediaPlayer::Stop() {
    takeNotify();
    if (kind_ == Kind::None) {
        return fail(QStringLiteral("media: stop: the device is not open"));
    }
    if (playing_) {
        switch (kind_) {
        case Kind::Music:
            audio_->pauseMusic();
            break;
        case Kind::Sound:
            audio_->pauseChannel(channel_);
            break;
        case Kind::Film:
            stopFilmClock();
            if (channel_ >= 0) {
                audio_->pauseChannel(channel_);
            }
            break;
        case Kind::None:
            break;
        }
        playing_ = false;
    }
    endPendingPlay(TMPNotifyValues::nvAborted);
    return true;
}

bool TMediaPlayer::Close() {
    takeNotify();
    if (kind_ == Kind::None) {
        return true;
    }
    endPendingPlay(TMPNotifyValues::nvAborted);
    if (kind_ == Kind::Music) {
        audio_->forgetMusic(this); // silences it when it is the song playing
        song_.clear();
    }
    if (chunk_) {
        if (channel_ >= 0) {
            audio_->haltChannel(channel_, this);
        }
        Mix_FreeChunk(chunk_);
        chunk_ = nullptr;
    }
    channel_ = -1;
    audio_.reset();
    filmTimer_.stop();
    film_.reset();
    nextFrame_.reset();
    delete view_.data();
    kind_ = Kind::None;
    playing_ = false;
    started_ = false;
    atEnd_ = false;
    return true;
}

void TMediaPlayer::PlayFile(const QString& file) {
    SetFileName(file);
    if (Open()) {
        Play();
    }
}

void TMediaPlayer::StopAndClose() {
    Stop();
    Close();
}

void TMediaPlayer::SetDisplay(QWidget* display) {
    if (display == display_) {
        return;
    }
    delete view_.data();
    display_ = display;
    if (kind_ == Kind::Film && started_) {
        placeFilmView();
    }
}

void TMediaPlayer::SetDisplayRect(const QRect& rect) {
    displayRect_ = rect;
    if (view_) {
        placeFilmView();
    }
}

void TMediaPlayer::placeFilmView() {
    if (!display_ || !film_) {
        return;
    }
    if (!view_) {
        view_ = new media::FilmView(display_);
    }
    QRect rect = displayRect_;
    if (rect.width() <= 0 || rect.height() <= 0) {
        rect.setSize(film_->size());
    }
    view_->setGeometry(rect);
    view_->show();
    view_->raise();
}

bool TMediaPlayer::playFilm() {
    if (!started_ || atEnd_) {
        if (started_ && !film_->rewind()) {
            return false;
        }
        nextFrame_.reset();
        filmPosition_ = 0;
        filmEnd_ = 0;
    }
    placeFilmView();
    filmClock_.start();
    filmTimer_.start(0);
    return true;
}

void TMediaPlayer::stopFilmClock() {
    filmTimer_.stop();
    if (filmClock_.isValid()) {
        filmPosition_ += filmClock_.nsecsElapsed() / 1e9;
        filmClock_.invalidate();
    }
}

void TMediaPlayer::filmTick() {
    if (!playing_ || !film_) {
        return;
    }
    const double now = filmPosition_ + filmClock_.nsecsElapsed() / 1e9;
    // Show the latest frame that is due; frames whose time has already gone
    // by are skipped, so a slow machine keeps the film's pace.
    QImage due;
    double wait = -1;
    for (;;) {
        if (!nextFrame_) {
            if (auto frame = film_->next()) {
                nextFrame_ = std::make_unique<media::FilmFrame>(std::move(*frame));
            }
        }
        if (!nextFrame_) {
            if (now >= filmEnd_ || film_->failed()) {
                break;
            }
            wait = filmEnd_ - now;
            break;
        }
        if (nextFrame_->start > now) {
            wait = nextFrame_->start - now;
            break;
        }
        filmEnd_ = std::max(filmEnd_, nextFrame_->start + nextFrame_->duration);
        due = std::move(nextFrame_->image);
        nextFrame_.reset();
    }
    if (!due.isNull() && view_) {
        view_->showFrame(due);
    }
    if (wait >= 0) {
        filmTimer_.start(std::max(1, int(wait * 1000 + 0.5)));
        return;
    }
    // The film is over: the last frame stays up until the player is closed.
    stopFilmClock();
    filmPosition_ = filmEnd_;
    playEnded(play_, film_->failed() ? TMPNotifyValues::nvFailure : TMPNotifyValues::nvSuccessful);
}
