#include "app/outboxstart.h"

#include "mail/outbox/outbox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QProcess>
#include <QWidget>
#include <algorithm>

void StartOutbox(QWidget& window) {
    mail::Outbox outbox(mail::Outbox::DefaultFolder());
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const std::vector<mail::OutboxCard> cards = outbox.Cards();
    if (std::any_of(cards.begin(), cards.end(),
                    [&](const mail::OutboxCard& card) { return card.DueAt(now); })) {
        QProcess sender;
        sender.setProgram(QCoreApplication::applicationFilePath());
        sender.setArguments({"--send-due"});
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // The window is open: what goes out now is no news at the next start.
        env.insert("PINEWICK_WINDOW_OPEN", "1");
        sender.setProcessEnvironment(env);
        sender.setStandardOutputFile(QProcess::nullDevice());
        sender.setStandardErrorFile(QProcess::nullDevice());
        sender.startDetached();
    }
    const int sent = outbox.TakeSentWhileClosed();
    if (sent > 0) {
        QMessageBox::information(
            &window, QCoreApplication::applicationName(),
            sent == 1
                ? QCoreApplication::translate("StartOutbox", "One card went out while Pinewick was closed.")
                : QCoreApplication::translate("StartOutbox", "%n cards went out while Pinewick was closed.",
                                              "", sent));
    }
}
