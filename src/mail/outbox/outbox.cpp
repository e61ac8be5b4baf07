#include "mail/outbox/outbox.h"

#include "mail/outbox/retryschedule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUuid>
#include <algorithm>

namespace mail {

namespace {

const char* const kStateFile = "state.json";
const char* const kDamagedFolder = "damaged";
const char* const kSentWhileClosedFile = ".sent-while-closed";

QString tr(const char* text) {
    return QCoreApplication::translate("mail::Outbox", text);
}

// Writes bytes through a temporary file renamed over the target: the target is
// either the old file or the whole new one, never a part.
bool WriteWhole(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error =
            QCoreApplication::translate("mail", "%1 could not be written: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool ReadBounded(const QString& path, qint64 limit, QByteArray* bytes, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate("mail", "%1 cannot be read: %2").arg(path, file.errorString());
        return false;
    }
    if (file.size() > limit) {
        *error = QCoreApplication::translate("mail", "%1 is larger than %2 bytes").arg(path).arg(limit);
        return false;
    }
    *bytes = file.read(limit + 1);
    if (bytes->size() > limit) {
        *error = QCoreApplication::translate("mail", "%1 is larger than %2 bytes").arg(path).arg(limit);
        return false;
    }
    return true;
}

} // namespace

Outbox::Outbox(QString folder) : folder_(std::move(folder)) {}

QByteArray CardPictureOf(const std::string& message) {
    // The part's header names its type; its body, in base64, runs from the
    // blank line after the header to the next boundary line.
    const std::size_t type = message.find("Content-Type: image/jpeg");
    if (type == std::string::npos) {
        return {};
    }
    const std::size_t body = message.find("\r\n\r\n", type);
    if (body == std::string::npos) {
        return {};
    }
    const std::size_t end = message.find("\r\n--", body + 4);
    if (end == std::string::npos) {
        return {};
    }
    const QByteArray picture =
        QByteArray::fromBase64(QByteArray::fromRawData(message.data() + body + 4, qsizetype(end - body - 4)),
                               QByteArray::Base64Encoding);
    // A JPEG begins with its start-of-image marker.
    return picture.startsWith("\xff\xd8") ? picture : QByteArray();
}

QString Outbox::DefaultFolder() {
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || !QDir::isAbsolutePath(data)) {
        data = QDir::homePath() + "/.local/share";
    }
    return data + "/pinewick/outbox";
}

QString Outbox::Add(const std::vector<ReadyMessage>& messages, const QDateTime& due,
                    const std::string& subject, QString* error) {
    if (messages.empty()) {
        *error = tr("The card has no recipients.");
        return {};
    }
    if (!QDir().mkpath(folder_)) {
        *error = tr("The outbox folder %1 could not be made.").arg(folder_);
        return {};
    }
    // A name no other card has: the time it was made and a random part.
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QString id = now.toString("yyyyMMdd-HHmmss-") + QUuid::createUuid().toString(QUuid::Id128).left(12);
    const QString hidden = folder_ + "/.new-" + id;
    QDir(hidden).removeRecursively();
    if (!QDir().mkpath(hidden)) {
        *error = tr("The outbox folder %1 could not be made.").arg(hidden);
        return {};
    }
    OutboxCard card;
    card.Id = id;
    card.Created = now;
    card.Due = due.toUTC();
    card.Subject = subject;
    int number = 0;
    QStringList mailboxes;
    for (const ReadyMessage& message : messages) {
        // Each mailbox once: a second message would be a second card.
        const QString mailbox = QString::fromStdString(message.Address).toLower();
        if (mailboxes.contains(mailbox)) {
            continue;
        }
        mailboxes.append(mailbox);
        OutboxRecipient recipient;
        recipient.Address = message.Address;
        recipient.Name = message.Name;
        recipient.MessageFile = QString("%1.eml").arg(++number);
        if (!WriteWhole(hidden + "/" + recipient.MessageFile, QByteArray::fromStdString(message.Bytes),
                        error)) {
            QDir(hidden).removeRecursively();
            return {};
        }
        card.Recipients.push_back(std::move(recipient));
    }
    // The card's picture for the outbox window; a card without one is still a card.
    const QByteArray picture = CardPictureOf(messages.front().Bytes);
    if (!picture.isEmpty() && !WriteWhole(hidden + "/card.jpg", picture, error)) {
        QDir(hidden).removeRecursively();
        return {};
    }
    if (!WriteWhole(hidden + "/" + kStateFile, card.ToJson(), error) ||
        !QDir().rename(hidden, CardFolder(id))) {
        if (error->isEmpty()) {
            *error = tr("The card could not be moved into the outbox %1.").arg(folder_);
        }
        QDir(hidden).removeRecursively();
        return {};
    }
    return id;
}

QString Outbox::AddForRetry(const std::vector<ReadyMessage>& messages, const std::string& subject,
                            const std::string& reason, const QDateTime& now, QString* error) {
    const QString id = Add(messages, now, subject, error);
    std::optional<OutboxCard> card = id.isEmpty() ? std::nullopt : Card(id, error);
    if (!card) {
        return {};
    }
    card->FirstFailure = now.toUTC();
    for (OutboxRecipient& r : card->Recipients) {
        r.Attempts = 1;
        r.Reason = reason;
        r.NextAttempt = NextAttempt(1, card->FirstFailure, card->FirstFailure);
    }
    if (!Save(*card, error)) {
        Remove(id);
        return {};
    }
    return id;
}

std::vector<ReadyMessage> RetryableMessages(const MailBatch& batch, SendMailError lastError) {
    std::vector<ReadyMessage> again;
    for (const ReadyMessage& message : batch.NotSent()) {
        for (const DeliveryOutcome& outcome : batch.Outcomes()) {
            if (outcome.Address == message.Address && outcome.Result == DeliveryOutcome::State::NotSent &&
                TransientFailure(lastError, outcome.Reason)) {
                again.push_back(message);
                break;
            }
        }
    }
    return again;
}

std::optional<OutboxCard> Outbox::Card(const QString& id, QString* problem) {
    QString ignored;
    QString& why = problem ? *problem : ignored;
    QByteArray json;
    if (!ReadBounded(CardFolder(id) + "/" + kStateFile, kMaxStateBytes, &json, &why)) {
        return std::nullopt;
    }
    std::optional<OutboxCard> card = OutboxCard::FromJson(json, &why);
    if (!card) {
        return std::nullopt;
    }
    card->Id = id;
    // A recipient still waiting needs its message.
    for (const OutboxRecipient& r : card->Recipients) {
        if (r.State == RecipientState::Waiting && !QFileInfo(CardFolder(id) + "/" + r.MessageFile).isFile()) {
            why = tr("the message for %1 is missing").arg(QString::fromStdString(r.Address));
            return std::nullopt;
        }
    }
    return card;
}

std::vector<OutboxCard> Outbox::Cards(QStringList* problems) {
    std::vector<OutboxCard> cards;
    const QStringList entries = QDir(folder_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& id : entries) {
        if (id == kDamagedFolder) {
            continue;
        }
        QString problem;
        std::optional<OutboxCard> card = Card(id, &problem);
        if (card) {
            cards.push_back(std::move(*card));
            continue;
        }
        const QString place = SetAside(id);
        if (problems) {
            problems->append(tr("A damaged card in the outbox was set aside in %1: %2").arg(place, problem));
        }
    }
    std::stable_sort(cards.begin(), cards.end(),
                     [](const OutboxCard& a, const OutboxCard& b) { return a.Due < b.Due; });
    return cards;
}

bool Outbox::Save(const OutboxCard& card, QString* error) {
    return WriteWhole(CardFolder(card.Id) + "/" + kStateFile, card.ToJson(), error);
}

bool Outbox::ReadMessage(const OutboxCard& card, const OutboxRecipient& recipient, std::string* bytes,
                         QString* error) const {
    QByteArray data;
    if (!ReadBounded(CardFolder(card.Id) + "/" + recipient.MessageFile, kMaxMessageBytes, &data, error)) {
        return false;
    }
    *bytes = data.toStdString();
    return true;
}

bool Outbox::Remove(const QString& id) {
    return !id.isEmpty() && !id.contains('/') && QDir(CardFolder(id)).removeRecursively();
}

void Outbox::Tidy(const QDateTime& now) {
    for (const OutboxCard& card : Cards()) {
        if (card.Pending()) {
            continue;
        }
        QDateTime last = card.Due;
        for (const OutboxRecipient& r : card.Recipients) {
            QFile::remove(CardFolder(card.Id) + "/" + r.MessageFile);
            if (r.SentAt.isValid() && r.SentAt > last) {
                last = r.SentAt;
            }
        }
        if (last.addYears(1) <= now) {
            Remove(card.Id);
        }
    }
}

QString Outbox::SetAside(const QString& id) {
    const QString damaged = folder_ + "/" + kDamagedFolder;
    QDir().mkpath(damaged);
    QString place = damaged + "/" + id;
    for (int n = 2; QFileInfo::exists(place); ++n) {
        place = damaged + "/" + id + "-" + QString::number(n);
    }
    if (!QDir().rename(CardFolder(id), place)) {
        return CardFolder(id);
    }
    return place;
}

bool Outbox::HasPending() {
    const std::vector<OutboxCard> cards = Cards();
    return std::any_of(cards.begin(), cards.end(), [](const OutboxCard& c) { return c.Pending(); });
}

} // namespace mail

namespace mail {

void Outbox::NoteSentWhileClosed(int cards) {
    if (cards <= 0) {
        return;
    }
    QByteArray count;
    QString error;
    QDir().mkpath(folder_);
    ReadBounded(folder_ + "/" + kSentWhileClosedFile, 32, &count, &error);
    WriteWhole(folder_ + "/" + kSentWhileClosedFile,
               QByteArray::number(qMax(0, count.trimmed().toInt()) + cards), &error);
}

int Outbox::TakeSentWhileClosed() {
    QByteArray count;
    QString error;
    if (!ReadBounded(folder_ + "/" + kSentWhileClosedFile, 32, &count, &error)) {
        return 0;
    }
    QFile::remove(folder_ + "/" + kSentWhileClosedFile);
    return qBound(0, count.trimmed().toInt(), 1000000);
}

} // namespace mail
