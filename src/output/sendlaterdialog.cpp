#include "output/sendlaterdialog.h"

#include "mail/outbox/sendtime.h"
#include "output/panelface.h"

#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace {

constexpr QSize formSize{330, 130};

} // namespace

TSendLaterDialog::TSendLaterDialog(const QDateTime& proposed, QWidget* parent)
    : TBorderlessDialog(formSize, parent) {
    PrepareFace(PanelFace(formSize));
    auto* caption = new QLabel(this);
    caption->setGeometry(18, 10, formSize.width() - 36, 30);
    caption->setWordWrap(true);
    UsePanelText(caption);
    caption->setText(tr("Send the card on:"));

    // The minute counts: a card scheduled sooner than a minute ahead is sent now instead.
    const QDateTime now = QDateTime::currentDateTime();
    eWhen = new QDateTimeEdit(this);
    eWhen->setObjectName("eWhen");
    eWhen->setGeometry(18, 44, formSize.width() - 36, 28);
    eWhen->setCalendarPopup(true);
    // The desktop's own date and time, to the minute.
    QString format = QLocale().dateTimeFormat(QLocale::ShortFormat);
    format.remove(":ss");
    eWhen->setDisplayFormat(format);
    eWhen->setDateTimeRange(now.addSecs(mail::kEarliestSendSeconds), now.addYears(mail::kLatestSendYears));
    eWhen->setDateTime(proposed.isValid() ? proposed.toLocalTime() : now.addDays(1));
    eWhen->setAccessibleName(tr("Date and time to send the card"));
    caption->setBuddy(eWhen);
    QPalette field = eWhen->palette();
    field.setColor(QPalette::Base, FieldColor());
    eWhen->setPalette(field);
    eWhen->calendarWidget()->setFirstDayOfWeek(QLocale().firstDayOfWeek());

    Ok = new QPushButton(tr("Ok"), this);
    Ok->setObjectName("Ok");
    Ok->setGeometry(160, 88, 70, 26);
    Ok->setDefault(true);
    Cancel = new QPushButton(tr("Cancel"), this);
    Cancel->setObjectName("Cancel");
    Cancel->setGeometry(240, 88, 70, 26);
    connect(Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(Cancel, &QPushButton::clicked, this, [this] { CancelClick(); });
    eWhen->setFocus();
}

QDateTime TSendLaterDialog::When() const {
    return eWhen->dateTime();
}
