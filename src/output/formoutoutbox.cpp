// The output dialog's outbox side: a card sent on a day of the user's choice,
// the outbox's window, and the recipients a send could not reach for now.
#include "mail/outbox/outboxtimer.h"
#include "mail/outbox/sendtime.h"
#include "output/cardletters.h"
#include "output/cardmail.h"
#include "output/formout.h"
#include "output/outboxwindow.h"
#include "output/sendlaterdialog.h"
#include "scene/tree.h"

#include <QLocale>
#include <QPushButton>

void TFormOut::SetUpOutbox() {
    SendLater = MakeTextButton("SendLater", tr("Send on…"),
                               tr("Send the card on a day and at a time you choose"), {273, 66, 94, 19});
    connect(SendLater, &QPushButton::clicked, this, [this] { SendLaterClick(); });
    OutboxButton = MakeTextButton("OutboxButton", tr("Outbox…"),
                                  tr("The cards waiting to go out, and those sent"), {24, 118, 70, 19});
    connect(OutboxButton, &QPushButton::clicked, this, [this] { OutboxClick(); });
    AskSendTime = [](QWidget* parent) {
        TSendLaterDialog dialog(QDateTime(), parent);
        dialog.CenterOn(parent);
        return dialog.exec() == QDialog::Accepted ? dialog.When() : QDateTime();
    };
    OutboxFolder = [] {
        return mail::Outbox::DefaultFolder();
    };
}

void TFormOut::SendLaterClick() {
    if (sending_ || batch_.Running()) {
        return;
    }
    std::vector<output::CardRecipient> recipients;
    if (!ResolveTyped(&recipients)) {
        return;
    }
    const QDateTime when = AskSendTime(this);
    if (!when.isValid()) {
        return;
    }
    QString error;
    if (!mail::SendTimeInRange(when, QDateTime::currentDateTime(), &error)) {
        Message(QMessageBox::Warning, error);
        return;
    }
    Remember();
    SetSending(true);
    output::CardInlinePicture picture;
    if (!WriteCardPicture(&picture, &error)) {
        SetSending(false);
        if (!error.isEmpty()) {
            Message(QMessageBox::Warning, tr("The card was not put in the outbox: %1").arg(error));
        }
        return;
    }
    const mail::MailAccount account = mail::FindMailAccount(AccountPlaces());
    if (!account.Found()) {
        cardFolder_.reset();
        SetSending(false);
        if (ExplainNoAccount()) {
            SaveCardClick(this);
        }
        return;
    }
    // Composed now, as the card stands: later changes to the tree do not change it.
    const std::vector<mail::ReadyMessage> messages =
        output::ComposeCardMessages(account, recipients, tree_->WelcomeText, Note, picture);
    cardFolder_.reset();
    mail::Outbox outbox(OutboxFolder());
    const QString id = outbox.Add(messages, when, tree_->WelcomeText, &error);
    SetSending(false);
    if (id.isEmpty()) {
        Message(QMessageBox::Warning, tr("The card was not put in the outbox: %1").arg(error));
        return;
    }
    mail::KeepOutboxTimer(true);
    Message(QMessageBox::Information,
            tr("The card goes out on %1 to %n recipient(s). It waits in the outbox until then.", "",
               static_cast<int>(messages.size()))
                .arg(QLocale().toString(when.toLocalTime(), QLocale::LongFormat)));
}

void TFormOut::OutboxClick() {
    TOutboxWindow window(OutboxFolder(), this);
    window.CenterOn(this);
    window.exec();
}

bool TFormOut::KeepForRetry() {
    queued_.clear();
    const std::vector<mail::ReadyMessage> later = mail::RetryableMessages(batch_, lastError_);
    if (later.empty()) {
        return false;
    }
    std::string reason;
    for (const mail::DeliveryOutcome& outcome : batch_.Outcomes()) {
        if (outcome.Address == later.front().Address) {
            reason = outcome.Reason;
        }
    }
    mail::Outbox outbox(OutboxFolder());
    QString error;
    const std::string subject = tree_ != nullptr ? tree_->WelcomeText : std::string();
    if (outbox.AddForRetry(later, subject, reason, QDateTime::currentDateTimeUtc(), &error).isEmpty()) {
        qWarning("TFormOut: the card could not be kept to send later: %s", qPrintable(error));
        return false;
    }
    mail::KeepOutboxTimer(true);
    for (const mail::ReadyMessage& message : later) {
        queued_ << QString::fromStdString(message.Address);
    }
    return true;
}
