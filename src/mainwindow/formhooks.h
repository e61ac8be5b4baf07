#pragma once
// TFormHooks: how the main window reaches the dialogs that sit above it in the
// layers (greeting editor, 3D driver dialog, About box, output dialog) without
// including them. The program's entry creates the dialogs after the main
// window and fills these members with calls into them; a member left empty
// makes the matching button do nothing (AskExit empty: the window closes without
// asking). The greeting itself lives in the tree (TTree::WelcomeText, FontName,
// FontStyle, WelcomeColor): an editor changes those fields and calls
// TFormTree::RepaintWelcome so the band follows every change, and clears
// editing with TFormTree::SetWelcomeEditing(false) when it closes. Dialogs are
// placed by the hooks themselves; the main window's geometry and its Welcome
// band are public on TFormTree. Dialogs shown modally pause IdleStep.
#include <QString>
#include <functional>
#include <optional>

struct TFormHooks {
    // One-time set-up of the dialogs once the main window has loaded its
    // pictures and its tree (the dialogs' Prepare, in the order greeting editor,
    // driver dialog, About box, output dialog).
    std::function<void()> Prepare;
    // The exit question "Do you want to exit ?": true for Yes.
    std::function<bool()> AskExit;
    // The About box in its information form (a help balloon's action 1).
    std::function<void()> ShowInfo;
    // Opens the greeting editor modally, under the greeting band.
    std::function<void()> EditGreeting;
    // The 3D driver dialog, given the current driver name: the chosen name, or
    // nothing when the user cancelled or kept the driver.
    std::function<std::optional<QString>(const QString& current)> ChooseDriver;
    // Undo or redo put another greeting into the tree: the greeting editor
    // shows it from now on.
    std::function<void()> GreetingRestored;
    // The output dialog (picture, JPEG, e-mail, print), modally.
    std::function<void()> Output;
    // Hands the greeting editor's last state to the tree before the decoration
    // is saved.
    std::function<void()> FinishEditing;
    // Saves the card as a file (Ctrl+S): a file dialog, then the picture or
    // the animation.
    std::function<void()> SaveCard;
};
