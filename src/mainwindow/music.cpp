// TFormTree: the music button and the two players, the songs' and the landing
// sounds'. The players themselves come with the media player; until then the
// window is silent and the button only changes the song and the switch that
// the description file keeps.
#include "controls/control0.h"
#include "mainwindow/formtree.h"
#include "scene/tree.h"

void TFormTree::RestartMusic() {
    // Stops both players, then plays the tree's current song when music is on.
}

TSoundPlayer* TFormTree::DropMediaPlayer() const {
    return nullptr;
}

void TFormTree::bMusicMouseUp(Qt::MouseButton button, int x, int y) {
    NotWelcomeClick();
    // A press dragged off the button and released elsewhere does nothing; both
    // edges count as on the button.
    if (!tree_ || x < 0 || y < 0 || x > bMusic->width() || y > bMusic->height()) {
        return;
    }
    if (button == Qt::LeftButton) {
        tree_->NextSong();
        RestartMusic();
    } else if (button == Qt::RightButton) {
        tree_->MusicOff();
        RestartMusic();
    }
}
