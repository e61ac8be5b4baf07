#include "mail/outbox/outboxcard.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>

namespace mail {

namespace {

constexpr std::array<std::pair<RecipientState, const char*>, 5> kStateNames{{
    {RecipientState::Waiting, "waiting"},
    {RecipientState::Sent, "sent"},
    {RecipientState::Refused, "refused"},
    {RecipientState::Failed, "failed"},
    {RecipientState::Unknown, "unknown"},
}};

// The most recipients one card may name, and the longest text a field may hold:
// a state file is small, and one that is not was not written by us.
constexpr int kMaxRecipients = 1000;
constexpr int kMaxField = 4096;

QString Time(const QDateTime& time) {
    return time.isValid() ? time.toUTC().toString(Qt::ISODate) : QString();
}

// A time field: absent or empty is no time; anything else must be a time.
bool ReadTime(const QJsonObject& object, const char* key, QDateTime* time) {
    const QString text = object.value(key).toString();
    if (text.isEmpty()) {
        *time = {};
        return true;
    }
    *time = QDateTime::fromString(text, Qt::ISODate).toUTC();
    return time->isValid();
}

bool ReadText(const QJsonObject& object, const char* key, std::string* text) {
    const QJsonValue value = object.value(key);
    if (!value.isString() && !value.isUndefined()) {
        return false;
    }
    const QString string = value.toString();
    if (string.size() > kMaxField) {
        return false;
    }
    *text = string.toStdString();
    return true;
}

// A message file's name is a plain name inside the card's folder.
bool SafeFileName(const QString& name) {
    return !name.isEmpty() && name.size() <= 64 && !name.contains('/') && !name.startsWith('.');
}

} // namespace

QString RecipientStateName(RecipientState state) {
    for (const auto& [value, name] : kStateNames) {
        if (value == state) {
            return name;
        }
    }
    return {};
}

bool OutboxCard::Pending() const {
    return std::any_of(Recipients.begin(), Recipients.end(),
                       [](const OutboxRecipient& r) { return r.State == RecipientState::Waiting; });
}

bool OutboxCard::RecipientDueAt(const OutboxRecipient& recipient, const QDateTime& now) const {
    if (recipient.State != RecipientState::Waiting || Due > now) {
        return false;
    }
    return !recipient.NextAttempt.isValid() || recipient.NextAttempt <= now;
}

bool OutboxCard::DueAt(const QDateTime& now) const {
    return std::any_of(Recipients.begin(), Recipients.end(),
                       [&](const OutboxRecipient& r) { return RecipientDueAt(r, now); });
}

QDateTime OutboxCard::NextTry() const {
    QDateTime next;
    for (const OutboxRecipient& r : Recipients) {
        if (r.State != RecipientState::Waiting) {
            continue;
        }
        const QDateTime at = r.NextAttempt.isValid() && r.NextAttempt > Due ? r.NextAttempt : Due;
        if (!next.isValid() || at < next) {
            next = at;
        }
    }
    return next;
}

QByteArray OutboxCard::ToJson() const {
    QJsonArray recipients;
    for (const OutboxRecipient& r : Recipients) {
        recipients.append(QJsonObject{
            {"address", QString::fromStdString(r.Address)},
            {"name", QString::fromStdString(r.Name)},
            {"message", r.MessageFile},
            {"state", RecipientStateName(r.State)},
            {"reason", QString::fromStdString(r.Reason)},
            {"attempts", r.Attempts},
            {"next_attempt", Time(r.NextAttempt)},
            {"sent_at", Time(r.SentAt)},
        });
    }
    const QJsonObject card{
        {"version", 1},
        {"created", Time(Created)},
        {"due", Time(Due)},
        {"subject", QString::fromStdString(Subject)},
        {"first_failure", Time(FirstFailure)},
        {"recipients", recipients},
    };
    return QJsonDocument(card).toJson(QJsonDocument::Indented);
}

std::optional<OutboxCard> OutboxCard::FromJson(const QByteArray& json, QString* problem) {
    const auto fail = [problem](const QString& why) -> std::optional<OutboxCard> {
        *problem = why;
        return std::nullopt;
    };
    QJsonParseError parse{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parse);
    if (parse.error != QJsonParseError::NoError || !document.isObject()) {
        return fail(QCoreApplication::translate("mail::OutboxCard", "the state file is not readable (%1)")
                        .arg(parse.errorString()));
    }
    const QJsonObject object = document.object();
    if (object.value("version").toInt() != 1) {
        return fail(QCoreApplication::translate("mail::OutboxCard", "the state file has an unknown version"));
    }
    OutboxCard card;
    if (!ReadTime(object, "created", &card.Created) || !ReadTime(object, "due", &card.Due) ||
        !card.Due.isValid() || !ReadTime(object, "first_failure", &card.FirstFailure) ||
        !ReadText(object, "subject", &card.Subject)) {
        return fail(
            QCoreApplication::translate("mail::OutboxCard", "the state file has a damaged time or subject"));
    }
    const QJsonArray recipients = object.value("recipients").toArray();
    if (recipients.isEmpty() || recipients.size() > kMaxRecipients) {
        return fail(QCoreApplication::translate("mail::OutboxCard", "the state file names no recipients"));
    }
    for (const QJsonValue& value : recipients) {
        const QJsonObject entry = value.toObject();
        OutboxRecipient r;
        const QString state = entry.value("state").toString();
        const auto known = std::find_if(kStateNames.begin(), kStateNames.end(),
                                        [&](const auto& pair) { return state == pair.second; });
        r.MessageFile = entry.value("message").toString();
        r.Attempts = entry.value("attempts").toInt(-1);
        if (!ReadText(entry, "address", &r.Address) || r.Address.empty() ||
            !ReadText(entry, "name", &r.Name) || !ReadText(entry, "reason", &r.Reason) ||
            known == kStateNames.end() || !SafeFileName(r.MessageFile) || r.Attempts < 0 ||
            r.Attempts > 100000 || !ReadTime(entry, "next_attempt", &r.NextAttempt) ||
            !ReadTime(entry, "sent_at", &r.SentAt)) {
            return fail(
                QCoreApplication::translate("mail::OutboxCard", "the state file has a damaged recipient"));
        }
        r.State = known->first;
        card.Recipients.push_back(std::move(r));
    }
    return card;
}

} // namespace mail
