#pragma once
// OutboxSender: sends the cards of the outbox that are due, over a mail
// component the caller has set up (server, port, sender, login), one batch per
// card. Each recipient's state is written right after the server's answer to
// its mail, so a sender stopped at any point never sends a mail twice.
#include "mail/outbox/outbox.h"

#include <QDateTime>
#include <QStringList>
#include <functional>

namespace mail {

class SendMail;

struct SendDueReport {
    bool Locked = false;  // another sender was running: nothing was done
    int CardsSent = 0;    // cards whose last waiting recipient got it now
    int Delivered = 0;    // mails the server accepted
    int Refused = 0;      // mails refused for good
    int Waiting = 0;      // mails to be tried again later
    int GivenUp = 0;      // mails given up after three days
    QStringList Problems; // damaged entries set aside, files not written
    QStringList Failures; // "address: reason" for each refused or given-up mail
};

class OutboxSender {
public:
    OutboxSender(Outbox& outbox, SendMail& mail) : outbox_(outbox), mail_(mail) {}

    // Sends what is due at now (UTC), waiting in a local event loop for each
    // card. Takes the sender lock for the whole run.
    SendDueReport SendDue(const QDateTime& now);
    // Sends one card's waiting recipients now, whatever their due time.
    SendDueReport SendNow(const QString& id, const QDateTime& now);

    // Progress for a caller's display: a line per card and per outcome.
    std::function<void(const QString& line)> OnProgress;
    // A card that was sent to everyone, or was finally given up or refused.
    std::function<void(const OutboxCard& card)> OnCardFinished;

private:
    SendDueReport Run(const QDateTime& now, const QString& only);
    void SendCard(OutboxCard& card, const QDateTime& now, bool force, SendDueReport* report);

    Outbox& outbox_;
    SendMail& mail_;
};

} // namespace mail
