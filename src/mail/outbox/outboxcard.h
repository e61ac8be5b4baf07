#pragma once
// OutboxCard: one card in the outbox, as its state file describes it: who it
// goes to, when, and how far each recipient's mail has come. No password and
// no message text: the ready messages lie beside the state file.
#include <QDateTime>
#include <QString>
#include <optional>
#include <string>
#include <vector>

class QByteArray;

namespace mail {

enum class RecipientState {
    Waiting, // to be sent at the card's due time or its next attempt
    Sent,    // the server accepted it
    Refused, // refused for good (a 5xx answer, a refused login): not tried again
    Failed,  // could not be sent in three days of trying: given up
    Unknown, // the connection ended before the server's answer: it may have
             // arrived, so it is not sent a second time
};

struct OutboxRecipient {
    std::string Address;
    std::string Name;
    QString MessageFile; // the ready message's file in the card's folder
    RecipientState State = RecipientState::Waiting;
    std::string Reason;    // the server's answer or what went wrong (empty when sent)
    int Attempts = 0;      // failed tries so far
    QDateTime NextAttempt; // UTC; invalid: at the card's due time
    QDateTime SentAt;      // UTC, when accepted
};

struct OutboxCard {
    QString Id;        // the card's folder name
    QDateTime Created; // UTC
    QDateTime Due;     // UTC
    std::string Subject;
    // When a try first failed for a reason that may pass (UTC, invalid: none):
    // the start of the three days the card is tried again.
    QDateTime FirstFailure;
    std::vector<OutboxRecipient> Recipients;

    // Whether a recipient still waits for the card.
    bool Pending() const;
    // Whether a waiting recipient is to be tried at now (UTC).
    bool DueAt(const QDateTime& now) const;
    bool RecipientDueAt(const OutboxRecipient& recipient, const QDateTime& now) const;
    // The earliest time a waiting recipient is to be tried (invalid: none waits).
    QDateTime NextTry() const;

    // The state file's text, and the card read back from it. Reading checks
    // every field and refuses the whole file on the first fault, with a reason.
    QByteArray ToJson() const;
    static std::optional<OutboxCard> FromJson(const QByteArray& json, QString* problem);
};

// "waiting", "sent", ... as the state file writes them.
QString RecipientStateName(RecipientState state);

} // namespace mail
