#include "output/passworddialog.h"

#include "output/panelface.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr QSize formSize{300, 132};

} // namespace

TPasswordDialog::TPasswordDialog(const QString& user, const QString& server, QWidget* parent)
    : TBorderlessDialog(formSize, parent) {
    PrepareFace(PanelFace(formSize));

    auto* caption = new QLabel(this);
    caption->setGeometry(18, 12, formSize.width() - 36, 36);
    caption->setWordWrap(true);
    UsePanelText(caption);
    caption->setTextFormat(Qt::PlainText);
    caption->setText(tr("Password for %1 at %2:").arg(user, server));

    ePassword = new QLineEdit(this);
    ePassword->setObjectName("ePassword");
    ePassword->setGeometry(18, 50, formSize.width() - 36, 24);
    ePassword->setEchoMode(QLineEdit::Password);
    ePassword->setAccessibleName(tr("Password"));
    caption->setBuddy(ePassword);
    ePassword->setFrame(false);
    QPalette field = ePassword->palette();
    field.setColor(QPalette::Base, FieldColor());
    ePassword->setPalette(field);

    cRemember = new QCheckBox(tr("Remember"), this);
    cRemember->setObjectName("cRemember");
    cRemember->setGeometry(18, 86, 100, 24);
    UsePanelText(cRemember);
    cRemember->setToolTip(tr("Keep the password in the desktop keyring"));

    Ok = new QPushButton(tr("Ok"), this);
    Ok->setObjectName("Ok");
    Ok->setGeometry(130, 86, 70, 26);
    Ok->setDefault(true);
    Cancel = new QPushButton(tr("Cancel"), this);
    Cancel->setObjectName("Cancel");
    Cancel->setGeometry(210, 86, 70, 26);
    connect(Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(Cancel, &QPushButton::clicked, this, [this] { CancelClick(); });
    setTabOrder(ePassword, cRemember);
    setTabOrder(cRemember, Ok);
    setTabOrder(Ok, Cancel);
    ePassword->setFocus();
}

TPasswordDialog::~TPasswordDialog() {
    // The field's text is not kept beyond the dialog.
    ePassword->clear();
}

std::string TPasswordDialog::Password() const {
    return ePassword->text().toStdString();
}

bool TPasswordDialog::Remember() const {
    return cRemember->isChecked();
}
