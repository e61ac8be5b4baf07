// TFormTree: the music button and the two players, the songs' and the landing
// and fetch sounds'. Whether music is on and which song is current belong to
// the tree, which keeps them in the description file.
#include "controls/control0.h"
#include "mainwindow/formtree.h"
#include "media/audiodevice.h"
#include "media/mediaplayer.h"
#include "scene/tree.h"

void TFormTree::createPlayers() {
    MediaPlayer = new TMediaPlayer(this);
    MediaPlayer->setObjectName("MediaPlayer");
    connect(MediaPlayer, &TMediaPlayer::OnNotify, this, &TFormTree::MediaPlayerNotify);
    DropPlayer = new TMediaPlayer(this);
    DropPlayer->setObjectName("DropMediaPlayer");
    connect(DropPlayer, &TMediaPlayer::OnNotify, this, &TFormTree::DropMediaPlayerNotify);
}

void TFormTree::RestartMusic() {
    // Taken before the players let go of it, so that a song change does not
    // close the device.
    if (tree_ && tree_->MusicOn && !audio_) {
        QString error;
        audio_ = media::AudioDevice::acquire(&error);
    }
    // Each of these may fail (a player that is not open cannot stop); the
    // failure is ignored and the next one still runs.
    MediaPlayer->Stop();
    MediaPlayer->Close();
    DropPlayer->Stop();
    DropPlayer->Close();
    if (!tree_ || !tree_->MusicOn) {
        audio_.reset();
        return;
    }
    // A song that cannot be opened is not played and sends no notification.
    MediaPlayer->SetFileName(tree_->SongFile());
    // Without a sound device it cannot be: the player would look for one
    // again, and giving up takes the sound library a tenth of a second.
    if (!audio_) {
        return;
    }
    if (MediaPlayer->Open()) {
        MediaPlayer->Play();
    }
}

TSoundPlayer* TFormTree::DropMediaPlayer() const {
    return DropPlayer;
}

void TFormTree::MediaPlayerNotify() {
    // Only a song that played to its end moves on: one stopped, superseded or
    // failed leaves the cycle where it is.
    if (MediaPlayer->NotifyValue() == TMPNotifyValues::nvSuccessful && tree_) {
        tree_->NextSong();
        RestartMusic();
    }
}

void TFormTree::DropMediaPlayerNotify() {
    // A sound cut by Stop, Close or a newer play has been dealt with by that
    // command; its notice comes late and must not close the landing sound
    // that has started since.
    const TMPNotifyValues kind = DropPlayer->NotifyValue();
    if (kind == TMPNotifyValues::nvAborted || kind == TMPNotifyValues::nvSuperseded) {
        return;
    }
    DropPlayer->Stop();
    DropPlayer->Close();
}

void TFormTree::bMusicMouseUp(Qt::MouseButton button, int x, int y) {
    NotWelcomeClick();
    // A press dragged off the button and released elsewhere does nothing; both
    // edges count as on the button.
    if (!tree_ || x < 0 || y < 0 || x > bMusic->width() || y > bMusic->height()) {
        return;
    }
    const TDecorationSettings before = history_->Settings();
    if (button == Qt::LeftButton) {
        tree_->NextSong();
        RestartMusic();
    } else if (button == Qt::RightButton) {
        tree_->MusicOff();
        RestartMusic();
    }
    history_->SettingsChanged(before, "Music");
}
