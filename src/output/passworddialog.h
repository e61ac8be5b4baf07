#pragma once
// TPasswordDialog: asks for the password of a mail login when neither the
// account's settings nor the keyring have one. A small shaped window in the
// style of the program's other dialogs: the password field (its text hidden), a
// "Remember" box (the caller stores the password in the keyring when it is
// ticked), Ok and Cancel; Escape cancels.
#include "controls/borderlessdialog.h"

#include <string>

class QCheckBox;
class QLineEdit;
class QPushButton;

class TPasswordDialog : public TBorderlessDialog {
    Q_OBJECT
public:
    TPasswordDialog(const QString& user, const QString& server, QWidget* parent = nullptr);
    ~TPasswordDialog() override;

    // What was typed; the field is cleared when the dialog goes.
    std::string Password() const;
    bool Remember() const;

    QLineEdit* ePassword = nullptr;
    QCheckBox* cRemember = nullptr;
    QPushButton* Ok = nullptr;
    QPushButton* Cancel = nullptr;
};
