#pragma once
// TDecorationHistory: the undo history of the decoration. Every change the
// user makes to what is saved is one step: a toy hung or taken off, one
// editing session of the greeting (text, font, style, colour), a change of
// the music. Steps undo and redo exactly, so the
// description file written afterwards is the one of that moment. The history
// lives as long as the window and starts empty; toys that fall and land are
// never steps.
//
//   history.ToyHung(toy);                  // after TTree::AddToy
//   history.RemoveToy(toy);                // takes it off, undoably
//   const auto before = history.Settings();
//   ...change the greeting or the music...
//   history.SettingsChanged(before, "Greeting");
//   history.Undo();
#include "scene/descfile.h"

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <string>

class TToy;
class TTree;

// The decoration's settings that the user changes besides the toys.
struct TDecorationSettings {
    std::string WelcomeText;
    std::string FontName;
    std::string FontStyle;
    TColor WelcomeColor = 0;
    int MusicOn = 1;
    int SongNumber = 0;
    bool operator==(const TDecorationSettings&) const = default;
};

class TDecorationHistory : public QObject {
    Q_OBJECT
public:
    // Steps kept; older ones are forgotten.
    static constexpr int StepLimit = 200;

    explicit TDecorationHistory(TTree& tree, QObject* parent = nullptr);
    ~TDecorationHistory() override;

    // A toy that has just been hung by TTree::AddToy.
    void ToyHung(TToy* toy);
    // Takes a hung toy off the tree as one step.
    void RemoveToy(TToy* toy);

    // The tree's settings now.
    TDecorationSettings Settings() const;
    // Records the change from `before` to the tree's settings now as one step
    // named `what`; nothing when they are equal.
    void SettingsChanged(const TDecorationSettings& before, const QString& what);
    // Called after an undo or redo put settings back into the tree, with the
    // settings before that step: the window repaints the greeting, restarts
    // the music, and the greeting editor takes the restored values.
    std::function<void(const TDecorationSettings& previous)> OnSettingsRestored;

    bool CanUndo() const { return stack_.canUndo(); }
    bool CanRedo() const { return stack_.canRedo(); }
    int Count() const { return stack_.count(); }
    // Names of the next undo and redo steps ("Hang toy", "Greeting", ...).
    QString UndoText() const { return stack_.undoText(); }
    QString RedoText() const { return stack_.redoText(); }
    bool Undo();
    bool Redo();
    // Forgets every step (the toys held for redo are destroyed).
    void Clear() { stack_.clear(); }

signals:
    // Any step done, undone or redone.
    void Changed();

private:
    void applySettings(const TDecorationSettings& settings, const TDecorationSettings& previous);

    TTree& tree_;
    QUndoStack stack_;
};
