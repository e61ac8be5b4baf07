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

// The card's inline JPEG picture (null when there is none).
QImage CardPicture(const QJsonObject& mail);

// Checks a delivered card: no defects, Date, From, To (the recipient alone),
// Subject (none when greeting is empty), Message-ID and MIME-Version in that
// order, header lines within 78 characters, text and HTML alternatives with
// the picture inline and shown by the HTML, the note (when given) in the text
// and, escaped, in the HTML; returns what differs ("" when all is well).
QString CheckCardMail(const QJsonObject& mail, const QString& from, const QString& to,
                      const QString& greeting, const QString& note = {});

// Replaces the greeting line of a description file.
void SetGreeting(const QString& descFile, const QByteArray& greeting);

// How many pixels of rect differ clearly between two pictures.
int ChangedPixels(const QImage& a, const QImage& b, const QRect& rect);

} // namespace mailtest
