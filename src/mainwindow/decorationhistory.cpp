// TDecorationHistory: the steps are QUndoCommands on a QUndoStack. A toy that
// is taken off is held by its step (detached from the tree, its frame keeping
// its place and turn) so that undo hangs the very same toy at its old place in
// the list of toys.
#include "mainwindow/decorationhistory.h"

#include "scene/toy.h"
#include "scene/tree.h"

#include <QCoreApplication>
#include <QUndoCommand>
#include <memory>

namespace {

// Hangs or takes off one toy. The step is pushed after the change was made
// (hanging) or makes it itself (taking off).
class ToyStep : public QUndoCommand {
public:
    enum Kind { Hang, Remove };
    ToyStep(TTree& tree, TToy* toy, Kind kind, QUndoCommand* parent = nullptr)
        : QUndoCommand(kind == Hang ? QCoreApplication::translate("TDecorationHistory", "Hang toy")
                                    : QCoreApplication::translate("TDecorationHistory", "Remove toy"),
                       parent),
          tree_(tree), toy_(toy), kind_(kind) {}

    void undo() override { kind_ == Hang ? takeOff() : putBack(); }
    void redo() override { kind_ == Hang ? putBack() : takeOff(); }

private:
    void takeOff() { held_ = tree_.TakeToy(toy_, &index_); }
    void putBack() {
        // The first redo of a hanging finds the toy already on the tree.
        if (held_) {
            toy_ = tree_.PutToy(std::move(held_), index_);
        }
    }

    TTree& tree_;
    TToy* toy_;
    Kind kind_;
    std::unique_ptr<TToy> held_;
    std::size_t index_ = 0;
};

// Settings from `before` to `after`; already applied when pushed.
class SettingsStep : public QUndoCommand {
public:
    using Apply = std::function<void(const TDecorationSettings&, const TDecorationSettings&)>;
    SettingsStep(const TDecorationSettings& before, const TDecorationSettings& after, const QString& what,
                 Apply apply)
        : QUndoCommand(what), before_(before), after_(after), apply_(std::move(apply)) {}

    void undo() override { apply_(before_, after_); }
    void redo() override {
        if (pushed_) {
            apply_(after_, before_);
        }
        pushed_ = true;
    }

private:
    TDecorationSettings before_;
    TDecorationSettings after_;
    Apply apply_;
    bool pushed_ = false;
};

} // namespace

TDecorationHistory::TDecorationHistory(TTree& tree, QObject* parent) : QObject(parent), tree_(tree) {
    stack_.setUndoLimit(StepLimit);
    connect(&stack_, &QUndoStack::indexChanged, this, &TDecorationHistory::Changed);
}

// The steps go first: they hold toys whose meshes the tree's catalogue owns.
TDecorationHistory::~TDecorationHistory() {
    stack_.clear();
}

void TDecorationHistory::ToyHung(TToy* toy) {
    if (toy) {
        stack_.push(new ToyStep(tree_, toy, ToyStep::Hang));
    }
}

void TDecorationHistory::RemoveToy(TToy* toy) {
    if (toy) {
        stack_.push(new ToyStep(tree_, toy, ToyStep::Remove));
    }
}

TDecorationSettings TDecorationHistory::Settings() const {
    return {tree_.WelcomeText,  tree_.FontName, tree_.FontStyle,
            tree_.WelcomeColor, tree_.MusicOn,  tree_.SongNumber};
}

void TDecorationHistory::SettingsChanged(const TDecorationSettings& before, const QString& what) {
    const TDecorationSettings after = Settings();
    if (after == before) {
        return;
    }
    stack_.push(
        new SettingsStep(before, after, what,
                         [this](const TDecorationSettings& settings, const TDecorationSettings& previous) {
                             applySettings(settings, previous);
                         }));
}

void TDecorationHistory::applySettings(const TDecorationSettings& settings,
                                       const TDecorationSettings& previous) {
    tree_.WelcomeText = settings.WelcomeText;
    tree_.FontName = settings.FontName;
    tree_.FontStyle = settings.FontStyle;
    tree_.WelcomeColor = settings.WelcomeColor;
    tree_.MusicOn = settings.MusicOn;
    tree_.SongNumber = settings.SongNumber;
    if (OnSettingsRestored) {
        OnSettingsRestored(previous);
    }
}

bool TDecorationHistory::Undo() {
    if (!stack_.canUndo()) {
        return false;
    }
    stack_.undo();
    return true;
}

bool TDecorationHistory::Redo() {
    if (!stack_.canRedo()) {
        return false;
    }
    stack_.redo();
    return true;
}
