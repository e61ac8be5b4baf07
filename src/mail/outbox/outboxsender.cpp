#include "mail/outbox/outboxsender.h"

#include "mail/outbox/retryschedule.h"
#include "mail/outbox/senderlock.h"
#include "mail/sendmail.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace mail {

namespace {

QString tr(const char* text, int n = -1) {
    return QCoreApplication::translate("mail::OutboxSender", text, nullptr, n);
}

QString Lower(const std::string& address) {
    return QString::fromStdString(address).toLower();
}

} // namespace

SendDueReport OutboxSender::SendDue(const QDateTime& now) {
    return Run(now, {});
}

SendDueReport OutboxSender::SendNow(const QString& id, const QDateTime& now) {
    return Run(now, id);
}

SendDueReport OutboxSender::Run(const QDateTime& now, const QString& only) {
    SendDueReport report;
    const SenderLock lock(outbox_.Folder());
    if (!lock.Held()) {
        report.Locked = true;
        return report;
    }
    // Read only under the lock: another sender may just have changed it.
    for (OutboxCard& card : outbox_.Cards(&report.Problems)) {
        if (only.isEmpty() ? card.DueAt(now) : card.Id == only) {
            SendCard(card, now, !only.isEmpty(), &report);
        }
    }
    outbox_.Tidy(now);
    return report;
}

void OutboxSender::SendCard(OutboxCard& card, const QDateTime& now, bool force, SendDueReport* report) {
    std::vector<ReadyMessage> messages;
    std::vector<std::size_t> positions; // the recipient of each message
    for (std::size_t i = 0; i < card.Recipients.size(); ++i) {
        OutboxRecipient& r = card.Recipients[i];
        if (r.State != RecipientState::Waiting || (!force && !card.RecipientDueAt(r, now))) {
            continue;
        }
        ReadyMessage message{r.Address, r.Name, {}};
        QString error;
        if (!outbox_.ReadMessage(card, r, &message.Bytes, &error)) {
            r.State = RecipientState::Failed;
            r.Reason = error.toStdString();
            report->Problems.append(error);
            continue;
        }
        messages.push_back(std::move(message));
        positions.push_back(i);
    }
    if (OnProgress) {
        OnProgress(tr("Sending \"%1\" to %n recipient(s) ...", int(messages.size()))
                       .arg(QString::fromStdString(card.Subject)));
    }
    SendMailError lastError = SendMailError::None;
    std::size_t answered = 0;
    bool finished = messages.empty();
    QEventLoop loop;
    MailBatch batch(mail_);
    batch.OnMailError = [&](SendMailError error, const std::string&) {
        lastError = error;
    };
    batch.OnOutcome = [&](const DeliveryOutcome& outcome) {
        // The batch answers in the order of the messages; an address it left
        // out as a second one of the same mailbox has no answer and none is
        // needed: the outbox keeps each mailbox once.
        while (answered < messages.size() && Lower(messages[answered].Address) != Lower(outcome.Address)) {
            ++answered;
        }
        if (answered >= messages.size()) {
            return;
        }
        OutboxRecipient& r = card.Recipients[positions[answered++]];
        QString line;
        switch (outcome.Result) {
        case DeliveryOutcome::State::Delivered:
            r.State = RecipientState::Sent;
            r.Reason.clear();
            r.SentAt = now;
            ++report->Delivered;
            line = tr("Sent to %1").arg(QString::fromStdString(r.Address));
            break;
        case DeliveryOutcome::State::Unknown:
            // It may have arrived: a second try might be a second card.
            r.State = RecipientState::Unknown;
            r.Reason = outcome.Reason;
            ++report->Refused;
            report->Failures.append(QString::fromStdString(r.Address + ": " + outcome.Reason));
            line = tr("Perhaps not sent to %1 (the server did not answer): %2")
                       .arg(QString::fromStdString(r.Address), QString::fromStdString(outcome.Reason));
            break;
        case DeliveryOutcome::State::NotSent:
            r.Reason = outcome.Reason;
            ++r.Attempts;
            if (TransientFailure(lastError, outcome.Reason)) {
                if (!card.FirstFailure.isValid()) {
                    card.FirstFailure = now;
                }
                r.NextAttempt = NextAttempt(r.Attempts, card.FirstFailure, now);
                if (r.NextAttempt.isValid()) {
                    ++report->Waiting;
                    line = tr("Not sent to %1, tried again at %2: %3")
                               .arg(QString::fromStdString(r.Address),
                                    r.NextAttempt.toLocalTime().toString(Qt::ISODate),
                                    QString::fromStdString(outcome.Reason));
                    break;
                }
                r.State = RecipientState::Failed;
                ++report->GivenUp;
            } else {
                r.State = RecipientState::Refused;
                ++report->Refused;
            }
            report->Failures.append(QString::fromStdString(r.Address + ": " + outcome.Reason));
            line = tr("Not sent to %1: %2")
                       .arg(QString::fromStdString(r.Address), QString::fromStdString(outcome.Reason));
            break;
        }
        // Written at once: a sender stopped after this answer knows it.
        QString error;
        if (!outbox_.Save(card, &error)) {
            report->Problems.append(error);
        }
        if (OnProgress) {
            OnProgress(line);
        }
    };
    batch.OnFinished = [&] {
        finished = true;
        loop.quit();
    };
    if (!messages.empty() && batch.Start(messages)) {
        if (!finished) {
            loop.exec();
        }
    }
    QString error;
    if (!outbox_.Save(card, &error)) {
        report->Problems.append(error);
    }
    if (!card.Pending()) {
        const bool anySent =
            std::any_of(card.Recipients.begin(), card.Recipients.end(),
                        [](const OutboxRecipient& r) { return r.State == RecipientState::Sent; });
        report->CardsSent += anySent ? 1 : 0;
        if (OnCardFinished) {
            OnCardFinished(card);
        }
    }
}

} // namespace mail
