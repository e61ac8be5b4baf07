#include "app/commands/commands.h"
#include "app/commands/desktopnotice.h"

#include "mail/accounts/mailaccount.h"
#include "mail/accounts/passwordsource.h"
#include "mail/outbox/outboxsender.h"
#include "mail/outbox/outboxtimer.h"
#include "mail/outbox/sendtime.h"
#include "mail/sendmail.h"
#include "output/cardmail.h"
#include "platform/visibletext.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <cstdio>
#include <openssl/crypto.h>

namespace {

void PrintLine(FILE* stream, const QString& line) {
    std::fprintf(stream, "%s\n", VisibleText(line.toStdString()).c_str());
    std::fflush(stream);
}

} // namespace

bool AddSendingPassword(mail::MailAccount* account, QString* problem) {
    // A login's password comes from the account's settings or the keyring,
    // never from a prompt: the command may run where nobody can answer one.
    if (account->Security.NeedsPassword()) {
        mail::PasswordResult password = mail::FindPassword(account->Security, account->Server);
        if (!password.Found()) {
            *problem = QString::fromStdString(password.Problem);
            return false;
        }
        account->Security.Password = password.Password;
        OPENSSL_cleanse(password.Password.data(), password.Password.size());
    }
    return true;
}

int RunSendDue(bool verbose) {
    mail::Outbox outbox(mail::Outbox::DefaultFolder());
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QStringList problems;
    const std::vector<mail::OutboxCard> cards = outbox.Cards(&problems);
    for (const QString& problem : problems) {
        PrintLine(stderr, "pinewick: " + problem);
    }
    const bool due = std::any_of(cards.begin(), cards.end(),
                                 [&](const mail::OutboxCard& card) { return card.DueAt(now); });
    if (!due) {
        // Nothing to do: no account is looked for, no server asked.
        if (verbose) {
            PrintLine(stdout, QCoreApplication::translate("SendDueCommand", "No card is due."));
        }
        mail::KeepOutboxTimer(outbox.HasPending());
        return problems.isEmpty() ? 0 : 1;
    }

    mail::MailAccount account = mail::FindMailAccount();
    QString problem;
    if (!account.Found()) {
        PrintLine(stderr,
                  "pinewick: " + QCoreApplication::translate(
                                     "SendDueCommand",
                                     "The cards in the outbox were not sent: no mail account found. %1")
                                     .arg(mail::NoMailAccountMessage()));
        return 1;
    }
    if (!AddSendingPassword(&account, &problem)) {
        PrintLine(stderr, "pinewick: " + QCoreApplication::translate(
                                             "SendDueCommand",
                                             "The cards in the outbox were not sent: cannot log in: %1")
                                             .arg(problem));
        return 1;
    }
    mail::SendMail mail;
    output::PrepareCardSender(mail, account);
    OPENSSL_cleanse(account.Security.Password.data(), account.Security.Password.size());

    mail::OutboxSender sender(outbox, mail);
    sender.OnProgress = [](const QString& line) {
        PrintLine(stdout, line);
    };
    // The user hears of a scheduled card when it has gone out, or finally not.
    sender.OnCardFinished = [](const mail::OutboxCard& card) {
        QStringList sent;
        QStringList failed;
        for (const mail::OutboxRecipient& r : card.Recipients) {
            const QString who = QString::fromStdString(r.Name.empty() ? r.Address : r.Name);
            (r.State == mail::RecipientState::Sent ? sent : failed) << who;
        }
        if (!sent.isEmpty()) {
            NotifyDesktop(QCoreApplication::translate("SendDueCommand", "Your Pinewick card went out"),
                          QCoreApplication::translate("SendDueCommand", "Sent to %1.").arg(sent.join(", ")));
        }
        if (!failed.isEmpty()) {
            NotifyDesktop(
                QCoreApplication::translate("SendDueCommand", "A Pinewick card could not be sent"),
                QCoreApplication::translate(
                    "SendDueCommand", "Not sent to %1. The outbox in Pinewick's output dialog says why.")
                    .arg(failed.join(", ")));
        }
    };
    const mail::SendDueReport report = sender.SendDue(now);
    OPENSSL_cleanse(mail.Security.Password.data(), mail.Security.Password.size());
    if (report.Locked) {
        PrintLine(stdout, QCoreApplication::translate("SendDueCommand",
                                                      "Another Pinewick is sending the outbox's cards now."));
        return 0;
    }
    for (const QString& line : report.Problems) {
        PrintLine(stderr, "pinewick: " + line);
    }
    PrintLine(stdout, report.CardsSent == 1 ? QCoreApplication::translate("SendDueCommand", "One card sent.")
                                            : QCoreApplication::translate("SendDueCommand", "%n cards sent.",
                                                                          nullptr, report.CardsSent));
    // Pinewick's window starts this command itself and says nothing later.
    if (qEnvironmentVariableIsEmpty("PINEWICK_WINDOW_OPEN")) {
        outbox.NoteSentWhileClosed(report.CardsSent);
    }
    mail::KeepOutboxTimer(outbox.HasPending());
    if (report.Refused + report.GivenUp > 0 || !report.Problems.isEmpty() || !problems.isEmpty()) {
        return 1;
    }
    return report.Waiting > 0 ? kSendDueWaiting : 0;
}

int PutInOutbox(const std::vector<mail::ReadyMessage>& messages, const QDateTime& due,
                const std::string& subject) {
    mail::Outbox outbox(mail::Outbox::DefaultFolder());
    QString error;
    if (outbox.Add(messages, due, subject, &error).isEmpty()) {
        PrintLine(stderr, "pinewick: " + QCoreApplication::translate("SendDueCommand",
                                                                     "The card was not put in the outbox: %1")
                                             .arg(error));
        return 1;
    }
    mail::KeepOutboxTimer(true);
    const int count = int(messages.size());
    const QString line =
        count == 1 ? QCoreApplication::translate(
                         "SendDueCommand",
                         "The card goes out on %1 to one recipient. It waits in the outbox until then.")
                   : QCoreApplication::translate(
                         "SendDueCommand",
                         "The card goes out on %1 to %n recipients. It waits in the outbox until then.",
                         nullptr, count);
    PrintLine(stdout, line.arg(QLocale().toString(due.toLocalTime(), QLocale::LongFormat)));
    return 0;
}

bool ReadSendTime(const QString& text, QDateTime* due) {
    QString error;
    *due = mail::ParseSendTime(text, &error);
    if (!due->isValid() || !mail::SendTimeInRange(*due, QDateTime::currentDateTimeUtc(), &error)) {
        PrintLine(stderr, "pinewick: " + error);
        return false;
    }
    return true;
}

bool KeepForRetry(const mail::MailBatch& batch, mail::SendMailError lastError, const std::string& subject,
                  QStringList* waiting) {
    const std::vector<mail::ReadyMessage> later = mail::RetryableMessages(batch, lastError);
    if (later.empty()) {
        return false;
    }
    std::string reason;
    for (const mail::DeliveryOutcome& outcome : batch.Outcomes()) {
        if (outcome.Address == later.front().Address) {
            reason = outcome.Reason;
        }
    }
    mail::Outbox outbox(mail::Outbox::DefaultFolder());
    QString error;
    if (outbox.AddForRetry(later, subject, reason, QDateTime::currentDateTimeUtc(), &error).isEmpty()) {
        PrintLine(stderr, "pinewick: " + QCoreApplication::translate(
                                             "SendDueCommand", "The card could not be kept to send later: %1")
                                             .arg(error));
        return false;
    }
    mail::KeepOutboxTimer(true);
    for (const mail::ReadyMessage& message : later) {
        waiting->append(QString::fromStdString(message.Address));
    }
    PrintLine(stdout, QCoreApplication::translate(
                          "SendDueCommand", "No connection — Pinewick will send it as soon as it can."));
    return true;
}
