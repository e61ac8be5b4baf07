#pragma once
// Outbox: the folder where cards wait to be sent, one sub-folder per card with
// each recipient's ready message and the card's state file (OutboxCard).
//
// Nothing is ever half written: a new card is written in a hidden folder and
// renamed into place whole (as Maildir does), a state file is written to a
// temporary file and renamed over the old one. An entry that cannot be read is
// moved to the "damaged" folder and reported, and the others go on.
#include "mail/mailbatch.h"
#include "mail/outbox/outboxcard.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace mail {

// The first JPEG picture of a composed message (the card), decoded; empty
// when the message has none.
QByteArray CardPictureOf(const std::string& message);

// The messages of a finished batch that were not sent for a reason that may
// pass (lastError: the last error the batch reported), to be tried again.
std::vector<ReadyMessage> RetryableMessages(const MailBatch& batch, SendMailError lastError);

class Outbox {
public:
    explicit Outbox(QString folder);
    // $XDG_DATA_HOME/pinewick/outbox (~/.local/share/pinewick/outbox).
    static QString DefaultFolder();
    const QString& Folder() const { return folder_; }

    // Puts a card in the outbox, due at due (any zone): the messages as they
    // stand. Its id, or empty with *error when nothing could be written (then
    // nothing is left behind).
    QString Add(const std::vector<ReadyMessage>& messages, const QDateTime& due, const std::string& subject,
                QString* error);

    // Puts messages that could not go out now, for a reason that may pass, in
    // the outbox as after a first failed try at now: they are tried again
    // after the first wait of the retry schedule.
    QString AddForRetry(const std::vector<ReadyMessage>& messages, const std::string& subject,
                        const std::string& reason, const QDateTime& now, QString* error);

    // Every card, oldest due first. Entries that cannot be read are set aside
    // in the "damaged" folder; each is described in *problems (may be null).
    std::vector<OutboxCard> Cards(QStringList* problems = nullptr);
    // The card with this id, if it is there and readable.
    std::optional<OutboxCard> Card(const QString& id, QString* problem = nullptr);
    // Writes the card's state file anew (atomically).
    bool Save(const OutboxCard& card, QString* error);
    // The ready message of one recipient.
    bool ReadMessage(const OutboxCard& card, const OutboxRecipient& recipient, std::string* bytes,
                     QString* error) const;
    // The card's picture as it went into its messages (JPEG), kept for the
    // outbox window when the messages themselves are gone; may be missing.
    QString PictureFile(const QString& id) const { return folder_ + "/" + id + "/card.jpg"; }
    // Removes a card and its messages.
    bool Remove(const QString& id);
    // Deletes the messages of recipients that have them, so only the list of
    // who got the card is kept; and removes cards done for more than a year.
    void Tidy(const QDateTime& now);
    // Moves an entry to the "damaged" folder; the new place.
    QString SetAside(const QString& id);

    // Whether any card still waits to be sent.
    bool HasPending();

    // Cards sent while Pinewick was closed, for the note at its next start:
    // the sender adds, the window takes (and so clears) the count.
    void NoteSentWhileClosed(int cards);
    int TakeSentWhileClosed();

    // The longest ready message read back (a card with an animated picture is a
    // few megabytes).
    static constexpr qint64 kMaxMessageBytes = 64 * 1024 * 1024;
    static constexpr qint64 kMaxStateBytes = 1024 * 1024;

private:
    QString CardFolder(const QString& id) const { return folder_ + "/" + id; }

    QString folder_;
};

} // namespace mail
