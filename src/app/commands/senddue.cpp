#include "app/commands/commands.h"

#include "mail/accounts/mailaccount.h"
#include "mail/accounts/passwordsource.h"
#include "mail/outbox/outboxsender.h"
#include "mail/outbox/outboxtimer.h"
#include "mail/sendmail.h"
#include "platform/visibletext.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <openssl/crypto.h>

namespace {

QString tr(const char* text, int n = -1) {
    return QCoreApplication::translate("SendDueCommand", text, nullptr, n);
}

void PrintLine(FILE* stream, const QString& line) {
    std::fprintf(stream, "%s\n", VisibleText(line.toStdString()).c_str());
    std::fflush(stream);
}

} // namespace

bool FindSendingAccount(mail::MailAccount* account, QString* problem) {
    *account = mail::FindMailAccount();
    if (!account->Found()) {
        *problem = mail::NoMailAccountMessage();
        return false;
    }
    // A login's password comes from the account's settings or the keyring,
    // never from a prompt: the command may run where nobody can answer one.
    if (account->Security.NeedsPassword()) {
        mail::PasswordResult password = mail::FindPassword(account->Security, account->Server);
        if (!password.Found()) {
            *problem = tr("Cannot log in: %1").arg(QString::fromStdString(password.Problem));
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
            PrintLine(stdout, tr("No card is due."));
        }
        mail::KeepOutboxTimer(outbox.HasPending());
        return problems.isEmpty() ? 0 : 1;
    }

    mail::MailAccount account;
    QString problem;
    if (!FindSendingAccount(&account, &problem)) {
        PrintLine(stderr, "pinewick: " + tr("The cards in the outbox were not sent: %1").arg(problem));
        return 1;
    }
    mail::SendMail mail;
    mail.FROM_Name = account.Name;
    mail.FROM_Address = account.Address;
    mail.SetSMTP_Server(account.Server);
    mail.SMTP_Port = account.Port;
    mail.Security = account.Security;
    OPENSSL_cleanse(account.Security.Password.data(), account.Security.Password.size());

    mail::OutboxSender sender(outbox, mail);
    sender.OnProgress = [](const QString& line) {
        PrintLine(stdout, line);
    };
    const mail::SendDueReport report = sender.SendDue(now);
    OPENSSL_cleanse(mail.Security.Password.data(), mail.Security.Password.size());
    if (report.Locked) {
        PrintLine(stdout, tr("Another Pinewick is sending the outbox's cards now."));
        return 0;
    }
    for (const QString& line : report.Problems) {
        PrintLine(stderr, "pinewick: " + line);
    }
    PrintLine(stdout, tr("%n card(s) sent.", report.CardsSent));
    outbox.NoteSentWhileClosed(report.CardsSent);
    mail::KeepOutboxTimer(outbox.HasPending());
    if (report.Refused + report.GivenUp > 0 || !report.Problems.isEmpty() || !problems.isEmpty()) {
        return 1;
    }
    return report.Waiting > 0 ? kSendDueWaiting : 0;
}
