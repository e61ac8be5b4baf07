#pragma once
// TNoteDialog: the personal note under the card, edited in a small window in
// the style of the output dialog: several lines of at most kMaxNoteCharacters
// characters with a count of what is left; {name} becomes each recipient's
// first name. Ok keeps the note, Cancel and Escape leave it as it was.
#include "controls/borderlessdialog.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TNoteDialog : public TBorderlessDialog {
    Q_OBJECT
public:
    explicit TNoteDialog(const QString& note, QWidget* parent = nullptr);

    QString Note() const;

    QPlainTextEdit* eNote = nullptr;
    QLabel* lCount = nullptr;
    QPushButton* Ok = nullptr;
    QPushButton* Cancel = nullptr;

private:
    void TextChanged();

    QString accepted_; // the text as it last kept to the limit
};
