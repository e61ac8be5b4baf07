#include "output/notedialog.h"

#include "output/cardnote.h"
#include "output/panelface.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr QSize formSize{420, 250};

qsizetype Characters(const QString& text) {
    return text.toUcs4().size();
}

} // namespace

TNoteDialog::TNoteDialog(const QString& note, QWidget* parent) : TBorderlessDialog(formSize, parent) {
    PrepareFace(PanelFace(formSize));
    auto* caption = new QLabel(this);
    caption->setGeometry(18, 10, formSize.width() - 36, 34);
    caption->setWordWrap(true);
    UsePanelText(caption);
    caption->setTextFormat(Qt::PlainText);
    caption->setText(tr("A note under the card. {name} becomes each recipient's first name."));

    eNote = new QPlainTextEdit(this);
    eNote->setObjectName("eNote");
    eNote->setGeometry(18, 46, formSize.width() - 36, 150);
    eNote->setFrameShape(QFrame::NoFrame);
    eNote->setTabChangesFocus(true);
    eNote->setAccessibleName(tr("Note"));
    caption->setBuddy(eNote);
    QPalette field = eNote->palette();
    field.setColor(QPalette::Base, FieldColor());
    eNote->setPalette(field);
    eNote->setPlainText(note);
    accepted_ = eNote->toPlainText();

    lCount = new QLabel(this);
    lCount->setObjectName("lCount");
    lCount->setGeometry(18, 206, 200, 26);
    UsePanelText(lCount);

    Ok = new QPushButton(tr("Ok"), this);
    Ok->setObjectName("Ok");
    Ok->setGeometry(250, 206, 70, 26);
    Cancel = new QPushButton(tr("Cancel"), this);
    Cancel->setObjectName("Cancel");
    Cancel->setGeometry(330, 206, 70, 26);
    connect(Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(Cancel, &QPushButton::clicked, this, [this] { CancelClick(); });
    connect(eNote, &QPlainTextEdit::textChanged, this, [this] { TextChanged(); });
    setTabOrder(eNote, Ok);
    setTabOrder(Ok, Cancel);
    TextChanged();
    eNote->setFocus();
    eNote->moveCursor(QTextCursor::End);
}

QString TNoteDialog::Note() const {
    return eNote->toPlainText();
}

// A typed or pasted text beyond the limit is refused as a whole, so nothing
// is cut off unseen in the middle of a word.
void TNoteDialog::TextChanged() {
    const QString text = eNote->toPlainText();
    if (Characters(text) > output::kMaxNoteCharacters) {
        const int position = std::min(eNote->textCursor().position(), static_cast<int>(accepted_.size()));
        QSignalBlocker quiet(eNote);
        eNote->setPlainText(accepted_);
        QTextCursor cursor = eNote->textCursor();
        cursor.setPosition(position);
        eNote->setTextCursor(cursor);
    } else {
        accepted_ = text;
    }
    const qsizetype left = output::kMaxNoteCharacters - Characters(accepted_);
    lCount->setText(tr("Characters left: %n", "", static_cast<int>(left)));
}
