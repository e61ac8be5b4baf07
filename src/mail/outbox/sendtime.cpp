#include "mail/outbox/sendtime.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTimeZone>

namespace mail {

QDateTime ParseSendTime(const QString& text, QString* error) {
    // Date, time to the minute or second, and an optional zone; a space or a T between.
    static const QRegularExpression form(
        R"(^\s*(\d{4}-\d{2}-\d{2})[T ](\d{2}:\d{2}(?::\d{2})?)\s*(Z|[+-]\d{2}:?\d{2})?\s*$)");
    const QRegularExpressionMatch match = form.match(text);
    QDateTime time;
    if (match.hasMatch()) {
        const QDate date = QDate::fromString(match.captured(1), Qt::ISODate);
        const QTime clock = QTime::fromString(match.captured(2), Qt::ISODate);
        const QString zone = match.captured(3);
        // ISO's 24:00 (the end of a day) is no time to choose.
        if (date.isValid() && clock.isValid() && match.captured(2).left(2).toInt() < 24) {
            if (zone.isEmpty()) {
                time = QDateTime(date, clock);
            } else if (zone == "Z") {
                time = QDateTime(date, clock, Qt::UTC);
            } else {
                QString digits = zone.mid(1);
                digits.remove(':');
                const int hours = digits.left(2).toInt();
                const int minutes = digits.mid(2).toInt();
                if (hours <= 14 && minutes < 60) {
                    const int sign = zone[0] == '-' ? -1 : 1;
                    time = QDateTime(date, clock, QTimeZone(sign * (hours * 3600 + minutes * 60)));
                }
            }
        }
    }
    if (!time.isValid()) {
        *error = QCoreApplication::translate("mail::SendTime",
                                             "\"%1\" is not a date and time such as \"2026-12-24 08:00\".")
                     .arg(text);
    }
    return time;
}

bool SendTimeInRange(const QDateTime& due, const QDateTime& now, QString* error) {
    if (due < now.addSecs(kEarliestSendSeconds)) {
        *error = QCoreApplication::translate("mail::SendTime",
                                             "The time to send the card must be at least a minute from now.");
        return false;
    }
    if (due > now.addYears(kLatestSendYears)) {
        *error = QCoreApplication::translate("mail::SendTime",
                                             "The time to send the card must be at most a year from now.");
        return false;
    }
    return true;
}

} // namespace mail
