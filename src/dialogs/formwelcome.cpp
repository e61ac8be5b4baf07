#include "dialogs/formwelcome.h"

#include "controls/colorselect.h"
#include "controls/control0.h"
#include "controls/cursors.h"
#include "controls/fontslistbox.h"
#include "controls/fontstyleslistbox.h"
#include "controls/utf8limitvalidator.h"
#include "mainwindow/greetinglayout.h"
#include "mainwindow/greetingpicture.h"
#include "mainwindow/layout.h"
#include "scene/tree.h"

#include <QLabel>
#include <QLineEdit>

namespace {

constexpr QSize formSize{579, 322};
// The close button's frames in the editor's picture: normal, and pressed below it.
constexpr QPoint closeFrames{506, 52};

// Colours as the tree keeps them: red in the low byte.
QColor toQColor(TColor c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// The greeting's edit field. Coming into it never selects the whole text (so
// a key typed at once does not wipe the greeting out): the caret goes to the
// end, where the band shows it.
class GreetingEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        deselect();
        end(false);
    }
};

void paintAsField(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, TBorderlessDialog::FieldColor());
    widget->setPalette(palette);
}

} // namespace

TFormWelcome::TFormWelcome(QWidget* parent) : TBorderlessDialog(formSize, parent) {
    WelcomeText = new GreetingEdit(this);
    WelcomeText->setObjectName("WelcomeText");
    WelcomeText->setGeometry(45, 16, 452, 26);
    WelcomeText->setToolTip(tr("Text of greeting"));
    WelcomeText->setFrame(false);
    QFont textFont = DialogFont();
    textFont.setPixelSize(15);
    WelcomeText->setFont(textFont);
    paintAsField(WelcomeText);
    // Typing stops where the description file would cut the greeting.
    WelcomeText->setValidator(new TUtf8LimitValidator(MaxGreetingLength, WelcomeText));
    connect(WelcomeText, &QLineEdit::textChanged, this, [this](const QString& text) {
        // The font list offers the fonts that write the greeting.
        FontsListBox->SetText(text);
        WelcomeChange();
    });

    // A quiet note inside the field's right end, in the field's own font.
    TooLongHint = new QLabel(tr("too long for the ribbon"), WelcomeText);
    TooLongHint->setObjectName("TooLongHint");
    TooLongHint->setTextFormat(Qt::PlainText);
    TooLongHint->setToolTip(tr("This greeting is too long to read well on the ribbon."));
    QFont hintFont = DialogFont();
    hintFont.setPixelSize(11);
    hintFont.setItalic(true);
    TooLongHint->setFont(hintFont);
    QPalette hintPalette = TooLongHint->palette();
    hintPalette.setColor(QPalette::WindowText, QColor(140, 40, 40));
    TooLongHint->setPalette(hintPalette);
    TooLongHint->adjustSize();
    TooLongHint->move(WelcomeText->width() - TooLongHint->width() - 6,
                      (WelcomeText->height() - TooLongHint->height()) / 2);
    TooLongHint->hide();

    FontsListBox = new TFontsListBox(this);
    FontsListBox->setObjectName("FontsListBox");
    FontsListBox->setGeometry(45, 52, 199, 179);
    FontsListBox->setToolTip(tr("Font select"));
    FontsListBox->setFrameShape(QFrame::NoFrame);
    paintAsField(FontsListBox);
    FontsListBox->OnChanged = [this](TFontsListBox*) {
        WelcomeChange();
    };

    FontStylesListBox = new TFontStylesListBox(this);
    FontStylesListBox->setObjectName("FontStylesListBox");
    FontStylesListBox->setGeometry(45, 241, 199, 67);
    FontStylesListBox->setToolTip(tr("Font style select"));
    FontStylesListBox->setFrameShape(QFrame::NoFrame);
    paintAsField(FontStylesListBox);

    ColorSelect = new TColorSelect(this);
    ColorSelect->setObjectName("ColorSelect");
    ColorSelect->SetBounds(255, 52, 281, 256);
    ColorSelect->setToolTip(tr("Color select"));
    ColorSelect->OnChanged = [this](TColorSelect*) {
        ColorSelectChanged();
    };

    Cancel = new TControl0(this);
    Cancel->setObjectName("Cancel");
    Cancel->setGeometry(508, 15, 28, 28);
    Cancel->setToolTip(tr("Close"));
    Cancel->setCursor(pinewick::pinewickCursor("CLICK"));
    Cancel->flClipChildren = true;
    Cancel->bDownUpInvalidate = true;
    Cancel->OnPaint = [this](TControl0* sender) {
        sender->DrawButton(nullptr, closeFrames.x(), closeFrames.y(), Face(), false, false);
    };
    Cancel->OnClick = [this](TControl0*) {
        CancelClick();
    };
}

TFormWelcome::~TFormWelcome() {
    writeGreeting(true);
}

void TFormWelcome::Prepare(const QImage& welcomePicture, TTree* tree, TControl0* band, QWidget* mainWindow) {
    preparing_ = true;
    tree_ = tree;
    band_ = band;
    SetMainWindow(mainWindow);
    PrepareFace(welcomePicture);
    fillFromTree();
    if (tree_ != nullptr) {
        // The other families are listed when the editor opens: looking for
        // them opens every installed font, which the window does not need.
        FontsListBox->Init(FontStylesListBox, QString::fromStdString(tree_->FontName),
                           QString::fromStdString(tree_->FontStyle));
    } else {
        FontsListBox->Init(FontStylesListBox);
    }
    preparing_ = false;
    // The band shows what the lists show (a style the family lacks became its first style).
    writeGreeting(false);
    repaintBand();
}

void TFormWelcome::fillFromTree() {
    if (tree_ == nullptr) {
        return;
    }
    WelcomeText->setText(QString::fromStdString(tree_->WelcomeText));
    const QColor color = toQColor(tree_->WelcomeColor);
    FontsListBox->SetFont(TFont{FontsListBox->Font().Font, color});
    ColorSelect->SetColor(tree_->WelcomeColor);
}

void TFormWelcome::Reload() {
    if (tree_ == nullptr) {
        return;
    }
    // The controls take the tree's values without writing them back on the
    // way, so a family the lists lack keeps the tree's names.
    preparing_ = true;
    fillFromTree();
    FontsListBox->SetCurrentFont(QString::fromStdString(tree_->FontName),
                                 QString::fromStdString(tree_->FontStyle));
    preparing_ = false;
    repaintBand();
}

void TFormWelcome::Execute() {
    // The band may have been edited from the keyboard since the last opening.
    if (tree_ != nullptr) {
        const QString text = QString::fromStdString(tree_->WelcomeText);
        if (WelcomeText->text() != text) {
            WelcomeText->setText(text);
        }
    }
    if (band_ != nullptr) {
        band_->Tag = 1;
        repaintBand();
    }
    if (const QWidget* owner = MainWindow()) {
        const QRect outer = owner->geometry();
        const int bandBottom = band_ != nullptr ? band_->y() + band_->height() : 0;
        move(outer.x() + (outer.width() - width()) / 2, outer.y() + bandBottom);
    }
    FontsListBox->ListAll();
    WelcomeText->setFocus();
    exec();
}

void TFormWelcome::WelcomeChange() {
    if (preparing_) {
        return;
    }
    writeGreeting(false);
    repaintBand();
}

void TFormWelcome::ColorSelectChanged() {
    if (preparing_) {
        return;
    }
    if (tree_ != nullptr) {
        tree_->WelcomeColor = ColorSelect->GetColor();
    }
    repaintBand();
}

void TFormWelcome::CancelClick() {
    close();
}

void TFormWelcome::done(int result) {
    FormClose();
    TBorderlessDialog::done(result);
}

void TFormWelcome::FormClose() {
    if (band_ != nullptr) {
        band_->Tag = 0;
        repaintBand();
    }
}

void TFormWelcome::writeGreeting(bool final) {
    if (tree_ == nullptr) {
        return;
    }
    // Every edit went into the tree as it was made, and the band may have
    // changed the text since (typing into it from the keyboard): the last
    // write leaves the text as the tree has it.
    if (!final) {
        tree_->WelcomeText = WelcomeText->text().toStdString();
    }
    QString family;
    QString style;
    const bool chosen = FontsListBox->HasSelection() && FontStylesListBox->HasSelection();
    FontsListBox->GetCurrentFont(family, style);
    if (chosen) {
        tree_->FontName = family.toStdString();
        tree_->FontStyle = style.toStdString();
    } else if (final) {
        tree_->FontName.clear();
        tree_->FontStyle.clear();
    }
    tree_->WelcomeColor = ColorSelect->GetColor();
}

void TFormWelcome::repaintBand() {
    if (band_ != nullptr) {
        band_->update();
    }
    updateHint();
}

void TFormWelcome::updateHint() {
    const bool tooLong =
        tree_ != nullptr &&
        TGreetingLayout(WelcomeText->text(), TreeGreetingStyle(*tree_), layout::WelcomeText).TooLong();
    TooLongHint->setVisible(tooLong);
    // The text keeps clear of the note.
    WelcomeText->setTextMargins(0, 0, tooLong ? TooLongHint->width() + 10 : 0, 0);
}
