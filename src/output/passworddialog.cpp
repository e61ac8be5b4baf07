#include "output/passworddialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace {

constexpr QSize formSize{300, 132};
const QColor textColor(240, 230, 200);

// The face: a rounded panel in the program's night green with a gold rim, on a
// key colour that the outline leaves out.
QImage PasswordFace() {
    QImage face(formSize, QImage::Format_RGB32);
    face.fill(QColor(255, 0, 255));
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QLinearGradient shade(0, 0, 0, formSize.height());
    shade.setColorAt(0, QColor(28, 72, 46));
    shade.setColorAt(1, QColor(10, 34, 24));
    QPainterPath panel;
    panel.addRoundedRect(QRectF(1, 1, formSize.width() - 2, formSize.height() - 2), 14, 14);
    painter.fillPath(panel, shade);
    painter.setPen(QPen(QColor(200, 168, 88), 2));
    painter.drawPath(panel);
    return face;
}

} // namespace

TPasswordDialog::TPasswordDialog(const QString& user, const QString& server, QWidget* parent)
    : TBorderlessDialog(formSize, parent) {
    PrepareFace(PasswordFace());
    QPalette light = palette();
    light.setColor(QPalette::WindowText, textColor);

    auto* caption = new QLabel(this);
    caption->setGeometry(18, 12, formSize.width() - 36, 36);
    caption->setWordWrap(true);
    caption->setPalette(light);
    caption->setFont(DialogFont());
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
    cRemember->setPalette(light);
    cRemember->setFont(DialogFont());
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
