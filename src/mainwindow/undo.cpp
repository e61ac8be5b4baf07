// TFormTree: undo and redo. The history records what the pointer, the keys
// and the greeting editor change; here the window decides when a step may be
// undone and what follows a restored greeting or music setting.
#include "controls/control0.h"
#include "mainwindow/formtree.h"
#include "scene/tree.h"

bool TFormTree::HistoryLocked() const {
    // A toy in the air, or held by the pointer or the keys, still changes the
    // list of toys.
    return !history_ || InputState == StateFalling || InputState == StateLanding ||
           InputState == StateDragSlot || DraggedSlot != nullptr || carriedSlot_ != nullptr;
}

bool TFormTree::Undo() {
    if (HistoryLocked()) {
        return false;
    }
    // Typing still going on in the band is a step of its own, undone first.
    if (WelcomeEditing()) {
        SetWelcomeEditing(false);
    }
    return history_->Undo();
}

bool TFormTree::Redo() {
    if (HistoryLocked()) {
        return false;
    }
    if (WelcomeEditing()) {
        SetWelcomeEditing(false);
    }
    return history_->Redo();
}

void TFormTree::BeginGreetingSession() {
    if (history_ && !greetingBefore_) {
        greetingBefore_ = history_->Settings();
    }
}

void TFormTree::EndGreetingSession() {
    if (history_ && greetingBefore_) {
        history_->SettingsChanged(*greetingBefore_, "Greeting");
    }
    greetingBefore_.reset();
}

void TFormTree::SettingsRestored(const TDecorationSettings& previous) {
    RepaintWelcome();
    if (hooks_.GreetingRestored) {
        hooks_.GreetingRestored();
    }
    const TDecorationSettings now = history_->Settings();
    if (now.MusicOn != previous.MusicOn || now.SongNumber != previous.SongNumber) {
        RestartMusic();
    }
}
