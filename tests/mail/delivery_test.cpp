// Delivery to a real SMTP server (aiosmtpd on loopback): what it stores is read
// back with Python's email package and every attachment must decode to the exact
// bytes sent.
#include "scriptedserver.h"
#include "smtpdaemon.h"
#include "support/test_paths.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QProcess>
#include <gtest/gtest.h>

using mail::AttachmentEncoding;
using mail::SendMail;
using mail::TMailAction;

namespace {

QString writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

} // namespace

TEST(MailDelivery, RealServerStoresTheMailWithEveryAttachmentIntact) {
    const QString dir = testsupport::scratchDir("mail_delivery");
    const QString maildir = dir + "/maildir";
    mailtest::SmtpDaemon daemon(maildir);
    ASSERT_TRUE(daemon.running()) << daemon.log().toStdString();

    // A real JPEG picture, a text with 8-bit characters, and a binary file.
    QImage picture(320, 211, QImage::Format_RGB32);
    picture.fill(QColor(10, 60, 20));
    {
        QPainter painter(&picture);
        painter.setBrush(QColor(30, 140, 40));
        painter.drawEllipse(100, 20, 120, 170);
    }
    const QString jpeg = dir + "/Pinewick.jpg";
    ASSERT_TRUE(picture.save(jpeg, "JPEG", 80));
    const QString text = writeBytes(
        dir + "/menu.txt", QString("Glühwein = 3€\n.dot line\n%1\n").arg(QString(120, 'x')).toUtf8());
    QByteArray binary;
    for (int i = 0; i < 5000; ++i) {
        binary.append(static_cast<char>((i * 37) ^ (i >> 3)));
    }
    const QString uu = writeBytes(dir + "/tree.data.bin", binary);

    SendMail mail;
    mailtest::Transcript t;
    t.attach(mail);
    mail.SetSMTP_Server("127.0.0.1");
    mail.SMTP_Port = daemon.port();
    mail.FROM_Name = "Ännchen";
    mail.FROM_Address = "ann@example.org";
    mail.TO_Address = "tom@example.org";
    mail.TO_Name = "Tom";
    mail.ListBcc = {"hidden@example.org"};
    mail.Subject = "Frohe Weihnachten — ein Baum für dich";
    mail.MailText = {"Hallo Tom,", ". ein Punkt am Anfang", "schöne Grüße"};
    mail.Attachments = {jpeg.toStdString(), text.toStdString(), uu.toStdString()};
    mail.SetAttachmentInfo(
        2, {"", AttachmentEncoding::QuotedPrintable, "text/plain", "", "", text.toStdString()});
    mail.SetAttachmentInfo(3, {"", AttachmentEncoding::UUEncode, "", "", "", uu.toStdString()});
    mail.SetAction(TMailAction::Send_Mail);
    ASSERT_TRUE(mailtest::waitForDone(t, 1, 30000));
    for (const auto& [code, message] : t.errors) {
        ADD_FAILURE() << "mail error " << code << ": " << message;
    }
    ASSERT_TRUE(t.hasInfo(mail::SendMailInfo::MailAccepted));

    auto attachment = [](const QString& type, const QString& filename, const QString& encoding,
                         const QString& path) {
        return QJsonObject{{"type", type}, {"filename", filename}, {"encoding", encoding}, {"path", path}};
    };
    const QJsonObject expected{
        {"from", "Ännchen <ann@example.org>"},
        {"to", "Tom <tom@example.org>"},
        {"subject", "Frohe Weihnachten — ein Baum für dich"},
        {"body", "Hallo Tom,\n. ein Punkt am Anfang\nschöne Grüße\n"},
        {"attachments", QJsonArray{attachment("application/octet-stream", "Pinewick.jpg", "base64", jpeg),
                                   attachment("text/plain", "menu.txt", "quoted-printable", text),
                                   attachment("application/octet-stream", "tree.data.uue", "uuencode", uu)}}};
    const QString expectedFile = dir + "/expected.json";
    writeBytes(expectedFile, QJsonDocument(expected).toJson());

    QProcess check;
    check.setProcessChannelMode(QProcess::MergedChannels);
    check.start("/usr/bin/python3",
                {testsupport::sourceDir() + "/tests/mail/check_delivery.py", maildir, expectedFile});
    ASSERT_TRUE(check.waitForFinished(30000));
    EXPECT_EQ(check.exitCode(), 0) << check.readAll().toStdString();
}
