#pragma once
// TFormWelcome: the greeting editor under the main window's greeting band: the
// text, the font family and style, and the colour. There is no OK: every
// change goes into the tree's greeting at once and the band repaints, so the
// user sees the greeting change while typing, choosing a font or dragging in
// the colour picker. When the editor is destroyed at program end it hands
// the final greeting to the tree, which saves it ("WelcomeText=",
// "WelcomeParams="); it must go before the tree does.
//
//   welcome.Prepare(buttonsPicture, tree, welcomeBand, mainWindow);   // once
//   welcome.Execute();                                               // modal, any number of times
#include "controls/borderlessdialog.h"

#include <QPointer>

class QLabel;
class QLineEdit;
class TColorSelect;
class TControl0;
class TFontStylesListBox;
class TFontsListBox;
class TTree;

class TFormWelcome : public TBorderlessDialog {
    Q_OBJECT
public:
    explicit TFormWelcome(QWidget* parent = nullptr);
    // Writes the greeting back into the tree (FormDestroy).
    ~TFormWelcome() override;

    // Once, after the main window has loaded its pictures and its tree: the
    // face and outline from the editor's picture, and the greeting of `tree`
    // in the controls. `band` is the main window's greeting band (its Tag is
    // the editing mark), `mainWindow` the window the editor opens under.
    void Prepare(const QImage& welcomePicture, TTree* tree, TControl0* band, QWidget* mainWindow);
    // Writes the greeting back into the tree as the program ends (the same
    // last write as the destructor's, for a save that comes before it).
    void FinishEditing() { writeGreeting(true); }

    // Shows the tree's greeting again (after undo or redo changed it).
    void Reload();

    // Opens the editor modally, centred under the band, with the band's
    // editing mark on; the mark goes off when the editor closes.
    void Execute();

    QLineEdit* WelcomeText = nullptr;
    // Shown at the end of the text field while the greeting is too long to
    // read on the ribbon.
    QLabel* TooLongHint = nullptr;
    TFontsListBox* FontsListBox = nullptr;
    TFontStylesListBox* FontStylesListBox = nullptr;
    TColorSelect* ColorSelect = nullptr;
    TControl0* Cancel = nullptr;

protected:
    void CancelClick() override;
    void done(int result) override;

private:
    // Text or font changed / colour changed: the tree's greeting follows and
    // the band repaints.
    void WelcomeChange();
    void ColorSelectChanged();
    void FormClose();
    // Puts the controls' greeting into the tree; `final` applies the rule of
    // the last write: no family or no style chosen gives empty names for both.
    void writeGreeting(bool final);
    void repaintBand();
    void updateHint();
    void fillFromTree();

    TTree* tree_ = nullptr;
    QPointer<TControl0> band_;
    // Set while Prepare fills the controls, so their echoes change nothing.
    bool preparing_ = false;
};
