#pragma once
// The time a card is to be sent, as the user writes it: ISO 8601 ("2026-12-24
// 08:00", "2026-12-24T08:00:30", "2026-12-24 08:00+01:00", "...Z"), in local
// time unless a zone is given.
#include <QDateTime>
#include <QString>

namespace mail {

// The earliest and latest a card may be scheduled, from now.
constexpr qint64 kEarliestSendSeconds = 60;
constexpr int kLatestSendYears = 1;

// The time of text; invalid, with *error, when it is no such time.
QDateTime ParseSendTime(const QString& text, QString* error);
// Whether due is at least a minute after now and at most a year; when not,
// *error says which.
bool SendTimeInRange(const QDateTime& due, const QDateTime& now, QString* error);

} // namespace mail
