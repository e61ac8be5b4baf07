#include "controls/fontslistbox.h"

#include "controls/fontfaces.h"

#include <QFontDatabase>
#include <QFontInfo>

TFontsListBox::TFontsListBox(QWidget* parent) : TSortedListBox(parent) {}

TFontsListBox::~TFontsListBox() = default;

namespace {

// Whether the list shows the family for text of these letters.
bool listed(const QString& family, const QString& letters) {
    if (QFontDatabase::isPrivateFamily(family) || !QFontDatabase::isSmoothlyScalable(family) ||
        !FontWritesLetters(family, letters)) {
        return false;
    }
    // Generic names ("Sans Serif", "Monospace") stand for another family:
    // only real faces are listed. A foundry in brackets is part of the name.
    const QString plain = family.section(QLatin1String(" ["), 0, 0);
    return QFontInfo(QFont(family)).family().compare(plain, Qt::CaseInsensitive) == 0;
}

} // namespace

QStringList TFontsListBox::OutlineFamilies(const QString& text) {
    const QString letters = TextLetters(text);
    QStringList families;
    for (const QString& family : QFontDatabase::families()) {
        if (listed(family, letters)) {
            families.append(family);
        }
    }
    // A script no installed family writes whole: the Latin families, and the
    // greeting is drawn with the toolkit's fallback for the letters they lack.
    if (families.isEmpty() && !letters.isEmpty()) {
        return OutlineFamilies();
    }
    return families;
}

void TFontsListBox::SetText(const QString& text) {
    const QString letters = TextLetters(text);
    if (letters == letters_) {
        return;
    }
    letters_ = letters;
    if (styles_ == nullptr) {
        return; // listed by Init
    }
    QString family;
    QString style;
    GetCurrentFont(family, style);
    listAllKeeping(family);
    if (!family.isEmpty()) {
        ChooseFamily(style);
    }
}

void TFontsListBox::listAllKeeping(const QString& family) {
    partial_ = false;
    QStringList families = OutlineFamilies(letters_);
    if (!family.isEmpty() && !families.contains(family)) {
        families.append(family);
    }
    SetItems(families);
    if (!family.isEmpty()) {
        SelectItem(family);
    }
}

QStringList TFontsListBox::FamilyStyles(const QString& family) {
    QStringList styles;
    for (const QString& style : QFontDatabase::styles(family)) {
        if (QFontDatabase::isSmoothlyScalable(family, style)) {
            styles.append(style);
        }
    }
    return ListedFontStyles(styles);
}

void TFontsListBox::Init(TFontStylesListBox* styles) {
    styles_ = styles;
    if (styles_ != nullptr) {
        styles_->OnClick = [this](TFontStylesListBox*) {
            DoStylesClick();
        };
    }
    SetItems(OutlineFamilies(letters_));
    SetFont(font_);
}

void TFontsListBox::Init(TFontStylesListBox* styles, const QString& family, const QString& style) {
    // The families of that name (in any letter case) that the whole list
    // would show. Since there are some, the whole list is not the Latin
    // families shown for letters that no family writes, and SetCurrentFont
    // selects among them what it would select in the whole list.
    QStringList named;
    for (const QString& candidate : QFontDatabase::families()) {
        if (candidate.compare(family, Qt::CaseInsensitive) == 0 && listed(candidate, letters_)) {
            named.append(candidate);
        }
    }
    if (named.isEmpty()) {
        Init(styles);
        SetCurrentFont(family, style);
        return;
    }
    styles_ = styles;
    if (styles_ != nullptr) {
        styles_->OnClick = [this](TFontStylesListBox*) {
            DoStylesClick();
        };
    }
    SetItems(named);
    partial_ = true;
    // As SetCurrentFont: the font object comes from the family and style
    // alone (its size kept), whatever was selected before.
    SelectItem(family);
    DoClick();
    if (styles_ != nullptr) {
        styles_->SelectItem(style);
    }
    DoClick();
}

void TFontsListBox::ListAll() {
    if (!partial_) {
        return;
    }
    // The chosen family stays, the styles list as it is.
    listAllKeeping(HasSelection() ? SelectedText() : QString());
}

void TFontsListBox::SetFont(const TFont& font) {
    ListAll();
    font_ = font;
    if (styles_ == nullptr) {
        return;
    }
    if (SelectItem(font_.Font.family())) {
        // The font's own face, not merely the first style in the list.
        ChooseFamily(StyleOf(font_.Font, SelectedText()));
    }
}

QString TFontsListBox::StyleOf(const QFont& font, const QString& family) {
    const QStringList styles = FamilyStyles(family);
    if (styles.contains(font.styleName())) {
        return font.styleName();
    }
    // A face of one optical size, listed under its plain style name.
    for (const QString& style : styles) {
        if (DatabaseFontStyle(QFontDatabase::styles(family), style) == font.styleName()) {
            return style;
        }
    }
    QStringList matching;
    for (const QString& style : styles) {
        if (QFontDatabase::weight(family, style) == font.weight() &&
            QFontDatabase::italic(family, style) == font.italic()) {
            matching.append(style);
        }
    }
    matching.sort(Qt::CaseInsensitive);
    return matching.value(0);
}

void TFontsListBox::DoClick() {
    if (styles_ != nullptr) {
        ChooseFamily(styles_->SelectedText());
    }
}

void TFontsListBox::ChooseFamily(const QString& remembered) {
    if (styles_ == nullptr || !HasSelection()) {
        return;
    }
    styles_->SetItems(FamilyStyles(SelectedText()));
    if (!styles_->SelectItem(remembered)) {
        styles_->SelectIndex(0);
    }
    DoStylesClick();
}

void TFontsListBox::DoStylesClick() {
    if (styles_ == nullptr || !HasSelection() || !styles_->HasSelection()) {
        return;
    }
    currentStyle_ = styles_->SelectedText();
    const QString family = SelectedText();
    // The style must still be installed, under exactly this name.
    const QStringList installed = QFontDatabase::styles(family);
    const QString face = DatabaseFontStyle(installed, currentStyle_);
    if (!installed.contains(face, Qt::CaseSensitive)) {
        return;
    }
    const QFont old = font_.Font;
    QFont font = QFontDatabase::font(family, face, old.pointSize() > 0 ? old.pointSize() : 12);
    // The exact face by its declared name; the database has already set the
    // slant (italic or oblique) and weight the face declares.
    font.setStyleName(face);
    if (old.pixelSize() > 0) {
        font.setPixelSize(old.pixelSize());
    } else {
        font.setPointSizeF(old.pointSizeF());
    }
    font_.Font = font;
    if (OnChanged) {
        OnChanged(this);
    }
}

void TFontsListBox::GetCurrentFont(QString& family, QString& style) const {
    if (styles_ == nullptr || !HasSelection() || !styles_->HasSelection()) {
        return;
    }
    family = SelectedText();
    style = styles_->SelectedText();
}

void TFontsListBox::SetCurrentFont(const QString& family, const QString& style) {
    ListAll();
    if (styles_ == nullptr) {
        return;
    }
    // An unknown family only loses the selection; the styles and the font stay.
    if (!SelectItem(family)) {
        return;
    }
    DoClick();
    styles_->SelectItem(style);
    DoClick();
}
