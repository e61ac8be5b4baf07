#pragma once
// What the tests of the card by mail share: a real SMTP server on loopback, a
// home whose msmtp configuration names it, and the mails it stored, parsed as
// a mail reader parses them.
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace mailtest {

// Writes an msmtp configuration naming 127.0.0.1:port into configHome.
void WriteMsmtpConfig(const QString& configHome, quint16 port, const QString& from = "robin@example.org");

// The mails stored in maildir, oldest first (see read_card_mail.py).
QJsonArray ReadMails(const QString& maildir);

// A mail's header lines as "Name: value", in order.
QStringList HeaderLines(const QJsonObject& mail);

// The one attachment of a card mail as a picture (null when it is not one).
QImage CardPicture(const QJsonObject& mail);

// Checks the mail against the card's table: sender, recipient, subject (none
// when greeting is empty), MIME lines and the one picture part; returns what
// differs ("" when all is well).
QString CheckCardMail(const QJsonObject& mail, const QString& from, const QString& to,
                      const QString& greeting);

// Replaces the greeting line of a description file.
void SetGreeting(const QString& descFile, const QByteArray& greeting);

// How many pixels of rect differ clearly between two pictures.
int ChangedPixels(const QImage& a, const QImage& b, const QRect& rect);

} // namespace mailtest
