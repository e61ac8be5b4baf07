#pragma once
// TFontsListBox: the sorted list of the installed outline font families
// (smoothly scalable ones; bitmap fonts and the generic aliases are left out)
// that can write the text given to SetText (Cyrillic ones for a Russian
// greeting); every Latin family when no family writes all of it.
// Paired with a TFontStylesListBox by Init, it keeps a font object that always
// shows the chosen family and style; size and colour set from outside survive
// every change, and each change that found its style fires OnChanged.
#include "controls/font.h"
#include "controls/fontstyleslistbox.h"
#include "controls/sortedlistbox.h"

#include <QString>
#include <QStringList>
#include <functional>

class TFontsListBox : public TSortedListBox {
    Q_OBJECT
public:
    explicit TFontsListBox(QWidget* parent = nullptr);
    ~TFontsListBox() override;

    // Fired after the font object was rebuilt for the chosen style.
    std::function<void(TFontsListBox* sender)> OnChanged;

    // Pairs the list with its styles list (not owned), lists the families and
    // selects the font object's family.
    void Init(TFontStylesListBox* styles);
    // Pairs the list with its styles list and selects family and style as
    // SetCurrentFont does, listing only that family for now when it is one the
    // list would show: finding which of the installed families write the text
    // opens every font file. ListAll, SetText, SetFont and SetCurrentFont list
    // the rest; the lists are then what Init and SetCurrentFont make.
    void Init(TFontStylesListBox* styles, const QString& family, const QString& style);
    // Lists every family (before the list is shown); nothing when it does.
    void ListAll();

    const TFont& Font() const { return font_; }
    // Takes the font and colour and selects its family and face in the lists
    // (the first style when the family has none of the font's weight and slant).
    void SetFont(const TFont& font);

    // The family and style chosen, when both lists have a selection; otherwise
    // the outputs are left as they were.
    void GetCurrentFont(QString& family, QString& style) const;
    // Selects a family and a style by name (case-insensitive, whole item).
    void SetCurrentFont(const QString& family, const QString& style);

    // A family was chosen: lists its styles, keeping the style name when the
    // family has it, else taking the first one.
    void DoClick();
    // A style was chosen: rebuilds the font object from it.
    void DoStylesClick();

    // Lists the families that write `text`, keeping the chosen family and
    // face (listed even when it can't write the text: the user chose it).
    // Nothing changes while the text's letters stay the same.
    void SetText(const QString& text);

    // The outline families installed that write `text` (Latin ones when the
    // text has no letters or no family writes them all), and the styles a
    // family declares.
    static QStringList OutlineFamilies(const QString& text = QString());
    static QStringList FamilyStyles(const QString& family);

    QString CurrentStyleName() const { return currentStyle_; }
    // The style of `family` that `font` shows: its style name, else the first
    // style of the same weight and slant; empty when none matches.
    static QString StyleOf(const QFont& font, const QString& family);

protected:
    void UserClicked() override { DoClick(); }

private:
    // Lists the selected family's styles and selects `remembered`, or the first.
    void ChooseFamily(const QString& remembered);
    // Lists every family that writes the letters, and `family` (selected).
    void listAllKeeping(const QString& family);

    TFont font_;
    TFontStylesListBox* styles_ = nullptr;
    QString currentStyle_;
    // The letters the list is made for (TextLetters of the text).
    QString letters_;
    // Only the chosen family is listed yet (Init with a family).
    bool partial_ = false;
};
